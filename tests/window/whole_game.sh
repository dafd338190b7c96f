#!/usr/bin/env bash
# A whole game with the pointer: the fifteen categories written one after the other, Cinquor last (it
# closes only on a zero, so it is written again while it scores), until every category shows as written;
# a click then starts the next game with the sheet open again, and Q keeps the game's score as the record
# and counts both games. With CINQUOR_BY_KEYS=1 the same game is played with the keyboard alone: the
# arrows take the cursor along the sheet and Enter writes, then starts the next game.
. "$(dirname "$0")/lib.sh"
by_keys=${CINQUOR_BY_KEYS:-}

# An open category's name is yellow, a written one grey.
cell() { echo $((100 * ($1 % 5))) $((180 + 30 * ($1 / 5))) 72 22; }
# shellcheck disable=SC2046
is_open() { [ "$(count_colour "$work/sheet.png" $(cell "$1") FFFF00)" -gt 8 ]; }
# shellcheck disable=SC2046
is_written() { [ "$(count_colour "$work/sheet.png" $(cell "$1") 808080)" -gt 8 ]; }
at=-1   # the keyboard's cursor, hidden: die 1 is control 0, the first category 5 (no pass in this game)
write_category() {
  if [ -z "$by_keys" ]; then click_board $((100 * ($1 % 5) + 35)) $((190 + 30 * ($1 / 5))); return; fi
  while [ "$at" -lt "$(($1 + 5))" ]; do key Right; at=$((at + 1)); done   # the first Right shows it on die 1
  key Return
}
# Away from the sheet: the pointer off it (a pointed cell is lit); the keyboard's cursor stays.
away() { [ -n "$by_keys" ] || move_board 250 120; }
# The sheet, nothing pointed on it.
sheet() { away; screenshot "$work/sheet.png"; }
# each TEST CATEGORY...: the test holds for each category on a new look at the sheet.
each() {
  local test=$1 category
  shift
  sheet
  for category in "$@"; do "$test" "$category" || return 1; done
}

write_save 0 0 3 50 0 1 5 0 0 0 0   # animations and warnings off: each roll lands at once, no box asks
[ -z "$by_keys" ] || start_atspi   # a screen reader's desktop (GTK)
start_game
expect 'each is_open $(seq 0 14)' "a category is not open at the start"
[ -z "$by_keys" ] || move_board 250 120   # the pointer on no control: the first arrow shows the cursor on die 1
if [ -n "$by_keys" ]; then
  # What a screen reader is given of the board: five dice and fifteen cells; key 1 presses die 1 and
  # takes the focus there (on the page, once the focus is on the board); each arrow tells the focus's
  # move, and key 1 again the release.
  expect '[[ "$(board_parts)" == "5 dice, 15 cells, pressed: ; "* ]]' 'the parts: $(board_parts)' 30
  if [ "$front" = web ]; then
    for _ in 1 2 3; do [ "$(web focused)" = board ] && break; key Tab; done   # through the menu bar to the board
  fi
  key 1
  expect '[[ "$(board_parts)" == "5 dice, 15 cells, pressed: Dé 1 : "*"; focused: "*"Dé 1 : "* ]]' 'after key 1: $(board_parts)'
  watch_events "$work/told.txt"
  key Right
  key Right
  key 1
  expect '[[ "$(board_parts)" == *"pressed: ; "* ]]' 'die 1 still held: $(board_parts)'
  # The release is told, in the game's words, through each front end's own channel.
  if [ "$front" = web ]; then
    expect '[[ "$(web told)" == *"Dé 1 relâché : "* ]]' 'the release was not told: $(web told)'
  else
    told_focus() { sed -n 's/^focus: //p' "$work/told.txt" | cut -c1-5 | tr '\n' '/'; }
    expect '[ "$(told_focus)" = "Dé 2/Dé 3/Dé 1/" ]' 'the focus told: $(told_focus)'
    expect 'grep -q "^told: .*Dé 1 relâché : " "$work/told.txt"' 'the release was not told: $(cat "$work/told.txt")'
  fi
  at=0
fi

for category in $(seq 0 14); do write_category "$category"; done
expect 'each is_written $(seq 0 13)' "a category is not written after its click"
for _ in 1 2 3 4 5; do
  away
  settle
  cp "$work/still.png" "$work/sheet.png"
  is_open 14 || break
  write_category 14   # five equal dice scored in Cinquor: it stays open for a zero
  away
  settle "$work/sheet.png"   # the score grows, or Cinquor closes
done
expect 'each is_written $(seq 0 14)' "a category is not written at the end of the game"

if [ "$front" = web ] && [ -z "$by_keys" ]; then
  # The end of the game is told once, not at every frame, while the pointer crosses the board.
  told=$(web announcements)
  [ "$told" -le 1 ] || fail "the status line changed $told times at the end of the game"
fi
if [ -n "$by_keys" ]; then key Return; else click_board 250 120; fi   # either starts the next game
expect 'each is_open 0 7 14' "a category is not open in the next game"

key q
expect_exit 0
[ "$(save_value 1)" -gt 0 ] || fail "no record after a whole game: $(save_value 1)"
[ "$(save_value 4)" = 0 ] || fail "the record is marked, the rules were the standard ones"
[ "$(save_value 6)" = 7 ] || fail "games played $(save_value 6), expected 7"
finish
