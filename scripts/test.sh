#!/usr/bin/env bash
# Runs every test: the native unit tests (with address and undefined-behaviour
# sanitizers), the emulator's tests, and the tests of the real Tonquil.exe under
# Wine and Xvfb against the module emulator, all in one ctest run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Every program that the build and the tests start must be there before anything is
# built: a missing one would otherwise look like a failing test, or like a passing one.
bash scripts/deps.sh
bash scripts/build.sh
rm -f build/fuzz/summary.txt
ctest --preset native -j2 | tee build/ctest-output.txt
# ctest keeps a passing test's output to itself; the fuzzers' work is worth seeing.
cat build/fuzz/summary.txt 2>/dev/null || true
# A test that skips because what it needs is missing here (fanotify, the immutable
# attribute) proved nothing: the last lines name every such test.
not_run=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' build/ctest-output.txt)
if [[ -n "$not_run" ]]; then
  echo "Tests that could not run here and proved nothing:"
  sed 's/^/  /' <<<"$not_run"
else
  echo "Every test ran; none was skipped."
fi
