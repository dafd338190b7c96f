#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) with a fixed seed, starting
# from the committed seeds. Any crash, leak or sanitizer report fails. New crash inputs land in
# build/fuzz/crashes/TARGET/: copy them to fuzz/seeds/TARGET/ once fixed.
set -u
cd "$(dirname "$0")/.." || exit 1
seconds=${1:-60}
mkdir -p build
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINQUOR_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >build/fuzz.configure.log 2>&1 ||
  { cat build/fuzz.configure.log; exit 1; }
cmake --build build/fuzz || exit 1
# fuzz TARGET: one target for the given time, from a fresh copy of its seeds; its log tells the result.
fuzz() {
  local target=$1
  # Absolute paths: the targets change their current folder.
  local corpus=$PWD/build/fuzz/corpus/$target crashes=$PWD/build/fuzz/crashes/$target
  rm -rf "$corpus" "$crashes"
  mkdir -p "$corpus" "$crashes"
  cp fuzz/seeds/$target/* "$corpus"/
  build/fuzz/fuzz/${target}_fuzz -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" >build/fuzz/$target.log 2>&1
}

# Two at a time, one per core.
status=0
for pair in "values configuration" "script saved_state"; do
  pids=()
  for target in $pair; do
    echo "=== fuzzing $target for $seconds s"
    fuzz "$target" &
    pids+=($!)
  done
  i=0
  for target in $pair; do
    if wait "${pids[$i]}"; then
      grep -E '^stat::number_of_executed_units' build/fuzz/$target.log | sed "s/^/$target: /"
    else
      echo "$target: FAILED, see build/fuzz/$target.log and build/fuzz/crashes/$target" >&2
      tail -n 30 build/fuzz/$target.log >&2
      status=1
    fi
    i=$((i + 1))
  done
done
exit $status
