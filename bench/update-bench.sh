#!/usr/bin/env bash
# Runs update-bench under Wine with the stand-in database feed of the tests,
# which it starts (publishing a feed takes a quarter of a minute) and stops.
# Usage: bench/update-bench.sh   (after scripts/build.sh)
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
export QUORVIK_EXE=$CROSS/quorvik.exe QUORVIK_DEFAULT_DB=$CROSS/zelkona/cxsjk.Dat \
    QUORVIK_FEED_STAND_IN=$CROSS/bench/feed-stand-in
ensure_display
"$ROOT/tests/e2e/feed-stand-in.sh" start "$QUORVIK_FEED_STAND_IN"
trap '"$ROOT/tests/e2e/feed-stand-in.sh" stop "$QUORVIK_FEED_STAND_IN"; stop_display' EXIT
wine "$CROSS/bench/update-bench.exe"
