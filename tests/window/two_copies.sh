#!/usr/bin/env bash
# Two copies of the game at once on one saved state and one folder: each shows its own decorations, and
# whichever quits last keeps the record the other made and counts both games.
. "$(dirname "$0")/lib.sh"

# Pairs started together, each with a look of its own: the script files of the two never mix.
printf 'FillRect(0; 0; 511; 12; magenta)\r\n' >"$game/rose.txt"
printf 'FillRect(0; 0; 511; 12; cyan)\r\n' >"$game/cyan.txt"
for pair in 1 2 3; do
  launch_game rose.txt
  first=$game_pid
  launch_game cyan.txt
  second=$game_pid
  wait_for '[ "$(game_windows | wc -l)" -ge 2 ]' "$start_seconds" || fail "pair $pair: two windows did not appear"
  x=0
  for window in $(game_windows); do
    xdotool windowmove --sync "$window" $x 0   # side by side: each screenshot shows its own window
    x=$((x + 640))
  done
  # tops: the decoration each window shows, once both show one.
  two_tops() {
    tops=""
    for window in $(game_windows); do
      measure_window
      tops="$tops $(board_pixel 250 5)"
    done
    case "$tops" in *"255,0,255"*"0,255,255"* | *"0,255,255"*"255,0,255"*) ;; *) false ;; esac
  }
  tops=""
  expect two_tops 'pair $pair: the two windows show$tops instead of one decoration each'
  for window in $(game_windows); do key q; done
  game_pid=$first; expect_exit 0
  game_pid=$second; expect_exit 0
  no_script_file || fail "pair $pair: a script file was left"
done

# The record: the first copy makes one and quits, the second, which knew none, quits after it.
write_save 0 0 3 50 0 1 5 0 1 0 0   # warnings off
launch_game
first=$game_pid
wait_for '[ "$(game_windows | wc -l)" -ge 1 ]' "$start_seconds" || fail "no first window"
first_window=$(game_windows | head -n 1)
launch_game
second=$game_pid
wait_for '[ "$(game_windows | wc -l)" -ge 2 ]' "$start_seconds" || fail "no second window"
second_window=$(game_windows | grep -vx "$first_window" | head -n 1)
xdotool windowmove --sync "$first_window" 0 0
xdotool windowmove --sync "$second_window" 640 0
window=$first_window
measure_window
settle  # the first roll ends
click_board 335 250
settle "$work/still.png"  # the score climbs, and the record with it
key q
answer_box Attention "$yes_key"
game_pid=$first; expect_exit 0
made=$(save_value 1)
[ "$made" -gt 0 ] || fail "the first copy saved no record"
window=$second_window
key q
game_pid=$second; expect_exit 0
[ "$(save_value 1)" = "$made" ] || fail "the second copy undid the record: $(save_value 1), not $made"
[ "$(save_value 6)" = 7 ] || fail "games played $(save_value 6), not 5 + 2"
finish
