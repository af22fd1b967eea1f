#!/usr/bin/env bash
# Builds the native part (tools, tests, benchmarks), the default database and
# the Windows program with its Wine tests, and lays out the program folder.
set -euo pipefail
source "$(dirname "$0")/common.sh"

cmake -S "$ROOT" -B "$NATIVE" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$NATIVE" -j "$JOBS"
"$ROOT/scripts/build-db.sh"

cmake -S "$ROOT" -B "$CROSS" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DQUORVIK_NATIVE_BUILD="$NATIVE" >/dev/null
cmake --build "$CROSS" -j "$JOBS"
