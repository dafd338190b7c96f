#!/usr/bin/env bash
# Builds Le cinquor and runs every test: natively the unit tests, the Linux program's Cairo and window
# tests; the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer; and everything
# cross-built for Windows under Wine; and the web folder, its canvas tests and its page's scenarios in
# headless Chromium. Exits non-zero on any failure.
set -u
cd "$(dirname "$0")" || exit 1
tools/deps.sh || exit 1

failed=()
# run_tree NAME CMAKE-ARGS...: configure, build and test one build tree under build/NAME.
run_tree() {
  local name=$1
  shift
  echo "=== $name"
  if cmake -S . -B "build/$name" -G Ninja -DCINQUOR_WERROR=ON "$@" >"build/$name.configure.log" 2>&1 ||
     { cat "build/$name.configure.log"; false; }; then
    if cmake --build "build/$name"; then
      ctest --test-dir "build/$name" --output-on-failure -j2 || failed+=("$name")
      return
    fi
  fi
  failed+=("$name (build)")
}

mkdir -p build
run_tree native -DCMAKE_BUILD_TYPE=Debug -DCINQUOR_GTK=ON
run_tree sanitize -DCMAKE_BUILD_TYPE=Debug -DCINQUOR_SANITIZE=ON
run_tree windows -DCMAKE_BUILD_TYPE=Release --toolchain cmake/mingw-w64-x86_64.cmake
# Emscripten's optimiser needs Debian's JavaScript modules, which Node.js does not look in by itself.
NODE_PATH=/usr/share/nodejs run_tree web -DCMAKE_BUILD_TYPE=Release \
  --toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}" >&2
  exit 1
fi
