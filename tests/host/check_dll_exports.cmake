# The module exports exactly the eight entry points under their plain names
# and needs no runtime DLL of the compiler's.
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

# The name table runs from the line after its heading to the first blank
# line; each row is "\t[   n] name".
set(heading "[Ordinal/Name Pointer] Table\n")
string(FIND "${dump}" "${heading}" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${DLL} has no export name table")
endif()
string(LENGTH "${heading}" skip)
math(EXPR start "${start} + ${skip}")
string(SUBSTRING "${dump}" ${start} -1 table)
string(FIND "${table}" "\n\n" end)
string(SUBSTRING "${table}" 0 ${end} table)
string(REGEX REPLACE "\t\\[ *[0-9]+\\] " "" table "${table}")
string(REPLACE "\n" ";" names "${table}")
list(SORT names)
set(expected ems_can_translate ems_free ems_plugin_config ems_plugin_finish ems_plugin_init
    ems_plugin_version ems_translate_file ems_translator_info)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exports are\n  ${names}\nexpected\n  ${expected}")
endif()

# On the 32-bit host the entry points are stdcall: the functions behind the
# plain names carry their argument bytes, as the compiler decorates them.
if(dump MATCHES "Magic\t+010b")
  execute_process(COMMAND ${OBJDUMP} -t ${DLL} OUTPUT_VARIABLE symbols)
  foreach(entry ems_plugin_version@4 ems_plugin_init@16 ems_translator_info@8 ems_can_translate@16
                ems_translate_file@24 ems_plugin_config@8 ems_plugin_finish@4 ems_free@4)
    string(FIND "${symbols}" " _${entry}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "no stdcall function _${entry} behind the export")
    endif()
  endforeach()
  message(STATUS "stdcall: every entry point")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import IN LISTS imports)
  string(TOLOWER "${import}" lower)
  if(lower MATCHES "libstdc|libgcc|libwinpthread|mingw")
    message(FATAL_ERROR "the module needs a runtime DLL: ${import}")
  endif()
endforeach()
message(STATUS "exports: ${names}")
message(STATUS "imports: ${imports}")
