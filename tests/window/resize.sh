#!/usr/bin/env bash
# A window made twice as large stretches the board, and a click still lands on the category under it.
. "$(dirname "$0")/lib.sh"

write_save 0 0 3 50 0 1 0 0 1 0 0   # warnings off: the write needs no answer
start_game
sleep 1.5
xdotool windowsize "$window" $((2 * client_width)) $((2 * client_height + menu_height))
sleep 1
measure_window
[ "$client_width" -ge $((2 * initial_width - 4)) ] || fail "the window did not grow: $client_width"
[ "$(board_pixel 66 18)" = "232,220,194" ] || fail "the board is not stretched: $(board_pixel 66 18)"
click_board 335 250
move_board 250 120
screenshot "$work/shot.png"
[ "$(count_colour "$work/shot.png" 300 240 72 22 808080)" -gt 40 ] || fail "the click did not write Chance"
[ "$(count_colour "$work/shot.png" 200 240 72 22 808080)" -eq 0 ] || fail "the click wrote Gd Suite"
key q
answer_box Attention alt+y
expect_exit 0
finish
