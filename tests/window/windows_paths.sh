#!/usr/bin/env bash
# A look written on Windows: backslashes, and names in another letter case than the files'. The
# background picture and the included decoration are found on both systems.
. "$(dirname "$0")/lib.sh"

mkdir -p "$game/Images/Looks"
convert -size 511x446 xc:'rgb(150,30,120)' BMP3:"$game/Images/Fond2.bmp"
printf 'FillRect(0; 0; 511; 12; magenta)\r\n' >"$game/Images/Looks/Deco.TXT"
printf 'Image Fond = Images\\Fond2.BMP\r\nInclure = IMAGES\\looks\\deco.txt\r\n' >"$game/windows.txt"
start_game windows.txt
expect '[ "$(board_pixel 250 130)" = "150,30,120" ]' 'the background picture was not found: $(board_pixel 250 130)'
[ "$(board_pixel 250 5)" = "255,0,255" ] || fail "the included decoration was not found: $(board_pixel 250 5)"
key q
expect_exit 0
finish
