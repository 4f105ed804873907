#!/usr/bin/env bash
# Builds the Windows programs in Release and packs them for Windows PCs:
#   build/dist/VXDrvFontTool-X.Y.Z-x64.msi  per-machine installer
#   build/dist/VXDrvFontTool-X.Y.Z-x64.zip  the same files, to unpack and run
# X.Y.Z is the CMake project version. Installs what it needs (Debian).
#
# The installer database is built by wixl (msitools) from
# packaging/VXDrvFontTool.wxs with ASCII placeholders; msi_texts.exe then
# puts the Japanese texts of packaging/msi_texts.tsv in through the Windows
# Installer API, under Wine (VX_WINE_PREFIX, else the test prefix).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
"$root/scripts/build-zint-mingw.sh"

# Configured once: configuring again would make every program link anew.
if [ "$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' build/windows/CMakeCache.txt 2>/dev/null)" != Release ]
then
    cmake --preset windows -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build --preset windows -j "$(nproc)" --target VXDrvFontTool dvftool help_file msi_texts
bin=$root/build/windows/bin
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "No project version in the build." >&2; exit 1; }
name=VXDrvFontTool-$version-x64
work=$root/build/package
stage=$work/$name
dist=$root/build/dist
rm -rf "$work"
mkdir -p "$stage/licenses" "$dist"
rm -f "$dist/$name.msi" "$dist/$name.zip"

# Texts for Windows readers: CRLF lines.
crlf() { sed 's/\r$//; s/$/\r/'; }

cp "$bin/VXDrvFontTool.exe" "$bin/dvftool.exe" "$bin/VXDrvFontTool.chm" "$stage/"
x86_64-w64-mingw32-strip "$stage/VXDrvFontTool.exe" "$stage/dvftool.exe"
{ printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/g" packaging/README.txt | crlf; } \
    >"$stage/README.txt"

# The licences of what the programs link, from the Debian packages that the
# build took them from. zint is built from Debian's source package of the
# version that libzint-dev has (scripts/build-zint-mingw.sh), whose
# copyright file is the one installed with libzint-dev.
zint_version=$(sed -n 's/^version=//p' scripts/build-zint-mingw.sh)
licence() {  # file name, Debian package, what it covers
    local package_version
    package_version=$(dpkg-query -W -f='${Version}' "$2")
    {
        echo "$3: the copyright and licence text of Debian's package $2 $package_version"
        echo
        cat "/usr/share/doc/$2/copyright"
    } | crlf >"$stage/licenses/$1"
}
if [[ $(dpkg-query -W -f='${Version}' libzint-dev) != "$zint_version"-* ]]; then
    echo "libzint-dev is not zint $zint_version, which the Windows build links." >&2
    exit 1
fi
licence zint.txt libzint-dev "zint $zint_version (barcodes and 2D codes)"
licence gcc-runtime.txt gcc-mingw-w64-base "The GCC runtime (libstdc++, libgcc)"
licence mingw-w64-runtime.txt mingw-w64-x86-64-dev "The MinGW-w64 runtime (C runtime, winpthreads)"
licence nlohmann-json.txt nlohmann-json3-dev "nlohmann/json (dvftool)"

# The installer database. wixl finds files by paths relative to where it runs.
cp resources/icons/app.ico "$work/app.ico"
(cd "$work" && wixl --arch x64 -D Version="$version" -D StageDir="$name" -D IconFile=app.ico \
    -o "$dist/$name.msi" "$root/packaging/VXDrvFontTool.wxs" 2>"$work/wixl.log") || {
    cat "$work/wixl.log" >&2
    exit 1
}

export WINEPREFIX=${VX_WINE_PREFIX:-$root/build/wine-test-prefix} WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
"$root/scripts/make-wine-prefix.sh" "$WINEPREFIX"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# Wine's background services outlive the program: they get a log file, not
# the caller's output.
/usr/lib/wine/wine64 "$bin/msi_texts.exe" set "$(windows_path "$dist/$name.msi")" \
    "$(windows_path "$root/packaging/msi_texts.tsv")" </dev/null >"$work/msi_texts.log" 2>&1 || {
    cat "$work/msi_texts.log" >&2
    rm -f "$dist/$name.msi"
    exit 1
}

(cd "$work" && zip -q -r -X "$dist/$name.zip" "$name")
for package in "$dist/$name.msi" "$dist/$name.zip"; do
    echo "$package ($(($(stat -c %s "$package") / 1024)) KB)"
done
