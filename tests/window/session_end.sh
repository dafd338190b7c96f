#!/usr/bin/env bash
# The end of the player's session under a game: a record made in this run is kept, and the game ends
# with 0. On Linux: SIGTERM, SIGHUP, SIGINT, and the display going away; on Windows: a log-off.
. "$(dirname "$0")/lib.sh"

# new_record: a game started on a save without a record, whose first write, Chance, makes one.
new_record() {
  write_save 0 0 3 50 0 1 5 0 1 0 0   # warnings off: the write needs no answer
  start_game "$@"
  settle  # the first roll ends
  click_board 335 250
  # The score climbs, and the record with it: the board stands still when both are shown in full.
  settle "$work/still.png"
}

record_kept() {
  [ "$(save_size)" -eq 44 ] || fail "$1: saved state of $(save_size) bytes"
  [ "$(save_value 1)" -gt 0 ] || fail "$1: the new record was lost"
  [ "$(save_value 6)" = 6 ] || fail "$1: games played $(save_value 6)"
}

if [ "$front" = windows ]; then
  new_record
  end_session
  expect_exit 0
  record_kept "log-off"
  finish
  exit 0
fi

for signal in TERM HUP INT; do
  new_record
  end_session "$signal"
  expect_exit 0 5
  record_kept "SIG$signal"
done

# The display itself goes away, as at the end of an X session: a display of this test's own.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
wait_for 'grep -q "^[0-9]" "$work/display"' 10 || fail "no display of the test's own"
shared_display=$DISPLAY
export DISPLAY=":$(head -n 1 "$work/display")"
wait_for 'xdotool getdisplaygeometry' 10 || fail "no display of the test's own"
new_record
kill "$xvfb"
expect_exit 0 5
record_kept "display lost"
export DISPLAY=$shared_display
finish
