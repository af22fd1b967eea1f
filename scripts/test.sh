#!/usr/bin/env bash
# Sets up, builds and runs every test: native tests and fuzzers, then the
# Windows unit and end-to-end tests under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"

ctest --test-dir "$NATIVE" --output-on-failure -j "$JOBS"
"$ROOT/tests/fuzz/run-fuzzers.sh"

ensure_display
trap stop_display EXIT
ctest --test-dir "$CROSS" --output-on-failure

# Screenshots the Wine tests took, for a person to look at.
for shot in "$CROSS"/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo "all tests passed; screenshots in $CROSS/screenshots"
