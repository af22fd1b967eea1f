# Shared settings of the project scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${QUORVIK_BUILD:-$ROOT/build}
NATIVE=$BUILD/native
CROSS=$BUILD/win32
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
JOBS=$(nproc 2>/dev/null || echo 2)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Starts a virtual X display unless one is set already.
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return
    local n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return; sleep 0.1; done
}

stop_display() {
    if [ -n "${XVFB_PID:-}" ]; then
        wineserver -k 2>/dev/null || true
        kill "$XVFB_PID" 2>/dev/null || true
    fi
}
