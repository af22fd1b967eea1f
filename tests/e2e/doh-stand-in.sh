#!/usr/bin/env bash
# Starts or stops the stand-in DNS-over-HTTPS resolver. start makes a
# certificate authority and certificates for 127.0.0.1 and 127.0.0.99 that
# name the address as an IP and as a DNS name (Wine matches DNS names only).
# Usage: doh-stand-in.sh start|stop FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd) folder=$2
if [ "$1" = stop ]; then
    kill "$(cat "$folder/pid")" 2>/dev/null || true
    exit 0
fi
mkdir -p "$folder" && cd "$folder" && rm -f ports.txt
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Quorvik test CA" 2>/dev/null
openssl x509 -in ca.pem -outform DER -out ca.der
for pair in loopback:127.0.0.1 other-address:127.0.0.99; do
    openssl req -newkey rsa:2048 -nodes -keyout "${pair%:*}.key" -subj "/CN=${pair#*:}" 2>/dev/null |
        openssl x509 -req -CA ca.pem -CAkey ca.key -CAcreateserial -out "${pair%:*}.pem" -days 2 \
            -extfile <(echo "subjectAltName=IP:${pair#*:},DNS:${pair#*:}") 2>/dev/null
done
python3 "$here/doh-stand-in.py" "$folder" </dev/null >/dev/null 2>&1 &
echo $! >pid
for _ in $(seq 100); do [ -s ports.txt ] && exit 0 || sleep 0.1; done
echo "the stand-in resolver did not start" >&2 && exit 1
