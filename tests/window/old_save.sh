#!/usr/bin/env bash
# A saved state of ten values, from an older version: the information box captioned "10" comes before
# the window, the values are kept, and warnings are on.
. "$(dirname "$0")/lib.sh"

write_save 0 77 3 50 0 1 5 0 1 0
launch_game
find_box 10 >/dev/null || fail "no information box captioned 10"
find_window && fail "the window came before the box"
answer_box 10 Return
wait_for find_window "$start_seconds" || fail "no window after the box"
measure_window
key q
expect_exit 0
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes"
[ "$(save_value 1)" = 77 ] || fail "record $(save_value 1)"
[ "$(save_value 6)" = 6 ] || fail "games played $(save_value 6)"
[ "$(save_value 10)" = 1 ] || fail "warnings $(save_value 10)"
finish
