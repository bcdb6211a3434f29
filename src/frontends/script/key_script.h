// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key scripts: what a person does at the keyboard, one action a line, and what
// should hold at that moment.
//
//   press KEY | release KEY | tap KEY | chord KEYS | wait MS
//   click CONTROL | click FORM.CONTROL | click FORM.CONTROL[INDEX]
//   menu NAME | resize W H | move X Y | maximize | minimize | restore
//   activate | deactivate
//   dialog PATH | dialog cancel       answers the file dialog that opens next
//   colour R G B | colour cancel      answers the colour dialog that opens next
//   file NAME TEXT                    writes a file in the program folder
//   file-bytes NAME HEX               writes a file of these bytes (two hexadecimal
//                                     digits each, spaces between allowed: EF BB BF 61)
//   clipboard TEXT                    puts TEXT on the clipboard (escapes as for expect),
//                                     as another program copying it would
//   drop NAME...                      drops files (in the program folder) on the text
//   restart [NAME]                    the program is killed where it stands (no shutdown,
//                                     nothing saved) and started again in the same folder,
//                                     with NAME (in the program folder) on its command line;
//                                     a message box at the start takes the lines after it
//   expect WHAT VALUE
//
// Key names (A, 7, Space, Enter, F1, CapsLock, ...) are taken in any letter case;
// chord names its keys as letters and digits ("chord FDS"), all down in order,
// then all up in order.
//
// click: a bare CONTROL is a control of the main window (frmMAIN); any loaded
// form is reached by its name: click frmMsgEx.cmdBTN[1]. lblSTYLE2 stands for
// lblSTYLE[2]. The button goes down on the control, then it is clicked (of the
// main window's controls only cmdTYPE, cmdIME and lblMODE answer the click).
// Clicking a control no loaded form has stops the run.
//
// Comments: a '#' at the start of a line, or after a space or tab, starts a
// comment that runs to the end of the line, in every line ("tap F1  # on").
// A '#' right after another character is literal ("expect text a#b"); write
// \# for one after a space ("expect cell \#", the number sign cell).
//
// expect WHAT VALUE: VALUE is the rest of the line up to a comment, with the
// spaces around it removed; nothing at all is the empty text. Escapes: \n \r \t
// \\ \# \s (a space) and \uXXXX (one UTF-16 unit, e.g. \u3000 the ideographic
// space; a pair writes a character beyond it). WHAT is one of:
//   text VALUE          the document (line ends are \r\n)
//   reading VALUE       the IME's composition reading (half-width katakana)
//   composition VALUE   the IME's composition string
//   in|hen|out|kan VALUE  the mirrors txtIN, txtHEN, txtOUT, txtKAN
//   selection VALUE     the document's selected text
//   cell VALUE          the cell display;  mode VALUE  the mode display
//   title VALUE         the main window's caption
//   status VALUE        column, line, lines and bytes, one space apart ("1．0 1 1 2")
//   message VALUE       the last message's text, as the JSON state lists them (the
//                       standard boxes, then the program's; the one waiting, if any)
//   messages N          how many message boxes were shown, standard ones included
//   caption FORM.CONTROL[INDEX] VALUE   any control's caption
//   box FORM.CONTROL VALUE              a text box's text (frmFIND.txtFIND)
//   box-selection FORM.CONTROL VALUE    the text selected in a text box
//   visible|enabled FORM.CONTROL[INDEX] on|off
//   first-line FORM.CONTROL N           a text box's first line in view (0 the top)
//   shown|loaded FORM on|off            a window loaded and showing, or loaded at all
//   place FORM VALUE    a loaded window's outer rectangle in twips: left top width height
//   menu-visible|menu-enabled|menu-checked MENU on|off   a main-window menu item
//   menu-opened NAME    the top-level menu last opened from the keyboard (empty: none)
//   spoken VALUE        what a screen reader was told last (the mode, a cell's dots,
//                       the sound or reading, the confirmed text)
//   braille|latch|ime-open|modal|prefix|closed on|off   braille mode, the Ctrl+Alt
//                       latch, the IME switch, a modal window waiting for input, a
//                       prefix cell waiting for its partner, the main window closed
//   down|toggled KEY on|off   the key state the program reads (GetKeyState)
//   input-mode N | conv-stage N | ime-mode N
//   clipboard VALUE     the clipboard's text
//   file NAME VALUE     a file of the program folder, read in the system code page
//   bytes NAME VALUE    a file's bytes, two upper-case hexadecimal digits each, one
//                       space apart ("82 A0 0D 0A"); empty for an empty file
//   exists NAME on|off  a file of the program folder is there
//   encoding VALUE      the code page the document is saved in (CP932, UTF-8, or
//                       UTF-8 BOM with the byte-order mark)
//
// dialog: the line after the one that opens an open or save dialog must answer
// it; a relative PATH is taken in the program folder, and a name without an
// extension gets the dialog's default one (".txt"), as a typed name would. A
// dialog that no line answers stops the run. file: NAME is taken in the
// program folder; TEXT (escapes as for expect) is written in the system code
// page, the line ends as written (\n or \r\n).
//
// A message box that appears takes the following lines as its input, as a
// person would answer it; expectations read while it waits see it. A failed
// expectation stops the run; once the program has ended, keys reach nothing
// but the expectations after them are still checked. orvo-headless exits with
// 1 after a failed expectation, 2 for a script with bad lines (none of it runs);
// the Qt front end's --script checks expect lines too, ends the script at the
// first that fails, and exits with 1 when the program ends.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"

namespace orvo::script {

// A control of a form, as click and expect name it.
struct ControlRef {
  std::string form;     // frmMAIN when the script gave none
  std::string control;
  int index = -1;       // -1: not an array member
};

struct ScriptStep {
  enum class Kind { kKey, kWait, kClick, kMenu, kResize, kMove, kState, kActivate, kExpect, kDialog, kColour, kFile, kDrop, kClipboard, kRestart };
  Kind kind = Kind::kKey;
  KeyEvent key;     // kKey; kExpect: the key of down and toggled
  long long ms = 0; // kWait
  std::string target;  // kMenu: an item; kState: the state; kExpect: WHAT
  ControlRef control;  // kClick; kExpect of caption, visible, enabled; of a menu: its name
  std::string value;   // kExpect: the value, escapes resolved (UTF-8); kDialog: the path;
                       // kFile, kClipboard: the text; kDrop: the names, one space apart;
                       // kRestart: the command line's file name, or empty
  int x = 0;           // kResize: outer width, kMove: left (pixels); kActivate: 1 or 0;
                       // kColour: the colour (red + 256 green + 65536 blue); kFile: 1
                       // when value is the bytes themselves (file-bytes)
  int y = 0;           // kResize: outer height, kMove: top (pixels); kDialog, kColour: 1
                       // chosen, 0 cancelled
  int line = 0;
};

struct ScriptError {
  int line;
  std::string message;
};

struct ParsedScript {
  std::vector<ScriptStep> steps;
  std::vector<ScriptError> errors;
};

// FORM.CONTROL[INDEX] as click writes it; nothing when it is not that shape.
std::optional<ControlRef> ParseControlRef(std::string_view text);

// Every line is checked; a script with errors is not to be run.
ParsedScript ParseScript(std::string_view text);

// A value as an expectation's message shows it: escapes for line ends, tabs,
// control characters and the ideographic space, so that every one can be seen.
std::string ShowValue(std::string_view utf8);

}  // namespace orvo::script
