#include "app/main_window.h"

#include <optional>
#include <stdexcept>

#include "app/app_texts.h"
#include "app/main_window_design.h"
#include "toolkit/picture_ids.h"
#include "app/program.h"
#include "toolkit/window_utils/menu_check_bitmaps.h"
#include "editing/editing_texts.h"
#include "editing/find_replace.h"
#include "files/files_texts.h"
#include "platform/keys.h"
#include "settings/settings_command.h"
#include "settings/settings_texts.h"

namespace orvo {
namespace {

// What choosing a menu entry does.
enum class MenuCommand {
  kNone,        // a menu of its own, or a command whose window comes later: back to braille mode
  kRestoreArea,  // the text area back to the size before the next two
  kTallArea,     // the window as tall as the work area
  kWideArea,     // the window as wide as the work area
  kHelper,      // the help menu's helper: only in braille mode
  kBarHelper,   // the braille helper on the menu bar
  kDiagrams,
  kAbout,
  kMemo,  // the memo window, which leaves braille mode and comes back by itself
  kSettings,
  kExit,
  kWordTurn,
  kFontReset,
  kNew,
  kOpen,
  kSaveOver,
  kSaveAs,
  kRecent,  // a history item: its number ends its name
  kUndo,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
  kSearch,    // the find dialog, for finding
  kReplace,   // the find dialog, for replacing
  kNextFind,  // the next match, without the dialog
  kDate,
  kPopUndo,   // the text box's pop-up menu, as the text box's own commands
  kPopCut,
  kPopCopy,
  kPopPaste,
  kPopDelete,
  kPopSelectAll,
};

struct MenuRow {
  const char* name;    // empty: a separator
  const char* parent;  // empty: the menu bar
  const char16_t* caption;
  bool visible;
  MenuCommand command;
};

// Reads back the text at the caret; no key map of braille input uses it.
constexpr int kReviewKey = vk::kF12;

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

MenuCommand CommandOf(std::string_view item) {
  for (const MenuRow& row : kMenuRows) {
    if (*row.name != '\0' && row.name == item) return row.command;
  }
  return kNone;
}

// What each top-level menu does as it opens: leaves braille mode (which it
// remembers either way), and brings its entries' states up to date.
enum class MenuStates { kNone, kFile, kEdit, kOption };
struct MenuOpening {
  const char* top;
  std::optional<braille::TypeSwitch> leaves_braille;
  MenuStates states;
};
// clang-format off
const MenuOpening kMenuOpenings[] = {
    {"mnuFILE",   braille::TypeSwitch::kFileMenu,   MenuStates::kFile},
    {"mnuEDIT",   braille::TypeSwitch::kEditMenu,   MenuStates::kEdit},
    {"mnuOPTION", braille::TypeSwitch::kOptionMenu, MenuStates::kOption},
    {"mnuHELP",   braille::TypeSwitch::kHelpMenu,   MenuStates::kNone},
};
// clang-format on

// The top-level menu an entry is in (itself for a top-level entry).
const forms::MenuEntry& TopOf(const forms::MenuEntry& entry) {
  const forms::MenuEntry* e = &entry;
  while (e->Parent() != nullptr && e->Parent()->Parent() != nullptr) e = e->Parent();
  return *e;
}


}  // namespace

MainWindow::MainWindow(Program& program)
    : Form(program.forms, "frmMAIN"),
      text_boxes_{{{*this, "txtJOV", 0}, {*this, "txtJOV", 1}}},
      txtIN(*this, "txtIN"),
      txtHEN(*this, "txtHEN"),
      txtOUT(*this, "txtOUT"),
      txtKAN(*this, "txtKAN"),
      lblTENJI(*this, "lblTENJI"),
      lblMODE(*this, "lblMODE"),
      lblTURN(*this, "lblTURN"),
      lblBYTES(*this, "lblBYTES"),
      lblKETA(*this, "lblKETA"),
      lblGYO(*this, "lblGYO"),
      lblAllGYO(*this, "lblAllGYO"),
      lblFileSIZE(*this, "lblFileSIZE"),
      lblSTYLE{{{*this, "lblSTYLE", 0}, {*this, "lblSTYLE", 1}, {*this, "lblSTYLE", 2}, {*this, "lblSTYLE", 3}}},
      cmdMEMO(*this, "cmdMEMO"),
      cmdTYPE(*this, "cmdTYPE"),
      cmdIME(*this, "cmdIME"),
      cmdCOVER(*this, "cmdCOVER"),
      cmdTOOL(*this, "cmdTOOL"),
      picSTATUS(*this, "picSTATUS"),
      picCONER(*this, "picCONER"),
      picBAR(*this, "picBAR"),
      Timer1(program.platform.timers, 400, [&program] { program.chords.Timer1Tick(); }),
      p_(program) {
  SetTag(kTag);
  SetIcon(picture_id::kAppIcon);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kManual);
  SetInsets({4, 42, 4, 4});
  Move({0, 0, 580 * 15, 420 * 15});
  for (forms::TextBoxControl& box : text_boxes_) {
    box.SetMultiline(true);
    box.SetKeepsTab(true);
    box.SetDocument(true);
    box.Box().SetNoticeSink([&program](EditNotice notice) { program.hook.Notice(notice); });
  }
  text_boxes_[1].Box().SetWordWrap(true);
  text_boxes_[1].SetFont({u"ＭＳ Ｐゴシック", 9, false});
  text_boxes_[0].SetFont({u"ＭＳ ゴシック", 9, false});
  for (forms::TextBoxControl* mirror : {&txtIN, &txtHEN, &txtOUT, &txtKAN}) {
    mirror->SetVisible(false);
    mirror->SetTabStop(false);
  }
  // The keyboard stays with the text: the toolbar is worked by mouse and function keys.
  for (forms::CommandButtonControl* button : {&cmdMEMO, &cmdTYPE, &cmdIME, &cmdCOVER, &cmdTOOL}) {
    button->SetTabStop(false);
  }
  cmdMEMO.SetCaption(main_text::kMemoButton);
  cmdTYPE.SetCaption(main_text::kMethodButton);
  cmdIME.SetCaption(main_text::kImeButton);
  cmdCOVER.SetAccessibleName(main_text::kToolbarBlank);
  cmdTOOL.SetAccessibleName(main_text::kToolbarBlank);
  lblMODE.SetCaption(ustring(braille::text::kModeKana));
  lblMODE.SetAccessibleName(ustring(braille::text::kSpokenModeKana));
  lblTURN.SetCaption(main_text::kWrapNotice);
  lblTURN.SetVisible(false);
  lblBYTES.SetCaption(main_text::kBytes);
  for (std::size_t i = 0; i < lblSTYLE.size(); ++i) {
    lblSTYLE[i].SetCaption(main_text::kStatusHeadings[i]);
  }
  lblKETA.SetCaption(main_text::kZeroColumn);
  lblGYO.SetCaption(main_text::kZero);
  lblAllGYO.SetCaption(main_text::kZero);
  lblFileSIZE.SetCaption(main_text::kZero);
  picCONER.SetBounds({0, 0, 16, 16});
  PlaceDesignControls(*this);
  CreateMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus() {
  for (const MenuRow& row : kMenuRows) {
    forms::MenuEntry& parent = *row.parent == '\0' ? MenuBar() : Menu(row.parent);
    forms::MenuEntry& entry = *row.name == '\0' ? parent.AddSeparator() : parent.Add(row.name, row.caption);
    entry.SetVisible(row.visible);
  }
}

forms::MenuEntry& MainWindow::Menu(std::string_view name) {
  forms::MenuEntry* entry = name.empty() ? nullptr : MenuBar().Find(name);
  if (entry == nullptr) throw std::out_of_range("no menu entry " + std::string(name));
  return *entry;
}

const forms::MenuEntry& MainWindow::Menu(std::string_view name) const {
  const forms::MenuEntry* entry = name.empty() ? nullptr : MenuBar().Find(name);
  if (entry == nullptr) throw std::out_of_range("no menu entry " + std::string(name));
  return *entry;
}

void MainWindow::InitFonts() {
  const ProgramValues& v = p_.values;
  const auto size = [&v](forms::Control& c, int nominal) {
    FontSpec f = c.Font();
    f.points = v.FontSize(nominal);
    c.SetFont(f);
  };
  size(lblTENJI, 18);
  size(lblMODE, 11);
  for (forms::Control* c : {&lblKETA, &lblGYO, &lblAllGYO, &lblFileSIZE}) size(*c, 10);
  for (forms::Control* c : {&lblTURN, &lblBYTES}) size(*c, 9);
  for (auto& label : lblSTYLE) size(label, 9);
}

void MainWindow::ApplySettings() {
  p_.CurrentSettings = p_.SavedSettings;
  const settings::SettingsRecord& s = p_.CurrentSettings;
  for (forms::TextBoxControl& box : text_boxes_) {
    box.SetBackColor(static_cast<std::uint32_t>(s.BackColor));
    box.SetForeColor(static_cast<std::uint32_t>(s.ForeColor));
    box.SetFont({s.FontName, s.FontSize, false});
  }
}

void MainWindow::Load() { p_.forms.Show(*this); }

void MainWindow::OnLoad() {
  Rect outer = OuterTwips();
  outer.width = p_.values.TwipsPerPixelX * 580;
  outer.height = p_.values.TwipsPerPixelY * 420;
  Move(outer);
  p_.DoEvents();
  // The splash shows itself over the window, which waits for it to close.
  p_.windows->ShowSplash();
  p_.DoEvents();
  SetEnabled(false);
  SET_SYS_COL();
  active_ = 0;
  p_.ime.Create();
  // The document holds what a file may: its size on disk, counted as it would be saved.
  for (forms::TextBoxControl& box : text_boxes_) {
    box.Box().SetLimit(static_cast<int>(files::kMaxDocumentBytes));
    box.Box().SetLimitMeasure([this](ustring_view text) { return p_.documents.DiskSize(text); });
  }
  InitFonts();
  ApplySettings();
  lblTENJI.SetFont({u"FixedSys", 14, false});
  picSTATUS.MoveTo(0, InnerPx().height - 18);
  lblBYTES.MoveTo(lblBYTES.Bounds().left, 2);
  picBAR.SetBounds({picBAR.Bounds().left, picBAR.Bounds().top, picBAR.Bounds().width, 29});
  lblMODE.MoveTo(lblMODE.Bounds().left, 4);
  cmdMEMO.SetPicture(braille::picture::kMemo);
  cmdTYPE.SetPicture(braille::picture::kRomajiMethod);
  cmdIME.SetPicture(braille::picture::kImeAtLoad);
  cmdCOVER.SetPicture(braille::picture::kCover);
  cmdTOOL.SetPicture(braille::picture::kCover);
  cmdTOOL.MoveTo(kToolLeft, cmdTOOL.Bounds().top);
  Menu("mnuFONT_RESET").SetEnabled(false);
  Menu("mnuHELPER").SetEnabled(false);
  Menu("mnuHELP_BMP").SetEnabled(false);
  p_.state.ImeOpen = true;
  for (forms::TextBoxControl* mirror : {&txtIN, &txtHEN, &txtOUT, &txtKAN}) mirror->SetText(u"");
  // Shown centred on the screen; showing lays it out and activates it.
  outer = OuterTwips();
  outer.left = (p_.values.ScreenWidthPx * p_.values.TwipsPerPixelX - outer.width) / 2;
  outer.top = (p_.values.ScreenHeightPx * p_.values.TwipsPerPixelY - outer.height) / 2;
  Move(outer);
}

void MainWindow::FirstActivation() {
  first_activated_ = true;
  // A text an earlier run left unsaved comes back before any file opens.
  p_.recovery.OfferAtStart();
  if (p_.values.OpenFromCommandLine) {
    p_.drops.OpenCommandLine(p_.values.CommandLine);
  } else if (p_.documents.State().Kind == files::DocumentKind::kNone) {
    p_.documents.StartNew();
  }
  p_.values.OpenFromCommandLine = false;
  p_.values.CommandLine.clear();
  SetToolWidth(InnerPx().width - cmdTOOL.Bounds().left);
  UseBrailleFont();
  p_.hook.Install();
  FocusTextBox();
}

void MainWindow::UseBrailleFont() {
  settings::BrailleFont& font = p_.braille_font;
  const ustring* failure = &main_text::kBrailleFontUnregistered;
  if (font.RegisterBrailleFont()) {
    p_.DoEvents();
    lblTENJI.SetFont({settings::text::kBrailleFontFace, 18, true});
    // A file that registers but brings no such face cannot draw the cells.
    if (p_.platform.font_files.HasFamily(settings::text::kBrailleFontFace)) return;
    failure = &main_text::kBrailleFontUnusable;
  }
  p_.messages.Ask(kTag, *failure, message::kWarning);
  lblTENJI.SetFont({u"FixedSys", 14, false});
  lblTENJI.SetVisible(false);
  // A font added for nothing is taken away at once rather than left to the end of the session.
  if (font.BrailleFontRegistered) font.UnregisterBrailleFont();
  font.BrailleFontRegistered = false;
}

void MainWindow::SetToolWidth(int width) {
  const Rect& b = cmdTOOL.Bounds();
  cmdTOOL.SetBounds({b.left, b.top, width, b.height});
}

void MainWindow::Activate() {
  // The window that is active already hears of the application coming back as well.
  if (p_.forms.ActiveForm() == this) {
    ActivationSteps();
  } else {
    p_.forms.Activate(*this);
  }
}

void MainWindow::OnActivate() { ActivationSteps(); }

void MainWindow::ActivationSteps() {
  if (closed_) return;
  if (!first_activated_) FirstActivation();
  p_.flags.MainHasFocus = true;
  if (p_.flags.ReturnFromWindow) {
    p_.flags.ReturnFromWindow = false;
    p_.conversion.RestoreComposition(braille::Restore::kReading);
  }
  p_.text.UpdateStatus();
  if (Enabled()) FocusTextBox();
  // Keys let go while another window had the keyboard never came up here: a
  // chord half held when it left is dropped, the latch's keys pressed again.
  if (p_.state.DotKeyCount != 0) p_.chords.RESET_TEN_KEYS();
  p_.keys.KeepLatch();
}

void MainWindow::OnResize() {
  if (resizing_) return;
  resizing_ = true;
  if (State() == WindowState::kMinimized) {
    if (p_.state.BrailleMode) {
      p_.modes.CMD_TYPE(braille::TypeSwitch::kMinimised);
      p_.DoEvents();
    }
    resizing_ = false;
    return;
  }
  const int tx = p_.values.TwipsPerPixelX;
  const int ty = p_.values.TwipsPerPixelY;
  if (State() == WindowState::kNormal) {
    // Each correction is a new size; the layout below then uses it.
    Rect outer = OuterTwips();
    if (auto snapped = SnapOuterSize({outer.width / tx, outer.height / ty},
                                     {p_.values.ScreenWidthPx, p_.values.ScreenHeightPx})) {
      outer.width = snapped->width * tx;
      outer.height = snapped->height * ty;
      Move(outer);
    }
  }
  const MainLayout l = LayOut(State(), InnerPx(), WordWrap(), cmdTOOL.Bounds().left, picCONER.Bounds());
  text_rect_ = l.text;
  for (forms::TextBoxControl& box : text_boxes_) box.SetBounds(l.text);
  if (first_activated_ && p_.flags.MainHasFocus) FocusTextBox();
  picSTATUS.MoveTo(picSTATUS.Bounds().left, l.status_top);
  picCONER.MoveTo(l.corner.left, l.corner.top);
  picCONER.SetVisible(l.corner_visible);
  lblTURN.SetVisible(l.turn_visible);
  if (l.turn_visible) lblTURN.MoveTo(l.turn_left, l.turn_top);
  SetToolWidth(l.tool_width);
  resizing_ = false;
  p_.DoEvents();
}

void MainWindow::FocusTextBox() {
  if (closed_) return;
  TextBoxAt(active_).SetFocus();
}

bool MainWindow::IsDocumentBox(const forms::Control& control) const {
  return &control == &text_boxes_[0] || &control == &text_boxes_[1];
}

void MainWindow::OnKeyDown(int& key, int shift) {
  // The review key reads back, in braille input and out of it, and does nothing else.
  if (key == kReviewKey && !p_.state.SynthBusy) {
    key = 0;
    p_.ReviewAtCaret();
    return;
  }
  // A key that reaches the window itself (no control has the focus) passes the hook first.
  if (Focused() == nullptr) p_.hook.KeyDown(key);
  p_.chords.FormKeyDown(key, shift);
}

void MainWindow::OnKeyUp(int& key, int shift) {
  if (key == kReviewKey && !p_.state.SynthBusy) {
    key = 0;
    return;
  }
  p_.chords.FormKeyUp(key, shift);
}

void MainWindow::OnKeyRepeat(int& key, int) { p_.chords.FormKeyRepeat(key); }

void MainWindow::OnKeysLost() { p_.chords.DropHalfChord(); }

void MainWindow::OnControlKeyDown(forms::Control& control, int& key, int shift) {
  if (!IsDocumentBox(control)) return;
  p_.chords.TextKeyDown(key, shift);
  // The text box's own pop-up menu: Shift+F10 (braille mode's Z sends it) or the Applications key.
  const bool shift_only = (shift & (shift_mask::kShift | shift_mask::kCtrl | shift_mask::kAlt)) == shift_mask::kShift;
  if ((key == vk::kF10 && shift_only) || (key == vk::kApps && (shift & shift_mask::kAlt) == 0)) {
    key = 0;
    OpenPopup();
  }
}

void MainWindow::OnControlKeyUp(forms::Control& control, int& key, int shift) {
  if (IsDocumentBox(control)) p_.chords.TextKeyUp(key, shift);
}

void MainWindow::OnClick(forms::Control& control) {
  if (&control == &cmdMEMO) ClickMemo();
  if (&control == &cmdTYPE) ClickType();
  if (&control == &cmdIME) ClickIme();
  if (&control == &lblMODE) ClickMode();
}

// The toolbar's blank parts and the status line hand the keyboard straight back to the text.
void MainWindow::OnMouseDown(forms::Control& control, int) {
  const bool passes_focus = &control == &cmdCOVER || &control == &lblTURN || &control == &picCONER ||
                            &control == &picSTATUS || &control == &cmdTOOL ||
                            (control.Name() == "lblSTYLE" && &control.Owner() == this);
  if (!passes_focus) return;
  if (&control == &cmdTOOL && p_.state.BrailleMode) cmdTOOL.SetVisible(false);
  FocusTextBox();
}

void MainWindow::ClickMemo() { p_.windows->ShowMemo(); }

void MainWindow::ClickType() {
  FocusTextBox();
  p_.modes.CMD_TYPE(braille::TypeSwitch::kTypeButton);
}

void MainWindow::ClickIme() { p_.ime.CMD_IME(braille::ImeSwitch::kToggle); }

void MainWindow::ClickMode() { p_.modes.ModeLabelClick(); }

void MainWindow::TextMouseUp(int button) { p_.chords.TextMouseUp(button); }

void MainWindow::AppActivation(bool active) {
  p_.hook.ActivateApp(active);
  if (active) Activate();
}

// --- Menus ---

void MainWindow::OnMenuClick(forms::MenuEntry& entry) {
  if (entry.Parent() == &MenuBar() && !entry.Children().empty()) {
    OpenMenu(entry.Name());
  } else {
    ClickMenu(entry.Name());
  }
}

void MainWindow::OpenMenu(const std::string& top) {
  if (top == "mnuPOPUP") {
    PopupStates();  // the text box's own menu: nothing of the menu bar's protocol
    return;
  }
  // A braille mark still waiting for the cell after it goes in before the menu acts.
  p_.conversion.TypePendingSign();
  if (p_.flags.FindOpen) {
    p_.windows->UnloadFind();
    p_.DoEvents();
  }
  // Moving from one menu to the next keeps what the first one found.
  if (!menu_open_) p_.flags.MenuBrailleMode = p_.state.BrailleMode;
  menu_open_ = true;
  for (const MenuOpening& m : kMenuOpenings) {
    if (m.top != top) continue;
    if (m.leaves_braille && p_.state.BrailleMode) p_.modes.CMD_TYPE(*m.leaves_braille);
    if (m.states == MenuStates::kOption) OptionMenuStates();
    if (m.states == MenuStates::kFile) FileMenuStates();
    if (m.states == MenuStates::kEdit) EditMenuStates();
  }
}

void MainWindow::EditMenuStates() {
  const editing::EditStates s = p_.edits.States();
  Menu("mnuUNDO").SetEnabled(s.undo);
  for (const char* item : {"mnuCUT", "mnuCOPY", "mnuDELETE"}) Menu(item).SetEnabled(s.cut);
  Menu("mnuPAST").SetEnabled(s.paste);
  Menu("mnuALL").SetEnabled(s.select_all);
}

void MainWindow::OpenPopup() {
  // As the text box's own menu: braille mode stays as it is.
  PopupStates();
  PopUp(Menu("mnuPOPUP"));
}

void MainWindow::PopupStates() {
  const editing::EditStates s = p_.edits.States();
  Menu("mnuPOP_UNDO").SetEnabled(s.undo);
  for (const char* item : {"mnuPOP_CUT", "mnuPOP_COPY", "mnuPOP_DELETE"}) Menu(item).SetEnabled(s.cut);
  Menu("mnuPOP_PASTE").SetEnabled(s.paste);
  Menu("mnuPOP_ALL").SetEnabled(s.select_all && ActiveTextBox().SelLength() < static_cast<int>(ActiveTextBox().Text().size()));
}

void MainWindow::NextFind() {
  EditControl& box = ActiveTextBox();
  if (box.SelLength() > 0) p_.search.text = box.SelText();
  if (p_.search.text.empty()) {
    p_.windows->ShowFind(editing::find_mode::kFind);
  } else {
    p_.finder.FindNext();
  }
}

void MainWindow::AfterMenuCommand() {
  if (p_.flags.MenuBrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kMenuReturn);
  } else if (Enabled()) {
    FocusTextBox();
  }
}

void MainWindow::FileMenuStates() {
  const bool has_document = p_.documents.State().Kind != files::DocumentKind::kNone;
  for (const char* item : {"mnuFILE_SAVE", "mnuFILE_SAVEAS"}) {
    Menu(item).SetEnabled(false);
    Menu(item).SetEnabled(has_document);
  }
}

forms::MenuEntry& MainWindow::RecentItem(int index) {
  std::string name = "mnuMRU";
  name += std::to_string(index);
  return Menu(name);
}

void MainWindow::OptionMenuStates() {
  const bool has_text = !ActiveTextBox().Text().empty();
  Menu("mnuFIND").SetEnabled(has_text);
  Menu("mnuNEXT_FIND").SetEnabled(ActiveTextBox().SelLength() > 0 || !p_.search.text.empty());
  const int tx = p_.values.TwipsPerPixelX;
  const int ty = p_.values.TwipsPerPixelY;
  const WorkAreaTwips& wa = p_.work_area;
  const Rect& outer = OuterTwips();
  if (State() == WindowState::kMaximized) {
    Menu("mnuTXT_AREA").SetEnabled(false);
  } else {
    Menu("mnuTXT_AREA").SetEnabled(true);
    const bool maximised_one_way =
        outer.height / ty == wa.height / ty || outer.width / tx == wa.width / tx;
    Menu("mnuV_AREA").SetEnabled(!maximised_one_way);
    Menu("mnuH_AREA").SetEnabled(!maximised_one_way);
    Menu("mnuRE_AREA").SetEnabled(maximised_one_way);
  }
  const bool wrap_was_on = WordWrap();
  forms::MenuEntry& wrap = Menu("mnuWORD_TURN");
  if (has_text) {
    wrap.SetEnabled(true);
    wrap.SetChecked(wrap_was_on);
  } else {
    wrap.SetEnabled(false);
    if (wrap_was_on) {
      p_.text.SwitchWordWrap();
      wrap.SetChecked(false);
    }
  }
  if (has_text || wrap_was_on) SetMenuCheckBitmaps(MenuBar(), 2, 5, picture_id::kMenuChecked, picture_id::kMenuUnchecked);
}

void MainWindow::RestoreArea() {
  Move(Restore);
  AfterMenuCommand();
}

void MainWindow::StretchArea(bool tall) {
  const Rect outer = OuterTwips();
  Restore = outer;
  const WorkAreaTwips& wa = p_.work_area;
  if (tall) {
    Move({outer.left, wa.top, outer.width, wa.height});
  } else {
    Move({wa.left, outer.top, wa.width, outer.height});
  }
  AfterMenuCommand();
}

void MainWindow::MenuDismissed() {
  if (!menu_open_ || closed_) return;
  menu_open_ = false;
  if (p_.flags.MenuBrailleMode && !p_.state.BrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kMenuReturn);
  } else if (Enabled()) {
    FocusTextBox();
  }
}

void MainWindow::ChooseMenu(const std::string& item) {
  menu_open_ = false;
  forms::MenuEntry* entry = MenuBar().Find(item);
  if (entry == nullptr || entry->IsSeparator() || !entry->Enabled() || !entry->Visible()) return;
  switch (CommandOf(item)) {
    case MenuCommand::kRestoreArea:
      RestoreArea();
      break;
    case MenuCommand::kTallArea:
      StretchArea(true);
      break;
    case MenuCommand::kWideArea:
      StretchArea(false);
      break;
    case MenuCommand::kHelper:
      if (p_.state.BrailleMode) {
        p_.windows->ShowHelper();
        p_.DoEvents();
      }
      break;
    case MenuCommand::kBarHelper:
      p_.windows->ShowHelper();
      p_.DoEvents();
      break;
    case MenuCommand::kDiagrams:
      p_.DoEvents();
      p_.windows->ShowDiagrams();
      p_.DoEvents();
      break;
    case MenuCommand::kMemo:
      // Braille input back as the menu found it, for the memo's own leaving and return.
      AfterMenuCommand();
      p_.DoEvents();
      p_.windows->ShowMemo();
      break;
    case MenuCommand::kAbout:
      p_.DoEvents();
      p_.windows->ShowSplash();
      p_.DoEvents();
      AfterMenuCommand();
      break;
    case MenuCommand::kSettings:
      settings::RunSettingsDialog(p_);
      AfterMenuCommand();
      break;
    case MenuCommand::kExit:
      if (p_.flags.FindOpen) {
        p_.windows->UnloadFind();
        p_.DoEvents();
      }
      p_.forms.Unload(*this, forms::UnloadMode::kCode);
      break;
    case MenuCommand::kWordTurn:
      p_.text.SwitchWordWrap();
      Menu("mnuWORD_TURN").SetChecked(WordWrap());
      AfterMenuCommand();
      break;
    case MenuCommand::kFontReset:
      p_.text.ResetAppearance();
      AfterMenuCommand();
      break;
    case MenuCommand::kNew:
      p_.documents.NewDocument();
      if (WordWrap()) {
        p_.text.SwitchWordWrap();
        Menu("mnuWORD_TURN").SetChecked(WordWrap());
      }
      p_.text.UpdateStatus();
      AfterMenuCommand();
      break;
    case MenuCommand::kOpen:
      p_.documents.OpenDocument();
      p_.text.UpdateStatus();
      AfterMenuCommand();
      break;
    case MenuCommand::kSaveOver:
      p_.documents.SaveOverCommand();
      AfterMenuCommand();
      break;
    case MenuCommand::kSaveAs:
      p_.documents.SaveAsCommand();
      AfterMenuCommand();
      break;
    case MenuCommand::kRecent:
      p_.recent.OpenRecentFile(item.back() - '0', p_.documents);
      p_.text.UpdateStatus();
      if (Enabled()) FocusTextBox();
      AfterMenuCommand();
      break;
    case MenuCommand::kUndo:
      p_.edits.Undo();
      AfterMenuCommand();
      break;
    case MenuCommand::kCut:
      p_.edits.Cut();
      AfterMenuCommand();
      break;
    case MenuCommand::kCopy:
      p_.edits.Copy();
      AfterMenuCommand();
      break;
    case MenuCommand::kPaste:
      p_.edits.Paste();
      AfterMenuCommand();
      break;
    case MenuCommand::kDelete:
      p_.edits.Delete();
      AfterMenuCommand();
      break;
    case MenuCommand::kSelectAll:
      p_.edits.SelectAll();
      AfterMenuCommand();
      break;
    case MenuCommand::kDate:
      p_.edits.InsertDate();
      FocusTextBox();
      AfterMenuCommand();
      break;
    case MenuCommand::kSearch:
      p_.windows->ShowFind(editing::find_mode::kFind);
      break;
    case MenuCommand::kReplace:
      p_.windows->ShowFind(editing::find_mode::kReplace);
      break;
    case MenuCommand::kNextFind:
      NextFind();
      break;
    case MenuCommand::kPopUndo:
      p_.edits.Undo();
      break;
    case MenuCommand::kPopCut:
      p_.edits.Cut();
      break;
    case MenuCommand::kPopCopy:
      p_.edits.Copy();
      break;
    case MenuCommand::kPopPaste:
      p_.edits.PasteOver();
      break;
    case MenuCommand::kPopDelete:
      p_.edits.Delete();
      break;
    case MenuCommand::kPopSelectAll:
      p_.edits.SelectAll();
      break;
    case MenuCommand::kNone:
      AfterMenuCommand();  // commands whose windows come later still return to braille mode
      break;
  }
}

bool MainWindow::ClickMenu(const std::string& item) {
  const forms::MenuEntry* entry = item.empty() ? nullptr : MenuBar().Find(item);
  if (entry == nullptr || entry->IsSeparator()) return false;
  p_.conversion.TypePendingSign();  // as opening its menu would
  const forms::MenuEntry& top = TopOf(*entry);
  if (&top != entry || !entry->Children().empty()) {
    OpenMenu(top.Name());  // a top-level menu too opens, as a click on the bar does
  } else {
    p_.flags.MenuBrailleMode = p_.state.BrailleMode;  // top-level items open no menu
  }
  ChooseMenu(item);
  return true;
}

// --- Closing ---

void MainWindow::OnQueryUnload(bool& cancel, forms::UnloadMode) {
  if (closed_) return;
  p_.windows->UnloadHelper();  // also when hidden by its own button
  if (p_.flags.DiagramsOpen) p_.windows->UnloadDiagrams();
  if (p_.flags.FindOpen) p_.windows->UnloadFind();
  p_.DoEvents();
  if (p_.state.BrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kClosing);
    p_.DoEvents();
  }
  EditControl& box = ActiveTextBox();
  if (!box.Text().empty() && box.Modified()) {
    files::DocumentState& document = p_.documents.State();
    p_.documents.SaveBeforeDiscard(files::SaveMode::kAsk);
    if (document.SaveCancelled) {
      document.SaveCancelled = false;
      document.OpenFailed = false;
      cancel = true;
      if (Enabled()) FocusTextBox();
    }
    return;
  }
  const MessageResult answer = p_.messages.Ask(kTag, main_text::kExitQuestion, message::kConfirm, p_.platform.app.Title());
  if (answer == MessageResult::kCancel) {
    cancel = true;
    if (Enabled()) FocusTextBox();
  }
}

void MainWindow::OnUnload() { Shutdown(); }

void MainWindow::Shutdown() {
  // The text was saved, or the user agreed to let it go.
  p_.recovery.EndNormally();
  p_.DoEvents();
  p_.keys.RELEASE_HELD_KEYS();
  if (p_.hook.Installed()) {
    p_.hook.Remove();
    p_.DoEvents();
  }
  if (ActiveTextBox().ImeMode() != ime_mode::kOff) ActiveTextBox().SetImeMode(ime_mode::kOff);
  p_.DoEvents();
  p_.recent.RefreshRecentFiles();
  p_.SaveRecentFiles();
  p_.DoEvents();
  p_.ime.Release();
  if (p_.braille_font.BrailleFontRegistered) p_.braille_font.UnregisterBrailleFont();
  closed_ = true;
  p_.platform.app.End();
}

bool MainWindow::Close() {
  if (closed_) return true;
  return Form::Close() || closed_;
}

}  // namespace orvo
