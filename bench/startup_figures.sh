#!/usr/bin/env bash
# Tonquil's own start-up cost: the time from the start to a visible window of Tonquil.exe
# against two reference programs of the same toolchain and flags, started alternately by
# the same launcher in the same run, as benchmark rows:
#   tqempty.exe   the main window with nothing behind it (its class, its controls at their
#                 places, its fonts, manifest and DPI handling; no settings, options, tray
#                 or port): Tonquil's figure over it is what Tonquil does before showing
#                 that the window does not need;
#   tqwindow.exe  a bare window (one class, one fixed window, two standard controls): the
#                 floor of any Win32 program here.
#
#   bench/startup_figures.sh TONQUIL_EXE EMPTY_EXE BARE_EXE LAUNCHER_EXE DRIVER_EXE WORK_DIR STARTS DPI [EARLIER_EXE]
#
# With EARLIER_EXE (an earlier build of Tonquil.exe) it is started in turn with the others
# and a row more gives Tonquil : earlier build, to tell a change's effect from the noise.
#
# Runs in a prepared Wine environment (WINEPREFIX, a running wineserver at DPI, DISPLAY)
# with the module emulator linked as COM3. After one uncounted start of each, the three
# are started in turn; every start gets a folder of its own with a copy of the exe, and
# each program is closed and its process gone before the next start.
set -euo pipefail
tonquil_exe="$1" empty_exe="$2" bare_exe="$3" launcher="$4" driver="$5" work="$6" starts="$7" dpi="$8"
earlier_exe="${9:-}"

start_timeout_ms=30000
exit_timeout_s=20
target_ratio=1.05

row() { printf 'ROW\t%s\t%s\t%s\t%s\t%s\n' "$@"; }
fail() { echo "startup_figures: $*" >&2; exit 1; }
# shellcheck source=wine_process.sh
source "$(dirname "$0")/wine_process.sh"

# One start of KIND (tonquil, empty, bare or earlier), numbered N: prints its milliseconds.
one_start() {
  local kind="$1" dir="$work/$1-$2" source class exe pid
  case "$kind" in
    tonquil) source="$tonquil_exe" class=TTNQL_MAIN ;;
    empty) source="$empty_exe" class=TTNQL_MAIN ;;
    bare) source="$bare_exe" class=TqBareWindow ;;
    earlier) source="$earlier_exe" class=TTNQL_MAIN ;;
  esac
  mkdir -p "$dir"
  exe="$dir/$(basename "$source")"
  cp "$source" "$exe"
  case "$kind" in tonquil | earlier) settings_file "$dir/Tonquil.ini" ;; esac
  wine "$launcher" "$class" "$(windows_path "$exe")" "$start_timeout_ms" >"$dir/launch.txt" ||
    fail "$kind did not show its window"
  pid=$(unix_pid "$(windows_path "$exe")") || fail "no Unix process for $exe"
  wine "$driver" close "$class" >/dev/null || fail "could not close $class"
  wait_gone "$pid" "$exit_timeout_s" || true
  awk '$1 == "visible_ms" { print $2 }' "$dir/launch.txt"
}

# A row of Tonquil against a reference: the median of the ratios of the two starts of
# each round, which share the machine's state of the moment (a start under Wine swings by
# a quarter from minute to minute), and the medians and ranges of each. With no target
# the row only reports.
ratio_row() {
  local reference="$1" name="$2" target="$3"
  paste -d' ' "$work/tonquil.txt" "$work/$reference.txt" | awk '{ printf "%.4f\n", $1 / $2 }' >"$work/$reference.ratios"
  awk -v r="$(spread "$work/$reference.ratios")" -v a="$(spread "$work/tonquil.txt")" \
    -v b="$(spread "$work/$reference.txt")" -v n="$name" -v t="$target" -v d="$dpi" -v s="$starts" 'BEGIN {
    split(r, q, " "); split(a, x, " "); split(b, y, " ")
    verdict = t == "" ? "reported" : (q[1] <= t ? "meets" : "misses")
    printf "ROW\tStart to visible window at %d DPI, Tonquil : %s\t%.2f [%.2f-%.2f] (%.0f ms [%.0f-%.0f] vs %.0f ms [%.0f-%.0f])\t%s\t%s\tWine, CreateProcess to IsWindowVisible (tqlaunch.exe, 1 ms poll); median [range] of the ratios in %d alternating rounds, medians [range] of the starts\n",
           d, n, q[1], q[2], q[3], x[1], x[2], x[3], y[1], y[2], y[3], (t == "" ? "-" : "<= " t), verdict, s
  }'
}

mkdir -p "$work"
keep_desktop "$driver"

kinds=(tonquil empty bare)
[ -z "$earlier_exe" ] || kinds+=(earlier)
for kind in "${kinds[@]}"; do one_start "$kind" warmup >/dev/null; done
for kind in "${kinds[@]}"; do : >"$work/$kind.txt"; done
# Each round starts with the next program, so that none always follows the same one.
for n in $(seq "$starts"); do
  for i in "${!kinds[@]}"; do
    kind="${kinds[$(((n + i) % ${#kinds[@]}))]}"
    one_start "$kind" "$n" >>"$work/$kind.txt"
  done
done

ratio_row empty "same window with nothing behind it" "$target_ratio"
ratio_row bare "bare window" ""
[ -z "$earlier_exe" ] || ratio_row earlier "earlier build" ""
