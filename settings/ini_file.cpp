#include "settings/ini_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace tidewick {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The profile functions' blanks: C's white space and ^Z, the DOS end of file.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1A'; }

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

// Names and values are C strings to the profile functions.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

struct Key {
    std::string Name;
    std::optional<std::string> Value;  // none: a line without "="
};

struct Section {
    std::string Name;  // empty: the lines before the first header, or under "[]"
    std::vector<Key> Keys;
};

struct Document {
    bool Utf8Bom = false;
    std::vector<Section> Sections;  // the first one is the nameless top of the text
};

Document Parse(std::string_view text) {
    Document doc;
    if (StartsWith(text, kUtf8Bom)) {
        doc.Utf8Bom = true;
        text.remove_prefix(kUtf8Bom.size());
    }
    doc.Sections.emplace_back();
    bool lastNameEmpty = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) continue;

        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            doc.Sections.push_back({std::string(UpToNul(Trim(line.substr(1, close - 1)))), {}});
            lastNameEmpty = false;
            continue;
        }

        std::string_view name = line;
        std::optional<std::string_view> value;
        if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            name = TrimRight(line.substr(0, eq));
            value = TrimLeft(line.substr(eq + 1));
        }
        // The profile functions keep one of a run of keys with empty names.
        if (name.empty() && lastNameEmpty) continue;
        Key key{std::string(UpToNul(name)), std::nullopt};
        if (value) key.Value = std::string(UpToNul(*value));
        lastNameEmpty = key.Name.empty();
        doc.Sections.back().Keys.push_back(std::move(key));
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out;
    if (doc.Utf8Bom) out += kUtf8Bom;
    for (const Section& section : doc.Sections) {
        if (!section.Name.empty()) {
            out += '[';
            out += section.Name;
            out += "]\r\n";
        }
        for (const Key& key : section.Keys) {
            out += key.Name;
            if (key.Value) {
                out += '=';
                out += *key.Value;
            }
            out += "\r\n";
        }
    }
    return out;
}

// Only the first section of a name is searched, as the profile functions do;
// for the empty name that is the top of the text.
Section* FindSection(Document& doc, std::string_view name) {
    name = Trim(name);
    for (Section& section : doc.Sections) {
        if (SameName(section.Name, name)) return &section;
    }
    return nullptr;
}

Key* FindKey(Section& section, std::string_view name) {
    name = Trim(name);
    for (Key& key : section.Keys) {
        if (SameName(key.Name, name)) return &key;
    }
    return nullptr;
}

// A value as it lands in the caller's 255-byte buffer. A closing quote cut
// off by the buffer still costs the last byte that did fit.
std::string CopyEntry(std::string_view value) {
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string out(value.substr(0, kIniValueMax));
    if (quoted && value.size() <= kIniValueMax + 1) out.pop_back();
    return out;
}

bool IsUtf16(std::string_view text) { return StartsWith(text, "\xFF\xFE") || StartsWith(text, "\xFE\xFF"); }

enum class ReadOutcome { Read, Missing, Failed };

// The whole file as bytes. Only a regular file is read: a directory or a
// device is no settings file, and must never be replaced by one.
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return ReadOutcome::Missing;
    if (ec || status.type() != fs::file_type::regular) return ReadOutcome::Failed;

    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return ReadOutcome::Failed;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? ReadOutcome::Failed : ReadOutcome::Read;
}

// The profile functions write a file in place, so one that cannot be opened
// for writing (a read-only file) is not changed.
bool WritableInPlace(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file) return false;
    std::fclose(file);
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

// A name beside target that is not taken yet, as far as can be seen; where
// nothing can be seen, the write to it fails and says so.
std::string FreeTempName(const std::string& target) {
    std::string candidate = target + ".new";
    std::error_code ec;
    for (int n = 1; n < 100 && fs::exists(candidate, ec) && !ec; ++n) {
        candidate = target + ".new" + std::to_string(n);
    }
    return candidate;
}

// bytes into the file at path, all or nothing: the old file stays whole until
// the complete new one replaces it.
bool ReplaceFileContent(const std::string& path, std::string_view bytes, bool exists) {
    std::error_code ec;
    std::string target = path;
    if (exists && fs::is_symlink(path, ec)) {
        // Replace the file the link names, not the link.
        target = fs::canonical(path, ec).string();
        if (ec) return false;
    }
    const std::string temp = FreeTempName(target);
    if (!WriteNewFile(temp, bytes)) {
        fs::remove(temp, ec);
        return false;
    }
    if (exists) {
        const fs::perms perms = fs::status(target, ec).permissions();
        if (!ec) fs::permissions(temp, perms, ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace

std::string IniGetString(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultText) {
    Document doc = Parse(text);
    if (Section* s = FindSection(doc, UpToNul(section))) {
        if (const Key* k = FindKey(*s, UpToNul(key)); k && k->Value) return CopyEntry(*k->Value);
    }
    std::string_view fallback = UpToNul(defaultText);
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    return CopyEntry(fallback);
}

bool IniWriteAccepted(std::string_view section, std::string_view key, std::string_view value) {
    for (const std::string_view s : {section, key, value}) {
        if (s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    }
    const std::string_view name = Trim(key);
    return !Trim(section).empty() && !name.empty() && name.find('=') == std::string_view::npos &&
           name.front() != '[';
}

std::optional<std::string> IniSetString(std::string_view text, std::string_view section,
                                        std::string_view key, std::string_view value) {
    Document doc = Parse(text);
    value = TrimLeft(value);
    Section* s = FindSection(doc, section);
    if (!s) {
        // A new name keeps any blanks after it, as the profile functions keep them.
        doc.Sections.push_back({std::string(TrimLeft(section)), {}});
        s = &doc.Sections.back();
    }
    Key* k = FindKey(*s, key);
    if (!k) {
        s->Keys.push_back({std::string(TrimLeft(key)), std::nullopt});
        k = &s->Keys.back();
    } else if (k->Value && *k->Value == value) {
        return std::nullopt;
    }
    k->Value = std::string(value);
    return Serialize(doc);
}

std::string IniReadString(std::string_view section, std::string_view key,
                          std::string_view defaultText, const std::string& path) {
    std::string text;
    if (ReadWholeFile(path, text) != ReadOutcome::Read || IsUtf16(text)) text.clear();
    return IniGetString(text, section, key, defaultText);
}

bool IniWriteString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path) {
    if (!IniWriteAccepted(section, key, value)) return false;
    std::string text;
    const ReadOutcome read = ReadWholeFile(path, text);
    if (read == ReadOutcome::Failed || IsUtf16(text)) return false;
    const bool exists = read == ReadOutcome::Read;
    if (exists && !WritableInPlace(path)) return false;
    const std::optional<std::string> changed = IniSetString(text, section, key, value);
    if (!changed) return true;
    return ReplaceFileContent(path, *changed, exists);
}

}  // namespace tidewick
