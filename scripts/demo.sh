#!/usr/bin/env bash
# Sets up the machine, builds Marovix, makes a demo application folder and starts the program on it.
# Usage: bash scripts/demo.sh [DEMO_FOLDER]   (default: ./demo)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
demo=$(realpath -m "${1:-demo}")
mkdir -p "$demo/app"
echo "Demo application folder: $demo/app"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under Xvfb (virtual display :99)."
  exec xvfb-run -a -s "-screen 0 1280x900x24" build/bin/marovix --app-folder "$demo/app"
fi
exec build/bin/marovix --app-folder "$demo/app"
