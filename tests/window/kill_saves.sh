#!/usr/bin/env bash
# Quitting and killing the game at random moments of its save never leaves a short saved state, and the
# next start removes what the killed copies left; a running copy's files stay, whatever its number.
. "$(dirname "$0")/lib.sh"

RANDOM=${CINQUOR_SEED:-$$}
echo "seed ${CINQUOR_SEED:-$$}"
write_save 0 0 3 50 0 1 5 0 1 0 1
for run in 1 2 3 4 5 6; do
  start_game
  focus
  xdotool key q
  sleep "0.0$((RANDOM % 10))"  # a random moment of the save: the pause is the test
  kill -KILL "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
  [ "$(save_size)" -eq 44 ] || fail "run $run: saved state of $(save_size) bytes"
done

# What dead copies leave, and the files of a copy that runs where its number means nothing here (another
# PID namespace: 4194305 is past any process number of this system), which it holds.
folder=$(dirname "$save_file")
sleep 0.1 & dead=$!
wait "$dead"
live=4194305
cp "$save_file" "$folder/dezo.sav.$dead.tmp"
cp "$save_file" "$folder/dezo.sav.$live.tmp"
: >"$game/instr-$dead.txt"
: >"$game/instr-$live.txt"
exec 7<"$folder/dezo.sav.$live.tmp" 8<"$game/instr-$live.txt"   # this shell stands for that copy
flock -s 7 && flock -s 8 || fail "the living copy's files cannot be held"
start_game
[ -e "$folder/dezo.sav.$dead.tmp" ] && fail "a dead copy's temporary save was left"
[ -e "$game/instr-$dead.txt" ] && fail "a dead copy's script file was left"
[ -e "$folder/dezo.sav.$live.tmp" ] || fail "a running copy's temporary save was removed"
[ -e "$game/instr-$live.txt" ] || fail "a running copy's script file was removed"
exec 7<&- 8<&-
rm -f "$folder/dezo.sav.$live.tmp" "$game/instr-$live.txt"
key q
expect_exit 0
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes"
finish
