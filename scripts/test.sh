#!/usr/bin/env bash
# Sets up, builds and runs every test: native tests, fuzzers, and the
# Windows unit and end-to-end tests under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
# The time of each phase, against the ten minutes the whole run may take.
lap() {
    echo "test: $1 took $((SECONDS - ${lap_start:-0})) s"
    lap_start=$SECONDS
}
"$ROOT/scripts/setup.sh"
lap setup
"$ROOT/scripts/build.sh"
lap build
ctest --test-dir "$NATIVE" --output-on-failure -j "$JOBS"
lap "native tests"

# The Wine tests mostly wait on windows and timers, so the fuzzers use the
# idle processors meanwhile, at the lowest priority so that they never slow
# a window down.
mkdir -p "$BUILD/fuzz"
nice -n 19 "$ROOT/tests/fuzz/run-fuzzers.sh" >"$BUILD/fuzz/run.log" 2>&1 &
fuzzers=$!

# Host names that resolve without a network: one of them an alias, so the
# watch tests can see a canonical name differ from the name asked for, one
# with only an IPv6 address, and one in the fake block of a proxy.
for line in "127.0.0.2 quorvik-canonical.test quorvik-alias.test" "2001:db8::10 quorvik-v6only.test" \
    "198.18.0.9 quorvik-proxied.test"; do
    name=${line##* }
    grep -q " $name\$" /etc/hosts 2>/dev/null && continue
    { [ -w /etc/hosts ] && echo "$line" >>/etc/hosts; } ||
        { sudo -n true 2>/dev/null && echo "$line" | sudo -n tee -a /etc/hosts >/dev/null; } ||
        echo "test: cannot add $name to /etc/hosts; the tests that need it will fail"
done

# The Wine tests run in two lanes at once: they mostly wait on windows and
# timers, so one lane left the processors idle. Each lane has its own copy
# of the Wine prefix, Wine server and virtual display, so that the windows
# of one never meet the other's. The end-to-end tests of the watch (with
# the start and stop of its stand-in resolver), the batch and the main
# window make the second lane.
second_lane='^(e2e_(watch|batch_window|main_window)|doh_stand_in_(start|stop))$'
second_prefix=$BUILD/wineprefix-lane2
wineserver -k 2>/dev/null || true
rm -rf "$second_prefix"
cp -a "$WINEPREFIX" "$second_prefix"
ensure_display
start_display
second_display=$NEW_DISPLAY
trap 'WINEPREFIX=$second_prefix wineserver -k 2>/dev/null; stop_display; kill $(jobs -p) 2>/dev/null' EXIT

# One Wine server and its system processes for every test of a lane,
# started apart from ctest: a server that a test started would hold ctest's
# output open, and ctest would wait the seconds it lingers after each test.
start_wine() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
start_wine
WINEPREFIX=$second_prefix DISPLAY=$second_display start_wine
WINEPREFIX=$second_prefix DISPLAY=$second_display \
    ctest --test-dir "$CROSS" --output-on-failure -R "$second_lane" >"$BUILD/wine-lane2.log" 2>&1 &
lane2=$!
failed=0
ctest --test-dir "$CROSS" --output-on-failure -E "$second_lane" || failed=1
wait "$lane2" || failed=1
cat "$BUILD/wine-lane2.log"
[ "$failed" = 0 ]
lap "Wine tests"

# Screenshots the Wine tests took, for a person to look at.
for shot in "$CROSS"/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done

wait "$fuzzers" || { cat "$BUILD/fuzz/run.log"; exit 1; }
cat "$BUILD/fuzz/run.log"
lap "the fuzzers' rest"
echo "all tests passed in $SECONDS s; screenshots in $CROSS/screenshots"
