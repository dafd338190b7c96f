# lib.sh -- drives the real game for the window tests: cinquor.exe under Wine or the native GTK program on a
# private Xvfb display, or the game's page in headless Chromium, as CINQUOR_FRONT says (windows, gtk or
# web); every scenario is written once.
# Sourced by each test. The environment comes from ctest: CINQUOR_DIST (the shipped folder),
# CINQUOR_WINE_ENV (the Wine settings of the build tree, Windows only), CINQUOR_WINDOW_STATE (the display
# and, for Windows, the booted template prefix made by setup.sh), CINQUOR_TEST_DIR (a scratch folder).
set -u
front=${CINQUOR_FRONT:-windows}
# The screen's scale factor the native program runs at (GDK_SCALE): the board is that many screen pixels a
# board pixel.
scale=${CINQUOR_SCALE:-1}
[ "$scale" != 1 ] && export GDK_SCALE=$scale
[ "$front" = windows ] && . "$CINQUOR_WINE_ENV"
[ "$front" = web ] || . "$CINQUOR_WINDOW_STATE/env"   # DISPLAY, and TEMPLATE_PREFIX for Windows

work="$CINQUOR_TEST_DIR"
rm -rf "$work"
mkdir -p "$work"
game="$work/game"
cp -r "$CINQUOR_DIST" "$game"
if [ "$front" = windows ]; then
  export WINEPREFIX="$work/prefix"
  cp -a "$TEMPLATE_PREFIX" "$WINEPREFIX"
  save_file="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Le cinquor/dezo.sav"
  program="$game/cinquor.exe"
  yes_key=alt+y   # Wine's boxes speak the locale's language: English here
  no_key=alt+n
elif [ "$front" = web ]; then
  # The page's record lives in the browser's local storage; the driver mirrors it into this file.
  save_file="$work/dezo.sav"
  yes_key=alt+o
  no_key=alt+n
  coproc DRIVER { exec node "$(dirname "${BASH_SOURCE[0]}")/../web/driver.mjs" "$game" "$save_file" "$work/game.log" 2>>"$work/driver.log"; }
else
  export XDG_DATA_HOME="$work/data"
  save_file="$XDG_DATA_HOME/le-cinquor/dezo.sav"
  program="$game/cinquor"
  yes_key=alt+o   # "Oui"
  no_key=alt+n    # "Non"
fi
game_pid=""
helper_pids=""   # what a scenario started beside the game: an accessibility bus, a listener
window=""
menu_height=0
client_width=0
client_height=0
initial_width=0
initial_height=0

# web COMMAND...: one command to the page's driver, and its answer.
web() {
  local answer
  echo "$*" >&"${DRIVER[1]}"
  IFS= read -r answer <&"${DRIVER[0]}" || answer="error: the driver ended"
  echo "$answer"
  [[ $answer != error* ]]
}

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/game.log" ] && { echo "the game's last words:" >&2; tail -n 15 "$work/game.log" >&2; }
  if [ "$front" != web ]; then
    if [ -n "$game_pid" ]; then
      if kill -0 "$game_pid" 2>/dev/null; then echo "the game (process $game_pid) still runs" >&2
      else echo "the game (process $game_pid) has ended" >&2; fi
    fi
    # Every window on the display: its title, and whether it is shown.
    echo "windows on the display:" >&2
    xwininfo -root -tree 2>/dev/null | grep -E '^ +0x' | grep -v '(has no name)' | head -n 30 >&2
    for id in $(xdotool search --name . 2>/dev/null | head -n 20); do
      printf '  %s %s: %s\n' "$id" "$(xwininfo -id "$id" 2>/dev/null | sed -n 's/.*Map State: //p')" \
        "$(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
  fi
  if [ "$front" = windows ]; then
    # Wine's side: the processes of this scenario's prefix, the wineserver among them.
    echo "Wine's processes:" >&2
    ps -eo pid,ppid,stat,etime,time,wchan:20,args | grep -E 'wine|\.exe' | grep -v grep | head -n 20 >&2
  elif [ "$front" = gtk ] && [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    # Where a native game that still runs is: its state and its threads' stacks.
    ps -o pid,stat,etime,time,wchan:24,args -p "$game_pid" >&2
    command -v gdb >/dev/null && timeout 30 gdb -q -batch -p "$game_pid" -ex 'thread apply all bt 25' 2>/dev/null |
      grep -E '^(Thread|#)' | head -n 60 >&2
  fi
  screenshot_root "$work/failure.png" 2>/dev/null && echo "screen at failure: $work/failure.png" >&2
  stop_game
  exit 1
}

# Waits up to $2 seconds (default 10) for command $1 to succeed. Every look at the game goes through it:
# a busy machine may take seconds to show what a quiet one shows at once.
wait_for() {
  local end=$((SECONDS + ${2:-10} + 1))   # whole seconds: waits from $2 to $2 + 1 seconds
  while :; do
    eval "$1" >/dev/null 2>&1 && return 0
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# expect CONDITION MESSAGE [SECONDS]: waits up to SECONDS (default 15) for the condition, else fails with
# the message, whose $(...) and variables, when it is written in single quotes, tell the last look.
expect() { wait_for "$1" "${3:-15}" || eval "fail \"$2\""; }

# same PNG PNG: the two pictures are equal, pixel for pixel.
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }

# settle [PNG]: waits until the window shows the same picture twice, a quarter of a second apart: what the
# game was asked is done and its animations have ended. With PNG, waits first for the window to differ
# from that picture (the asked change has begun). The still picture is left in $work/still.png.
settle() {
  if [ $# -gt 0 ]; then
    cp "$1" "$work/settle-from.png"
    expect 'screenshot "$work/still.png"; ! same "$work/settle-from.png" "$work/still.png"' "the game did not change what it shows"
  else
    screenshot "$work/still.png"
  fi
  expect 'sleep 0.25; screenshot "$work/next.png"; same "$work/still.png" "$work/next.png" ||
          { mv "$work/next.png" "$work/still.png"; false; }' "the game never stood still" 30
}

# launch_game [ARGS...]: starts the game from another folder than its own, in the background. What it
# prints is kept in game.log, every run of the scenario after the other.
launch_game() {
  if [ "$front" = web ]; then
    # The page's query names the look, as the programs' first argument does.
    web launch "${1:+?config=$1}" >/dev/null || fail "the page did not load"
    game_pid=web
    return
  fi
  if [ "$front" = windows ]; then
    (cd "$work" && exec "$WINE_LOADER" "$program" "$@" >>"$work/game.log" 2>&1) &
  else
    (cd "$work" && exec "$program" "$@" >>"$work/game.log" 2>&1) &
  fi
  game_pid=$!
}

# A toolkit warning or critical is a fault of the game, whatever the scenario checks.
check_quiet() {
  [ -f "$work/game.log" ] || return 0
  if grep -Eq -- '-(WARNING|CRITICAL) \*\*' "$work/game.log"; then
    grep -E -- '-(WARNING|CRITICAL) \*\*' "$work/game.log" | head -n 5 >&2
    fail "the game printed a warning or a critical"
  fi
}

# How long a game may take to show its window: the first start on a busy machine, with the other trees'
# tests running beside it, has been seen to take 20 s.
start_seconds=60

# start_game [ARGS...]: launches the game and waits for its window.
start_game() {
  local started=$SECONDS
  launch_game "$@"
  wait_for 'find_window' "$start_seconds" || fail "the game window did not appear"
  echo "the window appeared after $((SECONDS - started)) s"
  measure_window
}

find_window() {
  if [ "$front" = web ]; then
    [ "$(web window)" = yes ] && window=page
    return
  fi
  window=$(xdotool search --onlyvisible --name '^Le cinquor\.\.\.' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# The X window holds the menu bar and the client area: the client starts at the first row below the
# menu bar's light grey. Measured once the window manager has left the window alone (the same geometry
# twice) and its menu bar is drawn.
geometry() {
  if [ "$front" = web ]; then web geometry; else xdotool getwindowgeometry --shell "$window"; fi
}
measure_once() {
  local before
  # A window found in the moment it was replaced (a copy that ended, a window made again) is looked for anew.
  [ "$front" = web ] || xdotool getwindowname "$window" >/dev/null 2>&1 || find_window || return 1
  before=$(geometry) || return 1
  screenshot "$work/measure.png" || return 1
  [ "$(geometry)" = "$before" ] || return 1
  eval "$before"
  # The first row from the fourth down whose pixel in column 2 is not the menu's, read in one pass.
  menu_height=$(convert "$work/measure.png" -crop 1x80+2+0 +repage -depth 8 txt:- |
    sed -n 's/^0,\([0-9]*\): ([^)]*) *#\(..\)\(..\)\(..\).*/\1 \2 \3 \4/p' |
    while read -r y r g b; do
      [ "$y" -ge 4 ] || continue
      is_menu "$((16#$r)),$((16#$g)),$((16#$b))" || { echo "$y"; break; }
    done)
  [ "${menu_height:-0}" -gt 0 ]
}
measure_window() {
  local previous="" now=""
  expect 'measure_once && now="$WIDTH $HEIGHT $menu_height" && [ "$now" = "$previous" ] ||
          { previous=$now; sleep 0.2; false; }' 'no menu bar above the board (window $window: $(geometry | xargs))' 30
  client_width=$WIDTH
  client_height=$((HEIGHT - menu_height))
  if [ "$initial_width" -eq 0 ]; then
    initial_width=$client_width
    initial_height=$client_height
  fi
}

# "r,g,b" of a pixel of a PNG.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The menu bar: white or a light grey.
is_menu() {
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ] && [ $((r - b)) -lt 24 ] && [ $((b - r)) -lt 24 ]
}

# The board's felt: clearly more green than red or blue.
is_felt() {
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ "$g" -gt $((r + 20)) ] && [ "$g" -gt $((b + 10)) ]
}

screenshot() {
  if [ "$front" = web ]; then web shot "$1" >/dev/null; else import -window "$window" "$1"; fi
}
# screenshot_live PNG: what the screen shows, even while the game is busy (the page then replays the
# frames it presented since it started, one a call).
screenshot_live() {
  if [ "$front" = web ]; then web live "$1" >/dev/null; else screenshot "$1"; fi
}
screenshot_root() {
  if [ "$front" = web ]; then web shot "$1" >/dev/null; else import -window root "$1"; fi
}

# Board coordinates to the X window's, through the scale factor and the stretch from the logical board to
# the client area.
to_window() {
  wx=$(( $1 * scale * client_width / initial_width ))
  wy=$(( $2 * scale * client_height / initial_height + menu_height ))
}

# crop_board PNG X Y W H OUT: the rectangle of board coordinates, cut out of a screenshot.
crop_board() {
  to_window "$2" "$3"
  local x=$wx y=$wy
  to_window $(( $2 + $4 )) $(( $3 + $5 ))
  convert "$1" -crop "$((wx - x))x$((wy - y))+$x+$y" +repage "$6"
}

# board_pixel X Y [PNG]: the colour shown at board position (X, Y).
board_pixel() {
  local shot=${3:-$work/shot.png}
  [ $# -lt 3 ] && screenshot "$shot"
  to_window "$1" "$2"
  pixel "$shot" "$wx" "$wy"
}

# count_colour PNG X Y W H RRGGBB: pixels of that exact colour in a rectangle of board coordinates.
count_colour() {
  to_window "$2" "$3"
  local x=$wx y=$wy
  to_window $(( $2 + $4 )) $(( $3 + $5 ))
  convert "$1" -crop "$((wx - x))x$((wy - y))+$x+$y" +repage -format %c histogram:info:- |
    awk -v c="#$6" 'toupper($0) ~ toupper(c) { gsub(":", "", $1); n += $1 } END { print n + 0 }'
}

focus() {
  [ "$front" = web ] && return
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  # Right after a box closes, Wine may still be giving the activation back: a key sent meanwhile is lost.
  wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]' 2 ||
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
  sleep 0.2  # not a look: the toolkit takes keys only a moment after its window is made active
}

# click_board X Y: a click at board position (X, Y). The pointer rests a moment over the spot before the
# press, and the button a moment down, as a hand's click does: the toolkits see a hover, then a click.
click_board() {
  to_window "$1" "$2"
  [ "$front" = web ] && { web click "$wx" "$wy" >/dev/null; return; }
  xdotool mousemove --window "$window" "$wx" "$wy" sleep 0.15 mousedown 1 sleep 0.1 mouseup 1
}

move_board() {
  to_window "$1" "$2"
  [ "$front" = web ] && { web move "$wx" "$wy" >/dev/null; return; }
  xdotool mousemove --window "$window" "$wx" "$wy"
}

key() {
  focus
  if [ "$front" = web ]; then web key "$@" >/dev/null; else xdotool key "$@"; fi
}

# resize_window WIDTH HEIGHT: the window (the menu bar and the client area) made that large.
resize_window() {
  if [ "$front" = web ]; then web resize "$1" "$2" >/dev/null; else xdotool windowsize "$window" "$1" "$2"; fi
}

# close_window: the main window's close button, with the keys the window manager takes for it.
close_window() {
  focus
  if [ "$front" = web ]; then web close >/dev/null; else xdotool key alt+F4; fi
}

# find_box TITLE [SECONDS]: the id of a visible window so titled (a message box or a dialog), waiting for
# it (10 s by default).
find_box() {
  local title=$1 id=""
  if [ "$front" = web ]; then
    wait_for '[ "$(web box "$title")" = yes ]' "${2:-10}" && echo page
    return
  fi
  wait_for 'id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1); [ -n "$id" ]' "${2:-10}" &&
    echo "$id"
}

# answer_box TITLE KEY...: focuses the box and presses the keys.
answer_box() {
  local id
  id=$(find_box "$1") || fail "no box titled '$1'"
  shift
  if [ "$front" = web ]; then
    web key "$@" >/dev/null
    return
  fi
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  wait_for '[ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ]' 5
  sleep 0.2  # not a look: the box takes keys only a moment after it is made active
  xdotool key "$@"
}

# No script file of the game (instr-<process>.txt) is left in its folder.
no_script_file() { ! compgen -G "$game/instr-*.txt" >/dev/null; }

# end_session: the player's session ends under the game: a signal (SIGTERM unless $1 names another) for
# the Linux program, a log-off that Wine's wineboot announces to the Windows program.
end_session() {
  if [ "$front" = windows ]; then
    "$WINE_LOADER" wineboot --end-session >>"$work/wineboot.log" 2>&1
  else
    kill -s "${1:-TERM}" "$game_pid"
  fi
}

# The ids of the game's visible main windows, one a line.
game_windows() { xdotool search --onlyvisible --name '^Le cinquor\.\.\.' 2>/dev/null; }

# no_box TITLE: no visible window so titled, waiting up to 5 s for one that is closing (a busy window
# manager takes its time).
no_box() {
  local title=$1
  box_gone() {
    if [ "$front" = web ]; then [ "$(web box "$title")" = no ]; else ! xdotool search --onlyvisible --name "^$title\$"; fi
  }
  wait_for box_gone 5
}

# expect_exit [CODE [SECONDS]]: waits for the game to end (15 s at most) and checks its exit code.
expect_exit() {
  local code=0 tries=$(( ${2:-15} * 10 ))
  if [ "$front" = web ]; then
    # The page ends on its farewell (or closed): the record is saved by then.
    wait_for '[ "$(web ended)" = yes ]' "${2:-15}" || fail "the game did not end"
    game_pid=""
    return
  fi
  while kill -0 "$game_pid" 2>/dev/null && [ $tries -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  wait "$game_pid" || code=$?
  game_pid=""
  [ "$code" -eq "${1:-0}" ] || fail "exit code $code, expected ${1:-0}"
}

# What a scenario started beside the game ends with it, and what those started (the accessibility bus's
# own daemon) too.
stop_helpers() {
  local pid
  for pid in $helper_pids; do
    pkill -P "$pid" 2>/dev/null
    kill "$pid" 2>/dev/null
  done
  helper_pids=""
}

stop_game() {
  stop_helpers
  if [ "$front" = web ]; then
    web quit >/dev/null 2>&1
    game_pid=""
    return
  fi
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ "$front" = windows ] && "$WINE_SERVER" -k 2>/dev/null
  game_pid=""
}

# start_atspi: for the GTK program, a private accessibility bus on the test's display, as a screen
# reader's desktop has one; the game started after it joins it.
start_atspi() {
  [ "$front" = gtk ] || return 0
  export XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
  unset NO_AT_BRIDGE
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  xprop -root -remove AT_SPI_BUS
  dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >>"$work/atspi.log" 2>&1 &
  helper_pids="$helper_pids $!"
  expect '[ -S "$work/bus" ]' "the session bus did not start" 20
  /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/atspi.log" 2>&1 &
  helper_pids="$helper_pids $!"
  expect 'xprop -root AT_SPI_BUS | grep -q unix:' "the accessibility bus did not start" 20
}

# board_parts: the board as a screen reader is given it, one line alike on every front end:
# "5 dice, 15 cells, pressed: NAMES; focused: NAMES". GTK's over AT-SPI, Windows' through oleacc by a
# probe in the game's prefix, the page's from Chromium's accessibility tree.
board_parts() {
  case $front in
    web) web parts ;;
    windows) "$WINE_LOADER" "$CINQUOR_MSAA_PROBE" 2>/dev/null ;;
    gtk) /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_parts.py" 2>>"$work/atspi.log" ;;
  esac
}

# watch_events FILE: from now on, what a screen reader is told on the desktops, a line each in FILE: the
# part that takes the focus ("focus: NAME") and what the game tells ("told: TEXT").
watch_events() {
  local events_file=$1
  case $front in
    windows) "$WINE_LOADER" "$CINQUOR_MSAA_PROBE" --events >"$1" 2>/dev/null & ;;
    gtk) /usr/bin/python3 -u "$(dirname "${BASH_SOURCE[0]}")/atspi_parts.py" --events >"$1" 2>>"$work/atspi.log" & ;;
    *) return 0 ;;
  esac
  helper_pids="$helper_pids $!"
  expect 'grep -q "^ready" "$events_file"' "the screen reader's listener did not start" 20
}

# save_value I: the I-th 32-bit value of the saved-state file, little-endian, signed.
save_value() { od -An -t d4 -j $(( $1 * 4 )) -N 4 "$save_file" | tr -d ' '; }
save_size() { stat -c %s "$save_file"; }

# write_save V0 V1 ...: a saved-state file of these values.
write_save() {
  mkdir -p "$(dirname "$save_file")"
  : >"$save_file"
  for v in "$@"; do
    printf '%08x' $(( v & 0xFFFFFFFF )) | sed 's/\(..\)\(..\)\(..\)\(..\)/\\x\4\\x\3\\x\2\\x\1/' |
      xargs -0 printf >>"$save_file"
  done
}

finish() {
  check_quiet
  stop_helpers
  [ "$front" = web ] && web quit >/dev/null
  if [ "$front" = windows ]; then
    "$WINE_SERVER" -k 2>/dev/null
    "$WINE_SERVER" -w 2>/dev/null
  fi
  echo "PASS"
}
