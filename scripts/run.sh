#!/usr/bin/env bash
# Runs Tonquil under Wine on the module emulator: builds what is needed, links the
# emulator as COM3 of the project's Wine prefix and starts the program with COM3
# selected in its settings file, as a user would have it. Without a display it
# starts Xvfb and shows the program at work in three screenshots, whose paths it prints:
# the window as it starts, the window after Open and two presses of the next-song button
# (file, tags, firmware information), and the options dialog; then it stops.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/build.sh --run

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
tonquil_pid=
cleanup() {
  [ -n "$tonquil_pid" ] && kill "$tonquil_pid" 2>/dev/null || true
  [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null || true
  if [ $headless -eq 1 ]; then
    # Wine's own services hold the display: end them before it.
    tonquil_server_stop
    tonquil_xvfb_stop >/dev/null 2>&1 || true
  fi
}
trap cleanup EXIT

tonquil_emulator_start "$run_dir/emulator.log" --link "$WINEPREFIX/dosdevices/com3" --library "$library"
emulator_pid=$tonquil_emulator_pid
echo "run: module emulator on COM3 ($WINEPREFIX/dosdevices/com3)"

if [ $headless -eq 0 ]; then
  wine "$run_dir/Tonquil.exe"
  exit 0
fi

# The module was left on the library's last song: one press of its previous-song key
# from its first. Open then shows that song, and the next-song button goes round to the
# first folder's songs, whose tags are Japanese in UTF-8 and in code page 932.
link="$WINEPREFIX/dosdevices/com3"
exec 3<>"$link"
printf x >&3
IFS= read -r -t 5 reply <&3 || { echo "run: the module did not answer on $link" >&2; exit 1; }
exec 3>&-

drive() {
  wine "$driver" "$@" >/dev/null
}

# Saves what the screen shows of the top-level window of class $1 as $run_dir/$2.png.
shoot() {
  local rect x y width height shot="$run_dir/$2.png"
  rect="$(wine "$driver" rect "$1" | tr '\t\r' '\n\n' | sed -n 's/^rect=//p')"
  IFS=, read -r x y width height <<<"$rect"
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$shot"
  echo "$shot"
}

wine "$run_dir/Tonquil.exe" &
tonquil_pid=$!
# On a busy machine the window can exist for some seconds before it answers a message,
# and the driver gives up on a window that does not answer: ask again.
for _ in $(seq 6); do
  drive wait TTNQL_MAIN 20000 2>/dev/null && break
  sleep 1
done
drive wait TTNQL_MAIN 20000
# The window exists before its first showing; wait until X shows it, then let it paint.
for _ in $(seq 100); do
  xwininfo -name "Tonquil 110529" 2>/dev/null | grep -q IsViewable && break
  sleep 0.2
done
sleep 1
started="$(shoot TTNQL_MAIN 1-started)"

# Each click returns once the program has exchanged its commands and shown the replies.
drive click TTNQL_MAIN Open
drive click TTNQL_MAIN '>|'
drive click TTNQL_MAIN '>|'
sleep 1
playing="$(shoot TTNQL_MAIN 2-playing)"

# The settings button returns only when the dialog closes: post it.
drive post-click TTNQL_MAIN 設定
drive wait TTNQL_OPTION 10000 visible
sleep 1
options="$(shoot TTNQL_OPTION 3-options)"
drive post-click TTNQL_OPTION 閉じる
drive wait TTNQL_OPTION 10000 hidden

drive close TTNQL_MAIN || true
wait "$tonquil_pid" || true
tonquil_pid=
echo "run: the window as it starts: $started"
echo "run: after Open and two presses of the next-song button: $playing"
echo "run: the options dialog: $options"
