#!/usr/bin/env bash
# The end of the player's session under a game: a record made in this run is kept, and the game ends
# with 0. On Linux: SIGTERM, SIGHUP, SIGINT, and the display going away; SIGTERM while another copy holds
# the save lock for ever, and twice while the box of a failed save is open: the game ends within five
# seconds all the same. On Windows: a log-off.
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

# Another copy stopped in its save holds the lock for ever: the game waits for it two seconds, then
# saves without it, and ends.
lock="$(dirname "$save_file")/dezo.sav.lock"
new_record
exec 9>"$lock"
flock -x 9 || fail "the lock cannot be taken"
end_session TERM
expect_exit 0 5
exec 9>&-
record_kept "SIGTERM while another copy holds the lock"

# A save that fails (the game's data folder is a file) opens "Oups..." when the player quits; the
# session's end then ends the game all the same, with no box, and says it on the standard error.
folder=$(dirname "$save_file")
rm -rf "$folder"
start_game
: >"$folder"   # the folder of the record gone, a file in its place: nothing can be saved now
key q
find_box 'Oups...' >/dev/null || fail "no box for the failed save"
end_session TERM
end_session TERM
expect_exit 1 5
grep -q "pas pu enregistrer" "$work/game.log" || fail "the failed save was not said"
no_box 'Oups...' || fail "the box outlived the game"
rm -f "$folder"

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
