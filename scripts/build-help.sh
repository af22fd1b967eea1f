#!/usr/bin/env bash
# Compiles the help pages (UTF-8 in the source tree) into a help file whose
# pages are GBK, as the Chinese help viewer expects: build-help.sh SOURCE OUT.chm
set -euo pipefail
source_dir=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for page in "$source_dir"/*; do
    iconv -f UTF-8 -t GBK "$page" >"$work/$(basename "$page")"
done
(cd "$work" && chmcmd --verbosity 0 quorvik.hhp >/dev/null)
mkdir -p "$(dirname "$out")"
mv "$work/help.chm" "$out"
