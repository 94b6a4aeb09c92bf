#!/usr/bin/env bash
# The Windows part of the tests: builds the 32-bit Windows programs and tests with MinGW-w64, checks the
# window program's code against the Windows headers (there is no Qt for Windows to build it with), makes a
# Wine prefix of its own (once), registers the JV-Link stand-in's COM server and the plug-in's installer
# key in it, runs the Windows tests under Wine, then downloads a generated month through COM with
# marovix-cli.exe and compares the day files and a shown race with what the Linux marovix-cli makes of
# the same feed, byte for byte.
#   bash scripts/test-windows.sh [LINUX_BUILD]   (LINUX_BUILD: a built Linux tree, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:-build}
jobs=$(nproc)
SECONDS=0

echo "== Windows: the 32-bit MinGW-w64 build (a unity build, as the Linux ones), warnings as errors (at ${SECONDS} s)"
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DMAROVIX_BUILD_UI=OFF -DMAROVIX_WERROR=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-win -j"$jobs" --target marovix-cli marovix_voteplugin_program marovix_jvlink_standin \
  marovix_windows_tests

# There is no Qt for Windows here, so the window program cannot be built for it; its code is checked
# against the Windows system headers (with this system's Qt headers, which are the same source), with
# the build's warnings as errors: a POSIX call, a missing include or a Linux-only definition fails here.
echo "== Windows: the window program's code, checked with MinGW-w64 against the Qt headers (at ${SECONDS} s)"
qt=$(qtpaths6 --query QT_INSTALL_HEADERS)
# Each file on its own, as the build compiles it, so that an include one file lacks is not hidden by another.
printf '%s\n' ui/*.cpp app/*.cpp | xargs -P "$jobs" -I{} i686-w64-mingw32-g++-posix -std=c++20 -fsyntax-only \
  -Wall -Wextra -Wpedantic -Wno-missing-field-initializers -Werror -Wno-attributes -DUNICODE -D_UNICODE -I. \
  -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$qt/QtCharts" -I"$qt/QtMultimedia" {}

echo "== Windows: the Wine prefix (at ${SECONDS} s)"
export WINEPREFIX=${MAROVIX_WINEPREFIX:-$PWD/build-win/wineprefix} WINEARCH=win32 WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i
  wineserver -w
fi
wine regsvr32 /s "$(winepath -w build-win/bin/MarovixJvLinkStandIn.dll)"
# The plug-in installer's key, as a 32-bit process sees it (the prefix is 32-bit: no WOW6432Node).
plugin_folder='C:\Program Files\VQM Plugin\'
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VQM投票プラグイン２_is1]\r\n'
  printf '"Inno Setup: App Path"="%s"\r\n' "${plugin_folder//\\/\\\\}"
} | iconv -f UTF-8 -t UTF-16 >build-win/plugin-key.reg
wine regedit /S "$(winepath -w build-win/plugin-key.reg)"
wineserver -w

echo "== Windows: the tests under Wine (at ${SECONDS} s)"
# Under Wine every file operation costs many times what it costs natively: the day-file store's tests on
# whole generated days and the generated-month download tests would take about 460 s of the run. They run
# on Linux (the same core code); on Windows a whole generated month is downloaded below, through COM, and
# compared byte for byte, and the store's files go through the same seam the other tests drive here.
MAROVIX_TEST_PLUGIN_FOLDER="$plugin_folder" wine build-win/bin/marovix_windows_tests.exe --gtest_brief=1 \
  --gtest_filter='-DayFileStoreTest.*:GeneratedMonthDownload.*' \
  >build-win/windows-tests.log 2>&1 || { cat build-win/windows-tests.log; exit 1; }
grep -E '^\[ +(PASSED|SKIPPED|FAILED) +\]|tests? from .* ran' build-win/windows-tests.log
grep -A1 'Skipped$' build-win/windows-tests.log || true

echo "== Windows: a generated month downloaded through COM against the Linux download (at ${SECONDS} s)"
work=$PWD/build-win/compare
rm -rf "$work"
mkdir -p "$work/linux/app" "$work/windows/app" "$work/config"
linux_cli=$PWD/$linux_build/bin/marovix-cli
windows_cli=$PWD/build-win/bin/marovix-cli.exe
"$linux_cli" feedgen --from 20240101 --to 20240131 --seed 27 --out "$work/feed" >/dev/null
printf '[Feed]\r\nFeedFolder=%s\r\n' "$(winepath -w "$work/feed")" >"$work/config/jvlink-standin.ini"
# Each program in a folder of its own, on an application folder of the same relative name, so that
# what they print can be compared whole. On Windows, with no --feed, JV-Link is the component COM
# makes from "JVDTLab.JVLink": here the stand-in's server.
(cd "$work/linux" && "$linux_cli" --at "2024/02/01 10:00:00" download --app-folder app --feed "$work/feed" --setup \
  >download.out)
(cd "$work/windows" && MAROVIX_JVLINK_CONFIG="$(winepath -w "$work/config")" wine "$windows_cli" \
  --at "2024/02/01 10:00:00" download --app-folder app --setup >download.out)
tail -n 1 "$work/windows/download.out"
diff -r "$work/linux/app/Data" "$work/windows/app/Data"
echo "day files identical: $(find "$work/windows/app/Data" -type f | wc -l) files," \
  "$(du -sb "$work/windows/app/Data" | cut -f1) bytes"

day=$(cd "$work/linux/app/Data" && ls -- *.jvRA | head -n 1)
day=${day%.jvRA}
day=${day//[^0-9]/}
(cd "$work/linux" && "$linux_cli" show --app-folder app --day "$day" --race 3 >show.json)
(cd "$work/windows" && wine "$windows_cli" show --app-folder app --day "$day" --race 3 >show.json)
cmp "$work/linux/show.json" "$work/windows/show.json"
echo "show $day race 3: the same JSON ($(wc -c <"$work/linux/show.json") bytes)"
echo "== Windows: done (${SECONDS} s)"
