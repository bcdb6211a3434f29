#include "app/main_window.h"

#include "app/program.h"

namespace orvo {
namespace {

const ustring kNewDocumentCaption = u" Ｏ ｒｖｏ ４ － 新規.txt";

struct MenuRow {
  const char* name;
  const char16_t* caption;
  bool visible;
};

// The menus of the window, top-level entries first within each group.
constexpr MenuRow kMenuRows[] = {
    {"mnuFILE", u"ファイル(&F)", true},
    {"mnuEDIT", u"編集(&E)", true},
    {"mnuOPTION", u"オプション(&O)", true},
    {"mnuSETTING", u"ユーザー設定．．(&P)", true},
    {"mnuFONT_RESET", u"保存設定に戻す (&Q)", true},
    {"mnuFIND", u"検索／置換 (&S)", true},
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

}  // namespace

MainWindow::MainWindow(Program& program)
    : Timer1(program.platform.timers, 400, [&program] { program.chords.Timer1Tick(); }),
      p_(program),
      text_events_(program) {
  boxes_[0] = p_.platform.windowing.CreateEditControl();
  boxes_[1] = p_.platform.windowing.CreateEditControl();
  cmdMEMO.Caption = u"メモ";
  cmdTYPE.Caption = u"入力方式切替";
  cmdIME.Caption = u"日本語入力のＯＮ／ＯＦＦ";
  lblMODE.Caption = u"ひらがな";
  lblKETA.Caption = u"0．0";
  lblGYO.Caption = u"0";
  lblAllGYO.Caption = u"0";
  lblFileSIZE.Caption = u"0";
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
  lblMODE.font.size = v.FontSize(11);
  lblKETA.font.size = lblGYO.font.size = lblAllGYO.font.size = lblFileSIZE.font.size =
      v.FontSize(10);
}

void MainWindow::Load() {
  active_ = 0;
  p_.ime.Create();
  InitFonts();
  lblTENJI.font = {u"FixedSys", 14, false};
  cmdMEMO.Picture = 0;
  cmdTYPE.Picture = 1;
  cmdIME.Picture = 3;
  cmdCOVER.Picture = cmdTOOL.Picture = 6;
  menus["mnuFONT_RESET"].Enabled = false;
  menus["mnuHELPER"].Enabled = false;
  menus["mnuHELP_BMP"].Enabled = false;
  p_.state.ImeOpen = true;
  txtIN.Text.clear();
  txtHEN.Text.clear();
  txtOUT.Text.clear();
  txtKAN.Text.clear();
  p_.platform.windowing.SetActiveWindow(this);
  Activate();
}

void MainWindow::Activate() {
  if (!first_activated_) {
    first_activated_ = true;
    Caption = kNewDocumentCaption;
    FocusTextBox();
  }
  p_.flags.MainHasFocus = true;
  if (p_.flags.ReturnFromWindow) {
    p_.flags.ReturnFromWindow = false;
    p_.conversion.RestoreComposition(0);
  }
  p_.text.UpdateStatus();
  if (enabled_) FocusTextBox();
}

void MainWindow::Close() {
  if (closed_) return;
  if (p_.state.BrailleMode) p_.modes.CMD_TYPE(3);
  p_.keys.RELEASE_HELD_KEYS();
  p_.ime.Release();
  closed_ = true;
  p_.platform.windowing.SetFocus(nullptr, nullptr);
  p_.platform.windowing.SetActiveWindow(nullptr);
  p_.platform.app.End();
}

void MainWindow::FocusTextBox() {
  if (closed_) return;
  p_.platform.windowing.SetFocus(&text_events_, &ActiveTextBox());
}

void MainWindow::KeyDown(int& key, int shift) { p_.chords.FormKeyDown(key, shift); }
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

}  // namespace orvo
