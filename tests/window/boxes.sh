#!/usr/bin/env bash
# Escape and the title bar's close button (alt+F4, through the window manager) on each kind of box: an
# OK box ends as OK, an OK/Cancel box as Cancel, a Yes/No box stays open until Yes or No. Closing the
# main window under an open question saves the state, ends the game with 0 at once and leaves no box.
. "$(dirname "$0")/lib.sh"

# The box of an older saved state (OK), before the window.
write_save 0 0 3 50 0 1 5 0 1 0
launch_game
answer_box 10 Escape
no_box 10 || fail "Escape left the OK box open"
wait_for find_window "$start_seconds" || fail "no window after Escape on the OK box"
measure_window
settle  # the first roll ends

# The warning before a zero in "Cinquor" (OK/Cancel): Escape and the close button both cancel the write.
cinquor_written() { screenshot "$work/shot.png"; [ "$(count_colour "$work/shot.png" 400 240 72 22 808080)" -gt 20 ]; }
# The page's dialogs may also be closed by the browser itself (a second Escape, a phone's back gesture).
closes=(Escape alt+F4)
[ "$front" = web ] && closes+=(close-request)
for close in "${closes[@]}"; do
  click_board 435 250
  if [ "$front" = web ] && [ "$close" = Escape ]; then
    find_box 'Attention!' >/dev/null || fail "no warning"
    [[ "$(web boxtext)" == *'\n'* ]] || fail "the warning's lines run on: $(web boxtext)"
  fi
  answer_box 'Attention!' "$close"
  no_box 'Attention!' || fail "$close left the warning open"
  move_board 250 120
  settle
  cinquor_written && fail "$close on the warning wrote Cinquor"
done

# A game under way: "Chance" written (its warning, if the dice are poor, answered OK).
click_board 335 250
find_box 'Attention!' 3 >/dev/null && answer_box 'Attention!' Return
no_box 'Attention!' || fail "the warning on Chance stayed open"

# Q asks the quit question. Under load Wine has lost that key in CI right after a box closed, three times,
# once a second Q 10 s later too (the game showed its board, its window active for X, and no question;
# never on a quiet machine, never on GTK or the page): Wine no longer counted the window as the one with
# the keyboard. When no question comes, a click where the board has no control makes Wine activate the
# window again, as a click does on Windows, then Q is sent once more; the log says so.
ask_quit() {
  key q
  [ "$front" = windows ] || return 0
  find_box Attention 10 >/dev/null && return
  echo "note: no quit question after Q under Wine; a click on the board, and Q again" >&2
  click_board 450 130
  key q
}

# The quit question (Yes/No): neither Escape nor the close button answers it. Wine, unlike Windows, lets
# both end such a box: the game then takes it as No and goes on.
ask_quit
for close in "${closes[@]}"; do
  answer_box Attention "$close"
  if [ "$front" = windows ]; then
    no_box Attention && find_window || fail "$close on the quit question did not keep the game"
    ask_quit
  else
    # Nothing to wait for: the box must stay. The game is given the time it takes to stand still.
    settle
    find_box Attention >/dev/null || fail "$close closed the Yes/No box"
  fi
done
answer_box Attention "$no_key"
no_box Attention || fail "No left the question open"
find_window || fail "No to Quitter closed the window"

# The main window closed under the open question.
ask_quit
find_box Attention >/dev/null || fail "no quit question"
close_window
expect_exit 0
no_box Attention || fail "the question outlived the game"
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes"
[ "$(save_value 6)" = 6 ] || fail "games played $(save_value 6)"
finish
