#!/usr/bin/env bash
# Builds Le cinquor and starts it: the native Linux program by default, or with --windows the Windows
# program under Wine, in your own Wine prefix (~/.wine, or the one WINEPREFIX names), or with --web the
# page, served on 127.0.0.1:8080 (CINQUOR_WEB_PORT) for a browser. The record and the settings last from
# one game to the next every way. Any other argument is passed to the game (the first
# names a configuration file in the game's folder).
set -u
cd "$(dirname "$0")" || exit 1
windows=0
if [ "${1:-}" = "--windows" ]; then
  windows=1
  shift
fi
tools/deps.sh || exit 1
if [ "${1:-}" = "--web" ]; then
  # The web folder, served on this machine: open the printed address in a browser.
  mkdir -p build
  NODE_PATH=/usr/share/nodejs cmake -S . -B build/play-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_TESTS=OFF \
    --toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    >build/play-web.configure.log 2>&1 || { cat build/play-web.configure.log; exit 1; }
  NODE_PATH=/usr/share/nodejs cmake --build build/play-web --target dist || exit 1
  exec node tools/serve.mjs build/play-web/web "${CINQUOR_WEB_PORT:-8080}"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Le cinquor is a desktop game and needs a graphical session." >&2
  exit 1
fi
mkdir -p build
if [ $windows -eq 0 ]; then
  cmake -S . -B build/play-linux -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_TESTS=OFF -DCINQUOR_GTK=ON \
    >build/play-linux.configure.log 2>&1 || { cat build/play-linux.configure.log; exit 1; }
  cmake --build build/play-linux --target dist || exit 1
  exec build/play-linux/dist/cinquor "$@"
fi
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINQUOR_TESTS=OFF \
  --toolchain cmake/mingw-w64-x86_64.cmake >build/play.configure.log 2>&1 || { cat build/play.configure.log; exit 1; }
cmake --build build/play --target dist || exit 1
export WINEARCH=${WINEARCH:-win64}
export WINEDEBUG=${WINEDEBUG:--all}
# No offers to install Mono or Gecko: the game needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
exec /usr/lib/wine/wine64 build/play/dist/cinquor.exe "$@"
