#!/usr/bin/env bash
# setup.sh start|stop STATE-FOLDER: the private X display (Xvfb with openbox) and, for the Windows
# program (CINQUOR_FRONT=windows, the default), a booted Wine prefix that each window test copies. Output
# goes to a log and stdin is closed, so that nothing started here holds ctest's pipes.
set -u
state=$2
front=${CINQUOR_FRONT:-windows}
[ "$front" = windows ] && . "$CINQUOR_WINE_ENV"
case "$1" in
  start)
    rm -rf "$state"
    mkdir -p "$state"
    exec >"$state/setup.log" 2>&1 </dev/null
    display=""
    for n in $(seq 91 140); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
      setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
      echo $! >"$state/xvfb.pid"
      for _ in $(seq 50); do
        DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && { display=":$n"; break; }
        sleep 0.1
      done
      [ -n "$display" ] && break
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null
    done
    [ -n "$display" ] || { echo "no X display could be started"; exit 1; }
    export DISPLAY=$display
    # A window manager: without one Wine stalls on every hide or close, and keys go astray.
    setsid openbox >"$state/openbox.log" 2>&1 &
    echo $! >"$state/openbox.pid"
    if [ "$front" != windows ]; then
      printf 'export DISPLAY=%s\n' "$DISPLAY" >"$state/env"
      exit 0
    fi
    export WINEPREFIX=$state/template
    "$WINE_SERVER" -k 2>/dev/null
    "$WINE_LOADER" wineboot -i || exit 1
    "$WINE_SERVER" -w
    printf 'export DISPLAY=%s\nTEMPLATE_PREFIX=%s\n' "$DISPLAY" "$WINEPREFIX" >"$state/env"
    ;;
  stop)
    exec >>"$state/setup.log" 2>&1 </dev/null
    for p in openbox xvfb; do
      [ -f "$state/$p.pid" ] && kill "$(cat "$state/$p.pid")" 2>/dev/null
    done
    exit 0
    ;;
esac
