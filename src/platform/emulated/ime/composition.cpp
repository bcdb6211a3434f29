// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/composition.h"

#include <algorithm>

#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/ime/romaji_composer.h"

namespace orvo::emu {
namespace {

// How one character is typed when it no longer belongs to its own keys.
ustring SpellAlone(char16_t ch) {
  if (ustring keys = SpellKana(ch); !keys.empty()) return keys;
  if (const char16_t ascii = FromFullWidthAscii(ch); ascii != 0) return ustring(1, ascii);
  return ustring(1, ch);
}

}  // namespace

int Composition::Clamp(int position) const { return std::clamp(position, 0, Size()); }

ustring Composition::Text(int begin, int end) const {
  ustring out;
  for (int i = Clamp(begin); i < Clamp(end); ++i) out += chars_[i].ch;
  return out;
}

ustring Composition::Reading(int begin, int end) const { return ToHalfWidth(Text(begin, end)); }

ustring Composition::Keys(int begin, int end) const {
  begin = Clamp(begin);
  end = Clamp(end);
  ustring out;
  int i = begin;
  while (i < end) {
    const int group_end = GroupEnd(i);
    if (GroupStart(i) == i && group_end <= end) {
      out += chars_[i].keys;
      i = group_end;
    } else {
      out += SpellAlone(chars_[i].ch);
      ++i;
    }
  }
  return out;
}

int Composition::GroupStart(int index) const {
  while (index > 0 && chars_[index].joined) --index;
  return index;
}

int Composition::GroupEnd(int index) const {
  ++index;
  while (index < Size() && chars_[index].joined) ++index;
  return index;
}

void Composition::Ungroup(int index) {
  const int start = GroupStart(index);
  const int end = GroupEnd(index);
  if (end - start < 2) return;
  for (int i = start; i < end; ++i) {
    chars_[i].keys = SpellAlone(chars_[i].ch);
    chars_[i].joined = false;
  }
}

void Composition::Insert(ustring_view text, ustring_view keys) {
  std::vector<Char> added;
  for (char16_t ch : text) added.push_back({ch, ustring(), false, !added.empty()});
  if (added.empty()) return;
  added.front().keys = ustring(keys);
  chars_.insert(chars_.begin() + caret_, added.begin(), added.end());
  caret_ += static_cast<int>(added.size());
}

void Composition::InsertPending(char16_t shown, char16_t key) {
  chars_.insert(chars_.begin() + caret_, Char{shown, ustring(1, key), true, false});
  ++caret_;
}

ustring Composition::PendingKeys() const {
  int first = caret_;
  while (first > 0 && chars_[first - 1].pending) --first;
  ustring keys;
  for (int i = first; i < caret_; ++i) keys += chars_[i].keys;
  return keys;
}

ustring Composition::SettledText() const {
  ustring out;
  for (const Char& c : chars_) {
    if (!c.pending) out += c.ch;
  }
  return out;
}

void Composition::DropPending() {
  while (caret_ > 0 && chars_[caret_ - 1].pending) EraseChar(caret_ - 1);
}

bool Composition::RemovePendingKey() {
  if (caret_ == 0 || !chars_[caret_ - 1].pending) return false;
  EraseChar(caret_ - 1);
  return true;
}

bool Composition::DeleteBefore() {
  if (caret_ == 0) return false;
  EraseChar(caret_ - 1);
  return true;
}

bool Composition::DeleteAfter() {
  if (caret_ >= Size()) return false;
  EraseChar(caret_);
  return true;
}

void Composition::EraseChar(int index) {
  Ungroup(index);
  chars_.erase(chars_.begin() + index);
  if (caret_ > index) --caret_;
}

void Composition::SetCaret(int position) { caret_ = Clamp(position); }

void Composition::Erase(int begin, int end) {
  begin = Clamp(begin);
  end = Clamp(end);
  if (begin >= end) return;
  if (chars_[begin].joined) Ungroup(begin);
  if (end < Size() && chars_[end].joined) Ungroup(end);
  chars_.erase(chars_.begin() + begin, chars_.begin() + end);
  if (caret_ >= end) {
    caret_ -= end - begin;
  } else if (caret_ > begin) {
    caret_ = begin;
  }
}

void Composition::Clear() {
  chars_.clear();
  caret_ = 0;
}

}  // namespace orvo::emu
