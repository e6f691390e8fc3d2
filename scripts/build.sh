#!/usr/bin/env bash
# Installs what is missing, then builds everything: the native side (core, tests,
# emulator) and, through it, the Windows programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset native -DTONQUIL_WINDOWS=ON >/dev/null
cmake --build --preset native
