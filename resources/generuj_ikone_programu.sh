#!/bin/sh
# Draws the program's icon. Run by hand when the picture changes.
set -eu
cd "$(dirname "$0")/obrazy"
IM=/usr/bin/convert

# A small two-stub form.
$IM -size 64x64 xc:none -fill white -stroke '#cd1d1d' -strokewidth 2 \
  -draw 'rectangle 4,6 60,30' -draw 'rectangle 4,34 60,58' \
  -fill '#f8c7c7' -stroke none -draw 'rectangle 8,10 56,26' -draw 'rectangle 8,38 56,54' \
  -stroke '#cd1d1d' -strokewidth 1 -draw 'line 10,16 54,16' -draw 'line 10,21 54,21' \
  -draw 'line 10,44 54,44' -draw 'line 10,49 54,49' vandoria.png
