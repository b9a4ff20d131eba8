// tidewick: a command-line stand-in for the mail program. It loads the
// plug-in module, lists its translators and runs one on a file, the way the
// mail program calls it.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "host/plugin_module.h"

namespace fs = std::filesystem;
using namespace tidewick;

namespace {

// Exit statuses other than the module's own failure results (1, 5, 11, ...).
constexpr int kExitUsage = 64;
constexpr int kExitNoModule = 69;
constexpr int kExitHostIo = 74;

constexpr char kHostVersion[] = "1.1";

const char kUsage[] =
    "usage: tidewick [--config-dir DIR] [--plugin PATH] COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  list                              the translators, id and name\n"
    "  run TRANSLATOR INPUT [OUTPUT]     translate INPUT (- for standard input)\n"
    "                                    into OUTPUT (standard output if absent);\n"
    "                                    TRANSLATOR is an id (2), a name (\"Left Align\")\n"
    "                                    or a short name (left-align)\n"
    "\n"
    "options:\n"
    "  --config-dir DIR   the configuration directory handed to the module\n"
    "                     (default: a per-user directory, created when missing)\n"
    "  --plugin PATH      the module to load (default: the one beside this program)\n"
    "  --help             this text\n"
    "  --version          the host's and the module's versions\n"
    "\n"
    "The exit status is 0 on success, the module's result code when a\n"
    "translation fails (1 failed, 5 file error, 11 cancelled), 64 for wrong\n"
    "usage, 69 when the module cannot be loaded and 74 for the host's own I/O.\n";

int UsageError(const std::string& message) {
    std::cerr << "tidewick: " << message << "\n" << "Try 'tidewick --help'.\n";
    return kExitUsage;
}

struct Options {
    std::optional<std::string> ConfigDir;
    std::optional<std::string> PluginPath;
    std::vector<std::string> Command;
};

std::string DefaultConfigDir() {
#ifdef _WIN32
    const char* base = std::getenv("APPDATA");
    return std::string(base != nullptr ? base : ".") + "\\Tidewick";
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
        return std::string(xdg) + "/tidewick";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/tidewick";
#endif
}

// "Reformat Paragraph..." -> "reformat-paragraph"
std::string ShortName(const std::string& name) {
    std::string out;
    for (unsigned char c : name) {
        if (std::isalnum(c)) out += static_cast<char>(std::tolower(c));
        else if (!out.empty() && out.back() != '-') out += '-';
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

struct Translator {
    std::int32_t Id;
    std::string Name;
};

// A loaded and initialised module, as the mail program holds it.
class Host {
public:
    Host(std::unique_ptr<PluginModule> module, const std::string& configDir) : module_(std::move(module)) {
        MailConfig config{0, 0, configDir.c_str()};
        PluginInfo info{};
        module_->PluginInit(nullptr, nullptr, &config, &info);
        count_ = info.TranslatorCount;
        module_->Free(info.Description);
        module_->Free(info.Icon);
    }

    std::vector<Translator> Translators() const {
        std::vector<Translator> list;
        for (std::int32_t id = 1; id <= count_; ++id) {
            TranslatorInfo info{};
            info.Id = id;
            if (module_->TranslatorInfo(nullptr, &info) != ResultOk) continue;
            list.push_back({id, info.Description != nullptr ? info.Description : ""});
            module_->Free(info.Description);
            module_->Free(info.Icon);
        }
        return list;
    }

    std::int16_t InterfaceVersion() const {
        std::int16_t version = 0;
        module_->PluginVersion(&version);
        return version;
    }

    // The module's result code, with its error text when it reported one.
    std::int32_t Translate(std::int32_t id, const std::string& input, const std::string& output, std::string& error) {
        TranslatorInfo info{};
        info.Id = id;
        MimeInfo plain{};
        plain.Size = sizeof(MimeInfo);
        plain.Type = const_cast<char*>("text");
        plain.Subtype = const_cast<char*>("plain");
        DataFile in{};
        in.Flags = 4;
        in.Mime = &plain;
        in.FileName = input.c_str();
        const std::int32_t can = module_->CanTranslate(nullptr, &info, &in, nullptr);
        if (can != ResultCanTranslate) {
            error = "the translator does not take plain text (result " + std::to_string(can) + ")";
            return can == ResultNoSuchTranslator ? can : ResultFailed;
        }
        DataFile out{};
        out.FileName = output.c_str();
        ResultStatus status{};
        const std::int32_t result = module_->TranslateFile(nullptr, &info, &in, nullptr, &out, &status);
        if (status.ErrorText != nullptr) {
            error = std::string(status.ErrorText) + " (" + std::to_string(status.ErrorCode) + ")";
            module_->Free(status.ErrorText);
        }
        if (out.Mime != nullptr) {
            module_->Free(out.Mime->Version);
            module_->Free(out.Mime->Type);
            module_->Free(out.Mime->Subtype);
            module_->Free(out.Mime);
        }
        return result;
    }

private:
    std::unique_ptr<PluginModule> module_;
    std::int32_t count_ = 0;
};

std::optional<Translator> FindByIdOrName(const std::vector<Translator>& list, const std::string& wanted) {
    for (const Translator& t : list) {
        if (std::to_string(t.Id) == wanted || SameIgnoringCase(t.Name, wanted) || ShortName(t.Name) == wanted)
            return t;
    }
    return std::nullopt;
}

std::string DescribeResult(std::int32_t result) {
    switch (result) {
        case ResultFailed: return "failed";
        case ResultFileError: return "could not open the input file";
        case ResultCancelled: return "was cancelled";
        default: return "ended with result " + std::to_string(result);
    }
}

// A file name in the system's temporary directory that no one uses yet.
std::string TempName(const char* tag) {
    static unsigned serial = 0;
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec);
    for (;;) {
        fs::path candidate = dir / ("tidewick-" + std::to_string(std::rand()) + "-" + std::to_string(++serial) + tag);
        if (!fs::exists(candidate, ec)) return candidate.string();
    }
}

bool CopyStream(std::istream& from, std::ostream& to) {
    to << from.rdbuf();
    to.flush();
    return !to.fail();
}

int Run(Host& host, const std::vector<std::string>& args) {
    if (args.size() < 3 || args.size() > 4) return UsageError("run takes TRANSLATOR INPUT [OUTPUT]");
    const auto translator = FindByIdOrName(host.Translators(), args[1]);
    if (!translator) return UsageError("no translator called '" + args[1] + "' (see 'tidewick list')");

    std::string input = args[2];
    std::string tempInput, tempOutput;
    if (input == "-") {
        tempInput = input = TempName(".in");
        std::ofstream file(input, std::ios::binary);
        if (!CopyStream(std::cin, file)) {
            std::cerr << "tidewick: cannot store standard input in " << input << "\n";
            fs::remove(input);
            return kExitHostIo;
        }
    }
    std::string output = args.size() == 4 ? args[3] : (tempOutput = TempName(".out"));

    std::string error;
    const std::int32_t result = host.Translate(translator->Id, input, output, error);
    int status = 0;
    if (result != ResultOk) {
        std::cerr << "tidewick: " << translator->Name << " " << DescribeResult(result);
        if (!error.empty()) std::cerr << ": " << error;
        std::cerr << "\n";
        status = result;
    } else if (!tempOutput.empty()) {
        std::ifstream file(tempOutput, std::ios::binary);
        if (!CopyStream(file, std::cout)) {
            std::cerr << "tidewick: cannot write the result to standard output\n";
            status = kExitHostIo;
        }
    }
    std::error_code ec;
    if (!tempInput.empty()) fs::remove(tempInput, ec);
    if (!tempOutput.empty()) fs::remove(tempOutput, ec);
    return status;
}

int Main(const std::vector<std::string>& argv) {
    Options options;
    bool wantVersion = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (!options.Command.empty()) {
            options.Command.push_back(a);
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--version") {
            wantVersion = true;
        } else if (a == "--config-dir" || a == "--plugin") {
            if (i + 1 >= argv.size()) return UsageError(a + " needs a value");
            (a == "--config-dir" ? options.ConfigDir : options.PluginPath) = argv[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return UsageError("unknown option " + a);
        } else {
            options.Command.push_back(a);
        }
    }
    if (!wantVersion && options.Command.empty()) return UsageError("no command given");
    if (!wantVersion && options.Command[0] != "list" && options.Command[0] != "run")
        return UsageError("unknown command '" + options.Command[0] + "'");

    const std::string pluginPath = options.PluginPath.value_or(ProgramDirectory() + ModuleFileName());
    std::string error;
    std::unique_ptr<PluginModule> module = PluginModule::Load(pluginPath, error);
    if (!module) {
        std::cerr << "tidewick: cannot use the plug-in " << pluginPath << ": " << error << "\n"
                  << "Try 'tidewick --plugin PATH'.\n";
        return kExitNoModule;
    }

    const std::string configDir = options.ConfigDir.value_or(DefaultConfigDir());
    std::error_code ec;
    fs::create_directories(configDir, ec);
    if (ec) {
        std::cerr << "tidewick: cannot create the configuration directory " << configDir << ": " << ec.message() << "\n";
        return kExitHostIo;
    }

    Host host(std::move(module), configDir);
    if (wantVersion) {
        std::cout << "tidewick host " << kHostVersion << ", plug-in interface version " << host.InterfaceVersion() << "\n";
        return 0;
    }
    if (options.Command[0] == "list") {
        if (options.Command.size() != 1) return UsageError("list takes no arguments");
        for (const Translator& t : host.Translators()) std::cout << t.Id << "\t" << t.Name << "\n";
        return 0;
    }
    return Run(host, options.Command);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    try {
        return Main(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "tidewick: " << e.what() << "\n";
        return kExitHostIo;
    }
}
