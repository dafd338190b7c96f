#!/usr/bin/env bash
# A configuration named by the first argument, relative to the program's folder although the game is
# started from elsewhere: its timer and rolls reach the saved state, its decoration the board.
. "$(dirname "$0")/lib.sh"

printf 'timer=80\r\nlancers=4\r\nFillRect(0; 0; 511; 12; magenta)\r\n' >"$game/essai.cfg"
start_game essai.cfg
expect '[ "$(board_pixel 250 5)" = "255,0,255" ]' 'the decoration is not on the board: $(board_pixel 250 5)'
is_felt "$(board_pixel 250 130)" || fail "the shipped Config.txt was read instead"
no_script_file || fail "the script file was not deleted"
key q
expect_exit 0
[ "$(save_value 2)" = 4 ] || fail "lancers $(save_value 2)"
[ "$(save_value 3)" = 80 ] || fail "timer $(save_value 3)"
finish
