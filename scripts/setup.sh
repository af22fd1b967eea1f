#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 and prepares the
# Wine prefix. Safe to run again: it only adds what is missing.
set -euo pipefail
source "$(dirname "$0")/common.sh"

packages=(cmake make ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
          g++-mingw-w64-i686-posix libz-mingw-w64-dev zlib1g-dev wine wine32 xvfb
          fonts-wqy-microhei imagemagick nodejs npm fp-utils libmaxminddb-dev mmdb-bin openssl python3)

dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
missing=()
for p in "${packages[@]}"; do
    # A Node.js that did not come from Debian serves as well as Debian's.
    case $p in nodejs|npm) command -v npm >/dev/null && continue ;; esac
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A 32-bit Wine prefix of our own.
# A prefix that a Wine program made on its own lacks the settings below, so
# the mark is written only once they are in.
if [ ! -f "$WINEPREFIX/.quorvik-prefix" ]; then
    echo "setup: creating Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    ensure_display
    wineboot -i >/dev/null 2>&1
    # Every program runs on one virtual desktop with a taskbar and a
    # notification area, as on Windows.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quorvik-prefix"
    stop_display
fi

# A Chinese-capable font stands in for the Windows fonts the windows ask
# for: WenQuanYi Micro Hei keeps its strokes whole at 9 points under Wine,
# where Zen Hei broke them. Its own mark brings it to older prefixes too.
if [ ! -f "$WINEPREFIX/.quorvik-font-microhei" ]; then
    for face in Tahoma "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" SimSun \
                NSimSun SimHei SimLi "宋体" "黑体" "隶书" "新宋体" "微软雅黑" "Microsoft YaHei"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.quorvik-font-microhei"
fi
