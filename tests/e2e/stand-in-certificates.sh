#!/usr/bin/env bash
# Makes a certificate authority (ca.pem, its key, ca.der for the Wine
# prefix's trusted roots) and a server certificate signed by it for each
# NAME:ADDRESS given (NAME.pem, NAME.key), naming the address as an IP and
# as a DNS name (Wine matches DNS names only).
# Usage: stand-in-certificates.sh FOLDER NAME:ADDRESS...
set -euo pipefail
cd "$1"
shift
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Quorvik test CA" 2>/dev/null
openssl x509 -in ca.pem -outform DER -out ca.der
for pair in "$@"; do
    openssl req -newkey rsa:2048 -nodes -keyout "${pair%:*}.key" -subj "/CN=${pair#*:}" 2>/dev/null |
        openssl x509 -req -CA ca.pem -CAkey ca.key -CAcreateserial -out "${pair%:*}.pem" -days 2 \
            -extfile <(echo "subjectAltName=IP:${pair#*:},DNS:${pair#*:}") 2>/dev/null
done
