#!/usr/bin/env bash
# Builds the default location database, zelkona/cxsjk.Dat in the Windows
# program folder, from the open data pinned in tools/dbdata, with the native
# tools (run build.sh's native build first). The ranges it holds go to
# build/dbdata/cxsjk.csv (GBK) for the tests; only the database ships. Does
# nothing when both are up to date.
set -euo pipefail
source "$(dirname "$0")/common.sh"

SOURCE=$ROOT/tools/dbdata
DATA=$BUILD/dbdata
MODULES=$DATA/node_modules
OUT=$CROSS/zelkona
MERGE=$NATIVE/tools/dbdata/merge-ip-data
WRITE=$NATIVE/tools/qqwry/qqwry-from-csv

up_to_date() {
    local input
    for input in "$SOURCE/package-lock.json" "$SOURCE/country-names.js" "$MERGE" "$WRITE"; do
        [ "$OUT/cxsjk.Dat" -nt "$input" ] && [ "$DATA/cxsjk.csv" -nt "$input" ] || return 1
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
"$MERGE" "$MODULES/@ip-location-db/geo-whois-asn-country/geo-whois-asn-country-ipv4-num.csv" \
         "$MODULES/@ip-location-db/asn/asn-ipv4-num.csv" "$DATA/country-names.csv" "$DATA/ranges.csv"
"$WRITE" --gbk "$DATA/ranges.csv" "$OUT/cxsjk.Dat" "$DATA/cxsjk.csv"
echo "build-db: default database built in $(( ($(date +%s%N) - started) / 1000000 )) ms"
