#!/usr/bin/env bash
# Draws the program's own logo (logo.jpg, 562x210: twice the logo box, for sharp
# high-DPI display) and window icon (icon.png, 128x128), and the menu icons of the desktop's
# hicolor theme (packaging/icons/SIZE.png, 16 to 256 pixels) with ImageMagick 6.
# The pictures are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
navy='rgb(24,52,96)'
lens='rgb(70,130,205)'
glint='rgb(235,245,255)'
flash='rgb(250,210,90)'
fonts=/usr/share/fonts/truetype/liberation2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Radio waves: stroked circles around the antenna tip, cut to a wedge opening right
# (ImageMagick closes partial arcs with a chord, so they are masked instead).
waves() { # size cx cy reach width radius...
    local size=$1 cx=$2 cy=$3 reach=$4 width=$5 circles=()
    shift 5
    for r in "$@"; do circles+=(-draw "circle $cx,$cy $((cx + r)),$cy"); done
    convert -size "$size" xc:none -stroke "$navy" -strokewidth "$width" -fill none "${circles[@]}" \
        \( -size "$size" xc:none -fill white \
           -draw "polygon $cx,$cy $((cx + reach)),$((cy - reach)) $((cx + reach)),$((cy + reach))" \) \
        -compose DstIn -composite "$tmp/waves.png"
}

waves 562x210 160 42 60 5 15 26 37
convert -size 562x210 xc:'rgb(166,202,240)' \
    -fill "$navy" -draw "roundrectangle 28,78 178,182 16,16" -draw "roundrectangle 52,64 104,86 6,6" \
    -fill white -draw "circle 96,130 96,92" -fill "$lens" -draw "circle 96,130 96,102" \
    -fill "$navy" -draw "circle 96,130 96,114" -fill "$glint" -draw "circle 89,123 89,118" \
    -fill "$flash" -draw "roundrectangle 140,92 164,106 3,3" \
    -fill "$navy" -stroke "$navy" -strokewidth 6 -draw "line 160,80 160,46" \
    -strokewidth 1 -draw "circle 160,42 160,35" \
    "$tmp/waves.png" -compose Over -composite \
    -stroke none -fill "$navy" -font "$fonts/LiberationSans-Bold.ttf" -pointsize 54 \
    -draw "text 222,124 'MMS SETUP'" \
    -fill 'rgb(40,84,150)' -font "$fonts/LiberationSans-Regular.ttf" -pointsize 19 \
    -draw "text 225,160 'settings for cellular trail cameras'" \
    -quality 92 logo.jpg

# The icon at a whole multiple of its 128-pixel drawing: the window's icon.png at 1,
# and the menu's 256-pixel icon at 2, from which the smaller menu sizes are scaled.
icon() { # scale output
    local k=$1 at="scale $1,$1"
    waves "$((128 * k))x$((128 * k))" $((98 * k)) $((24 * k)) $((42 * k)) $((6 * k)) $((10 * k)) $((20 * k))
    convert -size "$((128 * k))x$((128 * k))" xc:none \
        -fill "$navy" -draw "$at roundrectangle 4,46 124,124 14,14" -draw "$at roundrectangle 22,36 58,52 5,5" \
        -fill white -draw "$at circle 56,86 56,56" -fill "$lens" -draw "$at circle 56,86 56,64" \
        -fill "$navy" -draw "$at circle 56,86 56,74" -fill "$glint" -draw "$at circle 50,80 50,76" \
        -fill "$flash" -draw "$at roundrectangle 94,58 114,70 3,3" \
        -fill "$navy" -stroke "$navy" -strokewidth 6 -draw "$at line 98,48 98,28" \
        -strokewidth 1 -draw "$at circle 98,24 98,18" \
        "$tmp/waves.png" -compose Over -composite \
        -strip "$2"
}

icon 1 icon.png
# The desktop's menu icons, in the hicolor theme's sizes.
menu_icons=../../packaging/icons
icon 2 "$tmp/256.png"
convert "$tmp/256.png" -depth 8 -strip "$menu_icons/256.png"
for size in 16 32 48 64 128; do
    convert "$tmp/256.png" -filter Lanczos -resize "${size}x$size" -depth 8 -strip "$menu_icons/$size.png"
done
