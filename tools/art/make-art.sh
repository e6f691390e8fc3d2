#!/usr/bin/env bash
# Draws the program's icon (MAINICON: 16, 32 and 48 pixels) and the about panel's
# 200 x 40 bitmap with a 256-colour palette into app/win32/res. Run by hand when the art
# changes; the results are kept in the repository.
set -euo pipefail
out="$(cd "$(dirname "$0")/../.." && pwd)/app/win32/res"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A dark rounded panel with a green eighth note: the remote's face.
for size in 16 32 48; do
  s=$((size - 1))
  r=$((size / 6))
  convert -size ${size}x${size} xc:none \
    -fill '#1d2733' -draw "roundrectangle 0,0 $s,$s $r,$r" \
    -fill '#5fd38d' \
    -draw "ellipse $((size * 38 / 100)),$((size * 72 / 100)) $((size * 15 / 100)),$((size * 11 / 100)) 0,360" \
    -draw "rectangle $((size * 49 / 100)),$((size * 18 / 100)) $((size * 53 / 100)),$((size * 72 / 100))" \
    -draw "polygon $((size * 53 / 100)),$((size * 18 / 100)) $((size * 80 / 100)),$((size * 32 / 100)) $((size * 53 / 100)),$((size * 38 / 100))" \
    "$tmp/icon$size.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" "$out/tonquil.ico"

# Bars of a level meter fading from green to blue on black.
args=()
for i in $(seq 0 19); do
  h=$(( (i * 7 + 11) % 30 + 6 ))
  x=$((i * 10 + 1))
  args+=(-fill "rgb($((40 + i * 4)),$((200 - i * 6)),$((120 + i * 6)))" -draw "rectangle $x,$((38 - h)) $((x + 7)),38")
done
convert -size 200x40 xc:black "${args[@]}" -colors 256 -type Palette -compress None BMP3:"$out/about.bmp"
