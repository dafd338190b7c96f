#!/usr/bin/env bash
# The record, the settings and the games played outlast the game: started again (the page loaded again),
# it finds them as it left them, and counts one game more.
. "$(dirname "$0")/lib.sh"

write_save 0 77 4 50 0 1 5 0 1 0 1
for games in 6 7; do
  start_game
  key q
  expect_exit 0
  [ "$(save_value 1)" = 77 ] || fail "record $(save_value 1) after game $games"
  [ "$(save_value 2)" = 4 ] || fail "lancers $(save_value 2) after game $games"
  [ "$(save_value 6)" = "$games" ] || fail "games played $(save_value 6), expected $games"
done
finish
