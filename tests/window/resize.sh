#!/usr/bin/env bash
# The whole board is on screen at start and after "Initial", the subtotal's last digit included; a window
# made twice as large stretches the board, and a click still lands on the category under it.
. "$(dirname "$0")/lib.sh"

write_save 0 0 3 50 0 1 0 0 1 0 0   # warnings off: the write needs no answer
# The third digit of "Sous-total: 000", in its colour, right of x = 490.
whole_board() {
  [ "$client_width" -eq 511 ] && [ "$client_height" -eq 446 ] ||
    fail "$1: client area $client_width x $client_height, not the board's 511 x 446"
  screenshot "$work/whole.png"
  [ "$(count_colour "$work/whole.png" 490 310 21 24 00FFFF)" -gt 10 ] || fail "$1: the subtotal's last digit is cut"
}

start_game
settle  # the first roll ends
whole_board "at start"
resize_window $((2 * client_width)) $((2 * client_height + menu_height))
expect 'measure_window; [ "$client_width" -ge $((2 * initial_width - 4)) ]' 'the window did not grow: $client_width'
expect '[ "$(board_pixel 66 18)" = "232,220,194" ]' 'the board is not stretched: $(board_pixel 66 18)'
click_board 335 250
move_board 250 120
expect 'screenshot "$work/shot.png"; [ "$(count_colour "$work/shot.png" 300 240 72 22 808080)" -gt 40 ]' "the click did not write Chance"
[ "$(count_colour "$work/shot.png" 200 240 72 22 808080)" -eq 0 ] || fail "the click wrote Gd Suite"
key i
expect 'measure_window; [ "$client_width" -eq 511 ] && [ "$client_height" -eq 446 ]' \
  'after Initial: client area $client_width x $client_height'
settle
whole_board "after Initial"
# The page follows a change of the device pixel ratio without a resize (a zoom, another screen), and
# twenty of them hold no more canvases and memory than one.
if [ "$front" = web ]; then
  web scale 2 >/dev/null
  expect '[ "$(web drawnratio)" = 2 ]' 'the board is drawn at ratio $(web drawnratio), not 2'
  settle
  one=$(web resources)
  for ratio in 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2 1 2; do
    web scale "$ratio" >/dev/null
    expect '[ "$(web drawnratio)" = "$ratio" ]' 'the board is drawn at ratio $(web drawnratio), not $ratio'
  done
  settle
  twenty=$(web resources)
  [ "$twenty" = "$one" ] || fail "twenty ratio changes hold $twenty, one held $one"
  web scale 1 >/dev/null
fi
key q
answer_box Attention "$yes_key"
expect_exit 0
finish
