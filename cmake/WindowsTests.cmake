# The Windows tests, run under Wine on Linux (CMAKE_CROSSCOMPILING_EMULATOR) or natively: the core,
# stand-in and command-line tests that hold on every system, and the tests of the Win32 adapters
# (tests/windows/). The command-line tests start marovix-cli.exe through CreateProcessW.
# GoogleTest is built from its sources with the same compiler (Debian: the package googletest).
set(MAROVIX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${MAROVIX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()

file(GLOB_RECURSE MAROVIX_SUPPORT_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
add_library(marovix_test_support STATIC ${MAROVIX_SUPPORT_SOURCES})
target_include_directories(marovix_test_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(marovix_test_support PUBLIC marovix_standins marovix_platform marovix_core gtest gmock)

# A test file that drives a POSIX system throughout stays on Linux: the votes killed after each step of
# their hand-over run in forked children, with a plug-in that is a shell script. In the other files the
# few tests that need POSIX (a FIFO, a file size limit, a fork, modes and links) are left out where they
# stand, and what they check of the core's files the Windows tests check through the seam.
file(GLOB_RECURSE MAROVIX_WINDOWS_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp
     ${PROJECT_SOURCE_DIR}/tests/standins/*.cpp ${PROJECT_SOURCE_DIR}/tests/cli/*.cpp)
set(MAROVIX_POSIX_ONLY_TESTS app/VoteKillTest)
foreach(test ${MAROVIX_POSIX_ONLY_TESTS})
  list(FILTER MAROVIX_WINDOWS_TEST_SOURCES EXCLUDE REGEX "/${test}\\.cpp$")
endforeach()
list(FILTER MAROVIX_WINDOWS_TEST_SOURCES EXCLUDE REGEX "/layering/")
file(GLOB MAROVIX_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/windows/*.cpp)

add_executable(marovix_windows_tests ${MAROVIX_WINDOWS_TEST_SOURCES} ${MAROVIX_WIN32_TEST_SOURCES})
# The command-line tests read what the program prints as JSON.
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(marovix_windows_tests PRIVATE marovix_test_support marovix_voteplugin gmock gtest_main
                                                    nlohmann_json::nlohmann_json)
target_compile_options(marovix_windows_tests PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                                                     -Wno-stringop-overread)
# Compiled as the Linux tests are: GoogleTest and the common standard headers parsed once, the test
# code at -O1 (the time of a run goes into the core it calls) and several test files to a unit.
target_precompile_headers(marovix_windows_tests PRIVATE <gtest/gtest.h> <algorithm> <filesystem> <functional> <map>
                          <memory> <optional> <set> <string> <string_view> <vector>)
target_compile_options(marovix_windows_tests PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O1>)
target_compile_definitions(marovix_windows_tests PRIVATE
                           MAROVIX_VOTEPLUGIN_PATH="$<TARGET_FILE:marovix_voteplugin_program>"
                           MAROVIX_CLI_PATH="$<TARGET_FILE:marovix-cli>")
add_dependencies(marovix_windows_tests marovix-cli marovix_voteplugin_program marovix_jvlink_standin)
# One process for every test: starting a Windows program under Wine takes about half a second.
add_test(NAME WindowsTests COMMAND marovix_windows_tests --gtest_brief=1)
