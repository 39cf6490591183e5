#!/bin/sh
# Draws the eight named bitmaps of the lists' menus; each "_D" picture is a
# greyed copy of its "_E" twin. Run by hand when a picture changes.
set -eu
cd "$(dirname "$0")/obrazy"
IM=/usr/bin/convert

$IM -size 22x22 xc:none \
  -stroke '#7a4b10' -strokewidth 1 -fill '#f2c230' -draw 'polygon 4,15 14,5 17,8 7,18' \
  -fill '#e89a9a' -draw 'polygon 14,5 16,3 19,6 17,8' \
  -fill '#3a3a3a' -stroke none -draw 'polygon 4,15 7,18 3,19' EDIT_E.png
$IM -size 16x16 xc:none -stroke '#c41818' -strokewidth 3 \
  -draw 'line 3,3 12,12' -draw 'line 12,3 3,12' DELETE_E.png
$IM -size 24x24 xc:none -stroke '#404040' -strokewidth 1 \
  -fill white -draw 'rectangle 6,2 17,9' \
  -fill '#9a9a9a' -draw 'roundrectangle 2,9 21,17 2,2' \
  -fill white -draw 'rectangle 6,14 17,21' \
  -stroke '#5070c0' -draw 'line 8,17 15,17' -draw 'line 8,19 13,19' \
  -stroke none -fill '#30c030' -draw 'circle 18,12 19,12' PRINT_E.png
$IM -size 24x24 xc:none -stroke '#404040' -strokewidth 1 \
  -fill white -draw 'rectangle 3,2 15,20' \
  -stroke '#5070c0' -draw 'line 5,6 12,6' -draw 'line 5,9 12,9' -draw 'line 5,12 9,12' \
  -stroke '#303030' -strokewidth 2 -fill '#d8ecff' -draw 'circle 15,14 19,14' \
  -draw 'line 18,17 22,21' PRINT_PREVIEW_E.png
for e in EDIT DELETE PRINT PRINT_PREVIEW; do
  $IM ${e}_E.png -colorspace Gray -channel RGB -fill white -colorize 45% +channel ${e}_D.png
done
# The program's icon: a small two-stub form.
$IM -size 64x64 xc:none -fill white -stroke '#cd1d1d' -strokewidth 2 \
  -draw 'rectangle 4,6 60,30' -draw 'rectangle 4,34 60,58' \
  -fill '#f8c7c7' -stroke none -draw 'rectangle 8,10 56,26' -draw 'rectangle 8,38 56,54' \
  -stroke '#cd1d1d' -strokewidth 1 -draw 'line 10,16 54,16' -draw 'line 10,21 54,21' \
  -draw 'line 10,44 54,44' -draw 'line 10,49 54,49' vandoria.png
