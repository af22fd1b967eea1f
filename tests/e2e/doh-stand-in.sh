#!/usr/bin/env bash
# Starts or stops the stand-in DNS-over-HTTPS resolver of the proxy tests.
# start makes a certificate authority and two server certificates in the
# folder (one for 127.0.0.1, one for 127.0.0.99; both name the address as
# an IP and as a DNS name, since Wine's certificate check matches DNS names
# only), then starts the stand-in and waits for its ports.
# Usage: doh-stand-in.sh start|stop FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$2
if [ "$1" = stop ]; then
    [ -f "$folder/pid" ] && kill "$(cat "$folder/pid")" 2>/dev/null
    rm -f "$folder/pid" "$folder/ports.txt"
    exit 0
fi
mkdir -p "$folder" && cd "$folder" && rm -f ports.txt
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Quorvik test CA" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
openssl x509 -in ca.pem -outform DER -out ca.der
for pair in loopback:127.0.0.1 other-address:127.0.0.99; do
    name=${pair%%:*} address=${pair#*:}
    openssl req -newkey rsa:2048 -nodes -keyout "$name.key" -out "$name.csr" -subj "/CN=$address" 2>/dev/null
    openssl x509 -req -in "$name.csr" -CA ca.pem -CAkey ca.key -CAcreateserial -out "$name.pem" -days 2 \
        -extfile <(printf 'subjectAltName=IP:%s,DNS:%s\nextendedKeyUsage=serverAuth\n' "$address" "$address") 2>/dev/null
done
python3 "$here/doh-stand-in.py" "$folder" </dev/null >/dev/null 2>&1 &
echo $! >pid
for _ in $(seq 100); do [ -s ports.txt ] && exit 0; sleep 0.1; done
echo "the stand-in resolver did not start" >&2
exit 1
