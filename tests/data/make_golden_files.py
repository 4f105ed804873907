#!/usr/bin/env python3
"""Writes the golden driver font files of the tests, byte for byte.

Each file is named after the fault it probes. Text is given here as Python
strings and encoded in Shift-JIS (code page 932); raw bytes are spelled as
b"..." where a file must hold bytes that are not valid Shift-JIS. Run it from
any directory; it writes beside itself.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def sj(text):
    return text.encode("cp932")


def lines(*items, eol=b"\r\n", final=True):
    """Joins str (encoded in cp932) and bytes items with eol."""
    parts = [sj(i) if isinstance(i, str) else i for i in items]
    return eol.join(parts) + (eol if final else b"")


DVF = lines("[DVF]", "Version=2")

FILES = {
    # Only the version: every driver font takes its factory settings.
    "only_dvf_section.dvf": DVF,

    # CRLF, lone LF, lone CR and runs of them in one file.
    "crlf_mixed.dvf": (
        b"[DVF]\r\nVersion=2\r\n\n"
        + sj("[ZEL文字フォント01]") + b"\nFontType=52\r\r\n"
        + b"PVpb1pb2pb3pb4=0012\r\nPVpd1pd2pd3pd4=0040\n\r"
        + sj("[ZELバーコード01]") + b"\rFontType=103\rXBpf1pf2=05\r\n"
    ),

    # The last line has no line break.
    "no_final_newline.dvf": lines(
        "[DVF]", "Version=2", "[ZEL文字フォント01]", "FontType=3", "PCpj=W", final=False),

    # The same section three times, once in other letter case: only the
    # first counts for reads, listings and writes.
    "duplicate_section.dvf": lines(
        "[DVF]", "Version=2",
        "[ZEL文字フォント01]", "FontType=2", "PCpb1pb2pb3pb4=0100",
        "[zel文字フォント01]", "FontType=5", "PCpc1pc2pc3pc4pc5=00200",
        "[ZEL文字フォント01]", "PCpd1pd2=20"),

    # One pair of matching quotes is removed from a value of two or more
    # characters, nothing else.
    "quoted_values.dvf": lines(
        "[Q]",
        'Double="abc"',
        "Single='abc'",
        "Mixed=\"abc'",
        'One="',
        'Two=""',
        'Inner=a"b"',
        'Spaced=  " x "  ',
        "Only1='",
        'Nested=""abc""',
        'Japanese="ソ表"'),

    # Comments and lines without '=' inside a font section.
    "comments_in_font_section.dvf": lines(
        "[DVF]", "Version=2",
        "; comment before the first font section",
        "[ZEL文字フォント02]",
        "; comment before FontType",
        "PCpb1pb2pb3pb4=0010",
        ";FontType=9",
        "FontType=8",
        "; comment between keys",
        "PCpj=F",
        "a line without an equals sign",
        "  ; indented comment",
        "PCpk1pk2pl1pl2=0203"),

    # Keys whose names are empty or blank.
    "empty_key_name.dvf": lines(
        "[DVF]", "Version=2",
        "[ZELバーコード02]", "=orphan", "FontType=104", " \t= blank name", "XBpe=2"),

    # Values longer than the 259 bytes a read returns.
    "long_line.dvf": lines(
        "[DVF]", "Version=2",
        "[ZEL文字フォント01]",
        "FontType=1",
        "PCpb1pb2pb3pb4=" + "1234567890" * 30,          # 300 bytes
        "[Long]",
        "Exact=" + "e" * 259,                             # exactly 259
        "Straddle=" + "s" * 258 + "ソ" + "tail",           # lead byte is byte 259
        "Fits=" + "f" * 257 + "表" + "tail",                # double-byte ends at 259
        'Quoted="' + "q" * 300 + '"',
        "After=short"),

    # Bytes that are not valid Shift-JIS: an unassigned double-byte code,
    # single bytes outside the code page, a lead byte at the end of a line.
    "invalid_shift_jis.dvf": (
        DVF
        + b"[\x85\x40bad]\r\n"
        + b"Key\xff=\x80\xa0value\x81\r\n"
        + lines("[ZEL文字フォント03]", "FontType=4")
        + b"PCpb1pb2pb3pb4=\x85\x40\r\n"
        + b"PCpc1pc2pc3pc4pc5=\xfd\xfe\r\n"
    ),

    # A UTF-8 byte order mark before the first section.
    "bom.dvf": b"\xef\xbb\xbf" + lines(
        "[DVF]", "Version=2", "[ZEL文字フォント01]", "FontType=7"),

    # Shift-JIS trail bytes 0x5C ('\\'), 0x5B ('[') and 0x5D (']') in
    # section names, key names and values. "ソ" = 83 5C, "表" = 95 5C,
    # "ゼ" = 83 5B, "ゾ" = 83 5D, "‐" = 81 5D.
    "trail_byte_5c.dvf": lines(
        "[DVF]", "Version=2",
        "[ソ表]", "十=申", "ゼ=ー", "Value=末尾ソ  ",
        "[ゾ]", "KEY\\=ソ",
        "[ABC‐",            # the ']' is a trail byte: no header
        "Inside=1",
        "[構]=x"),          # a header although it holds '='

    # Keys and comments before the first section.
    "keys_before_first_section.dvf": lines(
        "Version=1",
        "FontType=1",
        "; preamble comment",
        "[DVF]", "Version=2",
        "[ZEL文字フォント01]", "FontType=2"),

    # Empty and blank lines between sections stay where they are.
    "blank_lines_between_sections.dvf": (
        b"[DVF]\r\nVersion=2\r\n\r\n\r\n"
        + sj("[ZEL文字フォント01]") + b"\r\nFontType=2\r\nPCpj=W\r\n   \r\n\t\r\n\r\n"
        + sj("[ZEL文字フォント02]") + b"\r\nFontType=3\r\n\r\n"
    ),

    # ASCII letters fold; full-width letters, other scripts and trail bytes
    # in the ASCII letter range do not. "ア" = 83 41 ('A'), "Ａ" = 82 60.
    "case_folding.dvf": lines(
        "[DVF]", "VERSION=2",
        "[zel文字フォント01]", "fonttype=52", "pvpb1pb2pb3pb4=0033",
        "[ア]", "Ａ=full-width A", "Б=cyrillic",
        "[Ｚ]", "x=1"),

    # FontType not first, in lower case, twice, in two letter cases.
    "fonttype_variants.dvf": lines(
        "[DVF]", "Version=2",
        "[ZEL文字フォント01]", "PCpb1pb2pb3pb4=0001", "FontType=5", "PCpj=W",
        "[ZEL文字フォント02]", "fonttype=9", "PCpj=W",
        "[ZEL文字フォント03]", "FontType=10", "FontType=11", "PCpj=F",
        "[ZEL文字フォント04]", "FONTTYPE=12", "FontType=13", "PCpj=C"),

    # Version check cases.
    "version_1_999.dvf": lines("[DVF]", "Version=1.999"),
    "version_blank_2.dvf": lines("[DVF]", "Version= 2"),
    "version_missing.dvf": lines("[Other]", "Version=2"),

    # Everything a save must keep: preamble, comments, unrelated sections
    # between font sections, LF-only lines, bytes outside Shift-JIS, a
    # duplicate font section, and font sections holding stale keys.
    "unrelated_sections.dvf": (
        lines("; driver font file", "Preamble=kept", "")
        + lines("[DVF]", "Version=2", "; layout version", "Extra=1")
        + lines("[ZEL文字フォント01]", "; keep me", "FontType=8", "PCpj=W",
                "XBpe=stale", "Unknown=stale", "not a key")
        + lines("[Printer]", "Name=ラベル", "Model=VX", eol=b"\n")
        + lines("[ZELバーコード01]", "XBpq=stale", "FontType=104", "XBpf1pf2=04",
                "; after keys")
        + b"[Raw]\r\nBytes=\x85\x40\xff\x81\r\n\r\n"
        + lines("[ZEL2次元コード01]", "FontType=205", "XBpe=H", "XBpi=1", "")
        + lines("[ZEL文字フォント01]", "FontType=1", "PCpj=B")
        + lines("[Trailer]", "; the end")
    ),

    # Lines without '=' named, in other letter case, like keys that the
    # writer writes: before their key (which they hide from reads), after
    # it, alone, and "FontType" before the FontType key or without one.
    # A save must not fill them in place.
    "name_only_written_key.dvf": lines(
        "[DVF]", "Version=2",
        "[ZEL文字フォント01]", "FontType=3", "pCP", "PCpj=W", "PCPj", "PCpv1pv2",
        "; kept", "PCpd1pd2", "PCpd1pd2=20",
        "[ZELバーコード01]", "xbpf1pf2", "FontType=101", "XBpf1pf2=05",
        "[ZEL2次元コード01]", "fonttype", "FontType=202", "XBpe=4",
        "[ZEL文字フォント02]", "FontType", "PVpg", "PCpj=F"),

    # The same with lone CR and LF breaks in a CRLF file, and a stray line
    # with a lone CR last in its section: new lines take CRLF.
    "name_only_key_cr_break.dvf": (
        DVF
        + sj("[ZEL文字フォント01]") + b"\r\nFontType=3\r\nPCp\rPCpj=W\r\nPCPj\n; kept\r\n"
        + sj("[ZEL文字フォント02]") + b"\r\nFontType=5\r\nPCpj=F\r\nnot a key\r"
        + sj("[ZEL文字フォント03]") + b"\r\nFontType=7\r\n"
    ),

    # Lines without '=' named like written keys after a blank line: they go
    # before the keys are added, so that the blank line stays at the end of
    # the section and is not left between the kept lines and the keys.
    "name_only_key_after_blank_line.dvf": (
        DVF
        + lines("[ZEL文字フォント01]", "FontType=3", "; kept", "", "PCpj")
        + sj("[ZELバーコード04]") + b"\r\nFontType=104\r\nnot a key\r\r\nXBpq\r\n"
    ),

    # Values in every family for a load-save-load round trip.
    "all_families.dvf": (
        DVF
        + lines("[ZEL文字フォント01]", "FontType=3", "PCpb1pb2pb3pb4=0012",
                "PCpc1pc2pc3pc4pc5=00034", "PCpd1pd2=20", "PCpe1pe2=15", "PCpg=+",
                "PCph1ph2=04", "PCpi1pi2=11", "PCpj=W", "PCpk1pk2pl1pl2=0203",
                "PCJ=J", "PCpm1pm2=01", "PCpn1pn2=02", "PCM=M", "PCpo=1", "PCZ=Z",
                "PCpr1pr2=05", "PCP=P", "PCps=5", "PCpt1pt2pt3pt4=0400",
                "PCpu1pu2pu3=050", "PCpv1pv2=03")
        + lines("[ZEL文字フォント21]", "FontType=56", "PVpb1pb2pb3pb4=0001",
                "PVpd1pd2pd3pd4=0030", "PVpe1pe2pe3pe4=0040", "PVpg=-",
                "PVph1ph2ph3=002", "PVpj=F", "PVpk1pk2pl1pl2=0101",
                "PVpq=4", "PVpr1pr2pr3pr4=0200")
        + lines("[ZELバーコード01]", "FontType=101", "XBpf1pf2=02", "XBph1ph2=05",
                "XBpq=T", "XBpo=1")
        + lines("[ZELバーコード02]", "FontType=107", "XBpe=3", "XBpf1pf2=02",
                "XBph1ph2ph3ph4=0070", "XBpk1pk2=04")
        + lines("[ZELバーコード03]", "FontType=109", "XBpe=2", "XBpk1pk2pk3=015")
        + lines("[ZELバーコード04]", "FontType=123", "XBpf1pf2=06", "XBph1ph2ph3ph4=0030")
        + lines("[ZEL2次元コード01]", "FontType=201", "XBC=C", "XBpi1pi2pi3=018",
                "XBpj1pj2pj3=008")
        + lines("[ZEL2次元コード02]", "FontType=206", "XBpe1pe2=11", "XBph1ph2ph3ph4=0120")
    ),
}


def main():
    for name, data in FILES.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
