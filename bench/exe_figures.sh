#!/usr/bin/env bash
# Size of Tonquil.exe once stripped, and the DLLs it imports, as benchmark rows.
#
#   bench/exe_figures.sh EXE
set -euo pipefail
exe="$1"
limit_kib=256
# DLLs that every Windows installation carries; anything else would have to ship beside
# the exe.
system_dlls=" advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi
 user32 uxtheme version winmm ucrtbase ntdll "

row() { printf 'ROW\t%s\t%s\t%s\t%s\t%s\n' "$@"; }

stripped="$(mktemp)"
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$exe"
built=$(stat -c %s "$exe")
size=$(stat -c %s "$stripped")
kib=$(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1024 }')
verdict=misses
[ "$size" -le $((limit_kib * 1024)) ] && verdict=meets
row "Tonquil.exe size, stripped" "$kib KiB" "<= $limit_kib KiB" "$verdict" \
  "x86_64-w64-mingw32-strip of the built exe ($built bytes as built)"

dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }')
dll_list=$(printf '%s\n' "$dlls" | paste -sd, -)
[ -n "$dlls" ] || { echo "exe_figures: no import table in $exe" >&2; exit 1; }
foreign=()
for dll in $dlls; do
  name=$(printf '%s' "${dll%.*}" | tr '[:upper:]' '[:lower:]')
  [[ "$system_dlls" == *" $name "* || "$name" == api-ms-win-* ]] || foreign+=("$dll")
done
verdict=meets
[ ${#foreign[@]} -eq 0 ] || verdict=misses
row "Tonquil.exe imports" "$dll_list" "system DLLs only" "$verdict" \
  "objdump -p${foreign:+; not system: ${foreign[*]}}"
