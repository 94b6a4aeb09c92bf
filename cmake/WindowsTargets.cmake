# What only the Windows build has, included by the top CMakeLists.txt after the subsystems: the JV-Link
# stand-in as an in-process COM server, and the Windows tests.

# MarovixJvLinkStandIn.dll: the feed-folder stand-in behind the IDispatch surface of "JVDTLab.JVLink",
# registered with regsvr32 in the tests' Wine prefix. Only the tests of ComJvLink use it.
add_library(marovix_jvlink_standin SHARED ${PROJECT_SOURCE_DIR}/standins/comjvlink/ComJvLinkServer.cpp)
target_link_libraries(marovix_jvlink_standin PRIVATE marovix_standins marovix_platform marovix_core)
set_target_properties(marovix_jvlink_standin PROPERTIES PREFIX "" OUTPUT_NAME MarovixJvLinkStandIn
                                                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
if(MINGW)
  # The COM entry points are exported under their plain names (no @n of the 32-bit stdcall).
  target_link_options(marovix_jvlink_standin PRIVATE -Wl,--kill-at)
else()
  target_sources(marovix_jvlink_standin PRIVATE ${PROJECT_SOURCE_DIR}/standins/comjvlink/ComJvLinkServer.def)
endif()

if(MAROVIX_WINDOWS_TESTS)
  include(${PROJECT_SOURCE_DIR}/cmake/WindowsTests.cmake)
endif()
