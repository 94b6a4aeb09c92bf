#!/usr/bin/env bash
# Installs what Marovix needs to build, test and run on Debian 12 (run as root).
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          libgtest-dev libgmock-dev googletest libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
          libcli11-dev nlohmann-json3-dev clang-format-14
          clang-14 libfuzzer-14-dev libclang-rt-14-dev
          fonts-noto-cjk xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
