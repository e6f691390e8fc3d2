#!/usr/bin/env bash
# Start-up time and private memory of Tonquil.exe under Wine, each as a ratio to Wine's
# own notepad.exe started the same way in the same run, as benchmark rows.
#
#   bench/wine_figures.sh TONQUIL_EXE NOTEPAD_EXE LAUNCHER_EXE DRIVER_EXE WORK_DIR STARTS
#
# Runs in a prepared Wine environment (WINEPREFIX, a running wineserver, DISPLAY) with the
# module emulator linked as COM3. Starts alternate between the two programs, after one
# uncounted start of each; every start gets a folder of its own with a copy of the exe,
# so that no settings file carries over. Tonquil is single-instance: each copy is closed
# and its process gone before the next start.
set -euo pipefail
tonquil_exe="$1" notepad_exe="$2" launcher="$3" driver="$4" work="$5" starts="$6"

start_timeout_ms=30000
exit_timeout_s=20
settle_ms=2000  # from the window's showing to the memory reading, for both programs

row() { printf 'ROW\t%s\t%s\t%s\t%s\t%s\n' "$@"; }
fail() { echo "wine_figures: $*" >&2; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# shellcheck source=wine_process.sh
source "$(dirname "$0")/wine_process.sh"

# One start: prints "VISIBLE_MS PRIVATE_KIB".
one_start() {
  local kind="$1" dir="$work/$1-$2" exe class shown pid kib
  mkdir -p "$dir"
  if [ "$kind" = tonquil ]; then
    exe="$dir/Tonquil.exe" class=TTNQL_MAIN
    settings_file "$dir/Tonquil.ini"
    cp "$tonquil_exe" "$exe"
  else
    exe="$dir/notepad.exe" class=Notepad
    cp "$notepad_exe" "$exe"
  fi
  # Into a file: the started program inherits the output and keeps a pipe open.
  wine "$launcher" "$class" "$(windows_path "$exe")" "$start_timeout_ms" >"$dir/launch.txt" ||
    fail "$kind did not show its window"
  shown=$(now_ms)
  pid=$(unix_pid "$(windows_path "$exe")") || fail "no Unix process for $exe"
  if [ "$kind" = tonquil ]; then
    wine "$driver" click TTNQL_MAIN Open >/dev/null || fail "could not click Open"
    wine "$driver" dump TTNQL_MAIN >"$dir/dump.txt" || fail "could not read the window"
    grep -q 'text=Close.*enabled=1' "$dir/dump.txt" || fail "Open did not open COM3"
  fi
  local wait_ms=$((shown + settle_ms - $(now_ms)))
  [ $wait_ms -gt 0 ] && sleep "$(awk -v ms=$wait_ms 'BEGIN { print ms / 1000 }')"
  kib=$(private_kib "$pid")
  wine "$driver" close "$class" >/dev/null || fail "could not close $class"
  wait_gone "$pid" "$exit_timeout_s" || true
  echo "$(awk '$1 == "visible_ms" { print $2 }' "$dir/launch.txt") $kib"
}

# A row for Tonquil's median over notepad's; FORMAT shows one "median min max" spread.
ratio_row() {
  local figure="$1" column="$2" format="$3" how="$4"
  local mine theirs
  mine=$(cut -d' ' -f"$column" "$work/tonquil.txt" | spread)
  theirs=$(cut -d' ' -f"$column" "$work/notepad.txt" | spread)
  awk -v f="$figure" -v a="$mine" -v b="$theirs" -v u="$format" -v h="$how" 'BEGIN {
    split(a, x, " "); split(b, y, " ")
    r = x[1] / y[1]
    printf "ROW\t%s\t%.2f (%s vs %s)\t<= 1.00\t%s\t%s\n", f, r, sprintf(u, x[1], x[2], x[3]),
           sprintf(u, y[1], y[2], y[3]), (r <= 1.0 ? "meets" : "misses"), h
  }'
}

mkdir -p "$work"
keep_desktop "$driver"

one_start tonquil warmup >/dev/null
one_start notepad warmup >/dev/null
: >"$work/tonquil.txt"
: >"$work/notepad.txt"
for n in $(seq "$starts"); do
  one_start tonquil "$n" >>"$work/tonquil.txt"
  one_start notepad "$n" >>"$work/notepad.txt"
done

ratio_row "Start to visible window, Tonquil : notepad" 1 "%.0f ms [%.0f-%.0f]" \
  "Wine, CreateProcess to IsWindowVisible (tqlaunch.exe, 1 ms poll); medians [range] of $starts alternating"
ratio_row "Private memory after Open+refresh, Tonquil : notepad" 2 "%.0f KiB [%.0f-%.0f]" \
  "Wine, Private_Clean+Private_Dirty of smaps_rollup ${settle_ms} ms after showing; medians [range] of $starts"
