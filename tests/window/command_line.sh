#!/usr/bin/env bash
# The Linux program's command line, without a display: --help and --version answer in French and end
# with 0, an unknown option is named with 2, and without a display the game says so in one French line
# and ends with 0 before it reads or writes anything.
set -u
program=$1
export XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# run ARGS...: sets out, err and code.
run() {
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@" 2>"$XDG_DATA_HOME.err")
  code=$?
  err=$(cat "$XDG_DATA_HOME.err")
  rm -f "$XDG_DATA_HOME.err"
}

run --help
[ "$code" -eq 0 ] && [[ "$out" == *"Utilisation : le-cinquor [APPARENCE]"* ]] && [[ "$out" == *"--version"* ]] ||
  fail "--help: $code, $out"
run -h
[ "$code" -eq 0 ] && [[ "$out" == *"Utilisation"* ]] || fail "-h: $code"
run --display=:99 --help
[ "$code" -eq 0 ] && [[ "$out" == *"Utilisation"* ]] || fail "--help after a GTK option: $code"
run --version
[ "$code" -eq 0 ] && [ "$out" = "Le cinquor 1.14" ] || fail "--version: $code, $out"
if [ -w /dev/full ]; then
  env -u DISPLAY "$program" --help >/dev/full 2>/dev/null
  code=$?
  [ "$code" -eq 1 ] || fail "--help to a full output: exit code $code"
fi
run --en-anglais
[ "$code" -eq 2 ] && [[ "$err" == *"option inconnue « --en-anglais »"* ]] && [ -z "$out" ] ||
  fail "unknown option: $code, $err"
for args in "" "nuit.txt"; do
  # shellcheck disable=SC2086
  run $args
  [ "$code" -eq 0 ] || fail "no display ($args): exit code $code"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [[ "$err" == *"pas d'écran graphique"* ]] ||
    fail "no display ($args): not the French line: $err"
done
[ -z "$(ls -A "$XDG_DATA_HOME")" ] || fail "the saved state was touched"
echo PASS
