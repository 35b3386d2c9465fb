#!/usr/bin/env bash
# Draws the program's icon, kerolt.png (64 x 64), with ImageMagick: a blue tile with a white
# "K" and a stroke of Morse code under it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
font="/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
convert -size 64x64 xc:none \
  -fill '#17407d' -draw 'roundrectangle 1,1 62,62 11,11' \
  -fill '#2a66b8' -draw 'roundrectangle 4,4 59,40 9,9' \
  -font "$font" -pointsize 44 -fill white -gravity north -annotate +0+0 'K' \
  -fill '#ffd23f' -draw 'rectangle 10,50 22,55' -draw 'rectangle 27,50 31,55' \
  -draw 'rectangle 36,50 48,55' -draw 'rectangle 53,50 57,55' \
  -depth 8 -strip "$here/kerolt.png"
