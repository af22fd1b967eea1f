#!/usr/bin/env bash
# Builds the default location databases in the Windows program folder,
# zelkona/cxsjk.Dat (IPv4) and zelkona/cxsjk6.Dat (IPv6), from the open data
# pinned in tools/dbdata and its special-purpose address table, with the
# native tools (run build.sh's native build first). The ranges each holds go
# to build/dbdata/cxsjk.csv and cxsjk6.csv (GBK) for the tests; only the
# databases ship. Does nothing when all are up to date.
set -euo pipefail
source "$(dirname "$0")/common.sh"

SOURCE=$ROOT/tools/dbdata
DATA=$BUILD/dbdata
MODULES=$DATA/node_modules
OUT=$CROSS/zelkona
MERGE=$NATIVE/tools/dbdata/merge-ip-data
WRITE=$NATIVE/tools/qqwry/qqwry-from-csv
SPECIAL=$SOURCE/special-purpose.csv

up_to_date() {
    local input output
    for input in "$SOURCE/package-lock.json" "$SOURCE/country-names.js" "$SPECIAL" "$MERGE" "$WRITE"; do
        for output in "$OUT/cxsjk.Dat" "$DATA/cxsjk.csv" "$OUT/cxsjk6.Dat" "$DATA/cxsjk6.csv"; do
            [ "$output" -nt "$input" ] || return 1
        done
    done
}
up_to_date && exit 0

started=$(date +%s%N)
mkdir -p "$DATA" "$OUT"
# npm ci wipes and reinstalls; only a changed lock file is worth that.
if ! cmp -s "$SOURCE/package-lock.json" "$MODULES/.installed-lock"; then
    cp "$SOURCE/package.json" "$SOURCE/package-lock.json" "$DATA/"
    (cd "$DATA" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
    cp "$SOURCE/package-lock.json" "$MODULES/.installed-lock"
fi

node "$SOURCE/country-names.js" "$MODULES/i18n-iso-countries/langs/zh.json" >"$DATA/country-names.csv"
for family in 4 6; do
    suffix=${family/4/}
    "$MERGE" ${suffix:+--ipv6} \
             "$MODULES/@ip-location-db/geo-whois-asn-country/geo-whois-asn-country-ipv$family-num.csv" \
             "$MODULES/@ip-location-db/asn/asn-ipv$family-num.csv" "$DATA/country-names.csv" "$SPECIAL" \
             "$DATA/ranges$suffix.csv"
    "$WRITE" --gbk ${suffix:+--ipv6} "$DATA/ranges$suffix.csv" "$OUT/cxsjk$suffix.Dat" "$DATA/cxsjk$suffix.csv"
done
echo "build-db: default databases built in $(( ($(date +%s%N) - started) / 1000000 )) ms"
