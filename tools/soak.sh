#!/usr/bin/env bash
# A soak of the real game under Wine for SECONDS (default 600): tools/soak.sh 600 [SEED]
# Needs the Windows build tree made by ./test.sh.
set -u
cd "$(dirname "$0")/.." || exit 1
export CINQUOR_SOAK_SECONDS=${1:-600}
[ -n "${2:-}" ] && export CINQUOR_SOAK_SEED=$2
exec ctest --test-dir build/windows -R '^window_(start|soak|stop)$' --output-on-failure -V
