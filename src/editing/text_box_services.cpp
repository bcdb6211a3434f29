#include "editing/text_box_services.h"

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/window_utils/wait_cursor.h"
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

EditControl& TextBoxServices::Box() { return p_.Main().ActiveTextBox(); }

void TextBoxServices::UpdateStatus() {
  EditControl& box = Box();
  MainWindow& w = p_.Main();
  const int lines = box.LineCount();
  const int line = box.LineFromChar(-1) + 1;
  const int start = box.LineIndex(-1);
  const int column = box.SelEndDbcs() - start;
  w.lblKETA.SetCaption(FormatColumn(column));
  w.lblGYO.SetCaption(Decimal(line));
  w.lblAllGYO.SetCaption(Decimal(lines));
  w.lblFileSIZE.SetCaption(box.Text().empty() ? u"0" : FormatThousands(ByteSize(box)));
}

long long TextBoxServices::ByteSize(const EditControl& box) {
  if (&box != sized_box_ || box.Revision() != sized_revision_) {
    sized_bytes_ = p_.platform.code_page.ByteLength(box.Text());
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

}  // namespace orvo::editing

namespace orvo::editing {
namespace {
const ustring kOutOfMemory =
    u"テキスト処理の限界を超えました！ (メモリー不足)\u3000元に戻します。\u3000\u3000\u3000\u3000";
const ustring kSameAsSaved = u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000";
}  // namespace

void TextBoxServices::SwitchWordWrap() {
  MainWindow& w = p_.Main();
  WaitCursor wait(p_.platform.shell, p_);  // the hourglass and a disabled window until done
  wait.Show(MainWindow::kTag);
  EditControl& old_box = w.ActiveTextBox();
  const bool modified = old_box.Modified();
  const ustring text = old_box.Text();
  const int ime = old_box.ImeMode();
  if (!text.empty()) old_box.SetText(u"");  // never both boxes full at once
  p_.ime.Release();
  bool failed = false;
  auto watch = [&](EditNotice notice) {
    if (notice == EditNotice::kErrSpace) failed = true;
  };
  for (;;) {
    w.SetActiveIndex(w.WordWrap() ? 0 : 1);
    p_.DoEvents();
    forms::TextBoxControl& shown = w.TextBoxAt(w.ActiveIndex());
    shown.SetBackColor(static_cast<std::uint32_t>(p_.CurrentSettings.BackColor));
    shown.SetVisible(true);
    w.TextBoxAt(0).SetVisible(!w.WordWrap());
    w.lblTURN.SetVisible(w.WordWrap());
    shown.SetForeColor(static_cast<std::uint32_t>(p_.CurrentSettings.ForeColor));
    shown.SetFont({p_.CurrentSettings.FontName, p_.CurrentSettings.FontSize, false});
    EditControl& box = shown.Box();
    failed = false;
    box.SetNoticeSink(watch);
    if (!text.empty()) box.SetText(text);
    box.SetNoticeSink([this](EditNotice notice) { p_.hook.Notice(notice); });
    if (!failed) break;
    p_.MsgBox(FormatThousands(static_cast<long long>(text.size()) * 2) + kOutOfMemory, 48);
    if (!w.WordWrap()) break;  // the non-wrapping box keeps what it could hold
  }
  p_.ime.Create();
  wait.Hide();
  EditControl& box = w.ActiveTextBox();
  box.SetImeMode(ime);
  box.SetModified(modified);
  p_.FocusTextBox();
  p_.DoEvents();
  box.SetSel(0, 0);
}

void TextBoxServices::ResetAppearance() {
  if (p_.CurrentSettings == p_.SavedSettings) {
    p_.MsgBox(kSameAsSaved, 48);
    return;
  }
  p_.CurrentSettings = p_.SavedSettings;
  MainWindow& w = p_.Main();
  forms::TextBoxControl& box = w.TextBoxAt(w.ActiveIndex());
  box.SetBackColor(static_cast<std::uint32_t>(p_.CurrentSettings.BackColor));
  box.SetForeColor(static_cast<std::uint32_t>(p_.CurrentSettings.ForeColor));
  box.SetFont({p_.CurrentSettings.FontName, p_.CurrentSettings.FontSize, false});
  p_.DoEvents();
  p_.Main().Menu("mnuFONT_RESET").SetEnabled(false);
  if (p_.Main().Enabled()) p_.FocusTextBox();
}

}  // namespace orvo::editing
