// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy: while the text has unsaved changes it is kept, with the
// file it belongs to, in the program folder, so that a run that ends without
// its own shutdown (killed, the display gone, the power cut) loses at most the
// last moments of typing. A timer on the program's clock writes it once the
// text has stood still for one tick (and during long typing every few ticks);
// keys never wait for it. Saving, a discard the user agreed to and the normal
// end remove it. The next start offers it back at the main window's first
// activation; a copy not taken, or one that cannot be used, is renamed aside,
// never deleted.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/message_box.h"
#include "files/document_window.h"
#include "files/recovery_file.h"
#include "platform/app_host.h"
#include "platform/calendar.h"
#include "platform/file_system.h"
#include "platform/timer.h"

namespace orvo::files {

class DocumentLifecycle;

inline constexpr const char16_t* kRecoveryName = u"Orvo_4.recovery";
inline constexpr const char16_t* kRecoveryKeptStem = u"Orvo_4.recovery-kept-";

class RecoveryCopy {
 public:
  // The timer's tick; typing that pauses for one tick is written at the next.
  static constexpr int kTickMs = 1000;
  // Typing that never pauses is written every this many ticks.
  static constexpr int kBusyTicks = 5;

  struct Ports {
    DocumentWindow& window;
    DocumentLifecycle& documents;
    MessageBox& messages;
    FileSystem& files;
    const AppHost& app;
    TimerService& timers;
    const Calendar& calendar;
    std::function<ustring()> composition;  // the IME's reading still composing
  };
  explicit RecoveryCopy(const Ports& ports);
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // At the first activation: a copy left by an earlier run is offered back
  // or put aside; then the timer starts.
  void OfferAtStart();
  // The text was saved, or replaced with the user's consent: a copy of a
  // text without unsaved changes goes.
  void Settled();
  // The program's own end: the copy goes, and nothing is written after.
  void EndNormally();
  // Writes the copy now if the text needs one (a signal, the display lost);
  // true when it is on disk as the text stands.
  bool WriteNow();
  // One tick of the timer.
  void Tick();

  ustring Path() const;
  bool OnDisk() const { return on_disk_; }
  // The last write that failed (disk full: the copy before it stays); cleared by a write.
  const FileError& LastError() const { return last_error_; }
  std::uint64_t Writes() const { return writes_; }

 private:
  // What the copy would hold now; its text is empty when none is needed.
  struct Snapshot {
    RecoveryRecord record;
    std::uint64_t revision = 0;
    ustring composition;
    bool needed = false;
    bool operator==(const Snapshot& other) const {
      return revision == other.revision && composition == other.composition && record.path == other.record.path &&
             needed == other.needed;
    }
  };
  Snapshot Take() const;
  bool Write(const Snapshot& now);
  void Remove();
  // Renames the copy aside; the name it got, or empty (why in `error`).
  ustring KeepAside(FileError& error);
  void Refuse(const ustring& reason);
  void Offer(RecoveryRecord record);
  void Tell(const ustring& text, MessageFlags flags);

  Ports p_;
  std::unique_ptr<Timer> timer_;
  Snapshot written_;  // what is on disk, when on_disk_
  Snapshot seen_;     // what the last tick saw
  bool seen_valid_ = false;
  int busy_ticks_ = 0;
  bool on_disk_ = false;
  bool ended_ = false;
  FileError last_error_;
  std::uint64_t writes_ = 0;
};

}  // namespace orvo::files
