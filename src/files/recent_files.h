// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four files opened or saved last, newest first, in the file menu's
// history submenu, and the eight-slot history behind them.
#include <array>

#include "toolkit/program_host.h"
#include "toolkit/message_box.h"
#include "platform/file_system.h"
#include "platform/text.h"

namespace orvo::files {

class DocumentLifecycle;

// Slots 1 to 8 as [0] to [7]; newer entries sit higher.
using RecentSlots = std::array<ustring, 8>;
// The entries shown, 1 (the newest) to 4 as [0] to [3].
using RecentList = std::array<ustring, 4>;

// The history submenu's four items, numbered 1 to 4.
class RecentMenu {
 public:
  virtual ~RecentMenu() = default;
  virtual ustring RecentCaption(int index) const = 0;
  virtual void SetRecentCaption(int index, const ustring& caption) = 0;
  virtual void SetRecentVisible(int index, bool visible) = 0;
};

// An entry is the file name, a backslash, and the full path. On a system
// whose paths start with '/', the backslash is the first one followed by
// '/', so a name holding a backslash still splits right.
struct RecentEntry {
  ustring name;
  ustring path;
};
RecentEntry SplitEntry(const ustring& entry, char16_t separator);

class RecentFiles {
 public:
  RecentFiles(ProgramHost& host, RecentMenu& menu, MessageBox& messages, const FileSystem& files,
              const AppHost& app)
      : host_(host), menu_(menu), messages_(messages), files_(files), app_(app) {}

  RecentSlots& History() { return history_; }
  const RecentSlots& History() const { return history_; }
  int Count() const { return count_; }
  const RecentList& Shown() const { return shown_; }

  void AddRecentFile(const ustring& entry);
  void RefreshRecentFiles();
  // The history item `index` (1 to 4) chosen: opens it, or drops it when its file is gone.
  void OpenRecentFile(int index, DocumentLifecycle& documents);

 private:
  void RemoveHighest(const ustring& entry);

  ProgramHost& host_;
  RecentMenu& menu_;
  MessageBox& messages_;
  const FileSystem& files_;
  const AppHost& app_;
  RecentSlots history_{};
  int count_ = 0;
  RecentList shown_{};
};

}  // namespace orvo::files
