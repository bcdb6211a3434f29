// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one document: new, open, overwrite save and save as, the question
// before a text is thrown away, the size limit and the title bar. The recent
// files, drops and the command line open through the same routines.
#include <functional>

#include "toolkit/message_box.h"
#include "toolkit/program_host.h"
#include "files/document_state.h"
#include "files/document_window.h"
#include "files/text_dialogs.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace orvo::files {

class RecentFiles;

// Files above this many bytes are neither opened nor made by typing.
inline constexpr long long kMaxDocumentBytes = 60000;

// How SaveBeforeDiscard goes on: ask first, overwrite, or save under a new name.
enum class SaveMode { kAsk = 0, kOverwrite = 1, kSaveAs = 2 };

// The name after the last separator of the path; empty without one.
ustring FileNameOf(const ustring& path, char16_t separator);
// "##,###": comma groups, and nothing at all for 0.
ustring FormatSize(long long bytes);
// The last four characters, upper-cased, are ".TXT".
bool HasTextExtension(const ustring& path);

class DocumentLifecycle {
 public:
  struct Ports {
    ProgramHost& host;
    DocumentWindow& window;
    MessageBox& messages;
    TextDialogs& dialogs;
    FileSystem& files;
    FileCodePages code_pages;
    const AppHost& app;
    RecentFiles& recent;
  };
  explicit DocumentLifecycle(const Ports& ports) : p_(ports) {}

  DocumentState& State() { return state_; }
  const DocumentState& State() const { return state_; }

  // The menu commands.
  void NewDocument();
  void OpenDocument();
  void SaveOverCommand();
  void SaveAsCommand();
  // Before the text goes: mode in, and the outcome in SaveCancelled / SaveDeclined.
  void SaveBeforeDiscard(SaveMode mode);
  // Reads PendingPath as a caller left it (recent file, drop, command line).
  void OpenFromPath();

  // The first activation without a file, and after a command line that opened none.
  void StartNew();
  // A text an earlier run left unsaved, back in the box and marked modified:
  // with its file's name (and the code page the file is in) when `path`
  // still names a file, else as a new text.
  void Restore(ustring text, const ustring& path, LineEnds ends);
  // Told whenever a command has left the text without unsaved changes (saved,
  // replaced, a new text).
  void SetOnSettled(std::function<void()> settled) { settled_ = std::move(settled); }

  // The text's size on disk as it would be saved now.
  long long DiskSize(ustring_view text) const;
  // Told whenever DiskSize counts differently (another code page, mark or line ends).
  void SetOnDiskFormChanged(std::function<void()> changed) { form_changed_ = std::move(changed); }

 private:
  // The folder the document was opened from or saved in; empty for a new one.
  ustring DocumentFolder() const;
  enum class Source { kDialog, kGivenPath };

  void Open(Source source);
  bool OpenFailedExit();
  void SaveAs();
  void SaveOver();
  void SaveAsCancelExit();
  void EndSaveCommand();
  // Writes strSAVEtxt to PendingPath; false (told with the prefix) when it could not.
  bool Write(const ustring& error_prefix);
  ustring Caption(const ustring& prefix, const ustring& name, long long size) const;
  ustring NameOf(const ustring& path) const { return FileNameOf(path, p_.app.PathSeparator()); }
  MessageResult Ask(const ustring& text, MessageFlags flags, bool with_title = true);
  void FocusBack();

  void Settled() const {
    if (settled_) settled_();
  }

  Ports p_;
  DocumentState state_;
  std::function<void()> settled_;
  std::function<void()> form_changed_;
  void SetDiskForm(LineEnds ends, const FileEncoding& encoding);
};

}  // namespace orvo::files
