#!/usr/bin/env bash
# Draws the program's icon with ImageMagick: a blue tile with a white "K" and a stroke of
# Morse code under it. Usage: make-icon.sh [SIZE [FILE]]; without arguments it redraws
# kerolt.png (64 x 64). Other sizes are drawn from the same 64-pixel design, scaled, so the
# hicolor sizes stay sharp instead of being resampled from the small picture.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
size="${1:-64}"
out="${2:-$here/kerolt.png}"
font="/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
scale="$(awk "BEGIN { print $size / 64 }")"
points="$(awk "BEGIN { print 44 * $size / 64 }")"
convert -size "${size}x${size}" xc:none \
  -draw "scale $scale,$scale fill '#17407d' roundrectangle 1,1 62,62 11,11
         fill '#2a66b8' roundrectangle 4,4 59,40 9,9" \
  -font "$font" -pointsize "$points" -fill white -gravity north -annotate +0+0 'K' \
  -draw "scale $scale,$scale fill '#ffd23f' rectangle 10,50 22,55 rectangle 27,50 31,55
         rectangle 36,50 48,55 rectangle 53,50 57,55" \
  -depth 8 -strip "$out"
