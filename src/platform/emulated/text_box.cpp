// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/text_box.h"

#include "platform/emulated/jis_layout.h"
#include "platform/keys.h"

namespace orvo::emu {
namespace {

struct CaretKey {
  std::uint8_t vk;
  CaretMove plain;
  CaretMove with_ctrl;
};

constexpr CaretKey kCaretKeys[] = {
    {vk::kLeft, CaretMove::kLeft, CaretMove::kLeft},
    {vk::kRight, CaretMove::kRight, CaretMove::kRight},
    {vk::kUp, CaretMove::kUp, CaretMove::kUp},
    {vk::kDown, CaretMove::kDown, CaretMove::kDown},
    {vk::kHome, CaretMove::kHome, CaretMove::kTextStart},
    {vk::kEnd, CaretMove::kEnd, CaretMove::kTextEnd},
    {vk::kPrior, CaretMove::kPageUp, CaretMove::kPageUp},
    {vk::kNext, CaretMove::kPageDown, CaretMove::kPageDown},
};

// Control characters the edit control acts on.
constexpr char16_t kCopy = 0x03;
constexpr char16_t kBackspace = 0x08;
constexpr char16_t kTab = 0x09;
constexpr char16_t kReturn = 0x0D;
constexpr char16_t kPaste = 0x16;
constexpr char16_t kCut = 0x18;
constexpr char16_t kUndo = 0x1A;

}  // namespace

TextBox::TextBox(orvo::Clipboard* const& clipboard, ConversionEngine* engine)
    : clipboard_(clipboard), ime_(engine) {
  ime_.SetCommitSink([this](const ustring& text) { ReplaceSel(text); });
  EditControlModel::SetImeMode(ime_.ImeMode());
}

TextBox::~TextBox() {
  if (on_destroy_) on_destroy_(this);
}

void TextBox::SetImeMode(int mode) {
  EditControlModel::SetImeMode(mode);
  ime_.SetImeMode(mode);
}

bool TextBox::ImeFilter(std::uint8_t key, const KeyStateTable& keys) {
  const bool ctrl = keys.Down(vk::kControl);
  const bool alt = keys.Down(vk::kMenu);
  if (ctrl && alt) return false;
  if (key == vk::kKanji) {  // the half-width/full-width key switches the IME
    ime_.SetOpen(!ime_.Open());
    return true;
  }
  ImeKey ime_key;
  ime_key.vk = key;
  ime_key.shift = keys.Down(vk::kShift);
  // Ctrl+Enter confirms like Enter (the latch keeps Ctrl down while confirming).
  ime_key.ctrl = ctrl && key != vk::kReturn;
  ime_key.alt = alt;
  if (!ctrl && !alt) ime_key.ch = JisCharacter(key, ime_key.shift, keys.Toggled(vk::kCapital));
  return ime_.KeyDown(ime_key);
}

char16_t TextBox::TranslateChar(std::uint8_t key, const KeyStateTable& keys) const {
  const bool ctrl = keys.Down(vk::kControl);
  const bool alt = keys.Down(vk::kMenu);
  if (alt) return 0;
  if (ctrl) return key >= 'A' && key <= 'Z' ? static_cast<char16_t>(key - 'A' + 1) : 0;
  switch (key) {
    case vk::kBack:
      return kBackspace;
    case vk::kTab:
      return kTab;
    case vk::kReturn:
      return kReturn;
    default:
      return JisCharacter(key, keys.Down(vk::kShift), keys.Toggled(vk::kCapital));
  }
}

void TextBox::CutToClipboard() {
  if (SelLength() == 0) return;
  clipboard_->SetText(SelText());
  Clear();
}

void TextBox::CopyToClipboard() {
  if (SelLength() > 0) clipboard_->SetText(SelText());
}

void TextBox::PasteFromClipboard() { Paste(PlainText(clipboard_->Text())); }

void TextBox::KeyDownAction(std::uint8_t key, const KeyStateTable& keys) {
  if (!Enabled()) return;
  const bool shift = keys.Down(vk::kShift);
  const bool ctrl = keys.Down(vk::kControl);
  if (key == vk::kDelete) {
    if (shift && !ctrl) {
      CutToClipboard();
    } else {
      Delete();
    }
    return;
  }
  if (key == vk::kInsert) {
    if (shift && !ctrl) PasteFromClipboard();
    if (ctrl && !shift) CopyToClipboard();
    return;
  }
  for (const CaretKey& row : kCaretKeys) {
    if (row.vk == key) {
      MoveCaret(keys.Down(vk::kControl) ? row.with_ctrl : row.plain, keys.Down(vk::kShift));
      return;
    }
  }
}

void TextBox::CharAction(char16_t ch) {
  if (!Enabled()) return;
  switch (ch) {
    case kBackspace:
      Backspace();
      return;
    case kReturn:
      ReplaceSel(u"\r\n");
      return;
    case kTab:
      ReplaceSel(u"\t");
      return;
    case kCopy:
      CopyToClipboard();
      return;
    case kPaste:
      PasteFromClipboard();
      return;
    case kCut:
      CutToClipboard();
      return;
    case kUndo:
      Undo();
      return;
    default:
      if (ch >= 0x20) ReplaceSel(ustring(1, ch));
      return;
  }
}

}  // namespace orvo::emu
