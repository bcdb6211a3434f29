// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/find_window.h"

#include <algorithm>

#include "editing/editing_texts.h"
#include "platform/keys.h"

namespace orvo::editing {
namespace {

// Pixels of the inner area: the boxes on the left, the buttons down the right.
constexpr Rect kLabel1{8, 12, 112, 16};
constexpr Rect kFindBox{122, 8, 232, 22};
constexpr Rect kLabel2{8, 42, 112, 16};
constexpr Rect kReplaceBox{122, 38, 232, 22};
constexpr Rect kFrame{8, 68, 180, 50};
constexpr Rect kDownButton{10, 20, 80, 22};  // inside the frame
constexpr Rect kUpButton{92, 20, 80, 22};
constexpr Rect kCaseBox{200, 88, 154, 22};
constexpr Rect kFindButton{366, 8, 110, 28};
constexpr Rect kReplaceButton{366, 42, 110, 28};
constexpr Rect kCloseButton{366, 88, 110, 28};
constexpr int kWidthPx = 492;
constexpr int kHeightPx = 156;

// The name a screen reader gives a box: its label without the colon.
ustring NameOf(const char16_t* label) {
  ustring name(label);
  while (!name.empty() && (name.back() == u'：' || name.back() == u' ')) name.pop_back();
  return name;
}

}  // namespace

FindWindow::FindWindow(const WindowContext& context, const FindPorts& ports)
    : Form(context.forms, "frmFIND"),
      Label1(*this, "Label1"),
      txtFIND(*this, "txtFIND"),
      Label2(*this, "Label2"),
      txtREPLACE(*this, "txtREPLACE"),
      fraDIRECTION(*this, "fraDIRECTION"),
      optDirection{{{*this, "optDirection", 0}, {*this, "optDirection", 1}}},
      chkCASE(*this, "chkCASE"),
      cmdFIND(*this, "cmdFIND"),
      cmdREPLACE(*this, "cmdREPLACE"),
      cmdCLOSE(*this, "cmdCLOSE"),
      p_(context),
      f_(ports) {
  SetTag(kTag);
  SetCaption(text::kFindCaption);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kCentreOwner);
  Label1.SetCaption(text::kFindLabel);
  Label2.SetCaption(text::kReplaceLabel);
  txtFIND.SetAccessibleName(NameOf(text::kFindLabel));
  txtREPLACE.SetAccessibleName(NameOf(text::kReplaceLabel));
  fraDIRECTION.SetCaption(text::kDirectionFrame);
  optDirection[direction::kDown].SetCaption(text::kDown);
  optDirection[direction::kUp].SetCaption(text::kUp);
  chkCASE.SetCaption(text::kMatchCase);
  cmdFIND.SetCaption(text::kFindButton);
  cmdREPLACE.SetCaption(text::kReplaceButton);
  cmdCLOSE.SetCaption(text::kCloseButton);
  Label1.SetBounds(kLabel1);
  txtFIND.SetBounds(kFindBox);
  Label2.SetBounds(kLabel2);
  txtREPLACE.SetBounds(kReplaceBox);
  fraDIRECTION.SetBounds(kFrame);
  // Downwards first in the frame, as the dialog shows them.
  optDirection[direction::kDown].SetContainer(&fraDIRECTION);
  optDirection[direction::kUp].SetContainer(&fraDIRECTION);
  optDirection[direction::kDown].SetBounds(kDownButton);
  optDirection[direction::kUp].SetBounds(kUpButton);
  optDirection[direction::kDown].SetTabIndex(optDirection[direction::kUp].TabIndex());
  chkCASE.SetBounds(kCaseBox);
  cmdFIND.SetBounds(kFindButton);
  cmdREPLACE.SetBounds(kReplaceButton);
  cmdCLOSE.SetBounds(kCloseButton);
  // Grey and out of use until the dialog opens for replacing.
  txtREPLACE.SetBackColor(forms::colour::kButtonFace);
  txtREPLACE.SetEnabled(false);
  Move(context.values.OuterTwips({kWidthPx, kHeightPx}, Insets()));
}

FindWindow::~FindWindow() = default;

void FindWindow::Open(int mode) {
  forms::Form& main = p_.owner.OwnerForm();
  if (!p_.forms.Load(*this)) return;
  EditControl& box = p_.owner.DocumentControl().Box();
  txtFIND.SetText(box.SelLength() > 0 ? box.SelText() : f_.search.text);
  if (f_.search.match_case != 0) chkCASE.SetValue(forms::check::kChecked);
  f_.search.dialog_mode = mode;
  p_.DoEvents();
  p_.forms.Show(*this, &main);
  p_.DoEvents();
}

void FindWindow::ActivateSearchBox() {
  p_.forms.Activate(*this);
  txtFIND.SetFocus();
}

void FindWindow::OnLoad() {
  p_.flags.FindOpen = true;
  p_.flags.MainHasFocus = false;
  first_activated_ = false;
  SetIcon(p_.owner.OwnerForm().Icon());
  // The dialog's own words take one size, the two boxes the text's.
  const int words = p_.values.FontSize(9);
  for (forms::Control* c : Controls()) {
    FontSpec font = c->Font();
    const bool box = c == &txtFIND || c == &txtREPLACE;
    font.points = box ? p_.values.FontSize(11) : words;
    c->SetFont(font);
  }
  cmdFIND.SetEnabled(false);
  cmdREPLACE.SetEnabled(false);
  optDirection[f_.search.direction == direction::kUp ? direction::kUp : direction::kDown].SetValue(true);
}

void FindWindow::OnActivate() {
  if (first_activated_) return;
  first_activated_ = true;
  if (f_.search.dialog_mode == find_mode::kReplace) {
    txtREPLACE.SetBackColor(forms::colour::kWhite);
    txtREPLACE.SetEnabled(true);
    txtREPLACE.SetText(f_.search.replacement);
    if (!txtFIND.Text().empty()) {
      SelectReplaceStart();
      txtREPLACE.SetFocus();
    } else {
      txtFIND.SetFocus();
    }
  } else {
    txtFIND.Box().SetSel(0, static_cast<int>(txtFIND.Text().size()));
    txtFIND.SetFocus();
  }
}

void FindWindow::SelectReplaceStart() {
  txtREPLACE.Box().SetSel(0, static_cast<int>(txtFIND.Text().size()));
}

void FindWindow::OnUnload() {
  SearchState& s = f_.search;
  s.text = txtFIND.Text();
  s.match_case = chkCASE.Value() == forms::check::kChecked ? 1 : 0;
  if (s.dialog_mode == find_mode::kReplace) s.replacement = txtREPLACE.Text();
  s.dialog_mode = find_mode::kClosed;
  p_.flags.FindOpen = false;
  p_.flags.MainHasFocus = true;
  p_.flags.ReturnFromWindow = true;
}

void FindWindow::OnClick(forms::Control& control) {
  if (&control == &cmdFIND) FindClicked();
  if (&control == &cmdREPLACE) ReplaceClicked();
  if (&control == &cmdCLOSE) p_.forms.Unload(*this);
  if (&control == &optDirection[direction::kUp]) f_.search.direction = direction::kUp;
  if (&control == &optDirection[direction::kDown]) f_.search.direction = direction::kDown;
  // The box counts from the next search on, not only once the dialog is opened again.
  if (&control == &chkCASE) f_.search.match_case = chkCASE.Value() == forms::check::kChecked ? 1 : 0;
}

void FindWindow::OnChange(forms::Control& control) {
  if (&control == &txtFIND) cmdFIND.SetEnabled(!txtFIND.Text().empty());
  if (&control == &txtREPLACE) cmdREPLACE.SetEnabled(!txtREPLACE.Text().empty());
}

void FindWindow::FindClicked() {
  f_.search.text = txtFIND.Text();
  f_.finder.FindNext();
}

void FindWindow::ReplaceClicked() {
  if (txtFIND.Text().empty()) {
    p_.messages.Ask(kTag, text::kNothingToReplace, message::kWarning);
    txtFIND.SetFocus();
    return;
  }
  f_.search.text = txtFIND.Text();
  f_.search.replacement = txtREPLACE.Text();
  f_.finder.ReplaceAndFindNext();
}

void FindWindow::MoveBy(int twips) {
  Rect outer = OuterTwips();
  const WorkAreaTwips& wa = p_.work_area;
  outer.top += twips;
  if (twips < 0) outer.top = std::max(outer.top, wa.top);
  if (twips > 0 && outer.top + outer.height > wa.height) outer.top = wa.height - outer.height;
  Move(outer);
}

void FindWindow::OnKeyDown(int& key, int shift) {
  switch (key) {
    case vk::kUp:
      MoveBy(-kMoveStep);
      key = 0;
      break;
    case vk::kDown:
      MoveBy(kMoveStep);
      key = 0;
      break;
    case vk::kF2:  // as from the main window: the keyboard to the search box
      key = 0;
      ActivateSearchBox();
      break;
    case vk::kF3:
      key = 0;
      cmdFIND.Press();
      break;
    case vk::kF4:
      key = 0;
      cmdREPLACE.Press();
      break;
    case vk::kF5:
      key = 0;
      p_.forms.Unload(*this);
      break;
    default:
      // Braille keys, and F1 that switches braille input, as in the document.
      if (f_.keys.BrailleMode() || key == vk::kF1) f_.keys.FormKeyDown(key, shift);
      break;
  }
}

void FindWindow::OnKeyUp(int& key, int shift) {
  if (f_.keys.BrailleMode()) f_.keys.FormKeyUp(key, shift);
}

void FindWindow::OnKeyRepeat(int& key, int) { f_.keys.FormKeyRepeat(key); }

void FindWindow::OnKeysLost() { f_.keys.DropHalfChord(); }

void FindWindow::OnGotFocus(forms::Control& control) {
  // The input method is on here whenever it is in the document.
  if (!IsBox(control)) return;
  auto& box = static_cast<forms::TextBoxControl&>(control);
  const int mode = p_.owner.DocumentControl().Box().ImeMode();
  if (box.Box().ImeMode() != mode) box.Box().SetImeMode(mode);
}

void FindWindow::OnControlKeyUp(forms::Control& control, int& key, int shift) {
  if (IsBox(control) && f_.keys.BrailleMode()) f_.keys.TextKeyUp(key, shift);
}

void FindWindow::OnControlKeyDown(forms::Control& control, int& key, int shift) {
  if (IsBox(control) && f_.keys.BrailleMode()) {
    f_.keys.TextKeyDown(key, shift);
    if (key == 0) return;
  }
  if (key == vk::kReturn && &control == &txtFIND) {
    key = 0;
    if (f_.search.dialog_mode == find_mode::kReplace) {
      txtREPLACE.SetFocus();
      SelectReplaceStart();
    } else {
      cmdFIND.Press();
    }
  } else if (key == vk::kReturn && &control == &txtREPLACE) {
    key = 0;
    cmdREPLACE.Press();
  } else if (key == vk::kBack && &control == &txtREPLACE && txtREPLACE.Text().empty()) {
    key = 0;
    txtFIND.SetFocus();
    txtFIND.Box().SetSel(static_cast<int>(txtFIND.Text().size()), 0);
  }
}

}  // namespace orvo::editing
