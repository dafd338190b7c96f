#!/usr/bin/env bash
# The first paint shows "Chargement..." in orange on black until the surfaces are built; a heavy
# decoration script holds that moment long enough to see it, and the board follows.
. "$(dirname "$0")/lib.sh"

printf 'include=lourd.txt\r\n' >"$game/lent.cfg"
for _ in $(seq 400); do echo "fillrect(0;0;511;446;rgb(20;92;56))"; done >"$work/block"
for _ in $(seq 250); do cat "$work/block"; done >"$game/lourd.txt"

launch_game lent.cfg
wait_for find_window "$start_seconds" || fail "no window"
seen=0
for _ in $(seq 150); do  # a busy machine may paint the first frame late
  screenshot_live "$work/loading.png" 2>/dev/null || continue
  # "Chargement..." at (200, 200) of the client, in red 255, green 192, blue 0.
  n=$(convert "$work/loading.png" -crop 160x60+190+200 +repage -format %c histogram:info:- |
      awk 'toupper($0) ~ /#FFC000/ { gsub(":", "", $1); n += $1 } END { print n + 0 }')
  if [ "$n" -gt 20 ]; then seen=1; break; fi
  sleep 0.05  # the next frame the page presented, or the next look at the screen
done
[ "$seen" -eq 1 ] || fail "no loading message"
[ "$(pixel "$work/loading.png" 100 300)" = "0,0,0" ] || fail "the loading screen is not black"
wait_for 'no_script_file' 60 || fail "the script never ended"
measure_window
expect 'is_felt "$(board_pixel 250 130)"' "no board after the loading message"
key q
expect_exit 0

# A key pressed while the loading message shows opens a box before the surfaces are made: the pictures
# are read all the same once it is answered. (The page alone: the programs take no key before their
# surfaces are made.)
if [ "$front" = web ]; then
  web keyatloading p >/dev/null
  launch_game lent.cfg
  find_box 'Le cinquor v 1.14' 60 >/dev/null || fail "no About box from the key pressed while loading"
  answer_box 'Le cinquor v 1.14' Return
  wait_for 'no_script_file' 60 || fail "the script never ended"
  measure_window
  # The dice picture (the decoration covers the background's): a face, mostly ivory, on the first die.
  die_light() {
    screenshot "$work/dice.png"
    to_window 83 28
    convert "$work/dice.png" -crop 32x32+$wx+$wy -colorspace gray -format '%[fx:int(255*mean)]' info:
  }
  expect '[ "$(die_light)" -gt 150 ]' 'the dice have no picture after the box (brightness $(die_light))' 30
  key q
  expect_exit 0
fi
finish
