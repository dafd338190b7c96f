#!/usr/bin/env bash
# Two tabs of the page on one record: the first makes a record and is hidden (it saves); the second,
# which knew none, is hidden twice and closed (it saves each time). The first tab's record and both
# tabs' games stay.
. "$(dirname "$0")/lib.sh"

write_save 0 0 3 50 0 1 5 0 1 0 0   # warnings off: the write needs no answer
start_game
web second >/dev/null || fail "no second tab"
settle  # the first roll ends
click_board 335 250   # Chance: a record, since there was none
settle "$work/still.png"
web hide >/dev/null
made=$(save_value 1)
[ "$made" -gt 0 ] || fail "the first tab saved no record"
[ "$(save_value 6)" = 6 ] || fail "games played $(save_value 6) after the first tab's save"
for _ in 1 2; do web hide second >/dev/null; done
web close_second >/dev/null
[ "$(save_value 1)" = "$made" ] || fail "the second tab undid the record: $(save_value 1), not $made"
[ "$(save_value 6)" = 7 ] || fail "games played $(save_value 6), not 5 + 2"
finish
