#!/usr/bin/env bash
# Sets up, builds what running needs and starts Quorvik under Wine (on a
# virtual display when there is none).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" --program
ensure_display
echo "Quorvik runs on DISPLAY=$DISPLAY"
trap stop_display EXIT
wine "$CROSS/quorvik.exe"
