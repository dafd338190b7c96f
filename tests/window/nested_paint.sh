#!/usr/bin/env bash
# The GDI tests that need real windows, on the private display: a paint nested in another (a box opened
# inside a paint, a tick painting inside its loop) ends its own paint cycle.
. "$(dirname "$0")/lib.sh"

"$WINE_LOADER" "$CINQUOR_GDI_TESTS" --gtest_filter='WindowPaint.*' >"$work/gdi.log" 2>&1 ||
  { cat "$work/gdi.log"; fail "the window GDI tests failed"; }
grep -q '\[  PASSED  \] 1 test' "$work/gdi.log" || { cat "$work/gdi.log"; fail "no window GDI test ran"; }
finish
