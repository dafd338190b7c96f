#!/usr/bin/env bash
# Builds Le cinquor and runs every test: natively the unit tests, the Linux program's Cairo and window
# tests; the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer; and everything
# cross-built for Windows under Wine; and the web folder, its canvas tests and its page's scenarios in
# headless Chromium. Exits non-zero on any failure.
#
# The trees are built one after the other (a build takes both cores), then tested in three streams at
# once: the window scenarios mostly wait on the games, each tree on a display or a browser of its own.
set -u
cd "$(dirname "$0")" || exit 1
tools/deps.sh || exit 1

failed=()
built=()
# build_tree NAME CMAKE-ARGS...: configures and builds one build tree under build/NAME.
build_tree() {
  local name=$1
  shift
  echo "=== building $name"
  if cmake -S . -B "build/$name" -G Ninja -DCINQUOR_WERROR=ON "$@" >"build/$name.configure.log" 2>&1 ||
     { cat "build/$name.configure.log"; false; }; then
    cmake --build "build/$name" && { built+=("$name"); return; }
  fi
  failed+=("$name (build)")
}

# test_trees NAME...: tests the trees one after the other, each into build/NAME.test.log; a tree that
# fails leaves build/NAME.failed.
test_trees() {
  for name in "$@"; do
    [[ " ${built[*]} " == *" $name "* ]] || continue
    rm -f "build/$name.failed"
    ctest --test-dir "build/$name" --output-on-failure -j2 >"build/$name.test.log" 2>&1 ||
      : >"build/$name.failed"
  done
}

mkdir -p build
# Emscripten's optimiser needs Debian's JavaScript modules, which Node.js does not look in by itself; the
# page's tests run its tools too.
export NODE_PATH=/usr/share/nodejs
build_tree native -DCMAKE_BUILD_TYPE=Debug -DCINQUOR_GTK=ON
build_tree sanitize -DCMAKE_BUILD_TYPE=Debug -DCINQUOR_SANITIZE=ON
build_tree windows -DCMAKE_BUILD_TYPE=Release --toolchain cmake/mingw-w64-x86_64.cmake
build_tree web -DCMAKE_BUILD_TYPE=Release --toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

echo "=== testing ${built[*]}"
test_trees native &
test_trees windows &
test_trees web sanitize &
wait
for name in native sanitize windows web; do
  [ -f "build/$name.test.log" ] && [[ " ${built[*]} " == *" $name "* ]] || continue
  echo "=== $name"
  cat "build/$name.test.log"
  [ -f "build/$name.failed" ] && failed+=("$name")
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}" >&2
  exit 1
fi
