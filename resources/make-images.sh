#!/bin/bash
# Draws the workbench's icon (Tessarion.ico) and its toolbar strip
# (Toolbar.bmp, one 16x16 image per button in the toolbar's order) with
# ImageMagick. The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A small layered network: three inputs, two hidden nodes, one output.
network_icon() {
  local size=$1
  convert -size 32x32 xc:none \
    -fill '#1f4e9c' -draw "roundrectangle 0,0 31,31 6,6" \
    -stroke '#bcd4ff' -strokewidth 1.5 \
    -draw "line 7,7 16,11" -draw "line 7,7 16,21" -draw "line 7,16 16,11" -draw "line 7,16 16,21" \
    -draw "line 7,25 16,11" -draw "line 7,25 16,21" -draw "line 16,11 25,16" -draw "line 16,21 25,16" \
    -stroke none -fill '#ffd24a' \
    -draw "circle 7,7 9.5,7" -draw "circle 7,16 9.5,16" -draw "circle 7,25 9.5,25" \
    -fill '#7fe08a' -draw "circle 16,11 18.5,11" -draw "circle 16,21 18.5,21" \
    -fill '#ff6a5a' -draw "circle 25,16 28,16" \
    -resize "${size}x${size}" "$work/icon$size.png"
}
network_icon 32
network_icon 16
convert "$work/icon16.png" "$work/icon32.png" Tessarion.ico

# Each button: a tile in its group's colour with a short mark, on the grey
# the toolbar maps to the button face.
buttons=(
  "Sv:#2d6cdf" "Rp:#2d6cdf" "Op:#2d6cdf" "Nd:#2d6cdf"
  "In:#8a4fd0" "LN:#8a4fd0" "Ou:#8a4fd0" "Dn:#8a4fd0"
  "H1:#b05a1a" "H2:#b05a1a" "OW:#b05a1a"
  "Go:#1f9d3a" "FS:#1f9d3a" "St:#d02a2a" "Se:#1f9d3a"
  "Ld:#0f8a8a" "Sh:#0f8a8a" "Dt:#0f8a8a"
  "Si:#6b6b00" "Va:#6b6b00" "CM:#6b6b00" "LO:#6b6b00" "Cl:#6b6b00" "Cx:#6b6b00"
  "CE:#555555" "FF:#555555" "IF:#555555" "Pr:#555555" "Fi:#555555" "Po:#555555" "XY:#555555"
)
tiles=()
for i in "${!buttons[@]}"; do
  mark=${buttons[$i]%%:*}
  colour=${buttons[$i]#*:}
  convert -size 16x16 xc:'#c0c0c0' -fill "$colour" -draw "roundrectangle 0,0 15,15 3,3" \
    -fill white -font DejaVu-Sans-Bold -pointsize 8 -gravity center -annotate +0+0 "$mark" \
    "$work/tile$i.png"
  tiles+=("$work/tile$i.png")
done
convert "${tiles[@]}" +append -alpha off -type TrueColor BMP3:Toolbar.bmp
