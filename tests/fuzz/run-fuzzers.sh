#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers) in their own build folder and runs each for a bounded time
# over its committed seed corpus, which holds deliberately broken files too.
# New inputs go to a scratch folder, so the committed corpus stays as it is.
# Every target runs under a memory limit, so an input that makes the code
# allocate without bound is reported like a crash.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${QUORVIK_BUILD:-$ROOT/build}/fuzz
SECONDS_EACH=${FUZZ_SECONDS:-30}

cmake -S "$HERE" -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$BUILD" -j "$(nproc 2>/dev/null || echo 2)" \
      --target LzhDecoderFuzzer SkinArchiveFuzzer SkinDescriptionFuzzer BitmapReaderFuzzer SkinChainFuzzer \
      QQWryFuzzer IpdbFuzzer HostRuleFuzzer DnsMessageFuzzer >/dev/null

targets=(LzhDecoder SkinArchive SkinDescription BitmapReader SkinChain QQWry Ipdb HostRule DnsMessage)
for target in "${targets[@]}"; do
    scratch="$BUILD/found/$target"
    mkdir -p "$scratch"
    echo "fuzzing $target for ${SECONDS_EACH}s"
    "$BUILD/${target}Fuzzer" -max_total_time="$SECONDS_EACH" -rss_limit_mb=1024 -malloc_limit_mb=512 -timeout=10 \
        -print_final_stats=0 "$scratch" "$HERE/corpus/$target" 2>"$BUILD/$target.log" \
        || { tail -40 "$BUILD/$target.log"; exit 1; }
    grep -E '^#[0-9]+ *DONE' "$BUILD/$target.log" || tail -1 "$BUILD/$target.log"
done
echo "fuzzers found nothing"
