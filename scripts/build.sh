#!/usr/bin/env bash
# Installs what is missing, then builds.
#
#   scripts/build.sh         everything: the native side (core, tests, emulator) and,
#                            through it, the Windows programs (what scripts/test.sh runs)
#   scripts/build.sh --run   only what scripts/run.sh starts: Tonquil.exe, the driver and
#                            the emulator, in the same build folders
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset native -DTONQUIL_WINDOWS=ON >/dev/null
case "${1:-}" in
  "")
    cmake --build --preset native
    ;;
  --run)
    cmake --build --preset native --target zorva-emu
    # The folder where the native build keeps its Windows side, configured with the
    # Windows preset's settings, which are the ones the native build passes it.
    cmake --preset windows -B build/native/windows >/dev/null
    cmake --build build/native/windows --target Tonquil tqdriver
    ;;
  *)
    sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
    exit 1
    ;;
esac
