// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helper_window.h"

#include <algorithm>

#include "help/braille_chart.h"
#include "help/help_texts.h"
#include "platform/keys.h"

namespace orvo::help {
namespace {

// Pixels of the inner area. The key list lies below the short form's edge
// and comes into view when the window grows to its tall form.
constexpr Rect kHint{4, 4, 167, 16};
constexpr Rect kLine1{0, 22, 175, 1};
constexpr Rect kChart{2, 25, 171, 246};
constexpr Rect kLine2{0, 274, 175, 1};
constexpr Rect kKeyList{4, 278, 167, 94};
// Holds the focus; the hint above says what it does.
constexpr Rect kFocusButton{0, 0, 0, 0};

enum ScrollRequest { kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3 };

// What each key does; keys not here are swallowed.
enum class Action { kPass, kScrollLineUp, kScrollLineDown, kScrollPageUp, kScrollPageDown,
                    kMoveUp, kMoveDown, kMoveLeft, kMoveRight, kKeys, kGiveBack };
struct KeyAction {
  int key;
  Action action;
};
constexpr KeyAction kKeyActions[] = {
    {vk::kSpace, Action::kPass},         {'I', Action::kScrollLineUp},  {vk::kUp, Action::kScrollLineUp},
    {'M', Action::kScrollLineDown},      {vk::kDown, Action::kScrollLineDown},
    {'O', Action::kScrollPageUp},        {'U', Action::kScrollPageDown},
    {'C', Action::kMoveUp},              {'V', Action::kMoveDown},
    {vk::kOemComma, Action::kMoveLeft},  {vk::kOemPeriod, Action::kMoveRight},
    {'Y', Action::kKeys},                {vk::kF4, Action::kGiveBack},
};

}  // namespace

HelperWindow::HelperWindow(const WindowContext& context)
    : Form(context.forms, "frmHELPER"),
      txtROLL(*this, "txtROLL"),
      lblN(*this, "lblN"),
      Line1(*this, "Line1"),
      Line2(*this, "Line2"),
      lblM(*this, "lblM"),
      Command1(*this, "Command1"),
      p_(context) {
  SetTag(kTag);
  SetCaption(text::kHelperCaption);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kManual);
  txtROLL.SetMultiline(true);
  txtROLL.SetAccessibleName(ustring(text::kChartName));
  txtROLL.SetTabStop(false);
  txtROLL.SetBackColor(forms::colour::kWhite);
  lblN.SetCaption(text::kHelperHint);
  lblM.SetCaption(text::kHelperKeys);
  Command1.SetCaption(text::kHelperClose);
  Command1.SetAccessibleName(ustring(text::kHelperHint));
  Line1.SetBackColor(forms::colour::kBlack);
  Line2.SetBackColor(forms::colour::kBlack);
  lblN.SetBounds(kHint);
  Line1.SetBounds(kLine1);
  txtROLL.SetBounds(kChart);
  Line2.SetBounds(kLine2);
  lblM.SetBounds(kKeyList);
  Command1.SetBounds(kFocusButton);
  Command1.SetTabIndex(0);
}

HelperWindow::~HelperWindow() = default;

void HelperWindow::Open() {
  p_.forms.Show(*this, &p_.owner.OwnerForm());
  p_.DoEvents();
}

void HelperWindow::OnLoad() {
  p_.flags.HelperOpen = true;
  p_.flags.MainHasFocus = false;
  SetIcon(p_.owner.OwnerForm().Icon());
  const int size = p_.values.FontSize(9);
  for (forms::Control* c : {static_cast<forms::Control*>(&txtROLL), static_cast<forms::Control*>(&lblM),
                            static_cast<forms::Control*>(&lblN), static_cast<forms::Control*>(&Command1)}) {
    FontSpec font = c->Font();
    font.points = size;
    if (c == &txtROLL) font.name = text::kChartFont;
    c->SetFont(font);
  }
  const Rect main = p_.owner.OwnerForm().OuterTwips();
  const Size outer = p_.values.Twips({kWidthPx, kShortHeightPx});
  keys_shown_ = false;
  lblM.SetVisible(false);
  Move({main.left, main.top, outer.width, outer.height});
  const auto chart = LoadChart(p_.platform.data);
  load_failed_ = !chart.has_value();
  if (chart) txtROLL.SetText(*chart);
}

void HelperWindow::OnActivate() {
  if (load_failed_) {
    p_.forms.Unload(*this);
    return;
  }
  // Shown again after hiding: open once more.
  p_.flags.HelperOpen = true;
  p_.flags.MainHasFocus = false;
  // A chord half held when the keyboard came here would never close: its
  // releases come here, not to the editor.
  p_.owner.ResetDotKeys();
  Command1.SetFocus();
}

void HelperWindow::OnQueryUnload(bool&, forms::UnloadMode) {
  p_.flags.HelperOpen = false;
  p_.flags.MainHasFocus = true;
  p_.flags.ReturnFromWindow = true;
}

void HelperWindow::OnClick(forms::Control& control) {
  if (&control == &Command1) Close();
  if (&control == &txtROLL) Command1.SetFocus();
}

void HelperWindow::OnGotFocus(forms::Control& control) {
  if (&control == &txtROLL) Command1.SetFocus();
}

void HelperWindow::OnMouseDown(forms::Control& control, int) {
  if (&control == &txtROLL) Command1.SetFocus();
}

void HelperWindow::Close() {
  p_.flags.MainHasFocus = true;
  p_.flags.HelperOpen = false;
  p_.forms.Hide(*this);
  p_.flags.ReturnFromWindow = true;
}

void HelperWindow::OnKeyDown(int& key, int) {
  const auto* row = std::ranges::find(kKeyActions, key, &KeyAction::key);
  if (row == std::end(kKeyActions)) {
    key = 0;
    return;
  }
  switch (row->action) {
    case Action::kPass:
      // Space closes as Command1 does, also with the braille latch's Ctrl and Alt down.
      key = 0;
      Command1.Press();
      break;
    case Action::kScrollLineUp:
      Scroll(kLineUp);
      break;
    case Action::kScrollLineDown:
      Scroll(kLineDown);
      break;
    case Action::kScrollPageUp:
      Scroll(kPageUp);
      break;
    case Action::kScrollPageDown:
      Scroll(kPageDown);
      break;
    case Action::kMoveUp:
      MoveBy(0, -kMoveStep);
      break;
    case Action::kMoveDown:
      MoveBy(0, kMoveStep);
      break;
    case Action::kMoveLeft:
      MoveBy(-kMoveStep, 0);
      break;
    case Action::kMoveRight:
      MoveBy(kMoveStep, 0);
      break;
    case Action::kKeys:
      ToggleKeys();
      break;
    case Action::kGiveBack:
      GiveKeyboardBack();
      break;
  }
}

void HelperWindow::OnControlKeyDown(forms::Control& control, int& key, int) {
  if (&control != &txtROLL) return;
  key = 0;
  Command1.SetFocus();
}

void HelperWindow::Scroll(int request) {
  EditControl& box = txtROLL.Box();
  // A page is as many lines as the box shows.
  const int line_height = std::max(1, p_.platform.fonts.MeasureText(txtROLL.Font(), u"Ｍ").height);
  const int page = std::max(1, txtROLL.Bounds().height / line_height);
  constexpr int kSign[] = {-1, 1, -1, 1};
  const int lines = request >= kPageUp ? page : 1;
  box.LineScroll(0, kSign[request] * lines);
}

void HelperWindow::MoveBy(int dx, int dy) {
  Rect outer = OuterTwips();
  const WorkAreaTwips& wa = p_.work_area;
  outer.left += dx;
  outer.top += dy;
  if (dy < 0) outer.top = std::max(outer.top, wa.top);
  if (dy > 0 && outer.top > wa.height - outer.height) outer.top = wa.height - outer.height;
  if (dx < 0) outer.left = std::max(outer.left, wa.left);
  if (dx > 0 && outer.left > wa.width - outer.width) outer.left = wa.width - outer.width;
  Move(outer);
}

void HelperWindow::ToggleKeys() {
  keys_shown_ = !keys_shown_;
  Rect outer = OuterTwips();
  outer.height = p_.values.Twips({0, keys_shown_ ? kTallHeightPx : kShortHeightPx}).height;
  Move(outer);
  lblM.SetVisible(keys_shown_);
}

void HelperWindow::GiveKeyboardBack() {
  p_.flags.MainHasFocus = true;
  p_.flags.ReturnFromWindow = true;
  p_.owner.ActivateOwner();
}

}  // namespace orvo::help
