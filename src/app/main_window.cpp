#include "app/main_window.h"

#include "app/program.h"
#include "app/window_utils/menu_check_bitmaps.h"
#include "platform/keys.h"

namespace orvo {
namespace {

const ustring kNewDocumentCaption = u" Ｏ ｒｖｏ ４ － 新規.txt";
const ustring kExitQuestion = u"．．．終了 します。\u3000\u3000\u3000\u3000";

struct MenuRow {
  const char* name;
  const char16_t* caption;
  bool visible;
};

// The menus of the window, each top-level entry before its items.
constexpr MenuRow kMenuRows[] = {
    {"mnuFILE", u"ファイル(&F)", true},
    {"mnuEDIT", u"編集(&E)", true},
    {"mnuOPTION", u"オプション(&O)", true},
    {"mnuSETTING", u"ユーザー設定．．(&P)", true},
    {"mnuFONT_RESET", u"保存設定に戻す (&Q)", true},
    {"mnuFIND", u"検索／置換 (&S)", true},
    {"mnuNEXT_FIND", u"次を検索 (&N)", true},
    {"mnuWORD_TURN", u"右端で折り返す (&W)", true},
    {"mnuTXT_AREA", u"テキスト範囲 (&A)", true},
    {"mnuRE_AREA", u"元に戻す (&U)", true},
    {"mnuV_AREA", u"たて最大化 (&T)", true},
    {"mnuH_AREA", u"よこ最大化 (&Y)", true},
    {"mnuDATE", u"日付挿入 (&H)", true},
    {"mnuHELP", u"ヘルプ(&H)", true},
    {"mnuHELPER", u"点字ヘルパー(F4)", true},
    {"mnuHELP_BMP", u"キー配置図 (F5)", true},
    {"mnuHELP_ABOUT", u"バージョン情報 (&B)", true},
    {"mnuT_HELPER", u"点字ヘルパー(F4)", false},
    {"mnuT_HELP_BMP", u"キー配置図(F5)", false},
    {"mnuEXIT", u"ソフト終了(ESC)", true},
};

// Which top-level menu holds an item.
struct MenuParent {
  const char* item;
  const char* top;
};
constexpr MenuParent kMenuParents[] = {
    {"mnuSETTING", "mnuOPTION"},   {"mnuFONT_RESET", "mnuOPTION"}, {"mnuFIND", "mnuOPTION"},
    {"mnuNEXT_FIND", "mnuOPTION"}, {"mnuWORD_TURN", "mnuOPTION"},  {"mnuTXT_AREA", "mnuOPTION"},
    {"mnuRE_AREA", "mnuOPTION"},   {"mnuV_AREA", "mnuOPTION"},     {"mnuH_AREA", "mnuOPTION"},
    {"mnuDATE", "mnuOPTION"},      {"mnuHELPER", "mnuHELP"},       {"mnuHELP_BMP", "mnuHELP"},
    {"mnuHELP_ABOUT", "mnuHELP"},
};

// The braille-mode suspension code each top-level menu passes when it opens.
struct MenuSuspend {
  const char* top;
  int code;  // 0: the menu only remembers the mode
};
constexpr MenuSuspend kMenuSuspends[] = {
    {"mnuFILE", 10}, {"mnuEDIT", 0}, {"mnuOPTION", 5}, {"mnuHELP", 11},
};

// The menu bar by position, separators included, as the platform's menu calls see it.
const MenuBar& Bar() {
  static const MenuBar kBar = {
      {"mnuFILE", {}},
      {"mnuEDIT", {}},
      {"mnuOPTION",
       {"mnuSETTING", "mnuFONT_RESET", "", "mnuFIND", "mnuNEXT_FIND", "mnuWORD_TURN", "",
        "mnuTXT_AREA", "", "mnuDATE"}},
      {"mnuHELP", {"mnuHELPER", "mnuHELP_BMP", "", "mnuHELP_ABOUT"}},
  };
  return kBar;
}

// Pictures of the check marks drawn beside the wrap item.
constexpr int kPicMnuON = 20;
constexpr int kPicMnuNon = 21;

}  // namespace

MainWindow::MainWindow(Program& program)
    : Timer1(program.platform.timers, 400, [&program] { program.chords.Timer1Tick(); }),
      p_(program),
      text_events_(program) {
  for (auto& box : boxes_) {
    box = p_.platform.windowing.CreateEditControl();
    box->SetNoticeSink([&program](EditNotice notice) { program.hook.Notice(notice); });
  }
  boxes_[1]->SetWordWrap(true);
  boxes_[1]->SetFont({u"ＭＳ Ｐゴシック", 9, false});
  boxes_[0]->SetFont({u"ＭＳ ゴシック", 9, false});
  cmdMEMO.Caption = u"メモ";
  cmdTYPE.Caption = u"入力方式切替";
  cmdIME.Caption = u"日本語入力のＯＮ／ＯＦＦ";
  lblMODE.Caption = u"ひらがな";
  lblTURN.Caption = u"有効 ： 右端で折り返す";
  lblTURN.Visible = false;
  lblBYTES.Caption = u"ﾊﾞｲﾄ";
  const char16_t* styles[] = {u"ファイルサイズ：", u"全行：", u"／行目：", u"桁："};
  for (std::size_t i = 0; i < lblSTYLE.size(); ++i) lblSTYLE[i].Caption = styles[i];
  lblKETA.Caption = u"0．0";
  lblGYO.Caption = u"0";
  lblAllGYO.Caption = u"0";
  lblFileSIZE.Caption = u"0";
  picCONER.Width = 16;
  picCONER.Height = 16;
  CreateMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus() {
  for (const MenuRow& row : kMenuRows) {
    forms::MenuItem item;
    item.Caption = row.caption;
    item.Visible = row.visible;
    menus[row.name] = item;
  }
}

void MainWindow::InitFonts() {
  const ProgramValues& v = p_.values;
  lblTENJI.font.size = v.FontSize(18);
  lblMODE.font.size = v.FontSize(11);
  lblKETA.font.size = lblGYO.font.size = lblAllGYO.font.size = lblFileSIZE.font.size =
      v.FontSize(10);
  lblTURN.font.size = lblBYTES.font.size = v.FontSize(9);
  for (auto& label : lblSTYLE) label.font.size = v.FontSize(9);
}

void MainWindow::ApplySettings() {
  p_.CurrentSettings = p_.SavedSettings;
  const settings::SettingsRecord& s = p_.CurrentSettings;
  for (auto& box : boxes_) {
    box->SetBackColor(static_cast<std::uint32_t>(s.BackColor));
    box->SetForeColor(static_cast<std::uint32_t>(s.ForeColor));
    box->SetFont({s.FontName, s.FontSize, false});
  }
}

Size MainWindow::InnerPx() const {
  const int tx = p_.values.TwipsPerPixelX > 0 ? p_.values.TwipsPerPixelX : 15;
  const int ty = p_.values.TwipsPerPixelY > 0 ? p_.values.TwipsPerPixelY : 15;
  return {outer_.width / tx - insets_.left - insets_.right,
          outer_.height / ty - insets_.top - insets_.bottom};
}

void MainWindow::Load() {
  outer_.width = p_.values.TwipsPerPixelX * 580;
  outer_.height = p_.values.TwipsPerPixelY * 420;
  p_.DoEvents();
  p_.flags.Started = true;  // the start-up splash is not shown yet; the window is enabled at once
  active_ = 0;
  p_.ime.Create();
  InitFonts();
  ApplySettings();
  lblTENJI.font = {u"FixedSys", 14, false};
  picSTATUS.Left = 0;
  picSTATUS.Top = InnerPx().height - 18;
  lblBYTES.Top = 2;
  picBAR.Height = 29;
  lblMODE.Top = 4;
  cmdMEMO.Picture = braille::picture::kMemo;
  cmdTYPE.Picture = braille::picture::kRomajiMethod;
  cmdIME.Picture = braille::picture::kImeAtLoad;
  cmdCOVER.Picture = cmdTOOL.Picture = braille::picture::kCover;
  cmdTOOL.Left = 340;
  menus["mnuFONT_RESET"].Enabled = false;
  menus["mnuHELPER"].Enabled = false;
  menus["mnuHELP_BMP"].Enabled = false;
  p_.state.ImeOpen = true;
  txtIN.Text.clear();
  txtHEN.Text.clear();
  txtOUT.Text.clear();
  txtKAN.Text.clear();
  // Shown: centred on the screen, then activated.
  outer_.left = (p_.values.ScreenWidthPx * p_.values.TwipsPerPixelX - outer_.width) / 2;
  outer_.top = (p_.values.ScreenHeightPx * p_.values.TwipsPerPixelY - outer_.height) / 2;
  Resize();
  p_.platform.windowing.SetActiveWindow(this);
  Activate();
}

void MainWindow::FirstActivation() {
  first_activated_ = true;
  Caption = kNewDocumentCaption;
  p_.values.OpenFromCommandLine = false;
  cmdTOOL.Width = InnerPx().width - cmdTOOL.Left;
  p_.hook.Install();
  FocusTextBox();
}

void MainWindow::Activate() {
  if (closed_) return;
  if (!first_activated_) FirstActivation();
  p_.flags.MainHasFocus = true;
  if (p_.flags.ReturnFromWindow) {
    p_.flags.ReturnFromWindow = false;
    p_.conversion.RestoreComposition(0);
  }
  p_.text.UpdateStatus();
  if (enabled_) FocusTextBox();
}

void MainWindow::Move(const Rect& outer_twips) {
  outer_ = outer_twips;
  Resize();
}

void MainWindow::SetState(WindowState state) {
  state_ = state;
  Resize();
}

void MainWindow::Resize() {
  if (resizing_) return;
  resizing_ = true;
  if (state_ == WindowState::kMinimized) {
    if (p_.state.BrailleMode) {
      p_.modes.CMD_TYPE(13);
      p_.DoEvents();
    }
    resizing_ = false;
    return;
  }
  const int tx = p_.values.TwipsPerPixelX;
  const int ty = p_.values.TwipsPerPixelY;
  if (state_ == WindowState::kNormal) {
    // Each correction is a new size; the layout below then uses it.
    if (auto snapped = SnapOuterSize({outer_.width / tx, outer_.height / ty},
                                     {p_.values.ScreenWidthPx, p_.values.ScreenHeightPx})) {
      outer_.width = snapped->width * tx;
      outer_.height = snapped->height * ty;
    }
  }
  const Rect corner{picCONER.Left, picCONER.Top, picCONER.Width, picCONER.Height};
  const MainLayout l = LayOut(state_, InnerPx(), WordWrap(), cmdTOOL.Left, corner);
  text_rect_ = l.text;
  if (first_activated_ && p_.flags.MainHasFocus) FocusTextBox();
  picSTATUS.Top = l.status_top;
  picCONER.Left = l.corner.left;
  picCONER.Top = l.corner.top;
  picCONER.Visible = l.corner_visible;
  lblTURN.Visible = l.turn_visible;
  if (l.turn_visible) {
    lblTURN.Left = l.turn_left;
    lblTURN.Top = l.turn_top;
  }
  cmdTOOL.Width = l.tool_width;
  resizing_ = false;
  p_.DoEvents();
}

void MainWindow::FocusTextBox() {
  if (closed_) return;
  p_.platform.windowing.SetFocus(&text_events_, &ActiveTextBox());
}

void MainWindow::KeyDown(int& key, int shift) {
  // A key that reaches the window itself (no control has the focus) passes the hook first.
  if (p_.platform.windowing.FocusedEdit() == nullptr) p_.hook.KeyDown(key);
  p_.chords.FormKeyDown(key, shift);
}

void MainWindow::KeyUp(int& key, int shift) { p_.chords.FormKeyUp(key, shift); }

void MainWindow::TextEvents::KeyDown(int& key, int shift) { p_.chords.TextKeyDown(key, shift); }
void MainWindow::TextEvents::KeyUp(int& key, int shift) { p_.chords.TextKeyUp(key, shift); }

void MainWindow::ClickType() {
  FocusTextBox();
  p_.modes.CMD_TYPE(1);
}

void MainWindow::ClickIme() { p_.ime.CMD_IME(0); }

void MainWindow::ClickMode() { p_.modes.ModeLabelClick(); }

void MainWindow::TextMouseUp(int button) { p_.chords.TextMouseUp(button); }

void MainWindow::AppActivation(bool active) {
  p_.hook.ActivateApp(active);
  if (active) Activate();
}

// --- Menus ---

void MainWindow::OpenMenu(const std::string& top) {
  if (p_.flags.FindOpen) {
    p_.windows->UnloadFind();
    p_.DoEvents();
  }
  p_.flags.MenuBrailleMode = p_.state.BrailleMode;
  for (const MenuSuspend& m : kMenuSuspends) {
    if (m.top == top && m.code != 0 && p_.state.BrailleMode) p_.modes.CMD_TYPE(m.code);
  }
  if (top == "mnuOPTION") OptionMenuStates();
}

void MainWindow::AfterMenuCommand() {
  if (p_.flags.MenuBrailleMode) {
    p_.modes.CMD_TYPE(12);
  } else if (enabled_) {
    FocusTextBox();
  }
}

void MainWindow::OptionMenuStates() {
  const bool has_text = !ActiveTextBox().Text().empty();
  menus["mnuFIND"].Enabled = has_text;
  menus["mnuNEXT_FIND"].Enabled = !ActiveTextBox().SelText().empty() || !p_.LastSearch.empty();
  const int tx = p_.values.TwipsPerPixelX;
  const int ty = p_.values.TwipsPerPixelY;
  const WorkAreaTwips& wa = p_.work_area;
  if (state_ == WindowState::kMaximized) {
    menus["mnuTXT_AREA"].Enabled = false;
  } else {
    menus["mnuTXT_AREA"].Enabled = true;
    const bool maximised_one_way =
        outer_.height / ty == wa.height / ty || outer_.width / tx == wa.width / tx;
    menus["mnuV_AREA"].Enabled = !maximised_one_way;
    menus["mnuH_AREA"].Enabled = !maximised_one_way;
    menus["mnuRE_AREA"].Enabled = maximised_one_way;
  }
  const bool wrap_was_on = WordWrap();
  if (has_text) {
    menus["mnuWORD_TURN"].Enabled = true;
    menus["mnuWORD_TURN"].Checked = wrap_was_on;
  } else {
    menus["mnuWORD_TURN"].Enabled = false;
    if (wrap_was_on) {
      p_.text.SwitchWordWrap();
      menus["mnuWORD_TURN"].Checked = false;
    }
  }
  if (has_text || wrap_was_on) SetMenuCheckBitmaps(menus, Bar(), 2, 5, kPicMnuON, kPicMnuNon);
}

void MainWindow::SizePreset(const std::string& item) {
  if (item == "mnuRE_AREA") {
    Move(Restore);
  } else {
    Restore = outer_;
    const WorkAreaTwips& wa = p_.work_area;
    if (item == "mnuV_AREA") {
      Move({outer_.left, wa.top, outer_.width, wa.height});
    } else {
      Move({wa.left, outer_.top, wa.width, outer_.height});
    }
  }
  AfterMenuCommand();
}

void MainWindow::ChooseMenu(const std::string& item) {
  if (!menus[item].Enabled || !menus[item].Visible) return;
  if (item == "mnuV_AREA" || item == "mnuH_AREA" || item == "mnuRE_AREA") {
    SizePreset(item);
  } else if (item == "mnuHELPER") {
    if (p_.state.BrailleMode) {
      p_.windows->ShowHelper();
      p_.DoEvents();
    }
  } else if (item == "mnuT_HELPER") {
    p_.windows->ShowHelper();
    p_.DoEvents();
  } else if (item == "mnuHELP_BMP" || item == "mnuT_HELP_BMP") {
    p_.DoEvents();
    p_.windows->ShowDiagrams();
    p_.DoEvents();
  } else if (item == "mnuHELP_ABOUT") {
    p_.DoEvents();
    AfterMenuCommand();
  } else if (item == "mnuEXIT") {
    if (p_.flags.FindOpen) {
      p_.windows->UnloadFind();
      p_.DoEvents();
    }
    Close();
  } else if (item == "mnuWORD_TURN") {
    p_.text.SwitchWordWrap();
    menus["mnuWORD_TURN"].Checked = WordWrap();
    AfterMenuCommand();
  } else if (item == "mnuFONT_RESET") {
    p_.text.ResetAppearance();
    AfterMenuCommand();
  } else {
    AfterMenuCommand();  // commands whose windows come later still return to braille mode
  }
}

bool MainWindow::ClickMenu(const std::string& item) {
  if (menus.find(item) == menus.end()) return false;
  std::string top = item;
  for (const MenuParent& parent : kMenuParents) {
    if (parent.item == item) top = parent.top;
  }
  if (top != item) {
    OpenMenu(top);
  } else if (item == "mnuT_HELPER" || item == "mnuT_HELP_BMP" || item == "mnuEXIT") {
    p_.flags.MenuBrailleMode = p_.state.BrailleMode;  // top-level items open no menu
  }
  ChooseMenu(item);
  return true;
}

// --- Closing ---

bool MainWindow::QueryUnload() {
  if (p_.flags.HelperOpen) p_.windows->UnloadHelper();
  if (p_.flags.DiagramsOpen) p_.windows->UnloadDiagrams();
  if (p_.flags.FindOpen) p_.windows->UnloadFind();
  p_.DoEvents();
  if (p_.state.BrailleMode) {
    p_.modes.CMD_TYPE(3);
    p_.DoEvents();
  }
  // Until documents can be saved, a modified text is guarded by the same question:
  // nothing is thrown away without the user's yes.
  const int answer = p_.MSG_BOX(kTag, kExitQuestion, 65, p_.platform.app.Title());
  if (answer == 2) {
    if (enabled_) FocusTextBox();
    return false;
  }
  return true;
}

void MainWindow::Shutdown() {
  p_.DoEvents();
  p_.keys.RELEASE_HELD_KEYS();
  if (p_.hook.Installed()) {
    p_.hook.Remove();
    p_.DoEvents();
  }
  if (ActiveTextBox().ImeMode() != ime_mode::kOff) ActiveTextBox().SetImeMode(ime_mode::kOff);
  p_.DoEvents();
  p_.ime.Release();
  closed_ = true;
  p_.platform.windowing.SetFocus(nullptr, nullptr);
  p_.platform.windowing.SetActiveWindow(nullptr);
  p_.platform.app.End();
}

bool MainWindow::Close() {
  if (closed_) return true;
  if (!QueryUnload()) return false;
  Shutdown();
  return true;
}

}  // namespace orvo
