// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_window.h"

#include <algorithm>
#include <string>

#include "toolkit/message_flags.h"
#include "toolkit/window_utils/wait_cursor.h"
#include "platform/keys.h"
#include "settings/font_list.h"
#include "settings/settings_choices.h"
#include "settings/settings_texts.h"

namespace orvo::settings {
namespace {

// Pixels of the inner area: the two lists on the left, the colours on the
// right, the sample under the lists, the buttons along the bottom.
constexpr Rect kFontBox{8, 8, 220, 22};
constexpr Rect kFontList{8, 32, 220, 168};
constexpr Rect kSizeBox{236, 8, 56, 22};
constexpr Rect kSizeList{236, 32, 56, 168};
constexpr Rect kSwatchFrame{302, 4, 290, 104};
constexpr Rect kTextOption{10, 18, 120, 20};  // inside the frame
constexpr Rect kBackOption{140, 18, 120, 20};
constexpr int kSwatchLeft = 10, kSwatchTop = 44, kSwatchWidth = 60, kSwatchHeight = 24, kSwatchStep = 68;
constexpr Rect kHint{302, 110, 290, 16};
constexpr Rect kSample{8, 206, 284, 52};
constexpr Rect kPropo{8, 262, 290, 18};
constexpr Rect kSavedFrame{302, 130, 290, 128};
constexpr Rect kSavedName{10, 20, 270, 18};  // inside the frame
constexpr Rect kSavedSize{10, 40, 270, 18};
constexpr Rect kSavedText{10, 64, 28, 22};
constexpr Rect kSavedBack{10, 94, 28, 22};
constexpr Rect kSavedTextRgb{44, 66, 230, 18};
constexpr Rect kSavedBackRgb{44, 96, 230, 18};
constexpr int kButtonTop = 290, kButtonWidth = 142, kButtonHeight = 30, kButtonStep = 148;
constexpr int kWidthPx = 600;
constexpr int kHeightPx = 330;

// The olive that tells a person the close button now applies a change.
constexpr std::uint32_t kApplyColour = 0x00C0C0u;  // RGB(192, 192, 0)

ustring Decimal(int value) {
  const std::string digits = std::to_string(value);
  return ustring(digits.begin(), digits.end());
}

ustring RgbText(std::uint32_t colour) {
  return text::kRgbPrefix + Decimal(static_cast<int>(colour & 0xFF)) + u", " +
         Decimal(static_cast<int>((colour >> 8) & 0xFF)) + u", " + Decimal(static_cast<int>((colour >> 16) & 0xFF));
}

ustring Trimmed(const ustring& s) {
  const auto first = s.find_first_not_of(u' ');
  if (first == ustring::npos) return {};
  return s.substr(first, s.find_last_not_of(u' ') - first + 1);
}

// The number an entry of the size list stands for; 0 when it is none.
int ValueOf(const ustring& entry) {
  int value = 0;
  for (const char16_t c : Trimmed(entry)) {
    if (c < u'0' || c > u'9' || value > 100000) return value;
    value = value * 10 + (c - u'0');
  }
  return value;
}

std::uint32_t Colour(std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFFFFu; }

}  // namespace

SettingsWindow::SettingsWindow(const WindowContext& context, const SettingsPorts& ports)
    : Form(context.forms, "frmSETING"),
      txtFONT(*this, "txtFONT"),
      lstFONT(*this, "lstFONT"),
      txtSIZE(*this, "txtSIZE"),
      lstSIZE(*this, "lstSIZE"),
      fraCOLOR(*this, "fraCOLOR"),
      optCOLOR{{{*this, "optCOLOR", 0}, {*this, "optCOLOR", 1}}},
      lblCOLOR{{{*this, "lblCOLOR", 0},
                {*this, "lblCOLOR", 1},
                {*this, "lblCOLOR", 2},
                {*this, "lblCOLOR", 3},
                {*this, "lblCOLOR", 4},
                {*this, "lblCOLOR", 5},
                {*this, "lblCOLOR", 6},
                {*this, "lblCOLOR", 7}}},
      lblHINT(*this, "lblHINT"),
      lblSAMPLE(*this, "lblSAMPLE"),
      lblPROPO(*this, "lblPROPO"),
      fraSAVED(*this, "fraSAVED"),
      lblDATA{{{*this, "lblDATA", 0}, {*this, "lblDATA", 1}, {*this, "lblDATA", 2}, {*this, "lblDATA", 3}}},
      lblCOLfb{{{*this, "lblCOLfb", 0}, {*this, "lblCOLfb", 1}}},
      cmdRESET(*this, "cmdRESET"),
      cmdINIT(*this, "cmdINIT"),
      cmdSAVE(*this, "cmdSAVE"),
      cmdOK(*this, "cmdOK"),
      p_(context),
      s_(ports) {
  SetTag(kTag);
  SetCaption(text::kDialogCaption);
  SetKeyPreview(true);
  SetStart(forms::StartPosition::kCentreOwner);
  txtFONT.SetBounds(kFontBox);
  lstFONT.SetBounds(kFontList);
  txtSIZE.SetBounds(kSizeBox);
  lstSIZE.SetBounds(kSizeList);
  // The boxes only show what the lists chose: the keyboard goes to the lists.
  txtFONT.SetTabStop(false);
  txtSIZE.SetTabStop(false);
  txtFONT.SetAccessibleName(text::kFontListName);
  lstFONT.SetAccessibleName(text::kFontListName);
  txtSIZE.SetAccessibleName(text::kSizeListName);
  lstSIZE.SetAccessibleName(text::kSizeListName);
  fraCOLOR.SetCaption(text::kSwatchFrame);
  fraCOLOR.SetBounds(kSwatchFrame);
  optCOLOR[0].SetCaption(text::kTextColour);
  optCOLOR[1].SetCaption(text::kBackColour);
  optCOLOR[0].SetContainer(&fraCOLOR);
  optCOLOR[1].SetContainer(&fraCOLOR);
  optCOLOR[0].SetBounds(kTextOption);
  optCOLOR[1].SetBounds(kBackOption);
  // Two rows of four: 0 2 4 6 above, 1 3 5 7 below, in that tab order.
  for (std::size_t i = 0; i < lblCOLOR.size(); ++i) {
    forms::LabelControl& swatch = lblCOLOR[i];
    swatch.SetContainer(&fraCOLOR);
    const int column = static_cast<int>(i) / 2;
    const int row = static_cast<int>(i) % 2;
    swatch.SetBounds({kSwatchLeft + column * kSwatchStep, kSwatchTop + row * (kSwatchHeight + 4), kSwatchWidth,
                      kSwatchHeight});
    swatch.SetFocusable(true);
    swatch.SetOpaque(true);
  }
  for (std::size_t i = 0; i < lblCOLOR.size(); ++i) {
    const std::size_t at = i < 4 ? i * 2 : (i - 4) * 2 + 1;
    lblCOLOR[at].SetTabIndex(optCOLOR[1].TabIndex() + 1 + static_cast<int>(i));
  }
  lblHINT.SetCaption(text::kSwatchHint);
  lblHINT.SetBounds(kHint);
  lblSAMPLE.SetCaption(text::kSample);
  lblSAMPLE.SetBounds(kSample);
  lblSAMPLE.SetAlignment(forms::LabelControl::Alignment::kCentre);
  lblSAMPLE.SetOpaque(true);
  lblPROPO.SetBounds(kPropo);
  fraSAVED.SetCaption(text::kSavedFrame);
  fraSAVED.SetBounds(kSavedFrame);
  constexpr Rect kSavedRects[] = {kSavedName, kSavedSize, kSavedText, kSavedBack};
  for (std::size_t i = 0; i < lblDATA.size(); ++i) {
    lblDATA[i].SetContainer(&fraSAVED);
    lblDATA[i].SetBounds(kSavedRects[i]);
  }
  lblDATA[2].SetOpaque(true);
  lblDATA[3].SetOpaque(true);
  lblDATA[2].SetAccessibleName(text::kSavedTextColourName);
  lblDATA[3].SetAccessibleName(text::kSavedBackColourName);
  lblCOLfb[0].SetContainer(&fraSAVED);
  lblCOLfb[1].SetContainer(&fraSAVED);
  lblCOLfb[0].SetBounds(kSavedTextRgb);
  lblCOLfb[1].SetBounds(kSavedBackRgb);
  forms::CommandButtonControl* buttons[] = {&cmdRESET, &cmdINIT, &cmdSAVE, &cmdOK};
  const ustring* captions[] = {&text::kRevertButton, &text::kDefaultsButton, &text::kSaveButton, &text::kCloseFirst};
  for (int i = 0; i < 4; ++i) {
    buttons[i]->SetCaption(*captions[i]);
    buttons[i]->SetBounds({8 + i * kButtonStep, kButtonTop, kButtonWidth, kButtonHeight});
  }
  for (std::size_t i = 0; i < swatches_.size(); ++i) swatches_[i] = kSwatchColours[i];
  Move(context.values.OuterTwips({kWidthPx, kHeightPx}, Insets()));
}

SettingsWindow::~SettingsWindow() = default;

// The function keys, as they come up anywhere in the dialog.
const SettingsWindow::KeyCommand SettingsWindow::kKeyCommands[] = {
    {vk::kF2, &SettingsWindow::Revert},
    {vk::kF3, &SettingsWindow::Defaults},
    {vk::kF4, &SettingsWindow::Save},
    {vk::kF5, &SettingsWindow::ApplyAndClose},
};

void SettingsWindow::Run() {
  p_.forms.ShowModal(*this, &p_.owner.OwnerForm());
}

void SettingsWindow::OnLoad() {
  WaitCursor wait(p_.platform.shell, p_.enabler);
  wait.Show(0);
  SetIcon(p_.owner.OwnerForm().Icon());
  cmdOK.SetBackColor(forms::colour::kButtonFace);
  const int words = p_.values.FontSize(9);
  for (forms::Control* c : Controls()) {
    if (c == &lblSAMPLE) continue;
    FontSpec font = c->Font();
    font.points = words;
    c->SetFont(font);
  }
  busy_ = true;
  FillFontList(p_.platform, lstFONT);
  p_.DoEvents();
  FillSizes();
  cmdSAVE.SetEnabled(false);
  cmdINIT.SetEnabled(!(s_.current == kFactoryDefaults));
  cmdRESET.SetEnabled(!(s_.current == s_.saved));
  edit_ = s_.current;
  ShowSaved();
  SampleColours();
  lblSAMPLE.SetFont({edit_.FontName, edit_.FontSize, false});
  SelectEntry(lstFONT, txtFONT, edit_.FontName);
  SelectEntry(lstSIZE, txtSIZE, Decimal(edit_.FontSize));
  lblPROPO.SetCaption(CHECK_ProPotion() ? text::kProportional : text::kFixedPitch);
  optCOLOR[0].SetValue(true);
  wait.Hide();
  busy_ = false;
}

void SettingsWindow::OnActivate() { cmdOK.SetFocus(); }

void SettingsWindow::FillSizes() {
  lstSIZE.Clear();
  for (const int size : kStandardSizes) lstSIZE.AddItem(Decimal(size));
  size_list_fixed_ = false;
}

void SettingsWindow::FixedSizeList() {
  edit_.FontSize = kFixedFontSize;
  lstSIZE.Clear();
  lstSIZE.AddItem(Decimal(kFixedFontSize));
  lstSIZE.SetSelected(0);
  txtSIZE.SetText(Decimal(kFixedFontSize));
  size_list_fixed_ = true;
}

bool SettingsWindow::SelectEntry(forms::ListBoxControl& list, forms::TextBoxControl& shown, const ustring& value) {
  // The last entry first, so that the list scrolls to the one chosen.
  if (list.Count() > 0) list.SetSelected(list.Count() - 1);
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i) == value) {
      list.SetSelected(i);
      shown.SetText(Trimmed(list.Item(i)));
      return true;
    }
  }
  if (list.Count() > 0) list.SetSelected(0);
  list.SetSelected(forms::ListBoxControl::kNone);
  shown.SetText(u"");
  return false;
}

void SettingsWindow::ShowSaved() {
  const SettingsRecord& saved = s_.saved;
  lblDATA[0].SetCaption(saved.FontName);
  lblDATA[1].SetCaption(Decimal(saved.FontSize));
  lblDATA[2].SetBackColor(Colour(saved.ForeColor));
  lblDATA[3].SetBackColor(Colour(saved.BackColor));
  lblCOLfb[0].SetCaption(RgbText(Colour(saved.ForeColor)));
  lblCOLfb[1].SetCaption(RgbText(Colour(saved.BackColor)));
  lblDATA[2].SetToolTip(lblCOLfb[0].Caption());
  lblDATA[3].SetToolTip(lblCOLfb[1].Caption());
}

void SettingsWindow::SampleColours() {
  lblSAMPLE.SetBackColor(Colour(edit_.BackColor));
  lblSAMPLE.SetForeColor(Colour(edit_.ForeColor));
  for (std::size_t i = 0; i < lblCOLOR.size(); ++i) {
    lblCOLOR[i].SetBackColor(swatches_[i]);
    lblCOLOR[i].SetAccessibleName(text::kSwatchName + Decimal(static_cast<int>(i) + 1) + u" " + RgbText(swatches_[i]));
  }
}

void SettingsWindow::SAMPLE_txtOUT(const ustring& name, int size) {
  FontSpec font = lblSAMPLE.Font();
  font.bold = false;
  if (!name.empty()) font.name = name;
  if (size != 0) font.points = size;
  lblSAMPLE.SetFont(font);
}

bool SettingsWindow::CHECK_ProPotion() const {
  const FontSpec font{edit_.FontName, p_.values.FontSize(9), false};
  int widths[3] = {};
  const char16_t letters[] = {u'H', u'I', u'J'};
  for (int i = 0; i < 3; ++i) widths[i] = p_.platform.fonts.MeasureText(font, ustring_view(&letters[i], 1)).width;
  const bool fixed = widths[0] != 0 && widths[0] == widths[1] && widths[1] == widths[2];
  return !fixed;
}

void SettingsWindow::CHECK_DATA(int chn) {
  if (chn == 0) {
    changed_ = !(edit_ == s_.current);
  } else if (chn == 1) {
    changed_ = false;
  } else {
    p_.messages.MSG_BOX(kTag, text::kBadCheck, 0);
    return;
  }
  cmdINIT.SetEnabled(!(edit_ == kFactoryDefaults));
  cmdRESET.SetEnabled(!(edit_ == s_.saved));
  cmdOK.SetCaption(changed_ ? text::kApply : text::kClose);
  cmdOK.SetBackColor(changed_ ? kApplyColour : forms::colour::kButtonFace);
  cmdSAVE.SetEnabled(changed_);
}

void SettingsWindow::OnClick(forms::Control& control) {
  if (&control == &lstFONT) return FontClicked();
  if (&control == &lstSIZE) return SizeClicked();
  if (&control == &lblSAMPLE) {
    SAMPLE_txtOUT({}, 0);
    cmdOK.SetFocus();
    return;
  }
  if (const int i = SwatchIndex(control); i >= 0) return SwatchClicked(i);
  if (&control == &cmdOK) return ApplyAndClose();
  if (&control == &cmdINIT) return Defaults();
  if (&control == &cmdRESET) return Revert();
  if (&control == &cmdSAVE) return Save();
}

void SettingsWindow::OnDoubleClick(forms::Control& control) {
  if (const int i = SwatchIndex(control); i >= 0) SwatchEdited(i);
}

int SettingsWindow::SwatchIndex(const forms::Control& control) const {
  for (std::size_t i = 0; i < lblCOLOR.size(); ++i) {
    if (&control == &lblCOLOR[i]) return static_cast<int>(i);
  }
  return -1;
}

void SettingsWindow::FontClicked() {
  if (busy_ || lstFONT.Selected() == forms::ListBoxControl::kNone) return;
  const ustring name = Trimmed(lstFONT.Item(lstFONT.Selected()));
  if (name == edit_.FontName) return;
  WaitCursor wait(p_.platform.shell, p_.enabler);
  wait.Show(0);
  busy_ = true;
  edit_.FontName = name;
  txtFONT.SetText(name);
  txtFONT.Box().SetSel(0, static_cast<int>(name.size()));
  txtSIZE.Box().SetSel(0, 0);
  if (IsFixedSizeFont(name)) {
    FixedSizeList();
  } else if (size_list_fixed_) {
    FillSizes();
    for (int i = 0; i < lstSIZE.Count(); ++i) {
      if (ValueOf(lstSIZE.Item(i)) == edit_.FontSize) {
        lstSIZE.SetSelected(i);
        txtSIZE.SetText(lstSIZE.Item(i));
      }
    }
  }
  busy_ = false;
  SAMPLE_txtOUT(edit_.FontName, edit_.FontSize);
  lblPROPO.SetCaption(CHECK_ProPotion() ? text::kProportional : text::kFixedPitch);
  wait.Hide();
  CHECK_DATA(0);
}

void SettingsWindow::SizeClicked() {
  if (busy_ || lstSIZE.Selected() == forms::ListBoxControl::kNone) return;
  busy_ = true;
  const ustring entry = lstSIZE.Item(lstSIZE.Selected());
  const int value = ValueOf(entry);
  if (value == edit_.FontSize) {
    busy_ = false;
    return;
  }
  edit_.FontSize = value;
  txtSIZE.SetText(entry);
  txtSIZE.Box().SetSel(0, static_cast<int>(entry.size()));
  txtFONT.Box().SetSel(0, 0);
  SAMPLE_txtOUT({}, edit_.FontSize);
  CHECK_DATA(0);
  busy_ = false;
}

void SettingsWindow::SwatchClicked(int index) {
  const std::uint32_t colour = swatches_[static_cast<std::size_t>(index)];
  if (optCOLOR[0].Value()) {
    edit_.ForeColor = static_cast<std::int32_t>(colour);
  } else {
    edit_.BackColor = static_cast<std::int32_t>(colour);
  }
  SampleColours();
  CHECK_DATA(0);
}

void SettingsWindow::SwatchEdited(int index) {
  auto& swatch = swatches_[static_cast<std::size_t>(index)];
  swatch = s_.dialogs.ShowColorDialogFor(swatch, kTag) & 0xFFFFFFu;
  SampleColours();
  SwatchClicked(index);
}

void SettingsWindow::OnQueryUnload(bool& cancel, forms::UnloadMode mode) {
  (void)cancel;
  if (mode == forms::UnloadMode::kCloseBox && changed_) Message(text::kCancelled, 48, {});
}

void SettingsWindow::OnGotFocus(forms::Control& control) {
  // The boxes hand the keyboard to their lists; a list shows its box's text selected.
  if (&control == &txtFONT) {
    lstFONT.SetFocus();
  } else if (&control == &txtSIZE) {
    lstSIZE.SetFocus();
  } else if (&control == &lstFONT && txtFONT.Box().SelLength() == 0) {
    txtFONT.Box().SetSel(0, static_cast<int>(txtFONT.Text().size()));
  } else if (&control == &lstSIZE && txtSIZE.Box().SelLength() == 0) {
    txtSIZE.Box().SetSel(0, static_cast<int>(txtSIZE.Text().size()));
  }
}

void SettingsWindow::OnLostFocus(forms::Control& control) {
  if (&control == &lstFONT) txtFONT.Box().SetSel(0, 0);
  if (&control == &lstSIZE) txtSIZE.Box().SetSel(0, 0);
}

void SettingsWindow::OnKeyDown(int& key, int shift) {
  (void)shift;
  if (key == vk::kEscape) key = 0;  // acts as it comes up
}

void SettingsWindow::OnKeyUp(int& key, int shift) {
  (void)shift;
  // Esc is the close box: nothing chosen reaches the editor.
  if (key == vk::kEscape) {
    key = 0;
    Close();
    return;
  }
  for (const KeyCommand& row : kKeyCommands) {
    if (row.key == key) {
      key = 0;
      (this->*row.command)();
      return;
    }
  }
}

}  // namespace orvo::settings
