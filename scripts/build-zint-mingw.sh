#!/usr/bin/env bash
# Builds zint as a static library for the Windows build, once, from Debian's
# own source package of the version the native build links (libzint-dev),
# into a cache outside the repository. Prints nothing when the cache holds it.
#   scripts/build-zint-mingw.sh [CACHE_DIR]
# The result: CACHE_DIR/include/zint.h and CACHE_DIR/lib/libzint-static.a.
set -euo pipefail
version=2.11.1
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/vxdrvfonttool/zint-mingw-$version}
[ -f "$cache/lib/libzint-static.a" ] && [ -f "$cache/include/zint.h" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "Building zint $version for Windows (once) in $cache"

# A private deb-src list for the machine's own suite, with lists and package
# cache in the temporary folder: the system's stay untouched and no root is
# needed (a normal user cannot write apt's own cache).
. /etc/os-release
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/src"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $VERSION_CODENAME main" \
    >"$work/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache"
             -o Debug::NoLocking=1)
apt-get "${apt_options[@]}" -qq update
(cd "$work/src" && apt-get "${apt_options[@]}" -qq source --download-only zint 2>/dev/null)
tarball="$work/src/zint_$version.orig.tar.xz"
if [ ! -f "$tarball" ]; then
    echo "Debian's source package of zint $version could not be fetched." >&2
    exit 1
fi
tar -xf "$tarball" -C "$work/src"
source_dir=$(find "$work/src" -maxdepth 1 -type d -name 'zint*' | head -1)

cmake -S "$source_dir" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix \
    -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
    -DZINT_STATIC=ON -DZINT_SHARED=OFF -DZINT_USE_PNG=OFF -DZINT_USE_QT=OFF \
    -DZINT_FRONTEND=OFF >/dev/null
cmake --build "$work/build" --target zint-static -j "$(nproc)" >/dev/null
library=$(find "$work/build" -name 'libzint-static.a' | head -1)
mkdir -p "$cache/include" "$cache/lib"
cp "$source_dir/backend/zint.h" "$cache/include/"
cp "$library" "$cache/lib/"
echo "zint $version for Windows: $cache"
