#!/usr/bin/env bash
# A whole frame of a game under way on the canvas, against the same frame on Cairo: the same pixels but
# for the edges of glyphs, which FreeType and the browser smooth each their own way.
#   frame_matches_cairo.sh NATIVE-BUILD WEB-TOOLS-FOLDER SCRATCH
# Skipped (77) without the native tree's frame renderer (the README's test command builds it first).
set -u
native=$1 web=$2 work=$3
[ -x "$native/tools/render_frame" ] || { echo "no native frame renderer in $native: skipped"; exit 77; }
rm -rf "$work" && mkdir -p "$work" && cp -r "$native/dist/." "$work/" || exit 1
(cd "$work" && "$native/tools/render_frame" Config.txt cairo.bmp partie) || { echo "FAIL: no Cairo frame"; exit 1; }
node "$(dirname "$0")/run_page.mjs" "$web" render_frame.js Config.txt canvas.bmp partie \
  --save canvas.bmp "$work/canvas.bmp" || { echo "FAIL: no canvas frame"; exit 1; }
# Pixels apart by more than a quarter of the colour range: glyph edges only, under 2.5 % of the board.
differ=$(compare -metric AE -fuzz 25% "$work/cairo.bmp" "$work/canvas.bmp" null: 2>&1)
echo "$differ pixels differ"
[ "${differ%% *}" -lt $((511 * 446 / 40)) ] || { echo "FAIL: the canvas frame is not Cairo's"; exit 1; }
echo PASS
