#!/usr/bin/env bash
# Runs Tonquil under Wine on the module emulator: builds what is needed, links the
# emulator as COM3 of the project's Wine prefix and starts the program with COM3
# selected in its settings file, as a user would have it. Without a display it
# starts Xvfb, saves a screenshot of the window, prints its path and stops.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/build.sh

# shellcheck source=wine-env.sh
source scripts/wine-env.sh
tonquil_prefix
tonquil_server_start

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  tonquil_xvfb_start "" >/dev/null
fi

run_dir="$root/build/run"
library="$root/build/demo-library"
emulator="$root/build/native/tools/emulator/zorva-emu"
driver="$root/build/native/windows/tools/driver/tqdriver.exe"
mkdir -p "$run_dir"
cp build/native/windows/app/Tonquil.exe "$run_dir/"
[ -d "$library" ] || "$emulator" --make-demo "$library" >/dev/null

# The settings file a user would have after choosing COM3 in the options dialog.
if [ ! -f "$run_dir/Tonquil.ini" ]; then
  { printf '\xff\xfe'; printf '[Option]\r\nComPort=COM3\r\n\r\n' | iconv -f UTF-8 -t UTF-16LE; } >"$run_dir/Tonquil.ini"
fi

emulator_pid=
cleanup() {
  [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null || true
  [ $headless -eq 1 ] && tonquil_xvfb_stop >/dev/null 2>&1 || true
}
trap cleanup EXIT

tonquil_emulator_start "$run_dir/emulator.log" --link "$WINEPREFIX/dosdevices/com3" --library "$library"
emulator_pid=$tonquil_emulator_pid
echo "run: module emulator on COM3 ($WINEPREFIX/dosdevices/com3)"

if [ $headless -eq 0 ]; then
  wine "$run_dir/Tonquil.exe"
  exit 0
fi

wine "$run_dir/Tonquil.exe" &
tonquil_pid=$!
wine "$driver" wait TTNQL_MAIN 20000 >/dev/null
# The window exists before its first showing; wait until X shows it, then let it paint.
for _ in $(seq 100); do
  xwininfo -name "Tonquil 110529" 2>/dev/null | grep -q IsViewable && break
  sleep 0.2
done
sleep 1
shot="$run_dir/screenshot.png"
import -window root "$shot"
wine "$driver" close TTNQL_MAIN >/dev/null || true
wait "$tonquil_pid" || true
echo "run: screenshot of the window: $shot"
