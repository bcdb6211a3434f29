// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/document_lifecycle.h"

#include "files/file_failure.h"
#include "files/files_texts.h"
#include "files/recent_files.h"

namespace orvo::files {
namespace {

constexpr int kMainWindow = 1;
// Information with Yes, No and Cancel (67); a question with the same (35).
constexpr MessageFlags kInformationYesNoCancel{MessageIconCode::kInformation, MessageButtons::kYesNoCancel};
constexpr MessageFlags kQuestionYesNoCancel{MessageIconCode::kQuestion, MessageButtons::kYesNoCancel};

ustring Digits(long long value) { return FromUtf8(std::to_string(value)); }

ustring TooLong(const ustring& name, long long length) {
  ustring told = text::kTooLongHead;
  told.append(name).append(text::kTooLongIs).append(Digits(length)).append(text::kTooLongBytes);
  told.append(u"\r\n\r\n").append(text::kTooLongOver).append(u"\r\n\r\n").append(text::kTooLongCannot);
  return told;
}

}  // namespace

ustring FileNameOf(const ustring& path, char16_t separator) {
  const std::size_t last = path.rfind(separator);
  return last == ustring::npos ? ustring() : path.substr(last + 1);
}

ustring FormatSize(long long bytes) {
  if (bytes <= 0) return {};
  const ustring digits = Digits(bytes);
  ustring out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += u',';
    out += digits[i];
  }
  return out;
}

bool HasTextExtension(const ustring& path) {
  if (path.size() < 4) return false;
  ustring last = path.substr(path.size() - 4);
  for (char16_t& c : last) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return last == u".TXT";
}

MessageResult DocumentLifecycle::Ask(const ustring& text, MessageFlags flags, bool with_title) {
  return p_.messages.Ask(kMainWindow, text, flags, with_title ? p_.app.Title() : ustring());
}

void DocumentLifecycle::FocusBack() {
  if (p_.window.WindowEnabled()) p_.host.FocusTextBox();
}

ustring DocumentLifecycle::Caption(const ustring& prefix, const ustring& name, long long size) const {
  ustring caption = prefix;
  caption.append(name).append(text::kSizeOpen).append(FormatSize(size)).append(text::kSizeClose);
  return caption;
}

long long DocumentLifecycle::DiskSize(ustring_view text) const {
  return DiskBytes(text, state_.Ends, state_.Encoding, p_.code_pages);
}

void DocumentLifecycle::StartNew() {
  p_.window.SetCaption(text::kNewCaption);
  state_.Kind = DocumentKind::kNew;
  SetDiskForm(LineEnds::kLf, {});
}

void DocumentLifecycle::SetDiskForm(LineEnds ends, const FileEncoding& encoding) {
  state_.Ends = ends;
  state_.Encoding = encoding;
  if (form_changed_) form_changed_();
}

// --- New and open ---

void DocumentLifecycle::NewDocument() {
  EditControl& box = p_.window.ActiveTextBox();
  if (!box.Text().empty()) {
    if (box.Modified()) {
      SaveBeforeDiscard(SaveMode::kAsk);
      if (state_.SaveCancelled) {
        state_.SaveCancelled = false;
        state_.strSAVEtxt.clear();
        state_.ClearPending();
        FocusBack();
        return;
      }
      state_.SaveDeclined = false;
    } else if (Ask(text::kDiscard, message::kConfirm) == MessageResult::kCancel) {
      FocusBack();
      return;
    }
  }
  p_.host.DoEvents();
  p_.window.ActiveTextBox().SetText(u"");
  state_.ClearPending();
  state_.CurrentPath.clear();
  state_.CurrentName.clear();
  StartNew();
  p_.window.ActiveTextBox().SetModified(false);
  Settled();
  p_.host.DoEvents();
  FocusBack();
}

void DocumentLifecycle::Restore(ustring text, const ustring& path, LineEnds ends) {
  EditControl& box = p_.window.ActiveTextBox();
  const FileInfo info = path.empty() ? FileInfo{} : p_.files.Info(path);
  const int end = static_cast<int>(text.size());
  box.SetText(std::move(text));
  box.SetSel(end, 0);
  state_.ClearPending();
  if (info.kind == FileKind::kRegular) {
    state_.CurrentPath = path;
    state_.CurrentName = NameOf(path);
    state_.Kind = DocumentKind::kFile;
    const FileRead read = p_.files.Read(path, kMaxDocumentBytes);
    SetDiskForm(ends, read.error ? FileEncoding{} : DetectEncoding(read.bytes, p_.code_pages).value_or(FileEncoding{}));
    p_.window.SetCaption(Caption(text::kGivenCaptionPrefix, state_.CurrentName, info.length));
  } else {
    state_.CurrentPath.clear();
    state_.CurrentName.clear();
    StartNew();
  }
  box.SetModified(true);
}

void DocumentLifecycle::OpenDocument() {
  EditControl& box = p_.window.ActiveTextBox();
  const bool asked = !box.Text().empty() && box.Modified();
  bool declined = false;
  if (asked) {
    SaveBeforeDiscard(SaveMode::kAsk);
    if (state_.SaveCancelled || state_.OpenFailed) {
      state_.SaveCancelled = state_.OpenFailed = false;
      state_.strSAVEtxt.clear();
      state_.ClearPending();
      state_.OpenPathGiven = false;
      FocusBack();
      return;
    }
    declined = state_.SaveDeclined;
    state_.SaveDeclined = false;
  }
  if (!asked && p_.window.WordWrap()) Ask(text::kWrapOff, message::kInformation);
  if (p_.window.WordWrap()) p_.window.TurnWordWrapOff();
  p_.host.DoEvents();
  const std::uint64_t before = p_.window.ActiveTextBox().Revision();
  const bool given = state_.OpenPathGiven;
  state_.OpenPathGiven = false;
  Open(given ? Source::kGivenPath : Source::kDialog);
  const bool replaced = !state_.OpenFailed && p_.window.ActiveTextBox().Revision() != before;
  state_.OpenFailed = false;
  // A text the user chose not to save stays marked modified until it is really replaced.
  if (replaced || !declined) p_.window.ActiveTextBox().SetModified(false);
  Settled();
  p_.host.DoEvents();
  FocusBack();
}

void DocumentLifecycle::OpenFromPath() { Open(Source::kGivenPath); }

bool DocumentLifecycle::OpenFailedExit() {
  state_.OpenFailed = true;
  state_.ClearPending();
  return false;
}

void DocumentLifecycle::Open(Source source) {
  const bool given = source == Source::kGivenPath;
  if (given) {
    if (state_.PendingPath.empty()) {
      Ask(text::kNoPath, message::kPlain, false);
      return;
    }
  } else {
    state_.PendingPath = p_.dialogs.ShowOpenTextDialog(DocumentFolder());
    if (state_.PendingPath.empty()) {
      OpenFailedExit();
      return;
    }
  }
  if (!HasTextExtension(state_.PendingPath)) {
    Ask(text::kNotText, message::kWarning);
    OpenFailedExit();
    return;
  }
  state_.PendingName = NameOf(state_.PendingPath);
  const FileInfo info = p_.files.Info(state_.PendingPath);
  if (info.kind == FileKind::kRegular && info.length > kMaxDocumentBytes) {
    Ask(TooLong(state_.PendingName, info.length), message::kWarning);
    OpenFailedExit();
    return;
  }
  const ustring prefix = given ? text::kOpenDropError : text::kOpenError;
  const FileRead read = p_.files.Read(state_.PendingPath, kMaxDocumentBytes);
  if (read.error) {
    Ask(FailureText(prefix, read.error, state_.PendingPath), message::kWarning);
    OpenFailedExit();
    return;
  }
  DecodedFile decoded = DecodeFile(read.bytes, p_.code_pages);
  if (!decoded.valid) {
    ustring told = text::kNotInCodePageHead;
    told.append(TriedCodePages(p_.code_pages)).append(text::kNotInCodePageTail);
    Ask(told, message::kWarning);
    OpenFailedExit();
    return;
  }
  p_.window.SetCaption(Caption(given ? text::kGivenCaptionPrefix : text::kCaptionPrefix, state_.PendingName,
                               static_cast<long long>(read.bytes.size())));
  state_.CurrentPath = state_.PendingPath;
  state_.CurrentName = state_.PendingName;
  state_.ClearPending();
  p_.recent.AddRecentFile(state_.CurrentName + u"\\" + state_.CurrentPath);
  SetDiskForm(decoded.ends, decoded.encoding);
  p_.window.ActiveTextBox().SetText(std::move(decoded.text));
  state_.Kind = DocumentKind::kFile;
}

// --- Saving ---

void DocumentLifecycle::SaveBeforeDiscard(SaveMode mode) {
  EditControl& box = p_.window.ActiveTextBox();
  if (box.Text().empty()) return;
  if (mode == SaveMode::kAsk) {
    const MessageResult answer = Ask(text::kModifiedSave, kInformationYesNoCancel);
    if (answer == MessageResult::kCancel || answer == MessageResult::kNone) {
      state_.SaveCancelled = true;
      return;
    }
    if (answer == MessageResult::kNo) {
      state_.SaveDeclined = true;
      return;
    }
  }
  if (p_.window.WordWrap()) {
    if (Ask(text::kWrapOffToSave, message::kConfirm) != MessageResult::kOk) {
      state_.SaveCancelled = true;
      return;
    }
    if (!p_.window.TurnWordWrapOff()) {
      // Every caller then keeps the text and stops, as after a cancelled save.
      state_.OpenFailed = true;
      state_.SaveCancelled = true;
      return;
    }
  }
  p_.host.DoEvents();
  if (mode == SaveMode::kAsk) {
    if (state_.CurrentPath.empty()) {
      mode = SaveMode::kSaveAs;
    } else {
      const MessageResult answer = Ask(text::kSaveOverQuestion, kQuestionYesNoCancel);
      if (answer == MessageResult::kCancel || answer == MessageResult::kNone) {
        state_.SaveCancelled = true;
        return;
      }
      mode = answer == MessageResult::kNo ? SaveMode::kSaveAs : SaveMode::kOverwrite;
    }
  }
  state_.strSAVEtxt = p_.window.ActiveTextBox().Text();
  if (mode == SaveMode::kOverwrite) {
    state_.PendingPath = state_.CurrentPath;
    state_.PendingName = state_.CurrentName;
    SaveOver();
  } else {
    SaveAs();
  }
}

bool DocumentLifecycle::Write(const ustring& error_prefix) {
  const EncodedFile encoded = EncodeFile(state_.strSAVEtxt, state_.Ends, state_.Encoding, p_.code_pages);
  if (encoded.unstorable) {
    ustring told = text::kCannotStoreHead;
    told.append(encoded.unstorable->character).append(text::kCannotStoreLine);
    told.append(Digits(encoded.unstorable->line)).append(text::kCannotStoreTail);
    Ask(told, message::kWarning);
    return false;
  }
  if (const FileError error = p_.files.Replace(state_.PendingPath, encoded.bytes)) {
    Ask(FailureText(error_prefix, error, state_.PendingPath), message::kWarning);
    return false;
  }
  return true;
}

void DocumentLifecycle::SaveAsCancelExit() {
  state_.strSAVEtxt.clear();
  state_.ClearPending();
  state_.SaveCancelled = true;
}

void DocumentLifecycle::SaveAs() {
  if (state_.strSAVEtxt.empty()) {
    Ask(text::kNothingCaptured, message::kWarning, false);
    SaveAsCancelExit();
    return;
  }
  for (;;) {
    ustring suggested = state_.PendingName.empty() ? ustring(text::kNewName) : state_.PendingName;
    if (!state_.PendingName.empty() && !HasTextExtension(suggested)) suggested += u".txt";
    state_.PendingPath = p_.dialogs.ShowSaveTextDialog(suggested, text::kSaveTitle, DocumentFolder());
    if (state_.PendingPath.empty()) {
      SaveAsCancelExit();
      return;
    }
    if (HasTextExtension(state_.PendingPath)) break;
    Ask(text::kSaveOnlyText, message::kWarning);
    state_.PendingPath.clear();
  }
  if (!Write(text::kSaveAsError)) {
    SaveAsCancelExit();
    return;
  }
  p_.host.DoEvents();
  state_.PendingName = NameOf(state_.PendingPath);
  p_.window.SetCaption(Caption(text::kCaptionPrefix, state_.PendingName, p_.files.Info(state_.PendingPath).length));
  state_.CurrentPath = state_.PendingPath;
  state_.CurrentName = state_.PendingName;
  state_.ClearPending();
  state_.strSAVEtxt.clear();
  p_.recent.AddRecentFile(state_.CurrentName + u"\\" + state_.CurrentPath);
  if (state_.Kind == DocumentKind::kNew) state_.Kind = DocumentKind::kFile;
  Ask(text::kSavedHead + state_.CurrentName + text::kSavedTail, message::kInformation);
}

void DocumentLifecycle::SaveOver() {
  const auto failure_exit = [this] {
    state_.ClearPending();
    state_.strSAVEtxt.clear();
    state_.SaveCancelled = true;
  };
  if (state_.strSAVEtxt.empty()) {
    Ask(text::kNothingCaptured, message::kWarning, false);
    failure_exit();
    return;
  }
  const FileInfo info = state_.PendingPath.empty() ? FileInfo{} : p_.files.Info(state_.PendingPath);
  if (info.kind != FileKind::kRegular) {
    Ask(text::kOriginalMissing, message::kWarning);
    state_.ClearPending();
    SaveAs();
    return;
  }
  if (info.read_only) {
    Ask(text::kReadOnly, message::kInformation);
    state_.ClearPending();
    SaveAs();
    return;
  }
  // The old file is not emptied first: the new text goes beside it and
  // takes its place only once it is whole on disk.
  p_.host.DoEvents();
  if (!Write(text::kSaveOverError)) {
    failure_exit();
    return;
  }
  p_.host.DoEvents();
  p_.window.SetCaption(Caption(text::kCaptionPrefix, state_.CurrentName, p_.files.Info(state_.PendingPath).length));
  state_.CurrentPath = state_.PendingPath;
  state_.CurrentName = state_.PendingName;
  state_.strSAVEtxt.clear();
  state_.ClearPending();
  Ask(text::kSavedHead + state_.CurrentName + text::kSavedOverTail, message::kInformation);
}

void DocumentLifecycle::SaveOverCommand() {
  EditControl& box = p_.window.ActiveTextBox();
  if (box.Text().empty()) {
    Ask(text::kNothingToSaveOver, message::kWarning);
    FocusBack();
    return;
  }
  if (state_.CurrentPath.empty() && state_.Kind != DocumentKind::kFile) Ask(text::kStillNew, message::kInformation);
  if (!p_.window.ActiveTextBox().Modified()) {
    Ask(text::kUnchanged, message::kInformation);
    FocusBack();
    return;
  }
  SaveBeforeDiscard(SaveMode::kOverwrite);
  EndSaveCommand();
}

void DocumentLifecycle::SaveAsCommand() {
  if (p_.window.ActiveTextBox().Text().empty()) {
    Ask(text::kNothingToSave, message::kWarning);
    FocusBack();
    return;
  }
  SaveBeforeDiscard(SaveMode::kSaveAs);
  EndSaveCommand();
}

// A cancelled save leaves the text as it was, modified; a save clears the flag.
void DocumentLifecycle::EndSaveCommand() {
  if (state_.SaveCancelled) {
    state_.SaveCancelled = false;
    state_.OpenFailed = false;
    state_.strSAVEtxt.clear();
    state_.ClearPending();
    FocusBack();
    return;
  }
  p_.host.DoEvents();
  p_.window.ActiveTextBox().SetModified(false);
  Settled();
  p_.host.DoEvents();
  FocusBack();
}

ustring DocumentLifecycle::DocumentFolder() const {
  const ustring& path = state_.CurrentPath;
  const std::size_t at = path.find_last_of(p_.app.PathSeparator());
  if (path.empty() || at == ustring::npos) return {};
  return path.substr(0, at == 0 ? 1 : at);  // the root keeps its separator
}

}  // namespace orvo::files
