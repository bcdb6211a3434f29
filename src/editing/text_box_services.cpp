// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/text_box_services.h"

#include <string>

#include "toolkit/window_utils/wait_cursor.h"
#include "editing/editing_texts.h"
#include "platform/keys.h"

namespace orvo::editing {
namespace {

ustring Decimal(long long value) {
  const std::string digits = std::to_string(value);
  return ustring(digits.begin(), digits.end());
}

}  // namespace

ustring FormatThousands(long long value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  ustring out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += u',';
    out += static_cast<char16_t>(digits[i]);
  }
  return value < 0 ? u"-" + out : out;
}

ustring FormatColumn(int dbcs_column) {
  return Decimal(dbcs_column / 2) + u"．" + Decimal((dbcs_column % 2) * 5);
}

EditControl& TextBoxServices::Box() { return p_.boxes.DocumentBox(p_.boxes.ActiveBoxIndex()); }

void TextBoxServices::UpdateStatus() {
  EditControl& box = Box();
  const int lines = box.LineCount();
  const int line = box.LineFromChar(-1) + 1;
  const int start = box.LineIndex(-1);
  const int column = box.SelEndDbcs() - start;
  p_.status.ShowStatus({FormatColumn(column), Decimal(line), Decimal(lines),
                        box.Text().empty() ? u"0" : FormatThousands(ByteSize(box))});
}

long long TextBoxServices::ByteSize(const EditControl& box) {
  if (m_.size_by_limit_measure) return box.TextMeasure();
  if (&box != sized_box_ || box.Revision() != sized_revision_) {
    sized_bytes_ = p_.code_page.ByteLength(box.Text());
    sized_box_ = &box;
    sized_revision_ = box.Revision();
  }
  return sized_bytes_;
}

void TextBoxServices::ScrollSideways(int key_code) {
  Box().LineScroll(key_code == vk::kOemComma ? -4 : 4, 0);
}

void TextBoxServices::ScrollLine(int key_code) { Box().LineScroll(0, key_code == 'C' ? -1 : 1); }

void TextBoxServices::CaretToLineEdge(int key_code) {
  EditControl& box = Box();
  const ustring& t = box.Text();
  const int s = box.SelStart();
  const int length = static_cast<int>(t.size());
  if (key_code == 'A') {
    if (s == 0) return;
    int caret = 0;
    for (int i = s; i >= 1; --i) {
      if (t[static_cast<std::size_t>(i - 1)] == u'\n') {
        caret = i;
        break;
      }
    }
    box.SetSel(caret, 0);
  } else {
    int caret = length;
    for (int i = s < 1 ? 1 : s; i <= length; ++i) {
      if (t[static_cast<std::size_t>(i - 1)] == u'\r') {
        caret = i - 1;
        break;
      }
    }
    box.SetSel(caret, 0);
  }
}

void TextBoxServices::CaretToTextEdge(bool end) {
  EditControl& box = Box();
  box.SetSel(end ? static_cast<int>(box.Text().size()) : 0, 0);
  box.ScrollCaret();
}

bool TextBoxServices::SwitchWordWrap() {
  DocumentBoxes& boxes = p_.boxes;
  const settings::SettingsRecord& look = settings_.current;
  WaitCursor wait(p_.shell, p_.enabler);  // the hourglass and a disabled window until done
  wait.Show(boxes.DocumentWindowTag());
  EditControl& old_box = Box();
  const bool modified = old_box.Modified();
  const ustring text = old_box.Text();
  const int ime = old_box.ImeMode();
  if (!text.empty()) old_box.SetText(u"");  // never both boxes full at once
  m_.ime.ReleaseIme();
  bool failed = false;
  auto watch = [&](EditNotice notice) {
    if (notice == EditNotice::kErrSpace) failed = true;
  };
  for (;;) {
    const bool wrapping = boxes.ActiveBoxIndex() == 0;
    boxes.SetActiveBoxIndex(wrapping ? 1 : 0);
    p_.host.DoEvents();
    const int shown = boxes.ActiveBoxIndex();
    boxes.SetBoxBackColor(shown, static_cast<std::uint32_t>(look.BackColor));
    boxes.SetBoxVisible(shown, true);
    boxes.SetBoxVisible(0, !wrapping);
    boxes.SetWrapNoticeVisible(wrapping);
    boxes.SetBoxForeColor(shown, static_cast<std::uint32_t>(look.ForeColor));
    boxes.SetBoxFont(shown, {look.FontName, look.FontSize, false});
    EditControl& box = boxes.DocumentBox(shown);
    failed = false;
    box.SetNoticeSink(watch);
    if (!text.empty()) box.SetText(text);
    box.SetNoticeSink(m_.notices);
    if (!failed) break;
    p_.host.MsgBox(FormatThousands(static_cast<long long>(text.size()) * 2) + text::kOutOfMemory,
                   message::kWarning);
    if (!wrapping) break;  // the non-wrapping box keeps what it could hold
  }
  m_.ime.BindIme();
  wait.Hide();
  EditControl& box = Box();
  box.SetImeMode(ime);
  box.SetModified(modified);
  p_.host.FocusTextBox();
  p_.host.DoEvents();
  box.SetSel(0, 0);
  return !failed;
}

void TextBoxServices::ResetAppearance() {
  if (settings_.current == settings_.saved) {
    p_.host.MsgBox(text::kSameAsSaved, message::kWarning);
    return;
  }
  settings_.current = settings_.saved;
  const settings::SettingsRecord& look = settings_.current;
  const int shown = p_.boxes.ActiveBoxIndex();
  p_.boxes.SetBoxBackColor(shown, static_cast<std::uint32_t>(look.BackColor));
  p_.boxes.SetBoxForeColor(shown, static_cast<std::uint32_t>(look.ForeColor));
  p_.boxes.SetBoxFont(shown, {look.FontName, look.FontSize, false});
  p_.host.DoEvents();
  p_.boxes.SetFontResetEnabled(false);
  if (p_.boxes.DocumentWindowEnabled()) p_.host.FocusTextBox();
}

}  // namespace orvo::editing
