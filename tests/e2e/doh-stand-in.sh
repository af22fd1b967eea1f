#!/usr/bin/env bash
# Starts or stops the stand-in DNS-over-HTTPS resolver. start makes a
# certificate authority and certificates for 127.0.0.1 and 127.0.0.99.
# Usage: doh-stand-in.sh start|stop FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd) folder=$2
if [ "$1" = stop ]; then
    kill "$(cat "$folder/pid")" 2>/dev/null || true
    exit 0
fi
mkdir -p "$folder" && cd "$folder" && rm -f ports.txt
"$here/stand-in-certificates.sh" . loopback:127.0.0.1 other-address:127.0.0.99
python3 "$here/doh-stand-in.py" "$folder" </dev/null >/dev/null 2>&1 &
echo $! >pid
for _ in $(seq 100); do [ -s ports.txt ] && exit 0 || sleep 0.1; done
echo "the stand-in resolver did not start" >&2 && exit 1
