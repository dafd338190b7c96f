#!/usr/bin/env bash
# A turn by hand: a click holds a die (its label lights), a space rolls the others, and a poor write in
# "Cinquor" asks first: Cancel keeps the category open, OK closes it. Natively it runs at a scale factor
# of 2 too: the window is twice the size, and the board's text is drawn at the screen's pixels, not
# doubled.
. "$(dirname "$0")/lib.sh"

label() { count_colour "$1" $((72 + 72 * $2)) 80 66 22 "$3"; }

start_game
[ "$client_width" -eq $((511 * scale)) ] || fail "client area $client_width pixels wide at scale $scale"
settle  # the first roll ends
cp "$work/still.png" "$work/before.png"
if [ "$scale" -gt 1 ]; then
  # "Score 00000" and "Record": a copy made of whole blocks of scale x scale pixels differs from it.
  crop_board "$work/before.png" 0 310 200 60 "$work/text.png"
  convert "$work/text.png" -sample "$((100 / scale))%" -sample "$((100 * scale))%" "$work/blocks.png"
  split=$(compare -metric AE "$work/text.png" "$work/blocks.png" null: 2>&1)
  [ "${split%% *}" -gt 500 ] || fail "the board's text is pixel-doubled at scale $scale ($split pixels differ)"
fi
[ "$(label "$work/before.png" 1 FF0000)" -eq 0 ] || fail "die 1 held from the start"
click_board 171 44
expect 'screenshot "$work/pointed.png"; [ "$(label "$work/pointed.png" 1 FF0000)" -gt 20 ]' "the label of die 1 did not light"
[ "$(label "$work/pointed.png" 2 FF0000)" -eq 0 ] || fail "the label of die 2 lit"
# The pointer off the dice, whose pointed one is tinted (it is in the look that found the label lit: the
# pointer came before the click): the die's own picture changes when the tint goes.
crop_board "$work/pointed.png" 147 20 48 48 "$work/die1-pointed.png"
move_board 250 120
expect 'screenshot "$work/held.png"; crop_board "$work/held.png" 147 20 48 48 "$work/die1-held.png";
        ! same "$work/die1-pointed.png" "$work/die1-held.png"' "the pointer never left the die"

# A space rolls the dice that are not held: the held one keeps its face.
crop_board "$work/held.png" 147 20 48 48 "$work/die1-before.png"
crop_board "$work/held.png" 75 20 360 48 "$work/dice-before.png"
key space
settle "$work/held.png"  # the roll begins, then ends
cp "$work/still.png" "$work/rolled.png"
crop_board "$work/rolled.png" 147 20 48 48 "$work/die1-after.png"
crop_board "$work/rolled.png" 75 20 360 48 "$work/dice-after.png"
[ "$(compare -metric AE "$work/die1-before.png" "$work/die1-after.png" null: 2>&1)" = 0 ] || fail "the held die changed"
[ "$(compare -metric AE "$work/dice-before.png" "$work/dice-after.png" null: 2>&1)" != 0 ] || fail "the space rolled nothing"
if [ "$front" = web ]; then
  # The page's mirror, not told the faces while they roll, names those the roll stopped on.
  rolled() {
    local told
    told=$(web told)
    tr '/' '\n' <<<"$told" | sed -n 's/^Lancer [0-9]* sur [0-9]* : \([0-9]*, [0-9]*, [0-9]*, [0-9]*, [0-9]*\).*/\1/p' | tail -1
  }
  expect '[ -n "$(rolled)" ] && [ "$(web faces)" = "$(rolled)" ]' 'the mirror names $(web faces), the roll told $(rolled)'
fi

# A second click lets the die go again.
click_board 171 44
move_board 250 120
expect 'screenshot "$work/released.png"; [ "$(label "$work/released.png" 1 FF0000)" -eq 0 ]' "the second click did not release die 1"

cinquor_yellow() { count_colour "$1" 400 240 72 22 FFFF00; }
cinquor_grey() { count_colour "$1" 400 240 72 22 808080; }
click_board 430 250
answer_box 'Attention!' Escape
no_box 'Attention!' || fail "the box stayed open"
settle
[ "$(cinquor_yellow "$work/still.png")" -gt 20 ] || fail "Cinquor was written after Cancel"
click_board 430 250
answer_box 'Attention!' Return
move_board 250 120
expect 'screenshot "$work/written.png"; [ "$(cinquor_grey "$work/written.png")" -gt 20 ]' "Cinquor is not shown as written"
[ "$(cinquor_yellow "$work/written.png")" -eq 0 ] || fail "Cinquor is still open after OK"

key q
answer_box Attention "$yes_key"
expect_exit 0
finish
