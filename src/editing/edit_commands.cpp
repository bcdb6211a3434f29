// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/edit_commands.h"

#include <chrono>
#include <cstdio>

#include "editing/editing_texts.h"

namespace orvo::editing {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

ustring DateText(std::int64_t local_ms) {
  using namespace std::chrono;
  const sys_days day{days{FloorDiv(local_ms, 86'400'000)}};
  const year_month_day ymd{day};
  const unsigned weekday = std::chrono::weekday{day}.c_encoding();  // 0 Sunday
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04d/%02u/%02u(", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  ustring out;
  for (const char* c = digits; *c != '\0'; ++c) out += static_cast<char16_t>(*c);
  out += text::kWeekdays[weekday];
  out += u')';
  return out;
}

EditStates EditCommands::States() const {
  EditControl& box = p_.box();
  EditStates s;
  s.undo = box.CanUndo();
  s.cut = box.SelLength() > 0;
  s.paste = !PlainText(p_.clipboard.Text()).empty();
  s.select_all = !box.Text().empty();
  return s;
}

void EditCommands::Undo() {
  EditControl& box = p_.box();
  if (box.CanUndo()) box.Undo();
}

void EditCommands::Cut() {
  EditControl& box = p_.box();
  if (box.SelLength() == 0) return;
  p_.clipboard.SetText(box.SelText());
  box.ReplaceSel(u"");
}

void EditCommands::Copy() {
  EditControl& box = p_.box();
  if (box.SelLength() > 0) p_.clipboard.SetText(box.SelText());
}

void EditCommands::CollapseToEnd() {
  EditControl& box = p_.box();
  if (box.SelLength() > 0) box.SetSel(box.SelStart() + box.SelLength(), 0);
}

void EditCommands::Paste() {
  const int pointer = p_.shell.MousePointer();
  p_.shell.SetMousePointer(mouse_pointer::kHourglass);
  CollapseToEnd();
  const ustring text = PlainText(p_.clipboard.Text());
  // Cut short by the text box's limit, which then says so; the text before stays.
  if (!text.empty()) p_.box().ReplaceSel(text);
  p_.shell.SetMousePointer(pointer);
}

void EditCommands::Delete() {
  EditControl& box = p_.box();
  if (box.SelLength() > 0) box.ReplaceSel(u"");
}

void EditCommands::SelectAll() {
  EditControl& box = p_.box();
  box.SetSel(0, static_cast<int>(box.Text().size()));
}

void EditCommands::InsertDate() {
  CollapseToEnd();
  p_.box().ReplaceSel(DateText(p_.calendar.LocalMs()));
}

void EditCommands::PasteOver() {
  const ustring text = PlainText(p_.clipboard.Text());
  if (!text.empty()) p_.box().ReplaceSel(text);
}

}  // namespace orvo::editing
