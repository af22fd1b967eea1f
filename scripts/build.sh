#!/usr/bin/env bash
# Builds the native part (tools, tests, benchmarks), the default database and
# the Windows program with its Wine tests, and lays out the program folder.
# With --program, only what running the program needs: the native tools that
# make its database, icon and skin, the database, and quorvik.exe with its
# help file.
set -euo pipefail
source "$(dirname "$0")/common.sh"

native_targets=()
cross_targets=()
if [ "${1:-}" = --program ]; then
    native_targets=(--target merge-ip-data qqwry-from-csv quorvik-icon skin_stream)
    cross_targets=(--target quorvik help-file)
fi

# Ninja: it keeps both cores busy to the end of a build, where make's
# recursion leaves one idle. A folder that make built once starts over.
configure() {
    local folder=$1; shift
    if [ -f "$folder/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$folder/CMakeCache.txt"; then
        rm -rf "$folder/CMakeCache.txt" "$folder/CMakeFiles"
    fi
    cmake -G Ninja -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure "$NATIVE"
cmake --build "$NATIVE" -j "$JOBS" "${native_targets[@]}"
"$ROOT/scripts/build-db.sh"

configure "$CROSS" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DQUORVIK_NATIVE_BUILD="$NATIVE"
cmake --build "$CROSS" -j "$JOBS" "${cross_targets[@]}"
