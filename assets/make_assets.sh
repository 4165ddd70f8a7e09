#!/usr/bin/env bash
# Makes the banner and the icon again from the sources in src/.
# Needs python3 and ImageMagick (Debian: imagemagick, fonts-dejavu-core).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

python3 "$here/src/scene.py" >"$tmp/scene.ppm"
font=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
# The title logo on the right half: engraved gold letters with a soft shadow.
convert "$tmp/scene.ppm" -blur 0x0.7 -seed 11 -attenuate 0.2 +noise Gaussian \
    \( -size 538x123 xc:none -font "$font" -pointsize 31 -kerning 3 \
       -fill '#00000090' -annotate +297+45 'VELLMARK' -blur 0x2 \) -composite \
    -font "$font" -pointsize 31 -kerning 3 -fill '#f6d58a' -stroke '#5a3a10' -strokewidth 1 \
    -annotate +294+42 'VELLMARK' \
    -stroke none -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -pointsize 11 -kerning 4 \
    -fill '#fff2d0' -annotate +333+58 'ONLINE  REALM' \
    -strip -interlace none -sampling-factor 2x2,1x1,1x1 -quality 88 \
    -density 96 -units PixelsPerInch "JPG:$here/banner.jpg"
python3 "$here/src/icon.py" "$here"
