#!/usr/bin/env bash
# Installs what Marovix needs to build, test and run on Debian 12 (run as root), and to build the 32-bit
# Windows programs with MinGW-w64 and test them under Wine (googletest gives the sources the Windows tests
# build GoogleTest from).
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          libgtest-dev libgmock-dev googletest libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev
          libcli11-dev nlohmann-json3-dev clang-format-14
          clang-14 libfuzzer-14-dev libclang-rt-14-dev
          fonts-noto-cjk xvfb xauth
          g++-mingw-w64-i686-posix wine wine32:i386)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # The Windows tests run the 32-bit programs under 32-bit Wine (wine32:i386).
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
