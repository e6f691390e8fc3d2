#!/usr/bin/env bash
# Builds the release Tonquil.exe and packs what a Windows user downloads:
#
#   dist/Tonquil-<stamp>-win64.zip   Tonquil/Tonquil.exe, Tonquil/README.txt, Tonquil/LICENSE.txt
#   dist/SHA256SUMS                  the zip's SHA-256 line, as sha256sum writes and checks it
#
#   scripts/package.sh [--build-dir DIR] [--out DIR]
#
# The release exe is built alone, with the settings of the Windows preset, in build/package
# (or DIR). The same commit gives the same zip bytes on any machine and in any build folder:
# the exe carries no link time stamp and no folder names, and the zip's entries have a fixed
# order, fixed attributes and a fixed time (the build stamp's day, midnight UTC). The guide
# and the licence are kept in the repository as UTF-8 with LF; the zip has them with CRLF,
# and the guide with a UTF-8 byte-order mark, so that every Notepad shows its Japanese.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build_dir="$root/build/package"
out_dir="$root/dist"
while [ $# -gt 0 ]; do
  case "$1" in
    --build-dir) build_dir="$(realpath -m "$2")"; shift 2 ;;
    --out) out_dir="$(realpath -m "$2")"; shift 2 ;;
    *) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 1 ;;
  esac
done

bash scripts/deps.sh

stamp="$(sed -n 's/^#define TONQUIL_BUILD_STAMP "\([0-9]\{6\}\)"$/\1/p' ui/build_stamp.h)"
[ -n "$stamp" ] || { echo "package: no build stamp in ui/build_stamp.h" >&2; exit 1; }

echo "package: building the release Tonquil.exe in $build_dir" >&2
cmake --preset windows -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target Tonquil >/dev/null

stage="$(mktemp -d "${TMPDIR:-/tmp}/tqpackage.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
folder="$stage/Tonquil"
mkdir "$folder"

# LF or CRLF in, CRLF out.
crlf() { sed 's/\r$//; s/$/\r/' "$1"; }

cp "$build_dir/app/Tonquil.exe" "$folder/Tonquil.exe"
{ printf '\xef\xbb\xbf'; crlf docs/guide/README.txt; } >"$folder/README.txt"
crlf LICENSE >"$folder/LICENSE.txt"

# What zip records of each file besides its bytes: the mode (as Unix attributes) and the
# modification time, in local time as the zip format keeps it.
chmod 0644 "$folder"/*
entries=(Tonquil/Tonquil.exe Tonquil/README.txt Tonquil/LICENSE.txt)
entry_time="20${stamp:0:2}-${stamp:2:2}-${stamp:4:2} 00:00:00"
(cd "$stage" && TZ=UTC0 touch -d "$entry_time" "${entries[@]}")

zip_name="Tonquil-$stamp-win64.zip"
mkdir -p "$out_dir"
rm -f "$out_dir/$zip_name" "$out_dir/SHA256SUMS"
# -X: no extra fields (owner, Unix times); -D: no folder entries; the entries in the order
# given; fixed compression level.
(cd "$stage" && TZ=UTC0 zip -X -D -6 -q "$out_dir/$zip_name" "${entries[@]}")
(cd "$out_dir" && sha256sum "$zip_name" >SHA256SUMS)

echo "$out_dir/$zip_name"
echo "$out_dir/SHA256SUMS"
