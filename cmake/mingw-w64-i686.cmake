# Cross-compiling Marovix for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686-posix). 32-bit,
# because JV-Link is a 32-bit in-process COM component: a 32-bit program loads it directly.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DMAROVIX_BUILD_UI=OFF
# The programs are linked statically (no MinGW runtime DLLs to ship). With Wine installed, the tests run
# under it (CMAKE_CROSSCOMPILING_EMULATOR); see docs/windows.md.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(MAROVIX_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MAROVIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MAROVIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MAROVIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MAROVIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

find_program(MAROVIX_WINE wine)
if(MAROVIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MAROVIX_WINE})
endif()
