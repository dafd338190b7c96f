#!/usr/bin/env bash
# The board's logical size is the client area the window first had, however slow the timer and however
# soon the window is resized: made larger at once and again seconds later, the board fills the window, its
# last digit in the far corner, and "Initial" gives back the whole board at its own size.
. "$(dirname "$0")/lib.sh"

printf 'timer=2000\r\n' >"$game/lent.txt"
launch_game lent.txt
wait_for find_window "$start_seconds" || fail "the game window did not appear"
resize_window 600 520   # in the first moments of the window
initial_width=511
initial_height=446
# Seconds later, with the slow timer's first ticks behind it (the logical size is taken over the first
# messages, however slowly they come): this pause is the scenario's subject.
sleep 7
measure_window
resize_window $((2 * 511)) $((2 * 446 + menu_height))
expect 'measure_window; [ "$client_width" -ge $((2 * 511 - 4)) ]' 'the window did not grow: $client_width'
expect '[ "$(board_pixel 66 18)" = "232,220,194" ]' 'the board is not stretched: $(board_pixel 66 18)'
expect 'screenshot "$work/shot.png"; [ "$(count_colour "$work/shot.png" 490 310 21 24 00FFFF)" -gt 40 ]' "the subtotal's last digit is not in its place"
key i
expect 'measure_window; [ "$client_width" -eq 511 ] && [ "$client_height" -eq 446 ]' \
  'after Initial: client area $client_width x $client_height'
expect 'screenshot "$work/whole.png"; [ "$(count_colour "$work/whole.png" 490 310 21 24 00FFFF)" -gt 10 ]' \
  "after Initial: the subtotal's last digit is cut"
key q
expect_exit 0
finish
