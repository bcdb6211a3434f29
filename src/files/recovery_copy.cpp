// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recovery_copy.h"

#include <cstdio>

#include "files/document_lifecycle.h"
#include "files/files_texts.h"

namespace orvo::files {
namespace {

constexpr int kMainWindow = 1;
constexpr MessageFlags kQuestionYesNo{MessageIconCode::kQuestion, MessageButtons::kYesNo};
constexpr int kMaxSameSecond = 100;

// "YYYYMMDD-HHMMSS" of milliseconds since 1970 in local time.
std::string Stamp(std::int64_t local_ms) {
  std::int64_t seconds = local_ms / 1000;
  std::int64_t days = seconds / 86400;
  seconds %= 86400;
  if (seconds < 0) {
    seconds += 86400;
    --days;
  }
  // Days to the civil date (proleptic Gregorian).
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char out[96];
  std::snprintf(out, sizeof out, "%04lld%02lld%02lld-%02lld%02lld%02lld", static_cast<long long>(year),
                static_cast<long long>(month), static_cast<long long>(day), static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return out;
}

const char16_t* Reason(RecoveryProblem problem) {
  switch (problem) {
    case RecoveryProblem::kNotACopy:
      return text::kRecoveryNotACopy;
    case RecoveryProblem::kOtherVersion:
      return text::kRecoveryOtherVersion;
    case RecoveryProblem::kOtherUser:
      return text::kRecoveryOtherUser;
    case RecoveryProblem::kTooLarge:
      return text::kRecoveryTooLarge;
    case RecoveryProblem::kDamaged:
    case RecoveryProblem::kNone:
      break;
  }
  return text::kRecoveryDamaged;
}

ustring Described(const FileError& error) { return FromUtf8(std::to_string(error.number)) + error.description; }

}  // namespace

RecoveryCopy::RecoveryCopy(const Ports& ports)
    : p_(ports), timer_(std::make_unique<Timer>(ports.timers, kTickMs, [this] { Tick(); })) {}

RecoveryCopy::~RecoveryCopy() = default;

ustring RecoveryCopy::Path() const {
  ustring folder = p_.app.Path();
  if (!folder.empty() && folder.back() != p_.app.PathSeparator()) folder += p_.app.PathSeparator();
  return folder + kRecoveryName;
}

void RecoveryCopy::Tell(const ustring& told, MessageFlags flags) {
  p_.messages.Ask(kMainWindow, told, flags, p_.app.Title());
}

RecoveryCopy::Snapshot RecoveryCopy::Take() const {
  Snapshot now;
  EditControl& box = p_.window.ActiveTextBox();
  now.revision = box.Revision();
  now.composition = p_.composition ? p_.composition() : ustring();
  now.record.path = p_.documents.State().CurrentPath;
  now.needed = (box.Modified() && !box.Text().empty()) || !now.composition.empty();
  return now;
}

void RecoveryCopy::Tick() {
  if (ended_) return;
  const Snapshot now = Take();
  if (!now.needed) {
    if (on_disk_) Remove();
    seen_valid_ = false;
    busy_ticks_ = 0;
    return;
  }
  if (on_disk_ && now == written_) {
    busy_ticks_ = 0;
    return;
  }
  const bool paused = seen_valid_ && now == seen_;
  seen_ = now;
  seen_valid_ = true;
  if (paused || ++busy_ticks_ >= kBusyTicks) Write(now);
}

bool RecoveryCopy::WriteNow() {
  if (ended_) return false;
  const Snapshot now = Take();
  if (!now.needed) return false;
  if (on_disk_ && now == written_) return true;
  return Write(now);
}

bool RecoveryCopy::Write(const Snapshot& now) {
  EditControl& box = p_.window.ActiveTextBox();
  RecoveryRecord record;
  record.path = now.record.path;
  record.ends = p_.documents.State().Ends;
  record.user = p_.app.UserId();
  record.text = box.Text();
  if (!now.composition.empty()) {
    // The reading stands where the caret is, as it would once confirmed.
    const std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(std::max(box.SelStart(), 0)), record.text.size());
    record.text.insert(at, now.composition);
  }
  busy_ticks_ = 0;
  if (FileError error = p_.files.Replace(Path(), EncodeRecovery(record))) {
    // The copy before this one, if any, is still whole on disk.
    last_error_ = std::move(error);
    return false;
  }
  last_error_ = {};
  written_ = now;
  on_disk_ = true;
  ++writes_;
  return true;
}

void RecoveryCopy::Remove() {
  if (!p_.files.Remove(Path())) on_disk_ = false;
  seen_valid_ = false;
}

void RecoveryCopy::Settled() {
  if (ended_) return;
  if (!Take().needed && (on_disk_ || p_.files.IsFile(Path()))) Remove();
}

void RecoveryCopy::EndNormally() {
  if (ended_) return;
  timer_->SetEnabled(false);
  if (on_disk_ || p_.files.IsFile(Path())) Remove();
  ended_ = true;
}

ustring RecoveryCopy::KeepAside(FileError& error) {
  ustring folder = p_.app.Path();
  if (!folder.empty() && folder.back() != p_.app.PathSeparator()) folder += p_.app.PathSeparator();
  const ustring stem = ustring(kRecoveryKeptStem) + FromUtf8(Stamp(p_.calendar.LocalMs()));
  for (int n = 1; n <= kMaxSameSecond; ++n) {
    const ustring name = n == 1 ? stem : stem + u"-" + FromUtf8(std::to_string(n));
    if (p_.files.Info(folder + name).kind != FileKind::kMissing) continue;
    error = p_.files.Rename(Path(), folder + name);
    return error ? ustring() : name;
  }
  error = {17, u"File exists"};
  return {};
}

void RecoveryCopy::Refuse(const ustring& reason) {
  FileError error;
  const ustring aside = KeepAside(error);
  ustring told = text::kRecoveryRefusedHead + reason;
  if (aside.empty()) {
    told += text::kRecoveryNotKept + Described(error);
  } else {
    told += u"\r\n\r\n　　　";
    told += text::kRecoveryKeptHead + aside + text::kRecoveryKeptTail;
  }
  Tell(told, message::kWarning);
}

void RecoveryCopy::Offer(RecoveryRecord record) {
  const bool has_path = !record.path.empty();
  const bool file_there = has_path && p_.files.IsFile(record.path);
  ustring question = text::kRecoveryQuestion;
  if (has_path) question += text::kRecoveryOfFile + record.path;
  if (has_path && !file_there) question += text::kRecoveryFileGone;
  const MessageResult answer = p_.messages.Ask(kMainWindow, question, kQuestionYesNo, p_.app.Title());
  if (answer != MessageResult::kYes) {
    FileError error;
    const ustring aside = KeepAside(error);
    Tell(aside.empty() ? ustring(text::kRecoveryRefusedHead) + text::kRecoveryNotKept + Described(error)
                       : text::kRecoveryKeptHead + aside + text::kRecoveryKeptTail,
         aside.empty() ? message::kWarning : message::kInformation);
    return;
  }
  if (has_path && !file_there) {
    // This copy names a file that is gone: it stays aside, and the text,
    // now a new one, gets a copy of its own at the next pause.
    FileError error;
    KeepAside(error);
  } else {
    on_disk_ = true;  // until the restored text's own copy replaces it
  }
  p_.documents.Restore(std::move(record.text), file_there ? record.path : ustring(), record.ends);
  written_ = Take();
}

void RecoveryCopy::OfferAtStart() {
  const FileInfo info = p_.files.Info(Path());
  if (info.kind != FileKind::kMissing) {
    const FileRead read = p_.files.Read(Path(), kMaxRecoveryBytes);
    if (read.too_long || (info.kind == FileKind::kRegular && info.length > kMaxRecoveryBytes)) {
      Refuse(text::kRecoveryTooLarge);
    } else if (read.error) {
      Refuse(text::kRecoveryUnreadable + Described(read.error));
    } else {
      RecoveryDecoded decoded = DecodeRecovery(read.bytes, p_.app.UserId());
      if (decoded.record) {
        Offer(std::move(*decoded.record));
      } else {
        Refuse(Reason(decoded.problem));
      }
    }
  }
  timer_->SetEnabled(true);
}

}  // namespace orvo::files
