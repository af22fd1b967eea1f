#!/usr/bin/env bash
# Sets up, builds and runs every test: native tests and fuzzers, then the
# Windows unit and end-to-end tests under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"

ctest --test-dir "$NATIVE" --output-on-failure -j "$JOBS"
"$ROOT/tests/fuzz/run-fuzzers.sh"

# Host names that resolve without a network: one of them an alias, so the
# watch tests can see a canonical name differ from the name asked for, one
# with only an IPv6 address, and one in the fake block of a proxy.
for line in "127.0.0.2 quorvik-canonical.test quorvik-alias.test" "2001:db8::10 quorvik-v6only.test" \
    "198.18.0.9 quorvik-proxied.test"; do
    name=${line##* }
    grep -q " $name\$" /etc/hosts 2>/dev/null && continue
    { [ -w /etc/hosts ] && echo "$line" >>/etc/hosts; } ||
        { sudo -n true 2>/dev/null && echo "$line" | sudo -n tee -a /etc/hosts >/dev/null; } ||
        echo "test: cannot add $name to /etc/hosts; the tests that need it fail"
done

ensure_display
trap stop_display EXIT
ctest --test-dir "$CROSS" --output-on-failure

# Screenshots the Wine tests took, for a person to look at.
for shot in "$CROSS"/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo "all tests passed; screenshots in $CROSS/screenshots"
