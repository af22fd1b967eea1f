#!/usr/bin/env bash
# Packs what a Windows user takes into one archive:
#   build-release.sh PROGRAM_FOLDER README OUT.zip
# The program folder gives quorvik.exe and zelkona/ (the IPv4 and IPv6
# databases, their data version and the help file); the read-me (UTF-8) goes in as Notepad reads
# it on a Windows of any language: with a byte order mark and CR LF line ends.
set -euo pipefail
folder=$1
readme=$2
out=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/zelkona"
cp "$folder/quorvik.exe" "$work/"
data=(zelkona/cxsjk.Dat zelkona/cxsjk6.Dat zelkona/data-version.txt zelkona/help.chm)
for file in "${data[@]}"; do cp "$folder/$file" "$work/zelkona/"; done
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$readme"; } >"$work/readme.txt"
# Written beside and then moved, so a failed run leaves no half archive.
(cd "$work" && cmake -E tar cf "$out.part" --format=zip readme.txt quorvik.exe "${data[@]}")
mv "$out.part" "$out"
