#!/bin/sh
# Draws the program icon (a punch pressing a sheet into a V die) into
# src/ui/resources/zelpor.png. Run again after changing the drawing; the PNG
# is committed so that a build needs no ImageMagick.
set -e
out="$(dirname "$0")/../src/ui/resources/zelpor.png"
convert -size 64x64 xc:none \
    -fill '#2f5f8f' -stroke '#1d3d5d' -strokewidth 2 -draw 'roundrectangle 1,1 62,62 10,10' \
    -stroke none -fill '#c8d0d8' -draw 'polygon 6,46 24,46 32,57 40,46 58,46 58,58 6,58' \
    -fill none -stroke '#ff9a1f' -strokewidth 3 -draw 'polyline 4,30 32,50 60,30' \
    -stroke none -fill '#c8d0d8' -draw 'rectangle 25,5 39,30' \
    -fill '#e8ecf0' -draw 'polygon 25,30 39,30 32,45' \
    -define png:bit-depth=8 "$out"
