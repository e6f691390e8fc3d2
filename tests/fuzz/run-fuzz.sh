#!/usr/bin/env bash
# Builds the fuzz targets with clang-14 in build/fuzz and fuzzes each for a bounded
# time (default 60 s): new inputs go to a scratch corpus in build/fuzz, the seeds in
# tests/fuzz/corpus/NAME are read only, crashes land in build/fuzz/artifacts. One line
# per target (result, executions, time) goes to stdout and to build/fuzz/summary.txt.
# Exits non-zero when a target crashed or the build failed.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
source_dir="$root/tests/fuzz"
build_dir="$root/build/fuzz"
artifacts="$build_dir/artifacts"

CC=clang-14 CXX=clang++-14 cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir"
mkdir -p "$artifacts"
summary="$build_dir/summary.txt"
: >"$summary"

status=0
for seeds in "$source_dir"/corpus/*/; do
  name="$(basename "$seeds")"
  target="$build_dir/${name}_fuzz"
  scratch="$build_dir/corpus/$name"
  log="$build_dir/$name.log"
  mkdir -p "$scratch"
  options=(-max_total_time="$seconds" -timeout=5 -print_final_stats=1 -artifact_prefix="$artifacts/${name}-")
  [[ -f "$source_dir/$name.dict" ]] && options+=(-dict="$source_dir/$name.dict")

  if "$target" "${options[@]}" "$scratch" "$seeds" >"$log" 2>&1; then
    result="ok"
  else
    result="FAILED"
    status=1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  echo "$name: $result, ${runs:-0} executions in ${seconds} s (log: $log)" | tee -a "$summary"
  if [[ "$result" != "ok" ]]; then
    tail -n 40 "$log"
    ls -1 "$artifacts"/"${name}"-* 2>/dev/null || true
  fi
done
exit "$status"
