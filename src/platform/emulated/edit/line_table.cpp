// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/edit/line_table.h"

#include <algorithm>

namespace orvo::emu {

bool SplitsPair(char16_t before, char16_t after) {
  const bool high = before >= 0xD800 && before <= 0xDBFF;
  const bool low = after >= 0xDC00 && after <= 0xDFFF;
  return (before == u'\r' && after == u'\n') || (high && low);
}

std::size_t FittingPrefix(ustring_view text, long long room) {
  long long width = 0;
  std::size_t fit = 0;
  while (fit < text.size() && width + DbcsWidth(text[fit]) <= room) {
    width += DbcsWidth(text[fit]);
    ++fit;
  }
  if (fit > 0 && fit < text.size() && SplitsPair(text[fit - 1], text[fit])) --fit;
  return fit;
}

int TextWidth(ustring_view text) {
  int width = 0;
  for (const char16_t ch : text) width += DbcsWidth(ch);
  return width;
}

LineTable::LineTable() : starts_{0}, dbcs_{0} {}

void LineTable::Rebuild(ustring_view text) {
  std::vector<int> starts{0};
  std::vector<int> dbcs{0};
  int width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    width += DbcsWidth(text[i]);
    if (text[i] == u'\n' && i > 0 && text[i - 1] == u'\r') {
      starts.push_back(static_cast<int>(i + 1));
      dbcs.push_back(width);
    }
  }
  starts_.swap(starts);
  dbcs_.swap(dbcs);
  total_chars_ = static_cast<int>(text.size());
  total_dbcs_ = width;
}

LineTable::Change LineTable::Prepare(ustring_view old_text, int start, int end,
                                     ustring_view inserted) {
  Change change;
  const int n = static_cast<int>(inserted.size());
  // A line start p belongs to the pair at [p - 2, p); the pairs that can be
  // made or broken are those touching [start - 1, end + 1).
  change.first = static_cast<std::size_t>(
      std::lower_bound(starts_.begin(), starts_.end(), start + 1) - starts_.begin());
  change.last = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), end + 1) -
                                         starts_.begin());

  const auto at = [&](int p) -> char16_t {
    if (p < start) return old_text[p];
    if (p < start + n) return inserted[p - start];
    return old_text[end + (p - start - n)];
  };
  const int new_size = total_chars_ + n - (end - start);
  const int dbcs_start = DbcsOf(old_text, start);
  int width = 0;  // width of the new text in [start, p)
  for (int p = start + 1; p <= start + n + 1 && p <= new_size; ++p) {
    width += DbcsWidth(at(p - 1));
    if (p >= 2 && at(p - 2) == u'\r' && at(p - 1) == u'\n') {
      change.added_starts.push_back(p);
      change.added_dbcs.push_back(dbcs_start + width);
    }
  }
  change.char_delta = n - (end - start);
  change.dbcs_delta = TextWidth(inserted) - TextWidth(old_text.substr(start, end - start));

  const std::size_t size =
      starts_.size() - (change.last - change.first) + change.added_starts.size();
  starts_.reserve(size);
  dbcs_.reserve(size);
  return change;
}

void LineTable::Commit(Change&& change) noexcept {
  const auto first = static_cast<std::ptrdiff_t>(change.first);
  const auto last = static_cast<std::ptrdiff_t>(change.last);
  starts_.erase(starts_.begin() + first, starts_.begin() + last);
  dbcs_.erase(dbcs_.begin() + first, dbcs_.begin() + last);
  starts_.insert(starts_.begin() + first, change.added_starts.begin(), change.added_starts.end());
  dbcs_.insert(dbcs_.begin() + first, change.added_dbcs.begin(), change.added_dbcs.end());
  for (std::size_t i = change.first + change.added_starts.size(); i < starts_.size(); ++i) {
    starts_[i] += change.char_delta;
    dbcs_[i] += change.dbcs_delta;
  }
  total_chars_ += change.char_delta;
  total_dbcs_ += change.dbcs_delta;
}

int LineTable::End(int line) const {
  return line + 1 < Count() ? starts_[line + 1] - 2 : total_chars_;
}

int LineTable::DbcsEnd(int line) const {
  return line + 1 < Count() ? dbcs_[line + 1] - 2 : total_dbcs_;
}

int LineTable::LineOf(int pos) const {
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
  return std::max(0, static_cast<int>(it - starts_.begin()) - 1);
}

int LineTable::LineOfDbcs(int dbcs) const {
  const auto it = std::upper_bound(dbcs_.begin(), dbcs_.end(), dbcs);
  return std::max(0, static_cast<int>(it - dbcs_.begin()) - 1);
}

int LineTable::DbcsOf(ustring_view text, int pos) const {
  const int line = LineOf(pos);
  return dbcs_[line] + TextWidth(text.substr(starts_[line], pos - starts_[line]));
}

int LineTable::WidestLine() const {
  int widest = 0;
  for (int line = 0; line < Count(); ++line) widest = std::max(widest, DbcsLength(line));
  return widest;
}

}  // namespace orvo::emu
