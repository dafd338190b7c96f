#!/usr/bin/env bash
# cmake --install under a prefix in the player's home, and under /usr and /usr/local into a DESTDIR: every
# file where it belongs, the command in the manifest, the program stripped, the launcher, icons, metainfo
# and manual page valid, and the game started by the launcher's command from each, with the window's
# class the application id.
. "$(dirname "$0")/lib.sh"

build=$CINQUOR_BUILD_DIR
id=fr.cinquor.LeCinquor
sizes="16 24 32 48 64 128 256"

check_tree() {  # PREFIX ROOT
  local prefix=$1 root=$2 what="install under $1"
  grep -qx "$prefix/bin/le-cinquor" "$build/install_manifest.txt" || fail "$what: bin/le-cinquor not in the manifest"
  local binary="$root/libexec/le-cinquor/cinquor"
  [ -x "$binary" ] || fail "$what: no program in libexec/le-cinquor"
  readelf -S "$binary" | grep -q '\.symtab' && fail "$what: the program is not stripped"
  for f in Config.txt nuit.txt contraste.txt casino.txt fond.bmp des.bmp lisez-moi.txt; do
    [ -f "$root/share/le-cinquor/$f" ] || fail "$what: share/le-cinquor/$f is missing"
  done
  local launcher="$root/share/applications/$id.desktop"
  desktop-file-validate "$launcher" || fail "$what: the launcher is not valid"
  grep -qx "StartupWMClass=$id" "$launcher" || fail "$what: no StartupWMClass"
  command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$launcher")
  PATH="$root/bin" command -v "$command" >/dev/null || fail "$what: the launcher's command $command is not in bin/"
  for size in $sizes; do
    local icon="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "$what: no $size-pixel icon"
  done
  grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "$what: no scalable icon"
  local report
  report=$(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "$what: metainfo not valid: $report"
  grep -Eq '^[EW]:' <<<"$report" && fail "$what: metainfo: $report"
  local page
  page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man6/le-cinquor.6.gz" 2>&1) ||
    fail "$what: the manual page cannot be read"
  [[ "$page" == *"le-cinquor - jeu de dés"* && "$page" != *warning* ]] || fail "$what: the manual page: $page"
}

start_installed() {  # ROOT
  program="$1/bin/$command"
  start_game
  is_felt "$(board_pixel 250 130)" || fail "installed under $1: no board (its files were not found)"
  xdotool search --classname "^$id\$" >/dev/null || fail "installed under $1: the window's class is not $id"
  key q
  expect_exit 0
}

home_prefix="$work/home/.local"
cmake --install "$build" --prefix "$home_prefix" --strip >"$work/install.log" 2>&1 || fail "cmake --install failed"
check_tree "$home_prefix" "$home_prefix"
start_installed "$home_prefix"
for prefix in /usr /usr/local; do
  destdir="$work/destdir$prefix"
  DESTDIR="$destdir" cmake --install "$build" --prefix "$prefix" --strip >>"$work/install.log" 2>&1 ||
    fail "cmake --install with DESTDIR failed"
  check_tree "$prefix" "$destdir$prefix"
  start_installed "$destdir$prefix"
done
finish
