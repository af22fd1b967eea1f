#!/usr/bin/env bash
# Publishes fresh location databases as a feed, which Quorvik's
# "更新数据库..." reads:
#   publish-db.sh FOLDER KEY [SOURCES]
# builds both databases with build-db.sh, from the pinned open data or from
# the newer copies of the same files in SOURCES, and writes into FOLDER:
#   cxsjk.Dat.gz, cxsjk6.Dat.gz  the databases, gzip-compressed
#   manifest.json  for each file: its name, data version, size before and
#                  after compression, SHA-256, the oldest program version
#                  that reads it, the data's credits, and a few probe
#                  addresses with the exact answer the file gives
#   manifest.sig   the RSA signature over manifest.json with SHA-256, made
#                  with openssl and the private key KEY (PEM)
# Copy the folder's files to any web server, or to several: a feed's URL is
# the folder that holds them. Run build.sh's native build first.
set -euo pipefail
source "$(dirname "$0")/common.sh"
folder=$1
key=$2
sources=${3:-}
# The oldest program that reads these layouts; raise it when a layout
# changes, so that older programs refuse the files rather than misread them.
MIN_PROGRAM=1.13
CREDITS='Countries, regions and provinces: DB-IP "IP to City Lite" (the dbip-city-mmdb data of ip-location-db by sapics), CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/). IP Geolocation by DB-IP (https://db-ip.com). Network operators: the asn data of ip-location-db by sapics, from RouteViews (https://www.routeviews.org) and the DB-IP "IP to ASN Lite" database (https://db-ip.com), CC BY 4.0, with registry data by the NRO (https://www.nro.net, CC BY 4.0). IP to ASN data by DB-IP. Country names in Chinese: i18n-iso-countries (MIT).'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$ROOT/scripts/build-db.sh" "$work/zelkona" "$work" ${sources:+"$sources"} >"$work/build.log" ||
    { cat "$work/build.log" >&2; exit 1; }
mkdir -p "$folder"
for file in cxsjk.Dat cxsjk6.Dat; do
    gzip -9 -n -c "$work/zelkona/$file" >"$work/$file.gz"
done
# Probes: the first address of four ranges spread over each file, with
# country and area run together as the program shows them ("无" for an
# empty area), from the CSV the writer made beside the file.
python3 - "$work" "$MIN_PROGRAM" "$CREDITS" >"$work/manifest.json" <<'PY'
import hashlib, json, os, sys
work, min_program, credits = sys.argv[1:]
versions = dict(line.split()[:2] for line in open(f"{work}/zelkona/data-version.txt"))
files = []
for name, csv in (("cxsjk.Dat", "cxsjk.csv"), ("cxsjk6.Dat", "cxsjk6.csv")):
    ranges = open(f"{work}/{csv}", encoding="gbk").read().splitlines()
    probes = []
    for k in range(1, 5):
        start, _, country, area = ranges[len(ranges) * k // 5].split(",", 3)
        probes.append({"address": start, "answer": country + (area or "无")})
    data = open(f"{work}/zelkona/{name}", "rb").read()
    files.append({"name": name, "version": versions[name], "size": len(data),
                  "compressed_size": os.path.getsize(f"{work}/{name}.gz"),
                  "sha256": hashlib.sha256(data).hexdigest(), "min_program": min_program,
                  "credits": credits, "probes": probes})
print(json.dumps({"files": files}, ensure_ascii=False, indent=2))
PY
openssl dgst -sha256 -sign "$key" -out "$work/manifest.sig" "$work/manifest.json"
# The manifest goes last, so that a feed being copied never names files
# that are not there yet.
mv "$work"/*.gz "$work/manifest.sig" "$folder/"
mv "$work/manifest.json" "$folder/"
echo "publish-db: feed in $folder ($(grep -m1 '"version"' "$folder/manifest.json" | tr -d ' ,'))"
