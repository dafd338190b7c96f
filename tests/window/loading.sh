#!/usr/bin/env bash
# The first paint shows "Chargement..." in orange on black until the surfaces are built; a heavy
# decoration script holds that moment long enough to see it, and the board follows.
. "$(dirname "$0")/lib.sh"

printf 'include=lourd.txt\r\n' >"$game/lent.cfg"
for _ in $(seq 400); do echo "fillrect(0;0;511;446;rgb(20;92;56))"; done >"$work/block"
for _ in $(seq 250); do cat "$work/block"; done >"$game/lourd.txt"

# look_for_loading: 0 once "Chargement..." is seen, 1 when the board comes first, 2 when neither shows.
look_for_loading() {
  local n felt
  for _ in $(seq 150); do  # a busy machine may paint the first frame late
    screenshot_live "$work/loading.png" 2>/dev/null || continue
    # "Chargement..." at (200, 200) of the client, in red 255, green 192, blue 0; the board has felt there.
    read -r n felt < <(convert "$work/loading.png" -crop 160x60+190+200 +repage -format %c histogram:info:- |
      awk '{ gsub(":", "", $1); rgb = $0; sub(/^[^(]*\(/, "", rgb); split(rgb, c, ",") }
           toupper($0) ~ /#FFC000/ { n += $1 }
           c[2] + 0 > c[1] + 20 && c[2] + 0 > c[3] + 10 { f += $1 }
           END { print n + 0, f + 0 }')
    [ "$n" -gt 20 ] && return 0
    [ "$felt" -gt 4800 ] && return 1
    sleep 0.05  # the next frame the page presented, or the next look at the screen
  done
  return 2
}
# Under a busy window manager the window may be mapped only once the loading has ended: that run shows
# nothing of the loading message, and the game is started again (at most three times).
for attempt in 1 2 3; do
  launch_game lent.cfg
  wait_for find_window "$start_seconds" || fail "no window"
  look_for_loading && break
  [ $? -eq 1 ] && [ "$attempt" -lt 3 ] || fail "no loading message"
  echo "the board was shown before the window could be seen: the game is started again" >&2
  key q
  expect_exit 0
done
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
