#!/usr/bin/env bash
# Builds Marovix into build/ (Release with debug info). Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)"
