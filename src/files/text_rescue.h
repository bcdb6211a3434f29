// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping the text when the program ends without its own shutdown (the
// window system gone, the session ending): a modified, non-empty text is
// written once, by the writer given (the editor gives its recovery copy), or
// else in UTF-8 to "<folder>/rescued-YYYYMMDD-HHMMSS.txt", replaced whole so
// that the file appears only once it is complete. How the end is noticed
// (exit handlers, signals) is the front end's.
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/text.h"

namespace orvo::files {

struct RescueSnapshot {
  ustring text;
  bool modified = false;
};

struct RescueResult {
  bool written = false;
  std::string path;   // the file written
  std::string error;  // why nothing could be written
};

// Nothing is kept after the program's own shutdown, nor of a text that is
// empty or saved as it stands.
bool NeedsRescue(bool ended_normally, const RescueSnapshot& snapshot);

// "rescued-YYYYMMDD-HHMMSS.txt" for the local time.
std::string RescueFileName(const std::tm& local);

// Writes the bytes to the file name of `local` in the folder, replaced whole;
// a name already taken gets "-2", "-3", ... before ".txt". On failure nothing
// is left behind.
RescueResult WriteRescueFile(FileSystem& files, const std::string& folder, std::string_view bytes,
                             const std::tm& local);

class TextRescue {
 public:
  using Source = std::function<RescueSnapshot()>;
  // Where the text goes instead of a rescued-*.txt file: the program's
  // recovery copy, which the next start offers back.
  using Writer = std::function<RescueResult(const RescueSnapshot&)>;

  // source: the document as it stands; folder: where a rescued file goes.
  TextRescue(FileSystem& files, Source source, std::string folder)
      : files_(files), source_(std::move(source)), folder_(std::move(folder)) {}

  void SetWriter(Writer writer) { writer_ = std::move(writer); }
  // The program's own shutdown has run: nothing is rescued from here on.
  void EndedNormally() { ended_normally_ = true; }

  // The rescue itself, at the local time given; once written, never again.
  // Nothing written and no error: nothing needed keeping.
  RescueResult Rescue(const std::tm& local);
  const std::string& Folder() const { return folder_; }

 private:
  FileSystem& files_;
  Source source_;
  std::string folder_;
  Writer writer_;
  bool ended_normally_ = false;
  bool done_ = false;
};

}  // namespace orvo::files
