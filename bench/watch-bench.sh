#!/usr/bin/env bash
# Runs watch-bench under Wine and adds what only the system can tell: the
# CPU time quorvik.exe and the Wine server spend while the program idles in
# the tray. Usage: bench/watch-bench.sh [idle seconds]   (after scripts/build.sh)
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
idle=${1:-60}
ensure_display
trap stop_display EXIT
export QUORVIK_EXE=$CROSS/quorvik.exe QUORVIK_FAKE_BROWSER=$CROSS/tests/e2e/fake-browser.exe

source "$(dirname "$0")/cpu-time.sh"

wine "$CROSS/bench/watch-bench.exe" "$idle" | while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
    "idle start")
        program=$(pgrep -f 'quorvik-e2e-bench.quorvik\.exe' | head -1)
        server=$(our_wineserver)
        program_start=$(cpu_ticks "$program") server_start=$(cpu_ticks "$server")
        ;;
    "idle end")
        hz=$(getconf CLK_TCK)
        awk -v p=$(( $(cpu_ticks "$program") - program_start )) -v s=$(( $(cpu_ticks "$server") - server_start )) \
            -v hz="$hz" -v t="$idle" 'BEGIN {
                printf "idle in the tray for %d s: quorvik.exe %.2f s CPU (%.2f%% of one core), wineserver %.2f s (%.2f%%)\n",
                       t, p / hz, p / hz / t * 100, s / hz, s / hz / t * 100 }'
        ;;
    *) echo "$line" ;;
    esac
done
