#!/usr/bin/env bash
# Draws the program's icon ICOFORMFIT (resources/Formfit.ico) at 16, 32 and
# 48 pixels with ImageMagick: a blue dialog with a title bar, a white form
# whose lines are being filled in, and a green tick for the finished change.
# The icon is checked in; run this only to change it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 32 48; do
  # Drawn on a 48-unit grid, scaled per size so that 16 pixels stay sharp.
  s=$(awk "BEGIN{print $size/48}")
  line=$(awk "BEGIN{w=3*$size/48; print (w<1)?1:w}")
  convert -size "${size}x${size}" xc:none \
    -fill '#1f4e9c' -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 8)),$((size / 8))" \
    -fill '#ffffff' -draw "rectangle $(awk "BEGIN{print int(5*$s)}"),$(awk "BEGIN{print int(12*$s)}") $(awk "BEGIN{print int(42*$s)}"),$(awk "BEGIN{print int(42*$s)}")" \
    -fill '#7fa6e0' -draw "rectangle $(awk "BEGIN{print int(5*$s)}"),$(awk "BEGIN{print int(5*$s)}") $(awk "BEGIN{print int(42*$s)}"),$(awk "BEGIN{print int(10*$s)}")" \
    -stroke '#9aa7b8' -strokewidth "$line" \
    -draw "line $(awk "BEGIN{print int(10*$s)}"),$(awk "BEGIN{print int(20*$s)}") $(awk "BEGIN{print int(30*$s)}"),$(awk "BEGIN{print int(20*$s)}")" \
    -draw "line $(awk "BEGIN{print int(10*$s)}"),$(awk "BEGIN{print int(28*$s)}") $(awk "BEGIN{print int(24*$s)}"),$(awk "BEGIN{print int(28*$s)}")" \
    -stroke '#1e9c3a' -strokewidth "$(awk "BEGIN{w=5*$size/48; print (w<2)?2:w}")" -fill none \
    -draw "polyline $(awk "BEGIN{print int(24*$s)}"),$(awk "BEGIN{print int(32*$s)}") $(awk "BEGIN{print int(30*$s)}"),$(awk "BEGIN{print int(38*$s)}") $(awk "BEGIN{print int(42*$s)}"),$(awk "BEGIN{print int(22*$s)}")" \
    "PNG32:$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$root/resources/Formfit.ico"
identify "$root/resources/Formfit.ico"
