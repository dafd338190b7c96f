#!/usr/bin/env bash
# Started without a display, the Linux program says so in one French line and ends with 0, before it
# reads or writes anything.
set -u
program=$1
export XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1 >/dev/null)
code=$?
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "FAIL: not one line: $err"; exit 1; }
case "$err" in
  *"pas d'écran graphique"*) ;;
  *) echo "FAIL: not the French line: $err"; exit 1 ;;
esac
[ -z "$(ls -A "$XDG_DATA_HOME")" ] || { echo "FAIL: the saved state was touched"; exit 1; }
echo PASS
