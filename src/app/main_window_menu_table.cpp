// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_menu_table.h"

#include "app/app_texts.h"
#include "editing/editing_texts.h"
#include "files/files_texts.h"

namespace orvo::main_menu {
namespace {

namespace m = menu_text;
namespace f = files::text;
namespace e = editing::text;
using enum MenuCommand;

// The menus of the window, each entry after its parent, in the order shown.
// clang-format off
constexpr MenuRow kMenuRows[] = {
    {"mnuFILE",       "",            m::kFile,         true,  kNone},
    {"mnuFILE_NEW",   "mnuFILE",     f::kNew,          true,  kNew},
    {"mnuFILE_OPEN",  "mnuFILE",     f::kOpen,         true,  kOpen},
    {"mnuFILE_SAVE",  "mnuFILE",     f::kSaveOver,     true,  kSaveOver},
    {"mnuFILE_SAVEAS", "mnuFILE",    f::kSaveAs,       true,  kSaveAs},
    {"",              "mnuFILE",     m::kSeparator,    true,  kNone},
    {"mnuFILE_MRU",   "mnuFILE",     f::kRecent,       true,  kNone},
    {"mnuMRU1",       "mnuFILE_MRU", f::kNoRecent,     true,  kRecent},
    {"mnuMRU2",       "mnuFILE_MRU", u"",              false, kRecent},
    {"mnuMRU3",       "mnuFILE_MRU", u"",              false, kRecent},
    {"mnuMRU4",       "mnuFILE_MRU", u"",              false, kRecent},
    {"mnuEDIT",       "",            m::kEdit,         true,  kNone},
    {"mnuUNDO",       "mnuEDIT",     e::kUndo,         true,  kUndo},
    {"",              "mnuEDIT",     m::kSeparator,    true,  kNone},
    {"mnuCUT",        "mnuEDIT",     e::kCut,          true,  kCut},
    {"mnuCOPY",       "mnuEDIT",     e::kCopy,         true,  kCopy},
    {"mnuPAST",       "mnuEDIT",     e::kPaste,        true,  kPaste},
    {"mnuDELETE",     "mnuEDIT",     e::kDelete,       true,  kDelete},
    {"",              "mnuEDIT",     m::kSeparator,    true,  kNone},
    {"mnuALL",        "mnuEDIT",     e::kSelectAll,    true,  kSelectAll},
    {"mnuOPTION",     "",            m::kOption,       true,  kNone},
    {"mnuSETTING",    "mnuOPTION",   m::kSetting,      true,  kSettings},
    {"mnuFONT_RESET", "mnuOPTION",   m::kFontReset,    true,  kFontReset},
    {"",              "mnuOPTION",   m::kSeparator,    true,  kNone},
    {"mnuFIND",       "mnuOPTION",   m::kFind,         true,  kNone},
    {"mnuSERCH_FIND", "mnuFIND",     e::kSearchMenu,   true,  kSearch},
    {"mnuREPLACE",    "mnuFIND",     e::kReplaceMenu,  true,  kReplace},
    {"mnuNEXT_FIND",  "mnuOPTION",   m::kNextFind,     true,  kNextFind},
    {"mnuWORD_TURN",  "mnuOPTION",   m::kWordTurn,     true,  kWordTurn},
    {"",              "mnuOPTION",   m::kSeparator,    true,  kNone},
    {"mnuTXT_AREA",   "mnuOPTION",   m::kTextArea,     true,  kNone},
    {"mnuRE_AREA",    "mnuTXT_AREA", m::kRestoreArea,  true,  kRestoreArea},
    {"mnuV_AREA",     "mnuTXT_AREA", m::kTallArea,     true,  kTallArea},
    {"mnuH_AREA",     "mnuTXT_AREA", m::kWideArea,     true,  kWideArea},
    {"",              "mnuOPTION",   m::kSeparator,    true,  kNone},
    {"mnuDATE",       "mnuOPTION",   m::kDate,         true,  kDate},
    {"mnuHELP",       "",            m::kHelp,         true,  kNone},
    {"mnuHELPER",     "mnuHELP",     m::kHelper,       true,  kHelper},
    {"mnuHELP_BMP",   "mnuHELP",     m::kDiagrams,     true,  kDiagrams},
    {"mnuHELP_MEMO",  "mnuHELP",     m::kMemo,         true,  kMemo},
    {"",              "mnuHELP",     m::kSeparator,    true,  kNone},
    {"mnuHELP_ABOUT", "mnuHELP",     m::kAbout,        true,  kAbout},
    {"mnuT_HELPER",   "",            m::kBarHelper,    false, kBarHelper},
    {"mnuT_HELP_BMP", "",            m::kBarDiagrams,  false, kDiagrams},
    {"mnuEXIT",       "",            m::kExit,         true,  kExit},
    // The text box's pop-up menu: a menu the bar never shows (Shift+F10, the Applications key).
    {"mnuPOPUP",      "",            e::kPopupTitle,   false, kNone},
    {"mnuPOP_UNDO",   "mnuPOPUP",    e::kPopupUndo,    true,  kPopUndo},
    {"",              "mnuPOPUP",    m::kSeparator,    true,  kNone},
    {"mnuPOP_CUT",    "mnuPOPUP",    e::kPopupCut,     true,  kPopCut},
    {"mnuPOP_COPY",   "mnuPOPUP",    e::kPopupCopy,    true,  kPopCopy},
    {"mnuPOP_PASTE",  "mnuPOPUP",    e::kPopupPaste,   true,  kPopPaste},
    {"mnuPOP_DELETE", "mnuPOPUP",    e::kPopupDelete,  true,  kPopDelete},
    {"",              "mnuPOPUP",    m::kSeparator,    true,  kNone},
    {"mnuPOP_ALL",    "mnuPOPUP",    e::kPopupSelectAll, true, kPopSelectAll},
};
// clang-format on

// clang-format off
constexpr MenuOpening kMenuOpenings[] = {
    {"mnuFILE",   braille::TypeSwitch::kFileMenu,   MenuStates::kFile},
    {"mnuEDIT",   braille::TypeSwitch::kEditMenu,   MenuStates::kEdit},
    {"mnuOPTION", braille::TypeSwitch::kOptionMenu, MenuStates::kOption},
    {"mnuHELP",   braille::TypeSwitch::kHelpMenu,   MenuStates::kNone},
};
// clang-format on

}  // namespace

std::span<const MenuRow> Rows() { return kMenuRows; }

MenuCommand CommandOf(std::string_view item) {
  for (const MenuRow& row : kMenuRows) {
    if (*row.name != '\0' && row.name == item) return row.command;
  }
  return kNone;
}

std::span<const MenuOpening> Openings() { return kMenuOpenings; }

}  // namespace orvo::main_menu
