#!/usr/bin/env bash
# Installs the Debian packages that building and testing Le cinquor need, when any is missing.
# As root it installs them with apt-get; otherwise it names the command to run and fails.
# --always: refresh the package lists and install everything, missing or not (a fresh CI machine).
set -u
always=0
[ "${1:-}" = "--always" ] && always=1

# Native build and tests, the cross toolchain, Wine, what the window tests drive the game with, clang
# with its libFuzzer for the fuzz targets, and GTK 3 with the fonts the board names (Liberation for Arial
# and Times New Roman, DejaVu for Verdana) for the Linux program; and what checks its install and its
# Debian package (the launcher's and the metainfo's validators, the manual, dpkg-shlibdeps, lintian);
# Emscripten for the web folder, and Chromium with Node.js, whose npm brings playwright-core to drive it;
# a session bus and pyatspi, through which the window tests read the Linux program as a screen reader does.
packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 xvfb xdotool x11-utils imagemagick fonts-liberation
  clang libclang-rt-14-dev
  libgtk-3-dev pkg-config fonts-dejavu-core
  desktop-file-utils appstream man-db dpkg-dev lintian
  emscripten chromium nodejs
  dbus-daemon at-spi2-core python3-pyatspi
)
# The window manager of the window tests, without the desktop it recommends.
packages_bare=(openbox)

missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

# playwright-core from the npm registry, in build/ beside the build trees (no root needed), and the page's
# judges: axe-core for Playwright and Lighthouse.
playwright() {
  [ -f build/node_modules/playwright-core/package.json ] && [ -f build/node_modules/lighthouse/package.json ] &&
    [ $always -eq 0 ] && return 0
  command -v npm >/dev/null || return 0  # installed below, then asked again
  mkdir -p build && (cd build && npm install --no-audit --no-fund --silent playwright-core@1.64.1 \
                     lighthouse@12.2.3 @axe-core/playwright@4.13.0) ||
    { echo "Could not install playwright-core, lighthouse and @axe-core/playwright from the npm registry" >&2; return 1; }
}

if [ $always -eq 1 ]; then
  need="${packages[*]}"
  need_bare="${packages_bare[*]}"
else
  need=$(missing "${packages[@]}")
  need_bare=$(missing "${packages_bare[@]}")
  [ -z "$need$need_bare" ] && { playwright; exit; }
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: $need $need_bare" >&2
  echo "Install them with: sudo apt-get install -y $need && sudo apt-get install -y --no-install-recommends $need_bare" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update || exit 1
# shellcheck disable=SC2086
[ -z "$need" ] || apt-get install -y $need || exit 1
# shellcheck disable=SC2086
[ -z "$need_bare" ] || apt-get install -y --no-install-recommends $need_bare || exit 1
playwright
