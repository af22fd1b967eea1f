# Shared settings of the project scripts; sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${QUORVIK_BUILD:-$ROOT/build}
NATIVE=$BUILD/native
CROSS=$BUILD/win32
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
JOBS=$(nproc 2>/dev/null || echo 2)

# Configures a CMake build folder for Ninja, which keeps both cores busy to
# the end of a build where make's recursion left one idle. A folder that
# make configured starts over.
configure() {
    local source=$1 folder=$2
    shift 2
    if [ -f "$folder/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$folder/CMakeCache.txt"; then
        rm -rf "$folder/CMakeCache.txt" "$folder/CMakeFiles"
    fi
    cmake -G Ninja -S "$source" -B "$folder" "$@" >/dev/null
}

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Starts a virtual X display of its own; its name goes to NEW_DISPLAY.
XVFB_PIDS=()
start_display() {
    local n=90 pid
    while :; do
        while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
        Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
        sleep 0.2
        # Another run that took the number meanwhile ended this server.
        if kill -0 "$pid" 2>/dev/null; then
            XVFB_PIDS+=("$pid")
            NEW_DISPLAY=:$n
            return
        fi
        n=$((n + 1))
    done
}

# Starts a virtual X display unless one is set already.
ensure_display() {
    [ -n "${DISPLAY:-}" ] && return
    start_display
    export DISPLAY=$NEW_DISPLAY
}

stop_display() {
    if [ ${#XVFB_PIDS[@]} -gt 0 ]; then
        wineserver -k 2>/dev/null || true
        kill "${XVFB_PIDS[@]}" 2>/dev/null || true
    fi
}
