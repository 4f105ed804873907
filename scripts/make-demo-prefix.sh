#!/bin/bash
# Create the Wine prefix used by the demo and the Windows tests.
#
#   scripts/make-demo-prefix.sh [--reset-files] PREFIXDIR
#
# Creates PREFIXDIR once: a 64-bit Wine prefix with
#   - X11 "Managed" = N (windows open and close without a window manager),
#   - the Japanese dialog fonts replaced by IPAPGothic,
#   - a set of demo printers (series printers of every model, wristband
#     variants, one needing user intervention, one without a driver font
#     file, one of another maker),
#   - the demo driver font files in the x64 spooler driver directory,
#   - one printer ("ZEL Vextora Alto", named like its driver) served by
#     Wine's PostScript driver, so that a test print ends up as a
#     PostScript file ($DEMO_PRINT_OUT, default PREFIXDIR/testprint.ps).
#
# When PREFIXDIR already holds the finished marker the script does nothing,
# except that --reset-files puts the demo driver font files back as demo/
# holds them (what a run on the demo printers saved in them goes). The
# marker is written last, so an interrupted run is simply repeated.
#
# Needs: wine64 and coreutils, grep, sed, iconv (no X display), and the
# driver font files in demo/ (scripts/gen_demo_dvf.py writes them).

set -euo pipefail

reset_files=
if [ "${1:-}" = --reset-files ]; then
    reset_files=1
    shift
fi
if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 [--reset-files] PREFIXDIR" >&2
    exit 2
fi

# The name changes when what the script sets up changes, so that an older
# demo prefix is brought up to date once.
MARKER_NAME=.vx-demo-prefix-ready-2

SCRIPT_DIR=$(cd "$(dirname "$0")" && pwd)
DEMO_DIR=$SCRIPT_DIR/../demo
# Driver font files installed (the "新ﾘｽﾄﾊﾞﾝﾄﾞ" driver deliberately has none).
DVF_FILES=(ALTOD.DVF ALTOLD.DVF BASSD.DVF BASSED.DVF CORDD.DVF)
SPOOL_BELOW=drive_c/windows/system32/spool/drivers/x64/3

install_dvf_files() {  # spool folder
    local f
    mkdir -p "$1"
    for f in "${DVF_FILES[@]}"; do
        cp "$DEMO_DIR/$f" "$1/$f"
    done
}

if [ -f "$1/$MARKER_NAME" ]; then
    if [ -n "$reset_files" ]; then
        install_dvf_files "$1/$SPOOL_BELOW"
    fi
    exit 0
fi

mkdir -p "$1"
PREFIX=$(cd "$1" && pwd)
MARKER=$PREFIX/$MARKER_NAME
PRINT_OUT=${DEMO_PRINT_OUT:-$PREFIX/testprint.ps}
case $PRINT_OUT in
    /*) ;;
    *) PRINT_OUT=$(pwd)/$PRINT_OUT ;;
esac

# Refuse to turn an unrelated, non-empty directory into a prefix. A prefix
# left unfinished by an interrupted run is simply completed.
if [ -n "$(ls -A "$PREFIX")" ] && [ ! -f "$PREFIX/system.reg" ] \
        && [ ! -d "$PREFIX/dosdevices" ]; then
    echo "$0: $PREFIX is not empty and is not a Wine prefix" >&2
    exit 1
fi

# --- Wine ------------------------------------------------------------------

find_wine64() {
    local f
    if [ -n "${WINE64:-}" ]; then
        echo "$WINE64"
        return
    fi
    if command -v dpkg >/dev/null 2>&1; then
        for f in $(dpkg -L wine64 2>/dev/null); do
            case $f in
                */wine64) if [ -f "$f" ] && [ -x "$f" ]; then echo "$f"; return; fi ;;
            esac
        done
    fi
    for f in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
        if [ -n "$f" ] && [ -x "$f" ]; then echo "$f"; return; fi
    done
    echo "$0: wine64 not found (apt-get install wine64)" >&2
    exit 1
}

WINE64=$(find_wine64)
WINESERVER=$(dirname "$WINE64")/wineserver
if [ ! -x "$WINESERVER" ]; then
    WINESERVER=$(command -v wineserver || true)
fi
if [ -z "$WINESERVER" ]; then
    echo "$0: wineserver not found beside $WINE64" >&2
    exit 1
fi

export WINEPREFIX=$PREFIX
export WINEARCH=win64
export WINEDEBUG=-all
export DISPLAY=

SPOOL_DIR=$PREFIX/$SPOOL_BELOW

# --- Demo printers ---------------------------------------------------------
# name | driver | port | status | resolution (dpi) | label width x length (0.1 mm)
#
# Status bits: 0x00000001 paused, 0x00100000 user intervention. Wine lists
# printers in the order of their registry keys, not in the order below.
# The series printers carry a default device mode with their resolution and
# label, as their drivers write it: 4 x 2 inch and 4 x 6 inch labels, a
# 60 x 40 mm pharmacy label and 25 mm wide wristbands.
PS_PRINTER="ZEL Vextora Alto"
PS_DRIVER="ZEL Vextora Alto"
PS_PORT="ZELPS1:"
PS_PPD="ZELALTO.PPD"
PS_YRES=305

PRINTERS=(
    "ZEL Vextora Alto|ZEL Vextora Alto|$PS_PORT|0x00000000|$PS_YRES|1016x508"
    "Label printer|ZEL Vextora Alto|USB001|0x00000001|305|1016x508"
    "出荷ラベル 1F|ZEL Vextora Basso|USB002|0x00000000|203|1016x1524"
    "調剤ラベル Corda|ZEL Vextora Corda|IP_192.168.10.31|0x00000000|305|600x400"
    "病棟リストバンド 3F|ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL|USB003|0x00000000|305|250x2540"
    "外来受付リストバンド|ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞ(Flex)|IP_192.168.10.32|0x00000000|203|250x2000"
    "倉庫ラベル B2|ZEL Vextora Basso|IP_192.168.20.15|0x00100000|203|1016x1524"
    "新リストバンド 試験機|ZEL Vextora Alto 新ﾘｽﾄﾊﾞﾝﾄﾞ|USB004|0x00000000|305|250x2540"
    "事務所 レーザー 2F|Norvik LB-5200 PCL6|IP_192.168.10.50|0x00000000||"
)

for f in "${DVF_FILES[@]}"; do
    if [ ! -f "$DEMO_DIR/$f" ]; then
        echo "$0: missing $DEMO_DIR/$f (run scripts/gen_demo_dvf.py after building dvftool)" >&2
        exit 1
    fi
done

# --- .reg helpers ----------------------------------------------------------

# A REG_SZ string: backslashes and quotes escaped.
reg_str() {
    local s=${1//\\/\\\\}
    printf '"%s"' "${s//\"/\\\"}"
}

# Little-endian hex bytes "xx,xx" of a 16-bit and a 32-bit value.
le16() { printf '%02x,%02x' $(($1 & 255)) $((($1 >> 8) & 255)); }
le32() { printf '%s,%s' "$(le16 $(($1 & 65535)))" "$(le16 $((($1 >> 16) & 65535)))"; }

# n zero bytes.
zeros() {
    local n=$1 out=""
    while [ "$n" -gt 0 ]; do out+="00,"; n=$((n - 1)); done
    printf '%s' "${out%,}"
}

# Default DevMode: a DEVMODEA (156 bytes) and 8 driver bytes, with the
# print quality (x resolution) and y resolution set to $2 and a label of
# $3 x $4 (width across the head and length, 0.1 mm) as a custom paper.
# Wine's PostScript driver takes the stored dmOrientation and dmScale as they
# stand, whatever dmFields says: 0 would mean landscape and a zero
# LOGPIXELSX/LOGPIXELSY, so portrait and 100 % are stored explicitly.
devmode_hex() {
    local name=$1 res=$2 width=$3 length=$4 name_hex len
    name_hex=$(printf '%s' "$name" | head -c 31 | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
    len=$(printf '%s' "$name" | head -c 31 | wc -c)
    local DM_ORIENTATION=0x00000001 DM_SCALE=0x00000010 DM_COPIES=0x00000100
    local DM_PRINTQUALITY=0x00000400 DM_YRESOLUTION=0x00002000
    local DM_PAPERLENGTH=0x00000004 DM_PAPERWIDTH=0x00000008
    local fields=$((DM_ORIENTATION | DM_SCALE | DM_COPIES | DM_PRINTQUALITY | DM_YRESOLUTION |
                    DM_PAPERLENGTH | DM_PAPERWIDTH))
    local parts=(
        "$name_hex" "$(zeros $((32 - len)))"          # dmDeviceName[32]
        "$(le16 0x0401)"                              # dmSpecVersion
        "$(le16 0)"                                   # dmDriverVersion
        "$(le16 156)"                                 # dmSize
        "$(le16 8)"                                   # dmDriverExtra
        "$(le32 "$fields")"                           # dmFields
        "$(le16 1)"                                   # dmOrientation: portrait
        "$(le16 0)"                                   # dmPaperSize: none, the label's own
        "$(le16 "$length")"                           # dmPaperLength
        "$(le16 "$width")"                            # dmPaperWidth
        "$(le16 100)"                                 # dmScale
        "$(le16 1)"                                   # dmCopies
        "$(zeros 2)"                                  # dmDefaultSource
        "$(le16 "$res")"                              # dmPrintQuality (offset 58)
        "$(zeros 4)"                                  # dmColor, dmDuplex
        "$(le16 "$res")"                              # dmYResolution (offset 64)
        "$(zeros 90)"                                 # dmTTOption .. dmPanningHeight
        "$(zeros 8)"                                  # driver extra
    )
    local IFS=,
    printf '%s' "${parts[*]}" | sed 's/^,//; s/,,*/,/g'
}

write_reg() {
    local printers_key='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print\Printers'
    local drivers_key='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print\Environments\Windows x64\Drivers\Version-3'
    local entry name driver port status res label
    echo 'Windows Registry Editor Version 5.00'
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
    echo '"Managed"="N"'
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
    for font in "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
        echo "$(reg_str "$font")=\"IPAPGothic\""
    done
    for entry in "${PRINTERS[@]}"; do
        IFS='|' read -r name driver port status res label <<<"$entry"
        echo
        echo "[$printers_key\\$name]"
        echo "\"Name\"=$(reg_str "$name")"
        echo "\"Printer Driver\"=$(reg_str "$driver")"
        echo "\"Port\"=$(reg_str "$port")"
        echo '"Print Processor"="winprint"'
        echo '"Datatype"="RAW"'
        printf '"Attributes"=dword:%08x\n' 0x40
        printf '"Status"=dword:%08x\n' "$status"
        if [ -n "$res" ]; then
            echo "\"Default DevMode\"=hex:$(devmode_hex "$name" "$res" "${label%x*}" "${label#*x}")"
        fi
    done
    echo
    echo "[$drivers_key\\$PS_DRIVER]"
    echo '"Version"=dword:00000003'
    echo '"Driver"="wineps.drv"'
    echo '"Configuration File"="wineps.drv"'
    echo "\"Data File\"=$(reg_str "$PS_PPD")"
    echo '"Datatype"="RAW"'
    echo
    echo '[HKEY_CURRENT_USER\Software\Microsoft\Windows NT\CurrentVersion\Devices]'
    echo "$(reg_str "$PS_PRINTER")=$(reg_str "WINEPS.DRV,$PS_PORT")"
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\Printing\Spooler]'
    echo "$(reg_str "$PS_PORT")=$(reg_str "$PRINT_OUT")"
}

# Wine's generic PPD is embedded in winspool.drv (wineboot copies it into
# system32) as text that starts at "*PPD-Adobe" and ends at the first NUL.
extract_generic_ppd() {
    local dest=$1 drv=$PREFIX/drive_c/windows/system32/winspool.drv offset
    offset=$(grep -obUa -m 1 -- '\*PPD-Adobe' "$drv" | cut -d: -f1 || true)
    if [ -z "$offset" ]; then
        echo "$0: no PPD text found in $drv" >&2
        exit 1
    fi
    # head stops reading early; that SIGPIPE in tail is expected.
    (set +o pipefail; tail -c +$((offset + 1)) "$drv" | head -z -n 1 | tr -d '\0' >"$dest")
    if [ "$(head -c 10 "$dest")" != "*PPD-Adobe" ] || [ "$(wc -l <"$dest")" -lt 100 ]; then
        echo "$0: could not extract the generic PPD from $drv" >&2
        exit 1
    fi
    # Offer the label printers' resolutions too, so that a device mode of
    # 203 or 305 dpi is honoured instead of falling back to the default.
    # The PPD reader wants them spelt "NxNdpi" ("305dpi" would read as 30x5).
    sed -i '/^\*Resolution 300dpi\//i\
*Resolution 203x203dpi/203 DPI: "<</HWResolution[203 203]>>setpagedevice"' "$dest"
    sed -i '/^\*Resolution 300dpi\//a\
*Resolution 305x305dpi/305 DPI: "<</HWResolution[305 305]>>setpagedevice"' "$dest"
    if ! grep -q '^\*Resolution 305x305dpi/' "$dest"; then
        echo "$0: could not add the 305 dpi resolution to $dest" >&2
        exit 1
    fi
}

# --- Build -----------------------------------------------------------------

WINEDLLOVERRIDES="mscoree=;mshtml=" "$WINE64" wineboot -i

install_dvf_files "$SPOOL_DIR"
extract_generic_ppd "$SPOOL_DIR/$PS_PPD"
mkdir -p "$(dirname "$PRINT_OUT")"

REG_FILE=$PREFIX/drive_c/windows/temp/vx-demo-settings.reg
mkdir -p "$(dirname "$REG_FILE")"
{ printf '\xff\xfe'; write_reg | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } >"$REG_FILE"
"$WINE64" regedit /S 'C:\windows\temp\vx-demo-settings.reg'
"$WINESERVER" -w
rm -f "$REG_FILE"

{
    echo "created $(date -u +%Y-%m-%dT%H:%M:%SZ)"
    echo "wine $("$WINE64" --version)"
    echo "print output $PRINT_OUT"
} >"$MARKER"
