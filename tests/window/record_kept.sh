#!/usr/bin/env bash
# The record, the settings and the games played outlast the game: started again (the page loaded again),
# it finds them as it left them, and counts one game more. The page does so without the network too,
# and a new build of its folder takes the place of the one its worker kept.
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

if [ "$front" = web ]; then
  # The page as a phone keeps it: a browser may install it, its worker keeps its files, and with the
  # network cut it loads, draws, rolls and keeps the record.
  start_game
  [ "$(web installable)" = none ] || fail "the page cannot be installed: $(web installable)"
  expect '[[ "$(web kept)" == *" complete" ]]' 'the files are not kept for offline play: $(web kept)' 30
  key q
  expect_exit 0
  web offline on >/dev/null
  start_game
  settle
  cp "$work/still.png" "$work/before-roll.png"
  key space
  settle "$work/before-roll.png"   # the dice rolled
  key q
  expect_exit 0
  [ "$(save_value 1)" = 77 ] && [ "$(save_value 6)" = 9 ] ||
    fail "offline, record $(save_value 1) and games played $(save_value 6), expected 77 and 9"
  web offline off >/dev/null

  # A new build of the folder (another version): the next visit runs it, asks for none of the old
  # build's files, and its worker keeps the new build's files in place of the old ones.
  old=$(web version)
  printf '\r\n' >>"$game/lisez-moi.txt"
  node "$(dirname "$0")/../../tools/pack_web.mjs" "$game" >/dev/null
  start_game
  [ "$(web version)" != "$old" ] || fail "the next visit still runs the old build $old"
  expect '[[ "$(web kept)" == "le-cinquor-$(web version) complete" ]]' 'the new build is not kept in place of the old: $(web kept)' 30
  [ "$(web mixed)" = 0 ] || fail "the page asked for $(web mixed) files of another build"
  key q
  expect_exit 0
fi
finish
