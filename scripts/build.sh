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

configure "$ROOT" "$NATIVE" -DCMAKE_BUILD_TYPE=Release
cmake --build "$NATIVE" -j "$JOBS" "${native_targets[@]}"
"$ROOT/scripts/build-db.sh"

configure "$ROOT" "$CROSS" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DQUORVIK_NATIVE_BUILD="$NATIVE"
cmake --build "$CROSS" -j "$JOBS" "${cross_targets[@]}"
