#!/usr/bin/env bash
# A soak of the real game: random clicks, keys, menu commands, answers to its boxes and resizes for
# CINQUOR_SOAK_SECONDS (60 by default). Afterwards the window still answers, Q quits with exit code 0 and
# the saved state is a whole record. The seed is printed, so that a failing run can be replayed with
# CINQUOR_SOAK_SEED.
. "$(dirname "$0")/lib.sh"

seconds=${CINQUOR_SOAK_SECONDS:-60}
seed=${CINQUOR_SOAK_SEED:-$(( $(date +%s) % 100000 ))}
echo "soak: $seconds s, seed $seed"
RANDOM=$seed

# Answers whatever box is open, as a hurried player would.
answer_boxes() {
  local id
  for title in 'Attention!' Attention Options 'Le cinquor v 1.14'; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] || continue
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus "$id" >/dev/null 2>&1
    case "$title" in
      'Attention!') keys=(Return Escape) ;;
      Attention) keys=("$yes_key" "$no_key" "$no_key") ;;
      Options) keys=(Escape Escape "Tab Tab Tab $((RANDOM % 6 + 1)) Return" "Tab Tab $((RANDOM % 9 + 1))0 Return") ;;
      *) keys=(Return Escape) ;;
    esac
    # shellcheck disable=SC2086
    xdotool key ${keys[$((RANDOM % ${#keys[@]}))]}
    sleep 0.2  # a hurried player's pace between two boxes
  done
}

start_game
actions=0
end=$(( $(date +%s) + seconds ))
while [ "$(date +%s)" -lt "$end" ]; do
  roll=$((RANDOM % 100))
  to_window $((RANDOM % 511)) $((RANDOM % 446))
  if [ $roll -lt 40 ]; then
    xdotool mousemove --window "$window" "$wx" "$wy" click 1
  elif [ $roll -lt 55 ]; then
    xdotool mousemove --window "$window" "$wx" "$wy"
  elif [ $roll -lt 60 ]; then
    xdotool mousemove --window "$window" "$wx" "$wy" click 3
  elif [ $roll -lt 75 ]; then
    focus; xdotool key space
  elif [ $roll -lt 90 ]; then
    # The menu's keys, but Q (the end of the soak) and T (the read-me in another program).
    letters=(r i a d s x f)
    focus; xdotool key "${letters[$((RANDOM % ${#letters[@]}))]}"
  elif [ $roll -lt 94 ]; then
    focus; xdotool key "$( [ $((RANDOM % 2)) -eq 0 ] && echo o || echo p )"
    find_box Options 2 >/dev/null || find_box 'Le cinquor v 1.14' 2 >/dev/null
  else
    xdotool windowsize "$window" $((250 + RANDOM % 800)) $((200 + RANDOM % 700))
    measure_window
  fi
  actions=$((actions + 1))
  sleep 0.$((RANDOM % 3))  # the player's pace: from none to 0.2 s between two actions
  answer_boxes
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the soak (seed $seed, action $actions)"
done
echo "soak: $actions actions"

# Still answering: a fresh box-free state, the window back to its size, and A changes what it shows.
no_boxes_left() {
  answer_boxes
  for title in 'Attention!' Attention Options 'Le cinquor v 1.14'; do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 && return 1
  done
  return 0
}
expect no_boxes_left "a box stays open (seed $seed)"
find_window || fail "the window is gone (seed $seed)"
focus; xdotool key i
expect 'measure_window; [ "$client_width" -eq 511 ]' "Initial did not give the board its size back (seed $seed)"
settle
cp "$work/still.png" "$work/after1.png"
key a
expect 'screenshot "$work/after2.png"; ! same "$work/after1.png" "$work/after2.png"' "the window no longer answers (seed $seed)"

key q
find_box Attention >/dev/null 2>&1 && answer_box Attention "$yes_key"
expect_exit 0
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes (seed $seed)"
for i in 0 8 9 10; do
  v=$(save_value "$i")
  [ "$v" = 0 ] || [ "$v" = 1 ] || fail "saved flag $i is $v (seed $seed)"
done
[ "$(save_value 6)" -ge 1 ] || fail "games played $(save_value 6)"
finish
