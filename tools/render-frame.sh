#!/usr/bin/env bash
# Renders one frame of the board under Wine into a PNG, to look at it:
#   tools/render-frame.sh OUTPUT.png [partie|fin|fresh] [CONFIG]
# Uses the Windows build tree (build/windows, made by ./test.sh), its shipped pictures, and CONFIG
# (default: the shipped Config.txt, or none). The files are copied to a scratch folder first.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
state=${2:-partie}
config=${3:-}
build="$top/build/windows"
[ -x "$build/tools/render_frame.exe" ] || { echo "build/windows is missing: run ./test.sh first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build"/images/fond.bmp "$build"/images/des.bmp "$work"/
if [ -n "$config" ]; then cp "$config" "$work/Config.txt"
elif [ -f "$top/resources/Config.txt" ]; then cp "$top/resources/Config.txt" "$work/Config.txt"
else : > "$work/Config.txt"; fi
. "$build/wine-env.sh"
cd "$work"
"$WINE_LOADER" "$build/tools/render_frame.exe" Config.txt frame.bmp "$state"
convert frame.bmp "$out"
echo "$out"
