#!/usr/bin/env bash
# Draws the main window's pictures with ImageMagick 6 (package imagemagick) and the Noto CJK
# fonts: the window background and the two candidate panels. The JPEGs are committed beside
# this script; run it again only to change them. Positions follow MainWindowLayout.h.
set -euo pipefail
cd "$(dirname "$0")"
IM=$(command -v convert-im6.q16 || command -v convert-im6 || echo convert)
SERIF=Noto-Serif-CJK-SC
SANS=Noto-Sans-CJK-SC

# Window background, 800 x 562: pale sky over paper, soft hills, framed places for the
# help topics, the method buttons, the tool bar and the practice area.
"$IM" -size 800x562 gradient:'#dde7ee'-'#f6f1e6' \
  \( -size 800x562 xc:none -fill '#c5d3dc' \
     -draw "polygon 0,300 90,230 170,280 260,200 380,270 470,215 560,265 660,190 800,250 800,562 0,562" \
     -blur 0x6 -channel A -evaluate multiply 0.55 +channel \) -composite \
  \( -size 800x562 xc:none -fill '#e9e1cf' \
     -draw "polygon 0,420 120,360 240,410 380,350 520,400 650,340 800,380 800,562 0,562" \
     -blur 0x8 -channel A -evaluate multiply 0.7 +channel \) -composite \
  -fill '#ffffffb0' -stroke '#c9bfa8' -strokewidth 1 \
  -draw "roundrectangle 8,86 216,503 8,8" \
  -draw "roundrectangle 8,509 216,553 8,8" \
  -draw "roundrectangle 274,203 490,236 6,6" \
  -stroke '#b8ab8f' -fill '#ffffff' -draw "rectangle 222,238 787,548" \
  -stroke none -fill '#f2c230' -draw "roundrectangle 279,206 303,230 5,5" \
  -stroke '#7a5a12' -strokewidth 2 \
  -draw "line 284,212 298,212" -draw "line 284,218 298,218" -draw "line 284,224 298,224" \
  -stroke none -fill '#2d3a45' -font "$SERIF-Bold" -pointsize 44 -annotate +248+158 '打字练习' \
  -fill '#5d6b76' -font "$SERIF" -pointsize 15 -annotate +252+188 '澜音拼音  ·  ＫＸ笔画小键盘' \
  -fill '#8a7a5a' -font "$SERIF-Bold" -pointsize 20 -annotate +42+539 '澜 音' \
  -annotate +143+539 'ＫＸ' \
  -stroke '#d8ccb2' -strokewidth 1 -draw "line 112,516 112,546" \
  -quality 88 background.jpg

# Pinyin candidate panel, 232 x 230: a paper card with a strip for the dictionary toggle and
# faint rules under the ten rows.
rules=""
for top in 26 46 66 86 106 127 147 167 187 207; do rules+=" line 8,$((top + 20)) 224,$((top + 20))"; done
"$IM" -size 232x230 gradient:'#fffdf7'-'#f7f0df' \
  -fill '#efe5cf' -draw "rectangle 0,0 232,22" \
  -stroke '#ece3cf' -draw "$rules" \
  -stroke '#b59f74' -fill none -draw "rectangle 0,0 231,229" \
  -quality 90 panel-py.jpg

# Keypad candidate panel, 200 x 231: the choosing digits 0, 7, 8, 9 before the four rows, and
# below them the six stroke keys laid out as on the numeric pad, each with its stroke.
keys=(0 7 8 9)
tops=(27 56 86 115)
args=()
for i in 0 1 2 3; do
  args+=(-annotate "+9+$((tops[i] + 16))" "${keys[i]}")
done
blocks=("24 185 1 一" "88 185 2 丨" "150 185 3 丿" "24 140 4 丶" "88 140 5 乛" "150 140 6 十")
boxes="" legend=()
for b in "${blocks[@]}"; do
  read -r left top digit stroke <<<"$b"
  boxes+=" roundrectangle $((left - 2)),$((top - 1)) $((left + 43)),$((top + 38)) 4,4"
  legend+=(-annotate "+$((left - 14))+$((top + 13))" "$digit" -annotate "+$((left - 16))+$((top + 33))" "$stroke")
done
"$IM" -size 200x231 gradient:'#fffdf7'-'#f7f0df' \
  -fill '#efe5cf' -draw "rectangle 0,0 200,22" \
  -stroke '#ece3cf' -draw "line 8,135 192,135" \
  -stroke '#e3d7bd' -fill '#f3ecdc' -draw "$boxes" -stroke none \
  -fill '#a0824a' -font "$SANS-Bold" -pointsize 16 "${args[@]}" \
  -fill '#b09a70' -font "$SANS" -pointsize 12 "${legend[@]}" \
  -stroke '#b59f74' -fill none -draw "rectangle 0,0 199,230" \
  -quality 90 panel-kx.jpg
