#!/usr/bin/env bash
# The time a command start takes: from starting `Tonquil.exe /pause` beside a running copy
# (its port open on the emulated module) to that start's end, against the start of a bare
# window of the same toolchain and flags (tqwindow.exe) to its showing, in the same run.
#
#   bench/command_figures.sh TONQUIL_EXE BARE_WINDOW_EXE LAUNCHER_EXE DRIVER_EXE WORK_DIR STARTS
#
# Runs in a prepared Wine environment (WINEPREFIX, a running wineserver, DISPLAY) with the
# module emulator linked as COM3. Starts alternate between the two, after one uncounted
# start of each.
set -euo pipefail
tonquil_exe="$1" bare_exe="$2" launcher="$3" driver="$4" work="$5" starts="$6"

# What the command itself costs in the running copy: the pause button's exchange, a
# write, 100 ms, the reply read, 100 ms more.
exchange_ms=200

fail() { echo "command_figures: $*" >&2; exit 1; }
# shellcheck source=wine_process.sh
source "$(dirname "$0")/wine_process.sh"

mkdir -p "$work/running"
cp "$tonquil_exe" "$work/running/Tonquil.exe"
cp "$bare_exe" "$work/running/tqwindow.exe"
settings_file "$work/running/Tonquil.ini"
exe="$(windows_path "$work/running/Tonquil.exe")"
bare="$(windows_path "$work/running/tqwindow.exe")"

wine "$launcher" TTNQL_MAIN "$exe" 30000 >/dev/null || fail "Tonquil did not show its window"
stop_running() {
  local status=$?
  wine "$driver" close TTNQL_MAIN >/dev/null 2>&1 || true
  wine "$driver" wait TTNQL_MAIN 20000 gone >/dev/null 2>&1 || true
  exit "$status"
}
trap stop_running EXIT
wine "$driver" click TTNQL_MAIN Open >/dev/null || fail "could not click Open"

# One timed command start: prints its milliseconds; fails unless it ended with code 0.
timed() {
  local out
  # The launcher's lines end in CR LF.
  out=$(wine "$launcher" --exit "$@" | tr -d '\r') || fail "could not time $*"
  [ "$(awk '$1 == "exit_code" { print $2 }' <<<"$out")" = 0 ] || fail "$* did not end with code 0: $out"
  awk '$1 == "exit_ms" { print $2 }' <<<"$out"
}
# One start of the bare window to its showing: prints its milliseconds; then closes it.
bare_window() {
  # Into a file: the window inherits the launcher's output and would keep a pipe open.
  wine "$launcher" TqBareWindow "$bare" >"$work/bare-launch.txt" || fail "the bare window did not show"
  wine "$driver" close TqBareWindow >/dev/null || fail "could not close the bare window"
  wine "$driver" wait TqBareWindow 20000 gone >/dev/null || fail "the bare window did not end"
  tr -d '\r' <"$work/bare-launch.txt" | awk '$1 == "visible_ms" { print $2 }'
}

timed "$exe" /pause >/dev/null
bare_window >/dev/null
: >"$work/command.txt"
: >"$work/bare.txt"
for _ in $(seq "$starts"); do
  timed "$exe" /pause >>"$work/command.txt"
  bare_window >>"$work/bare.txt"
done

awk -v a="$(spread "$work/command.txt")" -v b="$(spread "$work/bare.txt")" -v x="$exchange_ms" -v n="$starts" 'BEGIN {
  split(a, c, " "); split(b, f, " ")
  target = f[1] + x
  printf "ROW\tCommand start /pause to its end, beside a running copy\t%.0f ms [%.0f-%.0f] (bare window shown %.0f ms [%.0f-%.0f])\t<= bare + %d ms\t%s\t%s\n",
         c[1], c[2], c[3], f[1], f[2], f[3], x, (c[1] <= target ? "meets" : "misses"),
         "Wine, CreateProcess to process end (tqlaunch --exit), bare window to IsWindowVisible; medians [range] of " n " alternating starts"
}'
