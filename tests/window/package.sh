#!/usr/bin/env bash
# The Debian package: built by CPack, clean for lintian, installed with apt-get, played (the window's
# class is the application id, a turn, "Quitter" saves), then removed without a trace. It installs into
# the system, so it runs only where asked (CINQUOR_INSTALL_PACKAGE=1, as CI does) and as root.
. "$(dirname "$0")/lib.sh"

if [ "${CINQUOR_INSTALL_PACKAGE:-0}" != 1 ] || [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the package is installed into the system only by CI (CINQUOR_INSTALL_PACKAGE=1, as root)"
  exit 77
fi
id=fr.cinquor.LeCinquor
deb="$work/le-cinquor_1.14-1_amd64.deb"
(cd "$CINQUOR_BUILD_DIR" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 || fail "cpack failed"
mv "$work/cpack/le-cinquor_1.14-1_amd64.deb" "$deb" || fail "no le-cinquor_1.14-1_amd64.deb"
report=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian: $report"
echo "$report"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install failed: $(tail -n 5 "$work/apt.log")"
files=$(dpkg -L le-cinquor)
trap 'apt-get remove -y le-cinquor >/dev/null 2>&1' EXIT
for f in /usr/games/le-cinquor /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/256x256/apps/$id.png /usr/share/le-cinquor/Config.txt; do
  [ -e "$f" ] || fail "the package did not install $f"
done
man -w le-cinquor >/dev/null 2>&1 || fail "man le-cinquor finds no page"

program=/usr/games/le-cinquor
write_save 0 0 3 50 0 1 0 0 1 0 0   # warnings off
start_game
xdotool search --classname "^$id\$" >/dev/null || fail "the window's class is not $id"
click_board 335 250   # Chance
move_board 250 120
screenshot "$work/shot.png"
[ "$(count_colour "$work/shot.png" 300 240 72 22 808080)" -gt 20 ] || fail "the turn was not played"
key q
answer_box Attention "$yes_key"
expect_exit 0
[ "$(save_value 6)" = 1 ] || fail "games played $(save_value 6)"

apt-get remove -y le-cinquor >>"$work/apt.log" 2>&1 || fail "apt-get remove failed"
trap - EXIT
while IFS= read -r f; do
  [ -d "$f" ] && continue
  [ -e "$f" ] || [ -L "$f" ] && fail "apt-get remove left $f"
done <<<"$files"
finish
