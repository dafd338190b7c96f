#!/usr/bin/env bash
# Makes the README's pictures anew: a game in progress in each shipped look, drawn by the frame renderer
# on real GDI under Wine and on Cairo by the native program, into docs/. Needs the build trees of
# ./test.sh (build/windows and build/native).
#   tools/screenshots.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$top/docs"
for look in Config nuit contraste casino; do
  name=$([ "$look" = Config ] && echo vert || echo "$look")
  "$top/tools/render-frame.sh" "$top/docs/$name-windows.png" partie "$look.txt" >/dev/null
  "$top/tools/render-frame.sh" --native "$top/docs/$name-linux.png" partie "$look.txt" >/dev/null
  for system in windows linux; do
    mogrify -strip -define png:compression-level=9 "$top/docs/$name-$system.png"
  done
  echo "docs/$name-windows.png docs/$name-linux.png"
done
