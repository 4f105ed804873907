// The text of dvftool --help (UTF-8).
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kDvfToolUsage =
    "使い方: dvftool <コマンド> <ファイル> [...]\n"
    "Usage: dvftool COMMAND FILE [ARGS...]\n"
    "\n"
    "FILE is a driver font file. On Windows, --printer NAME may stand for it: the\n"
    "file of the installed printer NAME, found as the tool's window finds it.\n"
    "\n"
    "Commands:\n"
    "  check FILE                   Check the driver font file's version: prints \"ok\".\n"
    "  dump [--json] FILE           Print every setting of the 60 driver fonts, one line per\n"
    "                               field: <driver font name> TAB <field> TAB <value>.\n"
    "                               --json: an array with one object per font, its\n"
    "                               name as \"font\" and its fields in the same order.\n"
    "  save FILE                    Load the file and write all font sections back.\n"
    "  set FILE FONT FIELD=VALUE... Assign fields of one driver font (field names as dump\n"
    "                               prints them), then save. Nothing is written when a\n"
    "                               font, field or value is not accepted.\n"
    "  set FILE --json JSON         Assign what a JSON text in the shape of dump --json\n"
    "                               holds (JSON is a file, or - for standard input);\n"
    "                               fields whose value is as in FILE stay untouched.\n"
    "  copy SOURCE TARGET [FONT...] Copy the settings of the named fonts (all 60 when\n"
    "                               none is named) from SOURCE to TARGET and save TARGET.\n"
    "                               Only the copied fonts' sections of TARGET change.\n"
    "  diff [--json] A B [FONT...]  Print the fields in which the settings of A and B, as\n"
    "                               a save writes them, differ (all fonts or the named):\n"
    "                               <font> TAB <field> TAB <value in A> TAB <value in B>.\n"
    "                               --json: one object per font with {\"a\", \"b\"} values.\n"
    "  printers [--json]            List the printers of the series that the tool's window\n"
    "                               offers (Windows): <printer> TAB <driver> TAB <file>,\n"
    "                               the file empty when the printer has none.\n"
    "  --help                       Show this text.\n"
    "\n"
    "In copy and diff, the first file may be given as --from-printer NAME and the\n"
    "second as --printer NAME.\n"
    "\n"
    "Exit status: 0 done (diff: no difference), 1 usage error, 2 file missing or\n"
    "unreadable, 3 version not accepted (no file is touched), 4 save failed (the file\n"
    "is unchanged), 5 printer not usable (cannot be opened or read, or not of the\n"
    "series), 6 diff found differences.\n"
    "\n"
    "Roll-out example: copy the reference settings to a printer, then confirm:\n"
    "  dvftool copy reference.dvf --printer \"病棟リストバンド 3F\"\n"
    "  dvftool diff reference.dvf --printer \"病棟リストバンド 3F\"\n";

}  // namespace vx
