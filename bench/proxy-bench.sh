#!/usr/bin/env bash
# Runs proxy-bench under Wine with the stand-in DNS-over-HTTPS resolver of
# the tests. Needs the tests' host names in /etc/hosts (scripts/test.sh adds
# them). Usage: bench/proxy-bench.sh   (after scripts/build.sh)
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
export QUORVIK_EXE=$CROSS/quorvik.exe QUORVIK_DEFAULT_DB=$CROSS/zelkona/cxsjk.Dat \
    QUORVIK_FAKE_BROWSER=$CROSS/tests/e2e/fake-browser.exe QUORVIK_DOH_STAND_IN=$CROSS/bench/doh-stand-in
ensure_display
"$ROOT/tests/e2e/doh-stand-in.sh" start "$QUORVIK_DOH_STAND_IN"
trap '"$ROOT/tests/e2e/doh-stand-in.sh" stop "$QUORVIK_DOH_STAND_IN"; stop_display' EXIT
wine "$CROSS/bench/proxy-bench.exe"
