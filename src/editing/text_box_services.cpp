#include "editing/text_box_services.h"

#include <string>

#include "app/main_window.h"
#include "app/program.h"
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
  w.lblKETA.Caption = FormatColumn(column);
  w.lblGYO.Caption = Decimal(line);
  w.lblAllGYO.Caption = Decimal(lines);
  long long bytes = 0;
  for (char16_t c : box.Text()) bytes += DbcsWidth(c);
  w.lblFileSIZE.Caption = box.Text().empty() ? u"0" : FormatThousands(bytes);
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
