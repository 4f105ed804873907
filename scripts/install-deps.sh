#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, or the
# packages named as arguments. Idempotent: does nothing when every package is
# present.
#
# Usage: scripts/install-deps.sh [PACKAGE...]
#
# Wine's preloader is only suggested by Debian's wine64, but it is needed:
# without it the loader's heap, which the kernel places at random within
# 1 GB of it, lands now and then on the page that every Windows process needs
# at 0x7ffe0000, and Wine then ends at once with status 1.
set -euo pipefail
packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
    cmake g++ make libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev libzint-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 wine64-preloader xvfb xauth fonts-ipafont-gothic fonts-ipafont-mincho
    ghostscript fp-utils-3.2.2 imagemagick xdotool python3 chromium
    zbar-tools dmtx-utils librsvg2-bin poppler-utils
    msitools wixl gcab zip unzip ccache
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
