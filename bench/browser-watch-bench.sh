#!/usr/bin/env bash
# Runs browser-watch-bench under Wine: latencies, the hung stand-in, reads
# per family, then 60 s idle with a browser in front, first without the
# program (the Wine server's own idle) and then with it, reading the CPU time
# from the system. "idle [seconds]" runs only the idle pair; "soak [N]" the
# soak of N address changes instead.
# Usage: bench/browser-watch-bench.sh [idle [seconds] | soak [N]]   (after scripts/build.sh)
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$(dirname "$0")/cpu-time.sh"
ensure_display
trap stop_display EXIT
export QUORVIK_EXE=$CROSS/quorvik.exe QUORVIK_FAKE_BROWSERS=$CROSS/tests/e2e/fake-browsers
bench=$CROSS/bench/browser-watch-bench.exe

resident_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

if [ "${1:-}" = soak ]; then
    wine "$bench" soak "${2:-10000}" | while IFS= read -r line; do
        line=${line%$'\r'}
        case $line in
        "soak start" | "soak end")
            program=$(pgrep -f 'quorvik-e2e-browser-bench.quorvik\.exe' | head -1)
            echo "$line: resident memory $(resident_kib "$program") KiB" ;;
        *) echo "$line" ;;
        esac
    done
    exit
fi
idle=60
if [ "${1:-}" = idle ]; then
    idle=${2:-60}
else
    for mode in latency hang read; do wine "$bench" "$mode" | tr -d '\r'; done
fi

# Prints the CPU shares of the Wine server and, when running, the program
# between the marks of one idle run.
measure_idle() {
    wine "$bench" "$1" "$idle" | while IFS= read -r line; do
        line=${line%$'\r'}
        case $line in
        "idle start")
            program=$(pgrep -f 'quorvik-e2e-browser-bench.quorvik\.exe' | head -1 || true)
            server=$(our_wineserver)
            server_start=$(cpu_ticks "$server")
            if [ -n "$program" ]; then program_start=$(cpu_ticks "$program"); fi
            ;;
        "idle end")
            cpu_share "$1 $idle s, wineserver" $(( $(cpu_ticks "$server") - server_start )) "$idle"
            if [ -n "$program" ]; then
                cpu_share "$1 $idle s, quorvik.exe" $(( $(cpu_ticks "$program") - program_start )) "$idle"
            fi
            ;;
        *) echo "$line" ;;
        esac
    done
}
measure_idle baseline
measure_idle idle
