# The Windows build (32-bit MinGW-w64, cross or native, or MSVC), included by the top CMakeLists.txt
# before the subsystems. The core, the stand-ins and the command line build as they are; the system's
# side of the file seam and the Win32 adapters come from platform/win32/. The POSIX test tree and the
# benchmarks stay on Linux: the Windows tests are those of cmake/WindowsTests.cmake.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  message(WARNING "A 64-bit Windows build cannot load JV-Link, a 32-bit in-process component: build for x86")
endif()

# Wide Windows API, Windows 7 and later, no min/max macros.
target_compile_definitions(marovix_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0601)
if(MSVC)
  # The sources are UTF-8; the options of the other compilers are not MSVC's.
  set_property(TARGET marovix_options PROPERTY INTERFACE_COMPILE_OPTIONS /W4 /utf-8 /permissive- /Zc:__cplusplus
                                                                         $<$<BOOL:${MAROVIX_WERROR}>:/WX>)
endif()

set(MAROVIX_WINDOWS_TESTS ${MAROVIX_BUILD_TESTS})
set(MAROVIX_BUILD_TESTS OFF)
set(MAROVIX_BUILD_BENCH OFF)

# CLI11 and nlohmann/json are header-only: a cross build takes the host's headers, but only those two
# folders (the host's /usr/include would put the C library of Linux before MinGW's).
if(CMAKE_CROSSCOMPILING)
  set(MAROVIX_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
  foreach(folder CLI nlohmann)
    if(NOT EXISTS ${MAROVIX_HOST_HEADERS}/${folder})
      file(COPY /usr/include/${folder} DESTINATION ${MAROVIX_HOST_HEADERS})
    endif()
  endforeach()
  foreach(package CLI11 nlohmann_json)
    set(target ${package}::${package})
    file(WRITE ${CMAKE_BINARY_DIR}/host-packages/${package}/${package}Config.cmake
         "if(NOT TARGET ${target})\n"
         "  add_library(${target} INTERFACE IMPORTED)\n"
         "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${MAROVIX_HOST_HEADERS})\n"
         "endif()\n")
    # Any version asked for: the host's package is the one the Linux build uses.
    file(WRITE ${CMAKE_BINARY_DIR}/host-packages/${package}/${package}ConfigVersion.cmake
         "set(PACKAGE_VERSION 99)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
    set(${package}_DIR ${CMAKE_BINARY_DIR}/host-packages/${package} CACHE PATH "" FORCE)
  endforeach()
endif()
