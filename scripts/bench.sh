#!/usr/bin/env bash
# Measures Tonquil against its size, speed and memory targets and prints one table:
# each figure beside its target and whether it meets it. Figures that compare with a
# reference (notepad.exe, the smaller input) measure both in the same run, so that a
# busy machine weighs on both alike. It reports and does not judge the machine: the exit
# code is 0 unless a figure could not be measured at all.
#
#   scripts/bench.sh            build what is needed, measure, print the table
#   TONQUIL_BENCH_DPI=144 scripts/bench.sh   the same with the programs at 144 DPI
#   TONQUIL_BENCH_EARLIER=old/Tonquil.exe scripts/bench.sh
#                               the start-up rows also give Tonquil against that earlier build
#
# The start-up rows against the reference programs are measured at 96 and at 144 DPI
# whatever the DPI of the other rows.
#
# Wine runs in a prefix of its own (build/bench/wineprefix, or TONQUIL_BENCH_WINEPREFIX)
# on an Xvfb display of its own, so that nothing else running Wine meets its programs.
# Logs of every step go to build/bench/logs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Starts under Wine swing by 10 % and more; 21 of each keep the medians steady.
starts=21
# A single start swings by a third against the one beside it: the start-up rows against
# the reference programs, whose target lies 5 % off, take twice as many rounds.
reference_starts=41
bench_dir="$root/build/bench"
logs="$bench_dir/logs"
rows="$logs/rows.tsv"
mkdir -p "$logs"
: >"$rows"

step() { echo "bench: $*" >&2; }

# Runs a build step with its output in a log; shows the log's end when it fails.
logged() {
  local log="$logs/$1.log"
  shift
  if ! "$@" >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "bench: failed: $* (log: $log)" >&2
    exit 1
  fi
}

bash scripts/deps.sh
step "building the program, the emulator and the driver (native preset)"
logged build-native cmake --preset native -DTONQUIL_WINDOWS=ON
# The Windows side (Tonquil.exe, the driver) and the emulator; the tests are not needed.
logged build-native-build cmake --build --preset native --target windows zorva-emu
step "building the benchmark programs (build/bench)"
logged build-bench cmake -S bench -B "$bench_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
logged build-bench-build cmake --build "$bench_dir"

tonquil_exe="$root/build/native/windows/app/Tonquil.exe"
driver="$root/build/native/windows/tools/driver/tqdriver.exe"
empty="$root/build/native/windows/bench/win/tqempty.exe"
bare="$root/build/native/windows/bench/win/tqwindow.exe"
launcher="$bench_dir/windows/tqlaunch.exe"
earlier="${TONQUIL_BENCH_EARLIER:-}"
[ -z "$earlier" ] || earlier="$(realpath "$earlier")"

export TONQUIL_WINEPREFIX="${TONQUIL_BENCH_WINEPREFIX:-$bench_dir/wineprefix}"
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

work="$(mktemp -d "${TMPDIR:-/tmp}/tqbench.XXXXXX")"
emulator_pid=
wine_started=0
cleanup() {
  local status=$?
  if [ -n "$emulator_pid" ]; then
    kill "$emulator_pid" 2>/dev/null || true
    wait "$emulator_pid" 2>/dev/null || true
  fi
  if [ "$wine_started" -eq 1 ]; then
    tonquil_server_stop || true
    [ -z "${DISPLAY:-}" ] || tonquil_xvfb_stop "$DISPLAY" >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

missing=0
# Runs one measuring program; its rows go to the table, a failure becomes a row of its own.
measure() {
  local name="$1"
  shift
  step "measuring: $name"
  if ! "$@" >>"$rows" 2>"$logs/$name.log"; then
    printf 'ROW\t%s\tnot measured\t-\tmisses\tsee %s\n' "$name" "$logs/$name.log" >>"$rows"
    missing=1
  fi
}

# The display scale both programs start at: the prefix's system DPI, set for every run
# (and before any Wine process of the run), so that none inherits an earlier run's.
bench_dpi="${TONQUIL_BENCH_DPI:-96}"

# Sets the prefix's system DPI with no Wine process running, then starts the server.
at_dpi() {
  tonquil_server_stop || true
  DISPLAY='' tonquil_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$1"
  tonquil_server_start
}

step "preparing Wine ($TONQUIL_WINEPREFIX, $bench_dpi DPI)"
tonquil_prefix
wine_started=1
at_dpi "$bench_dpi"
tonquil_xvfb_start "" >/dev/null

# One emulator serves both sides: Wine sees it as COM3, the native link code finds it
# through a folder that holds com3 alone.
tonquil_emulator_start "$logs/emulator.log" --link "$WINEPREFIX/dosdevices/com3"
emulator_pid=$tonquil_emulator_pid
mkdir -p "$work/ports"
ln -s "$WINEPREFIX/dosdevices/com3" "$work/ports/com3"

measure exe bash bench/exe_figures.sh "$tonquil_exe"
measure startup-memory bash bench/wine_figures.sh "$tonquil_exe" \
  "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$launcher" "$driver" "$work/starts" "$starts"
measure soak bash bench/soak_figures.sh "$tonquil_exe" "$launcher" "$driver" "$work"
measure command-start bash bench/command_figures.sh "$tonquil_exe" "$bare" "$launcher" "$driver" \
  "$work/commands" "$starts"
for reference_dpi in 96 144; do
  at_dpi "$reference_dpi"
  measure "startup-$reference_dpi" bash bench/startup_figures.sh "$tonquil_exe" "$empty" "$bare" "$launcher" \
    "$driver" "$work/startup-$reference_dpi" "$reference_starts" "$reference_dpi" ${earlier:+"$earlier"}
done
measure link "$bench_dir/tqbench_link" "$work/ports"
measure parser "$bench_dir/tqbench_parse"
measure settings "$bench_dir/tqbench_settings"

echo
echo "Tonquil benchmark, $(date '+%Y-%m-%d %H:%M'), $bench_dpi DPI, $(nproc) CPUs, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
awk -f bench/print_table.awk "$rows"
exit $missing
