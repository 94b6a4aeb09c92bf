#!/usr/bin/env bash
# Builds Marovix into build/ (Release with debug info, a unity build: several sources compiled as one
# unit). Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
cmake --build build -j"$(nproc)"
