// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recent_files.h"

#include "files/document_lifecycle.h"
#include "files/files_texts.h"

namespace orvo::files {

RecentEntry SplitEntry(const ustring& entry, char16_t separator) {
  std::size_t split = separator == u'/' ? entry.find(u"\\/") : ustring::npos;
  if (split == ustring::npos) split = entry.find(u'\\');
  if (split == ustring::npos) return {};
  return {entry.substr(0, split), entry.substr(split + 1)};
}

void RecentFiles::RemoveHighest(const ustring& entry) {
  for (int slot = count_; slot >= 1; --slot) {
    if (slot > static_cast<int>(history_.size())) continue;
    ustring& held = history_[static_cast<std::size_t>(slot - 1)];
    if (held == entry) {
      held.clear();
      return;
    }
  }
}

void RecentFiles::AddRecentFile(const ustring& entry) {
  // The history folds back to four entries whenever it fills, so there is always a free slot.
  count_ = std::min(count_ + 1, static_cast<int>(history_.size()));
  RemoveHighest(entry);
  history_[static_cast<std::size_t>(count_ - 1)] = entry;
  RefreshRecentFiles();
}

void RecentFiles::RefreshRecentFiles() {
  shown_.fill({});
  std::size_t n = 0;
  for (int slot = static_cast<int>(history_.size()); slot >= 1 && n < shown_.size(); --slot) {
    const ustring& held = history_[static_cast<std::size_t>(slot - 1)];
    if (held.empty()) continue;
    if (count_ < slot) count_ = slot;
    shown_[n++] = held;
  }
  if (n == 0) {
    menu_.SetRecentCaption(1, text::kNoRecent);
  } else {
    for (int index = 2; index <= 4; ++index) {
      menu_.SetRecentCaption(index, {});
      menu_.SetRecentVisible(index, false);
    }
    for (std::size_t k = 0; k < shown_.size() && !shown_[k].empty(); ++k) {
      const int index = static_cast<int>(k) + 1;
      menu_.SetRecentCaption(index, SplitEntry(shown_[k], app_.PathSeparator()).name);
      menu_.SetRecentVisible(index, true);
    }
  }
  if (count_ >= static_cast<int>(history_.size())) {
    history_.fill({});
    for (std::size_t k = 0; k < shown_.size(); ++k) history_[shown_.size() - 1 - k] = shown_[k];
    count_ = static_cast<int>(shown_.size());
  }
}

void RecentFiles::OpenRecentFile(int index, DocumentLifecycle& documents) {
  if (index < 1 || index > static_cast<int>(shown_.size())) return;
  const ustring caption = menu_.RecentCaption(index);
  if (caption == text::kNoRecent) return;
  if (index == 1 && caption.empty()) return;
  if (index == 1 && documents.State().Kind == DocumentKind::kFile) {
    messages_.Ask(1, text::kAlreadyOpenRecent, message::kWarning);
    return;
  }
  const ustring entry = shown_[static_cast<std::size_t>(index - 1)];
  const ustring path = SplitEntry(entry, app_.PathSeparator()).path;
  if (!path.empty() && files_.IsFile(path)) {
    documents.State().PendingPath = path;
    documents.State().OpenPathGiven = true;
    documents.OpenDocument();
  } else {
    messages_.Ask(1, text::kRecentMissing, message::kWarning, app_.Title());
    RemoveHighest(entry);
    RefreshRecentFiles();
  }
  host_.DoEvents();
}

}  // namespace orvo::files
