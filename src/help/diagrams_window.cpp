// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/diagrams_window.h"

#include <algorithm>

#include "toolkit/picture_ids.h"
#include "help/help_texts.h"
#include "platform/keys.h"

namespace orvo::help {
namespace {

// Pixels of the inner area: the pictures, then the selectors in a row under
// them (用例, 説明, ＩＭＥ操作, 一覧図 from the left) and the close button.
constexpr Rect kPicture{0, 0, 550, 300};
constexpr int kButtonTop = 306;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 26;
constexpr Rect kCloseButton{424, kButtonTop, 122, kButtonHeight};
constexpr int kInnerWidth = 550;
constexpr int kInnerHeight = 338;

// The key of each selector, by picture; -1 closes.
struct SelectorKey {
  int key;
  int picture;
};
constexpr SelectorKey kSelectorKeys[] = {
    {vk::kF6, 0}, {vk::kF4, 1}, {vk::kF3, 2}, {vk::kF2, 3}, {vk::kF5, -1}, {vk::kSpace, -1},
};

}  // namespace

DiagramsWindow::DiagramsWindow(const WindowContext& context)
    : Form(context.forms, "frmTenBMP"),
      imgKEY{{{*this, "imgKEY", 0}, {*this, "imgKEY", 1}, {*this, "imgKEY", 2}, {*this, "imgKEY", 3}}},
      cmdBTN{{{*this, "cmdBTN", 0}, {*this, "cmdBTN", 1}, {*this, "cmdBTN", 2}, {*this, "cmdBTN", 3}}},
      cmdCLOSE(*this, "cmdCLOSE"),
      p_(context) {
  SetTag(kTag);
  SetCaption(text::kDiagramsCaption);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kCentreOwner);
  for (int i = 0; i < kPictures; ++i) {
    const auto n = static_cast<std::size_t>(i);
    imgKEY[n].SetBounds(kPicture);
    imgKEY[n].SetPicture(picture_id::kDiagramOverview + i);
    imgKEY[n].SetAccessibleName(ustring(text::kDiagramNames[n]));
    imgKEY[n].SetAccessibleDescription(ustring(text::kDiagramAlternatives[n]));
    cmdBTN[n].SetCaption(text::kDiagramButtons[n]);
    // Index 3 stands at the left, index 0 at the right.
    cmdBTN[n].SetBounds({4 + (kPictures - 1 - i) * (kButtonWidth + 4), kButtonTop, kButtonWidth, kButtonHeight});
  }
  cmdCLOSE.SetCaption(text::kDiagramsClose);
  cmdCLOSE.SetBounds(kCloseButton);
  Move(context.values.OuterTwips({kInnerWidth, kInnerHeight}, Insets()));
}

DiagramsWindow::~DiagramsWindow() = default;

void DiagramsWindow::Open() {
  p_.forms.ShowModal(*this, &p_.owner.OwnerForm());
}

void DiagramsWindow::OnLoad() {
  p_.flags.DiagramsOpen = true;
  p_.flags.MainHasFocus = false;
  SetIcon(p_.owner.OwnerForm().Icon());
  for (forms::Control* c : Controls()) {
    FontSpec font = c->Font();
    font.points = p_.values.FontSize(c == &cmdCLOSE ? 11 : 9);
    c->SetFont(font);
  }
  BringToFront(0);
  for (auto& button : cmdBTN) button.SetEnabled(true);
  cmdBTN[0].SetEnabled(false);
  // A chord half held when the window came would never close: its releases come here.
  p_.owner.ResetDotKeys();
  cmdCLOSE.SetFocus();
}

void DiagramsWindow::OnQueryUnload(bool&, forms::UnloadMode) {
  p_.flags.DiagramsOpen = false;
  p_.flags.MainHasFocus = true;
  p_.flags.ReturnFromWindow = true;
}

void DiagramsWindow::BringToFront(int picture) {
  front_ = picture;
  for (int i = 0; i < kPictures; ++i) imgKEY[static_cast<std::size_t>(i)].SetVisible(i == picture);
}

void DiagramsWindow::Select(int picture) {
  forms::CommandButtonControl& button = cmdBTN[static_cast<std::size_t>(picture)];
  if (!button.Enabled()) return;
  BringToFront(picture);
  p_.DoEvents();
  for (auto& b : cmdBTN) b.SetEnabled(true);
  button.SetEnabled(false);
  cmdCLOSE.SetFocus();
}

void DiagramsWindow::OnClick(forms::Control& control) {
  if (&control == &cmdCLOSE) {
    p_.forms.Unload(*this);
    return;
  }
  for (int i = 0; i < kPictures; ++i) {
    if (&control == &cmdBTN[static_cast<std::size_t>(i)]) Select(i);
  }
}

void DiagramsWindow::OnKeyDown(int& key, int) {
  const auto* row = std::ranges::find(kSelectorKeys, key, &SelectorKey::key);
  key = 0;
  if (row == std::end(kSelectorKeys)) return;
  if (row->picture < 0) {
    p_.forms.Unload(*this);
  } else {
    Select(row->picture);
  }
}

}  // namespace orvo::help
