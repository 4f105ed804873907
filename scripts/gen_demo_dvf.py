#!/usr/bin/env python3
"""Generate the demo driver font files in demo/.

The files look like the ones a printer driver ships beside itself: a [DVF]
section with the layout version, then one section per driver font (30
character fonts, 20 barcode fonts, 10 2D code fonts) holding "FontType" and
the complete key set of that font's type, in the order in which the tool
itself writes them. The files are Shift-JIS (cp932) text with CRLF line ends.

Numbers in the tables below are ints and are zero-padded to the width that
the key name announces (one character per "p<letter><digit>" group, so
"XBpl1pl2pl3pl4" holds four digits); strings are codes and go out as they
are ("default", "B", "W", "M", ...).

Usage: gen_demo_dvf.py [OUTDIR]   (default: demo/ beside this script's parent)
"""

import os
import re
import sys

# ---------------------------------------------------------------------------
# Driver font names and type tables
# ---------------------------------------------------------------------------

CHAR_FONTS = [f"ZEL文字フォント{n:02d}" for n in range(1, 31)]
BARCODE_FONTS = [f"ZELバーコード{n:02d}" for n in range(1, 21)]
CODE2D_FONTS = [f"ZEL2次元コード{n:02d}" for n in range(1, 11)]

# FontType numbers 51..57 are the outline and price fonts (the "PV" keys).
OUTLINE_FONT_TYPES = range(51, 58)

BARCODE_TYPES = [
    "Codabar", "Code 2of5", "CODE128", "CODE39", "CODE39(フルアスキー)",
    "CODE93", "GS1 DataBar", "ITF", "JAN/EAN13", "JAN/EAN13+2digits",
    "JAN/EAN13+5digits", "JAN/EAN8", "JAN/EAN8+2digits", "JAN/EAN8+5digits",
    "MSI/Plessey", "UCC/EAN128", "UPC-A", "UPC-A+2digits", "UPC-A+5digits",
    "UPC-E", "UPC-E+2digits", "UPC-E+5digits", "カスタマーバーコード",
]  # FontType = 101 + position

CODE2D_TYPES = [
    "Data Matrix", "MaxiCode", "MicroPDF417", "PDF417", "QRコード",
    "GS1 Composite",
]  # FontType = 201 + position


def barcode_font_type(type_name):
    return 101 + BARCODE_TYPES.index(type_name)


def code2d_font_type(type_name):
    return 201 + CODE2D_TYPES.index(type_name)


# ---------------------------------------------------------------------------
# Key tables, in writing order
#
# Each entry is (key, source). A source is a record field name, or Const(x)
# for a key that always holds the same text. An optional third element is a
# condition on the record: when it is false the key holds "default".
# ---------------------------------------------------------------------------


class Const(str):
    """A key value that does not come from the record."""


def spacing_adjusted(r):
    return r["spacingAdjust"] != "default"


def emphasised(r):
    return r["emphasis"] != "default"


def mode_in(*modes):
    return lambda r: r["alignmentMode"] in modes


BITMAP_KEYS = [
    ("PCpb1pb2pb3pb4", "originX"),
    ("PCpc1pc2pc3pc4pc5", "originY"),
    ("PCpd1pd2", "sizeX"),
    ("PCpe1pe2", "sizeY"),
    ("PCpg", "spacingAdjust"),
    ("PCph1ph2", "spacing", spacing_adjusted),
    ("PCpi1pi2", "rotation"),
    ("PCpj", "decoration"),
    ("PCpk1pk2pl1pl2", "decorationParams"),
    ("PCJ", "emphasis"),
    ("PCpm1pm2", "shiftX", emphasised),
    ("PCpn1pn2", "shiftY", emphasised),
    ("PCM", "checkDigit"),
    ("PCpo", "checkDigitMode"),
    ("PCpp", Const("+")),
    ("PCpq1pq2pq3pq4pq5pq6pq7pq8pq9pq10", Const("0000000000")),
    ("PCZ", "zeroSuppress"),
    ("PCpr1pr2", "zeroSuppressDigits"),
    ("PCP", "alignment"),
    ("PCps", "alignmentMode"),
    ("PCpt1pt2pt3pt4", "areaWidth", mode_in("5", "4")),
    ("PCpu1pu2pu3", "lineFeed", mode_in("5")),
    ("PCpv1pv2", "areaLines", mode_in("5")),
]

OUTLINE_KEYS = [
    ("PVpb1pb2pb3pb4", "originX"),
    ("PVpc1pc2pc3pc4pc5", "originY"),
    ("PVpd1pd2pd3pd4", "sizeX"),
    ("PVpe1pe2pe3pe4", "sizeY"),
    ("PVpg", "spacingAdjust"),
    ("PVph1ph2ph3", "spacing", spacing_adjusted),
    ("PVpi1pi2", "rotation"),
    ("PVpj", "decoration"),
    ("PVpk1pk2pl1pl2", "decorationParams"),
    ("PVM", "checkDigit"),
    ("PVpm", "checkDigitMode"),
    ("PVpn", Const("+")),
    ("PVpo1po2po3po4po5po6po7po8po9po10", Const("0000000000")),
    ("PVZ", "zeroSuppress"),
    ("PVpp1pp2", "zeroSuppressDigits"),
    ("PVP", "alignment"),
    ("PVpq", "alignmentMode"),
    ("PVpr1pr2pr3pr4", "areaWidth", mode_in("4")),
]

BARCODE_ORIGIN_KEYS = [
    ("XBpb1pb2pb3pb4", "originX"),
    ("XBpc1pc2pc3pc4pc5", "originY"),
]

ELEMENT_WIDTH_TYPES = {"Codabar", "Code 2of5", "CODE39", "CODE39(フルアスキー)",
                       "ITF", "MSI/Plessey"}
MODULE_TYPES = {"CODE128", "CODE93", "UCC/EAN128", "GS1 DataBar"}


def element_width_keys(t):
    code39 = t in ("CODE39", "CODE39(フルアスキー)")
    keys = []
    if t != "Codabar":
        keys.append(("XBpe", "checkDigit"))
    keys += [
        ("XBpf1pf2", "narrowBar"),
        ("XBpg1pg2", "narrowSpace"),
        ("XBph1ph2", "wideBar"),
        ("XBpi1pi2", "wideSpace"),
        ("XBpj1pj2", "charGap"),
        ("XBpk", "rotation"),
        ("XBpl1pl2pl3pl4", "height"),
        ("XBpm", Const("+")),
        ("XBpn1pn2pn3pn4pn5pn6pn7pn8pn9pn10", Const("0000000000")),
        ("XBpo", "humanReadable"),
    ]
    if t == "Code 2of5" or code39:
        keys.append(("XBpp1pp2", "zeroSuppress"))
    else:
        keys.append(("XBpp1pp2", Const("00")))
    if t in ("Codabar", "MSI/Plessey") or code39:
        keys.append(("XBpq", "startStop"))
    return keys


def module_keys(t):
    keys = []
    if t == "CODE128":
        keys.append(("XBpd", "autoSwitch"))
    if t == "GS1 DataBar":
        keys.append(("XBpe", "rssVersion"))
    keys += [
        ("XBpf1pf2", "moduleWidth"),
        ("XBpg", "rotation"),
        ("XBph1ph2ph3ph4", "height"),
        ("XBpi", Const("+")),
        ("XBpj1pj2pj3pj4pj5pj6pj7pj8pj9pj10", Const("0000000000")),
    ]
    if t == "GS1 DataBar":
        keys.append(("XBpk1pk2", "zeroSuppress"))
    else:
        keys += [
            ("XBpk1pk2pk3", Const("000")),
            ("XBpl", "humanReadable"),
            ("XBpm1pm2", "zeroSuppress"),
        ]
    return keys


EAN_UPC_KEYS = [
    ("XBpe", "checkDigit"),
    ("XBpf1pf2", "moduleWidth"),
    ("XBpg", "rotation"),
    ("XBph1ph2ph3ph4", "height"),
    ("XBpi", Const("+")),
    ("XBpj1pj2pj3pj4pj5pj6pj7pj8pj9pj10", Const("0000000000")),
    ("XBpk1pk2pk3", "guardBarLength"),
    ("XBpl", "humanReadable"),
    ("XBpm1pm2", Const("00")),
]

CUSTOMER_KEYS = [
    ("XBpf1pf2", "moduleWidth"),
    ("XBpg", "rotation"),
    ("XBph1ph2ph3ph4", "height"),
]


def barcode_keys(type_name):
    if type_name in ELEMENT_WIDTH_TYPES:
        family = element_width_keys(type_name)
    elif type_name in MODULE_TYPES:
        family = module_keys(type_name)
    elif type_name == "カスタマーバーコード":
        family = CUSTOMER_KEYS
    else:  # the JAN/EAN and UPC types
        family = EAN_UPC_KEYS
    return BARCODE_ORIGIN_KEYS + family


CODE2D_KEYS = {
    "Data Matrix": [
        ("XBpf1pf2", "moduleWidth"),
        ("XBph", "rotation"),
        ("XBC", "cellSizeMarker"),
        ("XBpi1pi2pi3", "cellColumns"),
        ("XBpj1pj2pj3", "cellRows"),
    ],
    "MaxiCode": [
        ("XBpe", "mode"),
    ],
    "MicroPDF417": [
        ("XBpf1pf2", "moduleWidth"),
        ("XBpg1pg2", "columnRowCount"),
        ("XBph", "rotation"),
        ("XBpi1pi2pi3pi4", "rowHeight"),
    ],
    "PDF417": [
        ("XBpe1pe2", "securityLevel"),
        ("XBpf1pf2", "moduleWidth"),
        ("XBpg1pg2", "columnRowCount"),
        ("XBph", "rotation"),
        ("XBpi1pi2pi3pi4", "rowHeight"),
    ],
    "QRコード": [
        ("XBpe", "errorCorrection"),
        ("XBpf1pf2", "moduleWidth"),
        ("XBpg", Const("A")),
        ("XBph", "rotation"),
        ("XBpi", "model"),
    ],
    "GS1 Composite": [
        ("XBpe1pe2", "linearType"),
        ("XBpf1pf2", "moduleWidth"),
        ("XBpg", "rotation"),
        ("XBph1ph2ph3ph4", "rowHeight"),
    ],
}


def code2d_keys(type_name):
    return BARCODE_ORIGIN_KEYS + CODE2D_KEYS[type_name]


# ---------------------------------------------------------------------------
# Values
# ---------------------------------------------------------------------------


def key_width(key):
    """Number of characters the key's name announces ("PCpd1pd2" -> 2)."""
    return len(re.findall(r"p[a-z]\d+", key))


def format_value(key, value):
    if isinstance(value, int):
        return str(value).rjust(key_width(key), "0")
    return value


def section_lines(keys, record):
    lines = []
    for entry in keys:
        key, source = entry[0], entry[1]
        if isinstance(source, Const):
            value = str(source)
        elif len(entry) > 2 and not entry[2](record):
            value = "default"
        else:
            value = format_value(key, record[source])
        lines.append(f"{key}={value}")
    return lines


# ---------------------------------------------------------------------------
# Demo content
#
# Each font is given as its FontType and the fields that differ from the
# plain values of its family; everything else takes the plain values below.
# ---------------------------------------------------------------------------

BITMAP_PLAIN = dict(
    originX="default", originY="default", sizeX=10, sizeY=10,
    spacingAdjust="default", spacing=0, rotation="default",
    decoration="B", decorationParams="default",
    emphasis="default", shiftX=1, shiftY=1,
    checkDigit="default", checkDigitMode="default",
    zeroSuppress="default", zeroSuppressDigits="default",
    alignment="default", alignmentMode="default",
    areaWidth=50, lineFeed=10, areaLines=1,
)

OUTLINE_PLAIN = dict(BITMAP_PLAIN, sizeX="default", sizeY="default")

# Alignment settings as the character font page stores them.
LEFT = dict(alignment="P", alignmentMode="1")
CENTRE = dict(alignment="P", alignmentMode="2")
RIGHT = dict(alignment="P", alignmentMode="3")
JUSTIFIED = dict(alignment="P", alignmentMode="4")
LINE_BREAK = dict(alignment="P", alignmentMode="5")

CHAR_DEMO = [
    # 01..20: the bitmap fonts in their factory order
    (1, dict(originX=20, originY=30)),
    (2, dict(originX=20, originY=80)),
    (3, dict(originX=20, originY=140, spacingAdjust="+", spacing=2)),
    (4, dict(originX=20, originY=200, rotation="11")),
    (5, dict(originX=20, originY=260, sizeX=20, sizeY=20)),
    (6, dict(originX=20, originY=380, decoration="F",
             decorationParams="0202")),
    (7, dict()),
    (8, dict(originX=40, originY=30, emphasis="J", shiftX=1, shiftY=0)),
    (9, dict(originX=40, originY=120, decoration="W",
             decorationParams="0302")),
    (10, dict(originX=0, originY=200, **CENTRE)),
    (11, dict(originX=30, originY=250, areaWidth=480, lineFeed=35,
              areaLines=3, **LINE_BREAK)),
    (12, dict(originX=30, originY=420, decoration="C",
              decorationParams="05")),
    (13, dict(originX=60, originY=30, checkDigit="M", checkDigitMode="0")),
    (14, dict(originX=60, originY=90, checkDigit="M", checkDigitMode="1",
              zeroSuppress="Z", zeroSuppressDigits=6)),
    (15, dict(originX=10, originY=10, spacingAdjust="-", spacing=1)),
    (16, dict(originX=10, originY=60, areaWidth=600, **JUSTIFIED)),
    (17, dict(sizeX=15, sizeY=15)),
    (18, dict(originX=100, originY=100, rotation="22")),
    (19, dict(originX=10, originY=160)),
    (20, dict(originX=10, originY=220, rotation="33", sizeX=5, sizeY=10)),
    # 21..27: outline and price fonts
    (51, dict(originX=20, originY=50, sizeX=30, sizeY=30)),
    (52, dict()),
    (53, dict(originX=150, originY=300, sizeX=50, sizeY=80,
              zeroSuppress="Z", zeroSuppressDigits=5, **RIGHT)),
    (54, dict(originX=150, originY=400, sizeX=60, sizeY=100, **RIGHT)),
    (55, dict(originX=150, originY=520, sizeX=80, sizeY=120,
              checkDigit="M", checkDigitMode="0")),
    (56, dict(originX=20, originY=600, sizeX=40, sizeY=40,
              spacingAdjust="+", spacing=5, decoration="W",
              decorationParams="0403")),
    (57, dict(originX=20, originY=700, sizeX=45, sizeY=45, areaWidth=500,
              **JUSTIFIED)),
    # 28..30: spare slots, two of them set up for other uses
    (57, dict(originX=0, originY=0, sizeX=120, sizeY=120, rotation="01")),
    (2, dict()),
    (16, dict(originX=10, originY=800, **LEFT)),
]

# Plain values per barcode type: those a file without the key gives, with
# the digits shown under the bars.
ELEMENT_PLAIN = dict(narrowBar=3, narrowSpace=3, wideBar=8, wideSpace=8,
                     charGap=3, rotation="default", height=100,
                     humanReadable="1", zeroSuppress="default",
                     startStop="default", checkDigit="1")
MODULE_PLAIN = dict(autoSwitch="9", rssVersion="1", moduleWidth=3,
                    rotation="default", height=100, humanReadable="1",
                    zeroSuppress="default")
EAN_PLAIN = dict(checkDigit="3", moduleWidth=4, rotation="default",
                 height=230, guardBarLength="default", humanReadable="1")


def barcode_plain(type_name):
    if type_name in ELEMENT_WIDTH_TYPES:
        plain = dict(ELEMENT_PLAIN)
        if type_name == "MSI/Plessey":
            plain.update(wideBar=6, wideSpace=6)
        return plain
    if type_name in MODULE_TYPES:
        plain = dict(MODULE_PLAIN)
        if type_name == "UCC/EAN128":
            plain.update(moduleWidth=2)
        if type_name == "GS1 DataBar":
            plain.update(height=84)
        return plain
    if type_name == "カスタマーバーコード":
        return dict(moduleWidth=4, rotation="default", height=35)
    plain = dict(EAN_PLAIN)
    if type_name.startswith("JAN/EAN8"):
        plain.update(checkDigit="1", height=180)
    return plain


BARCODE_DEMO = [
    ("Codabar", dict(originX=40, originY=50, startStop="N")),
    ("Code 2of5", dict(originX=40, originY=50, checkDigit="3")),
    ("CODE128", dict(originX=40, originY=50, height=120)),
    ("CODE39", dict(originX=40, originY=50, checkDigit="3", narrowBar=2,
                    narrowSpace=2, wideBar=5, wideSpace=5, charGap=2,
                    height=150)),
    ("CODE39(フルアスキー)", dict(originX=40, originY=50, startStop="T")),
    ("CODE93", dict(originX=40, originY=50, moduleWidth=2,
                    humanReadable="0")),
    ("GS1 DataBar", dict(originX=40, originY=60, rssVersion="2",
                         moduleWidth=2)),
    ("ITF", dict(originX=40, originY=50, checkDigit="3", wideBar=7,
                 wideSpace=7, height=180, rotation="0")),
    ("JAN/EAN13", dict(originX=60, originY=40, guardBarLength=20)),
    ("JAN/EAN13+2digits", dict(originX=60, originY=40)),
    ("JAN/EAN13+5digits", dict(originX=60, originY=40, checkDigit="4")),
    ("JAN/EAN8", dict(originX=60, originY=40, moduleWidth=3)),
    ("JAN/EAN8+2digits", dict(originX=60, originY=40)),
    ("JAN/EAN8+5digits", dict(originX=60, originY=40, rotation="1")),
    ("MSI/Plessey", dict(originX=40, originY=50, checkDigit="4",
                         startStop="default")),
    ("UCC/EAN128", dict(originX=30, originY=50, height=250,
                        zeroSuppress=4)),
    ("UPC-A", dict(originX=60, originY=40)),
    ("UPC-A+2digits", dict(originX=60, originY=40, humanReadable="0")),
    ("GS1 DataBar", dict(originX=40, originY=60, rssVersion="5",
                         height=68)),
    ("カスタマーバーコード", dict(originX=100, originY=80)),
]

CODE2D_PLAIN = {
    "Data Matrix": dict(moduleWidth=3, rotation="default",
                        cellSizeMarker="default", cellColumns="default",
                        cellRows="default"),
    "MaxiCode": dict(mode="0"),
    "MicroPDF417": dict(moduleWidth=3, columnRowCount=2, rotation="default",
                        rowHeight=6),
    "PDF417": dict(securityLevel=0, moduleWidth=3, columnRowCount=15,
                   rotation="default", rowHeight=8),
    "QRコード": dict(errorCorrection="L", moduleWidth=3, rotation="default",
                    model="2"),
    "GS1 Composite": dict(linearType="01", moduleWidth=3, rotation="default",
                          rowHeight=100),
}

CODE2D_DEMO = [
    ("Data Matrix", dict(originX=50, originY=50, moduleWidth=4,
                         cellSizeMarker="C", cellColumns=18, cellRows=8)),
    ("MaxiCode", dict(originX=50, originY=50, mode="3")),
    ("MicroPDF417", dict(originX=50, originY=50, rowHeight=8)),
    ("PDF417", dict(originX=50, originY=50, securityLevel=2,
                    columnRowCount=4, rowHeight=10)),
    ("QRコード", dict(originX=50, originY=50, errorCorrection="M",
                     moduleWidth=4)),
    ("Data Matrix", dict()),
    ("MaxiCode", dict()),
    ("GS1 Composite", dict(originX=40, originY=120, linearType="05",
                           moduleWidth=2)),
    ("PDF417", dict(originX=30, originY=30, securityLevel=5, rotation="1")),
    ("QRコード", dict(originX=200, originY=30, errorCorrection="H",
                     moduleWidth=6, model="1", rotation="2")),
]

# Per driver: small differences between the models' shipped files, given
# as {font name: fields}. The wristband drivers print across a narrow band,
# so their text runs along the band (string rotation) and their codes are
# smaller.
WRISTBAND = {
    **{name: dict(rotation="01") for name in CHAR_FONTS[:6]},
    "ZELバーコード03": dict(height=60, rotation="1"),
    "ZEL2次元コード05": dict(moduleWidth=3, originX=20, originY=20),
}

DRIVER_FILES = {
    # file name: overrides
    "ALTOD.DVF": {},
    "ALTOLD.DVF": WRISTBAND,
    "BASSD.DVF": {
        "ZEL文字フォント05": dict(sizeX=15, sizeY=15),
        "ZELバーコード09": dict(moduleWidth=3, height=180),
        "ZEL2次元コード05": dict(moduleWidth=5),
    },
    "BASSED.DVF": {
        **WRISTBAND,
        "ZELバーコード07": dict(rssVersion="4"),
    },
    "CORDD.DVF": {
        "ZEL文字フォント11": dict(areaWidth=960, areaLines=5),
        "ZELバーコード04": dict(height=200),
        "ZEL2次元コード04": dict(securityLevel=3, columnRowCount=6),
    },
}

MAIN_FILE = "ALTOD.DVF"


# ---------------------------------------------------------------------------
# Building the file
# ---------------------------------------------------------------------------


def char_section(name, font_type, fields, overrides):
    outline = font_type in OUTLINE_FONT_TYPES
    record = dict(OUTLINE_PLAIN if outline else BITMAP_PLAIN)
    record.update(fields)
    record.update(overrides.get(name, {}))
    keys = OUTLINE_KEYS if outline else BITMAP_KEYS
    return [f"FontType={font_type}"] + section_lines(keys, record)


def barcode_section(name, type_name, fields, overrides):
    record = barcode_plain(type_name)
    record.update(originX="default", originY="default")
    record.update(fields)
    record.update(overrides.get(name, {}))
    return ([f"FontType={barcode_font_type(type_name)}"]
            + section_lines(barcode_keys(type_name), record))


def code2d_section(name, type_name, fields, overrides):
    record = dict(CODE2D_PLAIN[type_name])
    record.update(originX="default", originY="default")
    record.update(fields)
    record.update(overrides.get(name, {}))
    return ([f"FontType={code2d_font_type(type_name)}"]
            + section_lines(code2d_keys(type_name), record))


def build(version, overrides):
    sections = [("DVF", [f"Version={version}"])]
    for name, (font_type, fields) in zip(CHAR_FONTS, CHAR_DEMO):
        sections.append((name, char_section(name, font_type, fields,
                                            overrides)))
    for name, (type_name, fields) in zip(BARCODE_FONTS, BARCODE_DEMO):
        sections.append((name, barcode_section(name, type_name, fields,
                                               overrides)))
    for name, (type_name, fields) in zip(CODE2D_FONTS, CODE2D_DEMO):
        sections.append((name, code2d_section(name, type_name, fields,
                                              overrides)))
    lines = []
    for i, (name, body) in enumerate(sections):
        if i:
            lines.append("")
        lines.append(f"[{name}]")
        lines.extend(body)
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, os.pardir, "demo")
    os.makedirs(outdir, exist_ok=True)
    for file_name, overrides in DRIVER_FILES.items():
        for name in overrides:
            assert name in CHAR_FONTS + BARCODE_FONTS + CODE2D_FONTS, name
        write(os.path.join(outdir, file_name), build("2.000", overrides))
    main_overrides = DRIVER_FILES[MAIN_FILE]
    write(os.path.join(outdir, "demo.dvf"), build("2.000", main_overrides))
    write(os.path.join(outdir, "old_version.dvf"),
          build("1.000", main_overrides))


if __name__ == "__main__":
    main()
