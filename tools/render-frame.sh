#!/usr/bin/env bash
# Renders one frame of the board into a PNG, to look at it:
#   tools/render-frame.sh [--native] OUTPUT.png [partie|fin|fresh|aide] [CONFIG]
# On real GDI under Wine with the Windows build tree (build/windows), or with --native on Cairo with the
# native tree (build/native); both are made by ./test.sh. The game's shipped folder (dist/) is copied to
# a scratch folder first; CONFIG is one of its looks (Config.txt, the default, nuit.txt, contraste.txt,
# casino.txt) or the path of another configuration file.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
native=0
if [ "${1:-}" = "--native" ]; then native=1; shift; fi
out=$(realpath -m "$1")
state=${2:-partie}
config=${3:-Config.txt}
build="$top/build/$([ $native -eq 1 ] && echo native || echo windows)"
renderer="$build/tools/render_frame$([ $native -eq 1 ] || echo .exe)"
[ -x "$renderer" ] || { echo "$build is missing its frame renderer: run ./test.sh first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/dist/." "$work/"
[ -f "$work/$config" ] || cp "$config" "$work/"  # not one of the shipped looks: a file of its own
config=$(basename "$config")
cd "$work"
if [ $native -eq 1 ]; then
  "$renderer" "$config" frame.bmp "$state"
else
  . "$build/wine-env.sh"
  "$WINE_LOADER" "$renderer" "$config" frame.bmp "$state"
fi
convert frame.bmp "$out"
echo "$out"
