#!/usr/bin/env bash
# Quitting and killing the game at random moments of its save never leaves a short saved state, and the
# next start removes what the killed copies left; a running copy's files stay.
. "$(dirname "$0")/lib.sh"

RANDOM=${CINQUOR_SEED:-$$}
echo "seed ${CINQUOR_SEED:-$$}"
write_save 0 0 3 50 0 1 5 0 1 0 1
for run in 1 2 3 4 5 6; do
  start_game
  focus
  xdotool key q
  sleep "0.0$((RANDOM % 10))"
  kill -KILL "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
  [ "$(save_size)" -eq 44 ] || fail "run $run: saved state of $(save_size) bytes"
done

# What dead copies leave, and a file of a copy that runs (this test's own shell).
folder=$(dirname "$save_file")
sleep 0.1 & dead=$!
wait "$dead"
cp "$save_file" "$folder/dezo.sav.$dead.tmp"
cp "$save_file" "$folder/dezo.sav.$$.tmp"
: >"$game/instr-$dead.txt"
: >"$game/instr-$$.txt"
start_game
[ -e "$folder/dezo.sav.$dead.tmp" ] && fail "a dead copy's temporary save was left"
[ -e "$game/instr-$dead.txt" ] && fail "a dead copy's script file was left"
[ -e "$folder/dezo.sav.$$.tmp" ] || fail "a running copy's temporary save was removed"
[ -e "$game/instr-$$.txt" ] || fail "a running copy's script file was removed"
rm -f "$folder/dezo.sav.$$.tmp" "$game/instr-$$.txt"
key q
expect_exit 0
[ "$(save_size)" -eq 44 ] || fail "saved state of $(save_size) bytes"
finish
