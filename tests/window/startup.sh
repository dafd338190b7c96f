#!/usr/bin/env bash
# A first start with the shipped files and no saved state: the board with rolled dice, then Q at once
# quits with exit code 0 and leaves a 44-byte record of the defaults with one game played.
. "$(dirname "$0")/lib.sh"

start_game
settle  # the first roll ends
cp "$work/still.png" "$work/board.png"
is_felt "$(board_pixel 250 130 "$work/board.png")" || fail "no felt on the board"
[ "$(board_pixel 66 18 "$work/board.png")" = "232,220,194" ] || fail "no dice tray on the board"
for die in 0 1 2 3 4; do
  # The first roll started by itself: every die shows a face, mostly ivory.
  to_window $((75 + 72 * die + 8)) 28
  light=$(convert "$work/board.png" -crop 32x32+$wx+$wy -colorspace gray -format '%[fx:int(255*mean)]' info:)
  [ "$light" -gt 150 ] || fail "die $die shows no face (brightness $light)"
done
no_script_file || fail "the script file was not deleted"
if [ "$front" = gtk ]; then
  # Started from its folder too, the window carries the application id that the launcher names.
  xdotool search --class '^fr\.cinquor\.LeCinquor$' >/dev/null || fail "the window's class is not the application id"
fi

key q
expect_exit 0
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes"
expected=(0 0 3 50 0 1 1 0 1 0 1)
for i in "${!expected[@]}"; do
  [ "$(save_value "$i")" = "${expected[$i]}" ] || fail "saved value $i is $(save_value "$i"), expected ${expected[$i]}"
done

# A page whose module cannot load says so, with a way to try again, instead of a dead board.
if [ "$front" = web ]; then
  check_quiet
  rm "$game/cinquor.wasm"*
  web forget >/dev/null   # a first visit: the module kept by the last one is not there to stand in
  launch_game
  expect '[ "$(web failed)" = yes ]' "no word of the failed start"
  : >"$work/game.log"   # the browser's own complaints of the missing module are this check's subject
fi
finish
