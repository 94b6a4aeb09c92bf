#!/usr/bin/env bash
# Sets up the machine, builds Marovix, makes a demo application folder from a generated feed and starts
# the program on it.
#   bash scripts/demo.sh [DEMO_FOLDER]      (default: ./demo)
# With MAROVIX_DEMO_NO_START=1 it stops once the demo folder is made, without starting the program.
# The feed holds the meeting days of the last four weeks plus today and tomorrow (raced whatever their
# weekday), so race-day behaviour can be tried; the stand-in serves only what exists by the clock.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cli=build/bin/marovix-cli
demo=$(realpath -m "${1:-demo}")
feed=$demo/feed
app=$demo/app
today=$(date +%Y%m%d)
tomorrow=$(date -d tomorrow +%Y%m%d)
from=$(date -d '28 days ago' +%Y%m%d)

# A new feed each day (its dates follow today); an old one is replaced.
if [ "$(cat "$demo/feed.day" 2>/dev/null)" != "$today" ]; then
  rm -rf "$feed"
  "$cli" feedgen --from "$from" --to "$tomorrow" --seed 2026 --meeting-days "$today,$tomorrow" --out "$feed"
  echo "$today" > "$demo/feed.day"
fi

# The JV-Link stand-in serves the demo feed (its own settings, also used by the program).
"$cli" standin --feed "$feed"

# The application folder: companion programs' folders and the user's own index files.
mkdir -p "$app/TCSV"
"$cli" settings --app-folder "$app" --section Dir --key lumidex --value "$feed/companions/Lumidex" >/dev/null
"$cli" settings --app-folder "$app" --section Dir --key jikeiretu --value "$feed/companions/Kalvora/Data" >/dev/null
cp -f "$feed"/companions/TCSV/*.csv "$app/TCSV/" 2>/dev/null || true

# The paper-trading vote plug-in in its own folder (a reinstall keeps its balance), found by the program
# as it would find the real one.
"$cli" plugin --install "$demo/plugin" >/dev/null
"$cli" settings --app-folder "$app" --section Dir --key VQMTohyo2 --value "$demo/plugin" >/dev/null

# Download what exists by now (setup data since the feed's first day), as the download window would.
"$cli" download --app-folder "$app" --feed "$feed" --setup --from "$(date -d "$from" '+%Y/%m/%d') 00:00:00"

echo "Demo application folder: $app"
if [ -n "${MAROVIX_DEMO_NO_START:-}" ]; then
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under Xvfb."
  exec xvfb-run -a -s "-screen 0 1280x900x24" build/bin/marovix --app-folder "$app"
fi
exec build/bin/marovix --app-folder "$app"
