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
    # Xvfb takes the first free display itself (-displayfd), so trees tested at once never share one.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    display=""
    for _ in $(seq 100); do
      grep -q '^[0-9]' "$state/display" 2>/dev/null && { display=":$(head -n 1 "$state/display")"; break; }
      sleep 0.1
    done
    [ -n "$display" ] && DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 ||
      { echo "no X display could be started"; exit 1; }
    export DISPLAY=$display
    # A window manager: without one Wine stalls on every hide or close, and keys go astray.
    # Its own settings without the desktop's menus: a click of a test that lands beside the game's window
    # must not open a menu that then takes every key of the scenarios after it.
    sed '/<context name="Root">/,/<\/context>/d' /etc/xdg/openbox/rc.xml >"$state/openbox-rc.xml"
    setsid openbox --config-file "$state/openbox-rc.xml" >"$state/openbox.log" 2>&1 &
    echo $! >"$state/openbox.pid"
    # Wait until it manages windows: a window mapped while it starts may be reparented in mid-map.
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
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
