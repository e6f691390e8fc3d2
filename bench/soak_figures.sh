#!/usr/bin/env bash
# A soak of Tonquil.exe under Wine, in one run against the module emulator: button
# exchanges, Close/Open cycles, trips to the tray and back and display-scale changes,
# with what the process holds read after a warm-up of each and again at the end, as
# benchmark rows. A leak of memory, handles or windows grows between the two readings.
#
#   bench/soak_figures.sh TONQUIL_EXE LAUNCHER_EXE DRIVER_EXE WORK_DIR
#
# Runs in a prepared Wine environment (WINEPREFIX, a running wineserver, DISPLAY) with the
# module emulator linked as COM3 and no other program's tray icon. SOAK_SCALE divides
# the counts, for a quick look (SOAK_SCALE=10: a tenth of each).
set -euo pipefail
tonquil_exe="$1" launcher="$2" driver="$3" work="$4"

scale="${SOAK_SCALE:-1}"
exchanges=$((300 / scale)) cycles=$((50 / scale)) trips=$((50 / scale)) dpi_changes=$((50 / scale))
warmup=3         # of each kind, before the first reading
settle_s=2       # before each reading: the last action's messages and pauses are over
memory_slack_kib=64
percent=2

row() { printf 'ROW\t%s\t%s\t%s\t%s\t%s\n' "$@"; }
fail() { echo "soak_figures: $*" >&2; exit 1; }
# shellcheck source=wine_process.sh
source "$(dirname "$0")/wine_process.sh"

drive() { wine "$driver" "$@" >/dev/null || fail "driver: $*"; }

# The buttons of the control panel, taken in turn: each exchanges one or two commands.
buttons=('>|' '|<' 'Pause' 'Loop' 'Dir+' 'Dir-')
exchange() {
  local i
  for i in $(seq "$1"); do drive click TTNQL_MAIN "${buttons[$((i % ${#buttons[@]}))]}"; done
}
close_open() {
  local _
  for _ in $(seq "$1"); do
    drive click TTNQL_MAIN Close
    drive click TTNQL_MAIN Open
  done
}
tray_trips() {
  local _
  for _ in $(seq "$1"); do
    drive minimize TTNQL_MAIN
    drive wait TTNQL_MAIN 10000 hidden
    wine "$driver" tray >"$work/tray.txt"
    grep -q '^icon' "$work/tray.txt" || fail "no tray icon after the minimise"
    drive tray-post lbuttondblclk
    drive wait TTNQL_MAIN 10000 visible
  done
}
# WM_DPICHANGED to 144 DPI and back, each with the place and size Windows would suggest.
dpi_changes() {
  local _ x y w h
  read -r x y w h < <(wine "$driver" rect TTNQL_MAIN | sed -n 's/.*\trect=\([-0-9]*\),\([-0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p')
  [ -n "$h" ] || fail "could not read the main window's place"
  for _ in $(seq "$(($1 / 2))"); do
    drive dpi-changed TTNQL_MAIN 144 "$x" "$y" $((w * 3 / 2)) $((h * 3 / 2))
    drive dpi-changed TTNQL_MAIN 96 "$x" "$y" "$w" "$h"
  done
}

# "KIB HANDLES GDI USER WINDOWS" of the program now.
reading() {
  sleep "$settle_s"
  local counts
  counts=$(wine "$driver" counts TTNQL_MAIN) || fail "could not count the program's objects"
  printf '%s %s\n' "$(private_kib "$pid")" \
    "$(awk -F'\t' '{ for (i = 2; i <= NF; i++) { split($i, f, "="); v[f[1]] = f[2] }
                    print v["handles"], v["gdi"], v["user"], v["windows"] }' <<<"$counts")"
}

# A row for one figure: the end against the warm-up, within the percentage or the slack.
soak_row() {
  local figure="$1" column="$2" slack="$3" unit="$4" how="$5"
  local before after
  before=$(cut -d' ' -f"$column" <<<"$warm") after=$(cut -d' ' -f"$column" <<<"$end")
  if [ "$before" -le 0 ] && [ "$after" -le 0 ]; then
    row "$figure" "not counted by Wine" "-" "-" "$how"
    return
  fi
  awk -v f="$figure" -v a="$before" -v b="$after" -v s="$slack" -v p="$percent" -v u="$unit" -v h="$how" 'BEGIN {
    allowed = a * p / 100; if (allowed < s) allowed = s
    printf "ROW\t%s\t%d%s at the end vs %d%s after the warm-up (%+d)\t<= +%d %% or +%d%s\t%s\t%s\n",
           f, b, u, a, u, b - a, p, s, u, (b - a <= allowed ? "meets" : "misses"), h
  }'
}

mkdir -p "$work/soak"
exe="$work/soak/Tonquil.exe"
cp "$tonquil_exe" "$exe"
settings_file "$work/soak/Tonquil.ini"
wine "$launcher" TTNQL_MAIN "$(windows_path "$exe")" 30000 >"$work/soak/launch.txt" || fail "no window"
pid=$(unix_pid "$(windows_path "$exe")") || fail "no Unix process for $exe"
drive click TTNQL_MAIN Open

exchange "$warmup"; close_open "$warmup"; tray_trips "$warmup"; dpi_changes $((warmup * 2))
warm=$(reading)
started=$(date +%s)
exchange "$exchanges"; close_open "$cycles"; tray_trips "$trips"; dpi_changes "$dpi_changes"
end=$(reading)
took=$(($(date +%s) - started))

drive close TTNQL_MAIN
wait_gone "$pid" 20 || true

how="Wine, one run: $exchanges button clicks, $cycles Close/Open, $trips tray trips, $dpi_changes WM_DPICHANGED in ${took} s; after $warmup of each"
soak_row "Soak: private memory" 1 "$memory_slack_kib" " KiB" "$how; Private_Clean+Private_Dirty of smaps_rollup"
soak_row "Soak: kernel handles" 2 1 "" "GetProcessHandleCount, or else its entries in the system handle table (Wine)"
soak_row "Soak: GDI objects" 3 1 "" "GetGuiResources(GR_GDIOBJECTS)"
soak_row "Soak: USER objects" 4 1 "" "GetGuiResources(GR_USEROBJECTS)"
soak_row "Soak: windows" 5 0 "" "the program's top-level and child windows, counted with EnumWindows"
