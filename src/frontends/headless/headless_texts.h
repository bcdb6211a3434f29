// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the headless runner itself says on the terminal; the script language's
// own diagnostics are with its parser.
namespace orvo::headless::texts {

inline constexpr const char* kUsage =
    "usage: orvo-headless [--folder DIR] [--codepage NAME] [--dictionary FILE] [--open FILE] [--json]\n"
    "                     [--engine auto|mozc|anthy] [--font-folder DIR] [--font-installed] [SCRIPT]\n"
    "       orvo-headless --version\n"
    "       orvo-headless --describe TEXT\n"
    "  The script comes from standard input when no file is named. --open FILE opens the file\n"
    "  at start, as a path on the window's command line does. The braille font Orvoten.TTF is\n"
    "  taken from the data folder, or from --font-folder DIR (\"\" for nowhere);\n"
    "  --font-installed runs as if the system had it installed. Kana-kanji conversion is anthy's\n"
    "  unless --engine or the settings file's [SETTING] Engine says otherwise (auto: mozc when usable).\n"
    "  Lines: press KEY | release KEY | tap KEY | chord KEYS | wait MS | click "
    "[FORM.]CONTROL[INDEX]\n"
    "         menu NAME | resize W H | move X Y | maximize | minimize | restore | activate | "
    "deactivate\n"
    "         dialog PATH | dialog cancel | colour R G B | colour cancel | file NAME TEXT\n"
    "         drop NAME... | expect WHAT VALUE | # comment\n"
    "  --describe prints TEXT as it is said to a screen reader's user, each kanji by a word.\n"
    "  Exit status: 0 done, 1 an expectation failed, 2 the script or the arguments are wrong.\n";
inline constexpr const char* kCannotRead = "orvo-headless: cannot read ";
inline constexpr const char* kNoFolder = "orvo-headless: no program folder at '";
inline constexpr const char* kStdinName = "<stdin>";
inline constexpr const char* kReadingTerminal =
    "orvo-headless: reading a key script from the terminal; end it with Ctrl+D.\n";
inline constexpr const char* kProgramName = "orvo-headless";
inline constexpr const char* kDataLine = "data: ";
inline constexpr const char* kDescribeNotUtf8 = "orvo-headless: --describe: the text is not valid UTF-8\n";

}  // namespace orvo::headless::texts
