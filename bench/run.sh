#!/usr/bin/env bash
# Runs every benchmark of Le cinquor and prints one table. Figures are ratios measured side by side in
# one run, since absolute times on a shared machine are noise:
#   frame cost   composing a frame on real GDI, beside the bare GDI calls of that frame;
#   idle CPU     the game's CPU time over IDLE seconds with the dice still, beside a minimal window with
#                the same 50 ms timer;
#   start-up     process start to the first full frame on screen, beside the minimal window's first paint.
# Each for the Windows program under Wine and for the native GTK program, in the same run; and for the page
# in headless Chromium: the frame on the canvas, the idle main thread beside a minimal page with the same
# timer, the time to the first full frame beside that page's first paint, and the bytes sent before it.
# bench/run.sh [FRAMES] [IDLE-SECONDS]   (defaults 1000 and 20)
set -u
cd "$(dirname "$0")/.." || exit 1
top=$PWD
frames=${1:-1000}
idle=${2:-20}
tools/deps.sh || exit 1
mkdir -p build
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_WERROR=ON \
  --toolchain cmake/mingw-w64-x86_64.cmake >build/bench.configure.log 2>&1 || { cat build/bench.configure.log; exit 1; }
cmake --build build/windows >build/bench.build.log 2>&1 || { tail -30 build/bench.build.log; exit 1; }
cmake -S . -B build/bench-linux -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_WERROR=ON -DCINQUOR_TESTS=OFF \
  -DCINQUOR_GTK=ON >build/bench-linux.configure.log 2>&1 || { cat build/bench-linux.configure.log; exit 1; }
cmake --build build/bench-linux >build/bench-linux.build.log 2>&1 || { tail -30 build/bench-linux.build.log; exit 1; }
linux=$top/build/bench-linux
NODE_PATH=/usr/share/nodejs cmake -S . -B build/bench-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_WERROR=ON \
  -DCINQUOR_TESTS=OFF --toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  >build/bench-web.configure.log 2>&1 || { cat build/bench-web.configure.log; exit 1; }
NODE_PATH=/usr/share/nodejs cmake --build build/bench-web >build/bench-web.build.log 2>&1 ||
  { tail -30 build/bench-web.build.log; exit 1; }

build=$top/build/windows
state=$build/bench-state
export CINQUOR_WINE_ENV=$build/wine-env.sh
tests/window/setup.sh start "$state" || { cat "$state/setup.log"; exit 1; }
trap '"$top/tests/window/setup.sh" stop "$state"' EXIT
. "$CINQUOR_WINE_ENV"
. "$state/env"

# fresh NAME: a fresh prefix and folder for one program.
fresh() {
  rm -rf "$state/$1"
  mkdir -p "$state/$1"
  export WINEPREFIX=$state/$1/prefix
  cp -a "$TEMPLATE_PREFIX" "$WINEPREFIX"
  cp -r "$build/dist/." "$state/$1/"
  cp "$build/bench/minimal_window.exe" "$build/bench/frame_bench.exe" "$state/$1/"
  cd "$state/$1" || exit 1
}

# CPU time in clock ticks of a process and of the wineserver of the current prefix.
ticks() {
  local total=0 pid
  for pid in "$1" $(pgrep -x wineserver); do
    [ "$pid" = "$1" ] || tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat")))
  done
  echo "$total"
}

# wait_first_frame TITLE: waits until the window so titled shows, at the level of the board's tray, the
# felt green of the board or the minimal window's fill.
wait_first_frame() {
  local id p r g
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)
    if [ -n "$id" ] && import -window "$id" shot.png 2>/dev/null; then
      p=$(convert shot.png -format '%[fx:int(255*p{30,150}.r)],%[fx:int(255*p{30,150}.g)]' info: 2>/dev/null)
      r=${p%,*}
      g=${p#*,}
      [ -n "$r" ] && [ "$g" -gt $((r + 30)) ] && return 0
    fi
    sleep 0.01
  done
  return 1
}

# start PROGRAM TITLE: starts a program (under Wine when $launcher says so); sets pid, and elapsed to the
# seconds until its first frame.
launcher=wine
start() {
  local t0 t1
  t0=$(date +%s.%N)
  if [ "$launcher" = wine ]; then
    "$WINE_LOADER" "$1" >/dev/null 2>&1 &
  else
    XDG_DATA_HOME=$PWD/data "$1" >/dev/null 2>&1 &
  fi
  pid=$!
  wait_first_frame "$2" || echo "no first frame from $1" >&2
  t1=$(date +%s.%N)
  elapsed=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')
}

stop_program() {
  [ -n "${1:-}" ] && kill "$1" 2>/dev/null
  if [ "$launcher" = wine ]; then
    "$WINE_SERVER" -k 2>/dev/null
    "$WINE_SERVER" -w 2>/dev/null
  else
    wait "$1" 2>/dev/null
  fi
}

# fresh_linux NAME: a fresh folder for one native program.
fresh_linux() {
  rm -rf "$state/$1"
  mkdir -p "$state/$1"
  cp -r "$linux/dist/." "$state/$1/"
  cp "$linux/bench/minimal_window" "$linux/bench/frame_bench" "$state/$1/"
  cd "$state/$1" || exit 1
}

echo "| measure | the program | the baseline | ratio | notes |"
echo "|---|---|---|---|---|"

fresh frames
"$WINE_LOADER" ./frame_bench.exe "$frames" 2>&1 | tr -d '\r'
stop_program

# side NAME FRESH GAME: start-up, three times each, and then the idle CPU of one run of each, for the game
# and the minimal window of one platform.
side() {
  local name=$1 fresh=$2 game=$3 program times run
  declare -A startup cpu
  for program in game minimal; do
    times=()
    for run in 1 2 3; do
      "$fresh" "$program"
      if [ "$program" = game ]; then
        start "$game" 'Le cinquor\.\.\.'
      else
        start ./minimal_window$([ "$launcher" = wine ] && echo .exe) 'Fenetre minimale'
      fi
      times+=("$elapsed")
      if [ "$run" -eq 3 ]; then
        sleep 3  # the first roll is over: the dice are still
        before=$(ticks "$pid")
        sleep "$idle"
        after=$(ticks "$pid")
        cpu[$program]=$((after - before))
      fi
      stop_program "$pid"
    done
    startup[$program]=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)
  done
  hz=$(getconf CLK_TCK)
  awk -v g="${cpu[game]}" -v m="${cpu[minimal]}" -v hz="$hz" -v s="$idle" -v n="$name" 'BEGIN {
    printf "| idle CPU over %d s, dice still, %s | %.2f s | %.2f s | %s | |\n",
           s, n, g / hz, m / hz, (m > 0 ? sprintf("%.2f", g / m) : "n/a") }'
  awk -v g="${startup[game]}" -v m="${startup[minimal]}" -v n="$name" 'BEGIN {
    printf "| start-up to the first full frame, %s | %.3f s | %.3f s | %.2f | median of 3 |\n", n, g, m, g / m }'
}

side "Windows under Wine" fresh ./cinquor.exe
launcher=native
fresh_linux frames
./frame_bench "$frames"
side "native GTK" fresh_linux ./cinquor
GDK_SCALE=2 side "native GTK at scale 2" fresh_linux ./cinquor
cd "$top" || exit 1
node bench/page_bench.mjs build/bench-web/web build/bench-web/bench "$frames" "$idle"
