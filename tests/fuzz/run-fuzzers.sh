#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers) in their own build folder and runs each over its committed
# seed corpus, which holds deliberately broken files too, then over a fixed
# number of new inputs, two targets at a time. A count of inputs, not a time,
# so a slow machine checks as much as a fast one. New inputs go to a scratch
# folder, so the committed corpus stays as it is. Every target runs under a
# memory limit, so an input that makes the code allocate without bound is
# reported like a crash.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/common.sh"
FUZZ=$BUILD/fuzz
NEW_INPUTS=${FUZZ_INPUTS:-10000}
# The skin chain decodes, parses and draws a whole skin for each input.
declare -A fewer_inputs=([SkinChain]=1000)

# Slowest first, so the two runners end together.
targets=(SkinChain QQWry Ipdb SkinDescription SkinArchive LzhDecoder BitmapReader HostRule DnsMessage Manifest)

configure "$HERE" "$FUZZ" -DCMAKE_CXX_COMPILER=clang++
cmake --build "$FUZZ" -j "$JOBS" --target "${targets[@]/%/Fuzzer}" >/dev/null

fuzz() {
    local target=$1 scratch=$FUZZ/found/$1 log=$FUZZ/$1.log
    mkdir -p "$scratch"
    local known=$(find "$scratch" "$HERE/corpus/$target" -type f | wc -l)
    local runs=$((known + ${fewer_inputs[$target]:-$NEW_INPUTS}))
    if ! "$FUZZ/${target}Fuzzer" -runs="$runs" -rss_limit_mb=1024 -malloc_limit_mb=512 -timeout=10 \
            -print_final_stats=0 "$scratch" "$HERE/corpus/$target" 2>"$log"; then
        echo "fuzzing $target found a fault:"
        tail -40 "$log"
        return 1
    fi
    echo "fuzzed $target: $known known inputs, then $((runs - known)) new ($(grep -oE 'in [0-9]+ second' "$log")s)"
}

# Stopped, it stops the fuzzers it runs.
trap 'kill $(jobs -p) 2>/dev/null; exit 1' TERM INT
failed=0
running=0
for target in "${targets[@]}"; do
    fuzz "$target" &
    if ((++running == 2)); then
        wait -n || failed=1
        running=$((running - 1))
    fi
done
while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
done
[ "$failed" = 0 ] || exit 1
echo "fuzzers found nothing"
