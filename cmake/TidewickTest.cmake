# GoogleTest from Debian's source package, built with the project's own
# compiler so that the same tests run natively and, cross-built, under Wine.
set(TIDEWICK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TIDEWICK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(CMAKE_CROSSCOMPILING)
  # Every cross-built test runs under Wine in a prefix private to this build tree.
  set(TIDEWICK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TIDEWICK_WINEARCH win64)
  else()
    set(TIDEWICK_WINEARCH win32)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

# Off where the build's programs cannot run, such as 32-bit Windows programs
# under a Wine that executes 64-bit code only: the tests are built, not run.
option(TIDEWICK_RUN_TESTS "Register the test programs with CTest" ON)

# tidewick_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [WINDOWS_ONLY])
# One test binary, linked with GoogleTest's main, registered with CTest once.
function(tidewick_add_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY" "" "SOURCES;LIBS" ${ARGN})
  if(T_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(TIDEWICK_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()
