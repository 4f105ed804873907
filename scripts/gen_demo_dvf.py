#!/usr/bin/env python3
"""Generate the demo driver font files in demo/ with the tool's own writer.

Each file starts as a driver font file that holds only its version section;
`dvftool set --json` then gives the 60 driver fonts their settings, and the
tool writes every font section with the keys of its type, in its own order.
This script knows no key: the settings below are record fields as dvftool
dump names them, with the values the records hold (numbers zero-padded as
the setting pages store them). Fields left out keep what a file without
the key gives.

Usage: gen_demo_dvf.py [DVFTOOL [OUTDIR]]
       (defaults: build/native/bin/dvftool, demo/ beside this script's parent)
"""

import json
import os
import subprocess
import sys
import tempfile

CHAR_FONTS = [f"ZEL文字フォント{n:02d}" for n in range(1, 31)]
BARCODE_FONTS = [f"ZELバーコード{n:02d}" for n in range(1, 21)]
CODE2D_FONTS = [f"ZEL2次元コード{n:02d}" for n in range(1, 11)]

# ---------------------------------------------------------------------------
# Character fonts: the type index (0-19 bitmap, 20-26 outline and price
# fonts) and the fields that differ from a plain font of its group.
# ---------------------------------------------------------------------------

BITMAP_PLAIN = dict(sizeX="10", sizeY="10")  # magnification 1.0
OUTLINE_PLAIN = dict()

LEFT = dict(alignment="P", alignmentMode="1")
CENTRE = dict(alignment="P", alignmentMode="2")
RIGHT = dict(alignment="P", alignmentMode="3")
JUSTIFIED = dict(alignment="P", alignmentMode="4")
LINE_BREAK = dict(alignment="P", alignmentMode="5")

CHAR_DEMO = [
    # 01..20: the bitmap fonts in their factory order
    (0, dict(originX="0020", originY="00030")),
    (1, dict(originX="0020", originY="00080")),
    (2, dict(originX="0020", originY="00140", spacingAdjust="+", spacing="02")),
    (3, dict(originX="0020", originY="00200", rotation="11")),
    (4, dict(originX="0020", originY="00260", sizeX="20", sizeY="20")),
    (5, dict(originX="0020", originY="00380", decoration="F", decorationParams="0202")),
    (6, dict()),
    (7, dict(originX="0040", originY="00030", emphasis="J", shiftX="01", shiftY="00")),
    (8, dict(originX="0040", originY="00120", decoration="W", decorationParams="0302")),
    (9, dict(originX="0000", originY="00200", **CENTRE)),
    (10, dict(originX="0030", originY="00250", areaWidth="0480", lineFeed="035",
              areaLines="03", **LINE_BREAK)),
    (11, dict(originX="0030", originY="00420", decoration="C", decorationParams="05")),
    (12, dict(originX="0060", originY="00030", checkDigit="M", checkDigitMode="0")),
    (13, dict(originX="0060", originY="00090", checkDigit="M", checkDigitMode="1",
              zeroSuppress="Z", zeroSuppressDigits="06")),
    (14, dict(originX="0010", originY="00010", spacingAdjust="-", spacing="01")),
    (15, dict(originX="0010", originY="00060", areaWidth="0600", **JUSTIFIED)),
    (16, dict(sizeX="15", sizeY="15")),
    (17, dict(originX="0100", originY="00100", rotation="22")),
    (18, dict(originX="0010", originY="00160")),
    (19, dict(originX="0010", originY="00220", rotation="33", sizeX="05", sizeY="10")),
    # 21..27: outline and price fonts (sizes in 0.1 mm)
    (20, dict(originX="0020", originY="00050", sizeX="0030", sizeY="0030")),
    (21, dict()),
    (22, dict(originX="0150", originY="00300", sizeX="0050", sizeY="0080",
              zeroSuppress="Z", zeroSuppressDigits="05", **RIGHT)),
    (23, dict(originX="0150", originY="00400", sizeX="0060", sizeY="0100", **RIGHT)),
    (24, dict(originX="0150", originY="00520", sizeX="0080", sizeY="0120",
              checkDigit="M", checkDigitMode="0")),
    (25, dict(originX="0020", originY="00600", sizeX="0040", sizeY="0040",
              spacingAdjust="+", spacing="005", decoration="W", decorationParams="0403")),
    (26, dict(originX="0020", originY="00700", sizeX="0045", sizeY="0045", areaWidth="0500",
              **JUSTIFIED)),
    # 28..30: spare slots, two of them set up for other uses
    (26, dict(originX="0000", originY="00000", sizeX="0120", sizeY="0120", rotation="11")),
    (1, dict()),
    (15, dict(originX="0010", originY="00800", **LEFT)),
]

# ---------------------------------------------------------------------------
# Barcode fonts: the type by name, the digits under the bars shown, and the
# fields that differ from what a file without the keys gives the type.
# ---------------------------------------------------------------------------

BARCODE_PLAIN = dict(humanReadable="1")

# A font given another type than its factory type still holds the factory
# type's values: the demo gives it what a file without keys gives the type.
DATABAR_PLAIN = dict(moduleWidth="03", height="0084")
CUSTOMER_PLAIN = dict(moduleWidth="04", height="0035")

BARCODE_DEMO = [
    ("Codabar", dict(originX="0040", originY="00050", startStop="N")),
    ("Code 2of5", dict(originX="0040", originY="00050", checkDigit="3")),
    ("CODE128", dict(originX="0040", originY="00050", height="0120")),
    ("CODE39", dict(originX="0040", originY="00050", checkDigit="3", narrowBar="02",
                    narrowSpace="02", wideBar="05", wideSpace="05", charGap="02",
                    height="0150")),
    ("CODE39(フルアスキー)", dict(originX="0040", originY="00050", startStop="T")),
    ("CODE93", dict(originX="0040", originY="00050", moduleWidth="02", humanReadable="0")),
    ("GS1 DataBar", dict(originX="0040", originY="00060", rssVersion="2", moduleWidth="02")),
    ("ITF", dict(originX="0040", originY="00050", checkDigit="3", wideBar="07",
                 wideSpace="07", height="0180", rotation="0")),
    ("JAN/EAN13", dict(originX="0060", originY="00040", guardBarLength="020")),
    ("JAN/EAN13+2digits", dict(originX="0060", originY="00040")),
    ("JAN/EAN13+5digits", dict(originX="0060", originY="00040", checkDigit="4")),
    ("JAN/EAN8", dict(originX="0060", originY="00040", moduleWidth="03")),
    ("JAN/EAN8+2digits", dict(originX="0060", originY="00040")),
    ("JAN/EAN8+5digits", dict(originX="0060", originY="00040", rotation="1")),
    ("MSI/Plessey", dict(originX="0040", originY="00050", checkDigit="4")),
    ("UCC/EAN128", dict(originX="0030", originY="00050", height="0250", zeroSuppress="04")),
    ("UPC-A", dict(originX="0060", originY="00040")),
    ("UPC-A+2digits", dict(originX="0060", originY="00040", humanReadable="0")),
    ("GS1 DataBar", dict(DATABAR_PLAIN, originX="0040", originY="00060", rssVersion="5",
                         height="0068")),
    ("カスタマーバーコード", dict(CUSTOMER_PLAIN, originX="0100", originY="00080")),
]

# ---------------------------------------------------------------------------
# 2D code fonts: the type index (0 Data Matrix, 1 MaxiCode, 2 MicroPDF417,
# 3 PDF417, 4 QR code, 5 GS1 Composite) and the fields of that type's
# parameter record that differ from what a file without the keys gives.
# ---------------------------------------------------------------------------

CODE2D_RECORDS = ["DataMatrixParams", "MaxiCodeParams", "MicroPdf417Params",
                  "Pdf417Params", "QrCodeParams", "Gs1CompositeParams"]

CODE2D_PLAIN = {5: dict(rowHeight="0100")}

CODE2D_DEMO = [
    (0, dict(originX="0050", originY="00050", moduleWidth="04", cellSizeMarker="C",
             cellColumns="018", cellRows="008")),
    (1, dict(originX="0050", originY="00050", mode="3")),
    (2, dict(originX="0050", originY="00050", rowHeight="0008")),
    (3, dict(originX="0050", originY="00050", securityLevel="02", columnRowCount="04",
             rowHeight="0010")),
    (4, dict(originX="0050", originY="00050", errorCorrection="M", moduleWidth="04")),
    (0, dict()),
    (1, dict()),
    (5, dict(originX="0040", originY="00120", linearType="05", moduleWidth="02")),
    (3, dict(originX="0030", originY="00030", securityLevel="05", rotation="1")),
    (4, dict(originX="0200", originY="00030", errorCorrection="H", moduleWidth="06",
             model="1", rotation="2")),
]

# ---------------------------------------------------------------------------
# Per driver: small differences between the models' shipped files, given as
# {font name: fields}. The wristband drivers print across a narrow band, so
# their text runs along the band (string rotation) and their codes are
# smaller.
# ---------------------------------------------------------------------------

WRISTBAND = {
    **{name: dict(rotation="11") for name in CHAR_FONTS[:6]},
    "ZELバーコード03": dict(height="0060", rotation="1"),
    "ZEL2次元コード05": dict(moduleWidth="03", originX="0020", originY="00020"),
}

DRIVER_FILES = {
    # file name: overrides
    "ALTOD.DVF": {},
    "ALTOLD.DVF": WRISTBAND,
    "BASSD.DVF": {
        "ZEL文字フォント05": dict(sizeX="15", sizeY="15"),
        "ZELバーコード09": dict(moduleWidth="03", height="0180"),
        "ZEL2次元コード05": dict(moduleWidth="05"),
    },
    "BASSED.DVF": {
        **WRISTBAND,
        "ZELバーコード07": dict(rssVersion="4"),
    },
    "CORDD.DVF": {
        "ZEL文字フォント11": dict(areaWidth="0960", areaLines="05"),
        "ZELバーコード04": dict(height="0200"),
        "ZEL2次元コード04": dict(securityLevel="03", columnRowCount="06"),
    },
}

MAIN_FILE = "ALTOD.DVF"


# ---------------------------------------------------------------------------
# The settings as dvftool's JSON, and the files
# ---------------------------------------------------------------------------


def font(name, first, fields, overrides, prefix=""):
    entry = {"font": name, **first}
    for field, value in {**fields, **overrides.get(name, {})}.items():
        entry[prefix + field] = value
    return entry


def settings(overrides):
    fonts = []
    for name, (index, fields) in zip(CHAR_FONTS, CHAR_DEMO):
        plain = BITMAP_PLAIN if index < 20 else OUTLINE_PLAIN
        fonts.append(font(name, {"typeIndex": index}, {**plain, **fields}, overrides))
    for name, (type_name, fields) in zip(BARCODE_FONTS, BARCODE_DEMO):
        fonts.append(font(name, {"typeName": type_name}, {**BARCODE_PLAIN, **fields},
                          overrides))
    for name, (index, fields) in zip(CODE2D_FONTS, CODE2D_DEMO):
        fields = {**CODE2D_PLAIN.get(index, {}), **fields}
        fonts.append(font(name, {"typeIndex": index}, fields, overrides,
                          CODE2D_RECORDS[index] + "."))
    return fonts


def build(dvftool, path, overrides):
    with open(path, "wb") as f:
        f.write(b"[DVF]\r\nVersion=2.000\r\n")
    subprocess.run([dvftool, "set", path, "--json", "-"], check=True,
                   input=json.dumps(settings(overrides), ensure_ascii=False).encode(),
                   stdout=subprocess.DEVNULL)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)
    dvftool = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "build", "native", "bin", "dvftool")
    outdir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "demo")
    os.makedirs(outdir, exist_ok=True)
    for file_name, overrides in DRIVER_FILES.items():
        build(dvftool, os.path.join(outdir, file_name), overrides)
    build(dvftool, os.path.join(outdir, "demo.dvf"), DRIVER_FILES[MAIN_FILE])
    # The same settings under a layout version the tool refuses.
    with open(os.path.join(outdir, "demo.dvf"), "rb") as f:
        current = f.read()
    with open(os.path.join(outdir, "old_version.dvf"), "wb") as f:
        f.write(current.replace(b"Version=2.000", b"Version=1.000", 1))


if __name__ == "__main__":
    main()
