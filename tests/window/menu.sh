#!/usr/bin/env bash
# The menu's keys: R and Q ask during a game and No keeps it; A turns the background black; the Options
# dialog changes the rolls per turn, which the saved state shows; the About dialog opens and closes.
. "$(dirname "$0")/lib.sh"

start_game
settle  # the first roll ends
click_board 335 250  # "Chance": written, after the warning if the dice are poor
find_box 'Attention!' 3 >/dev/null && answer_box 'Attention!' Return
move_board 250 120
chance_written() { screenshot "$work/shot.png"; [ "$(count_colour "$work/shot.png" 300 240 72 22 808080)" -gt 20 ]; }
expect chance_written "Chance was not written"

key r
answer_box Attention "$no_key"
no_box Attention || fail "No left the question open"
settle
chance_written || fail "No to Rejouer started a new game"
key q
answer_box Attention "$no_key"
no_box Attention || fail "No left the question open"
find_window || fail "No to Quitter closed the window"

key a
expect '[ "$(board_pixel 250 130)" = "0,0,0" ]' 'A did not hide the background: $(board_pixel 250 130)'
key a
expect 'is_felt "$(board_pixel 250 130)"' "A did not bring the background back"

key o
find_box Options >/dev/null || fail "no Options dialog"
if [ "$front" = windows ]; then
  # Each field named by its label, as a screen reader reads them (GTK's are read in window_accessible).
  fields=$("$WINE_LOADER" "$CINQUOR_MSAA_PROBE" --fields Options 2>/dev/null)
  [ "$fields" = "Timing:,Lancers:,Unités Passer:" ] || fail "the Options fields are named: $fields"
fi
answer_box Options Tab Tab Tab 5 Return
no_box Options || fail "the Options dialog stayed open"

key p
find_box 'Le cinquor v 1.14' >/dev/null || fail "no About dialog"
answer_box 'Le cinquor v 1.14' Return
no_box 'Le cinquor v 1.14' || fail "the About dialog stayed open"

key q
answer_box Attention "$yes_key"
expect_exit 0
[ "$(save_value 2)" = 5 ] || fail "lancers $(save_value 2) after the Options dialog"
finish
