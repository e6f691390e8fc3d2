#!/usr/bin/env bash
# Builds the fuzz targets with clang-14 in build/fuzz and fuzzes each of them.
#
#   run-fuzz.sh --runs NAME=N... [--seed S]
#                                     the test command's run: N executions of target NAME
#                                     from the kept seeds with a fixed seed (default 1), so
#                                     that two runs of one commit do the same work
#   run-fuzz.sh [SECONDS]             a longer random run (default 600 s per target); a
#                                     crash it finds is kept in tests/fuzz/corpus/NAME, where
#                                     the replay test runs it from then on
#
# Either way the seeds in tests/fuzz/corpus/NAME are only read, new inputs go to a scratch
# corpus in build/fuzz/corpus/NAME (emptied first for a fixed run), and one line per target
# (result, executions, time) goes to stdout and to build/fuzz/summary.txt. Exits non-zero
# when a target crashed or the build failed.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
source_dir="$root/tests/fuzz"
build_dir="$root/build/fuzz"

declare -A runs_of=()
seed=1
seconds=600
while [[ $# -gt 0 ]]; do
  case "$1" in
    --runs) runs_of["${2%%=*}"]="${2#*=}"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    *) seconds="$1"; shift ;;
  esac
done

CC=clang-14 CXX=clang++-14 cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir"
summary="$build_dir/summary.txt"
: >"$summary"

status=0
for seeds in "$source_dir"/corpus/*/; do
  seeds="${seeds%/}"
  name="$(basename "$seeds")"
  target="$build_dir/${name}_fuzz"
  scratch="$build_dir/corpus/$name"
  log="$build_dir/$name.log"
  options=(-timeout=5 -print_final_stats=1)
  [[ -f "$source_dir/$name.dict" ]] && options+=(-dict="$source_dir/$name.dict")
  if [[ ${#runs_of[@]} -gt 0 ]]; then
    runs="${runs_of[$name]:-}"
    [[ -n "$runs" ]] || { echo "$name: no --runs $name=N given" | tee -a "$summary"; status=1; continue; }
    # Nothing but the seeds and the seed decide the work: a fresh scratch corpus, no
    # rereading of the corpus folders on a timer, and no address randomisation, since
    # libFuzzer takes the operands of the target's comparisons (addresses among them)
    # into its mutations.
    launch=(setarch "$(uname -m)" -R)
    rm -rf "$scratch"
    mkdir -p "$build_dir/artifacts"
    options+=(-runs="$runs" -seed="$seed" -reload=0 -artifact_prefix="$build_dir/artifacts/${name}-")
    work="seed $seed"
  else
    launch=()
    options+=(-max_total_time="$seconds" -artifact_prefix="$seeds/")
    work="random seed"
  fi
  mkdir -p "$scratch"

  started=$SECONDS
  if "${launch[@]}" "$target" "${options[@]}" "$scratch" "$seeds" >"$log" 2>&1; then
    result="ok"
  else
    result="FAILED"
    status=1
  fi
  executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  echo "$name: $result, ${executed:-0} executions ($work) in $((SECONDS - started)) s (log: $log)" | tee -a "$summary"
  if [[ "$result" != "ok" ]]; then
    tail -n 40 "$log"
    grep -h '^artifact_prefix=\|Test unit written to' "$log" || true
  fi
done
exit "$status"
