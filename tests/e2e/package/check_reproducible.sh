#!/usr/bin/env bash
# check_reproducible.sh SOURCE REUSED_BUILD WORK: packs twice from one commit, first from
# the build folder REUSED_BUILD (already built: nothing to do), then in a new build folder
# of its own, and fails unless both zips, and both checksum files, are the same bytes.
# The first package stays in WORK/first for the test that unpacks and runs it.
set -euo pipefail
source_dir="$1"
reused_build="$2"
work="$3"
rm -rf "$work"
mkdir -p "$work"

bash "$source_dir/scripts/package.sh" --build-dir "$reused_build" --out "$work/first" >"$work/first.paths"
bash "$source_dir/scripts/package.sh" --build-dir "$work/second-build" --out "$work/second" >"$work/second.paths"

zip_name="$(basename "$(head -n 1 "$work/first.paths")")"
status=0
for file in "$zip_name" SHA256SUMS; do
  if ! cmp "$work/first/$file" "$work/second/$file"; then
    echo "check: $file differs between the two build folders" >&2
    status=1
  fi
done
if [ $status -ne 0 ]; then
  for side in first second; do
    echo "--- $side: $(cat "$work/$side/SHA256SUMS")" >&2
    unzip -Zv "$work/$side/$zip_name" | grep -E '^(Central directory entry|  There is no file comment|  file last modified|  32-bit CRC|  Unix file attributes|  compressed size)' >&2 || true
  done
  cmp -l "$work/first/$zip_name" "$work/second/$zip_name" | head -n 20 >&2 || true
  exit 1
fi
# The checksum file checks the zip beside it, as a user runs it.
(cd "$work/first" && sha256sum --check --strict SHA256SUMS)
# The second build folder has done its work; its objects need not stay.
rm -rf "$work/second-build"
echo "check: $(cat "$work/first/SHA256SUMS") from two build folders"
