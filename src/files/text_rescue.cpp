// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_rescue.h"

#include "files/files_texts.h"

namespace orvo::files {
namespace {

constexpr int kMaxSameSecond = 100;

// The first name of the second not taken yet; empty when all are.
std::string FreePath(const FileSystem& files, const std::string& folder, const std::string& name) {
  const std::string stem = name.substr(0, name.size() - 4);
  for (int n = 1; n <= kMaxSameSecond; ++n) {
    const std::string path = folder + "/" + (n == 1 ? name : stem + "-" + std::to_string(n) + ".txt");
    if (files.Info(FromUtf8(path)).kind == FileKind::kMissing) return path;
  }
  return {};
}

}  // namespace

bool NeedsRescue(bool ended_normally, const RescueSnapshot& snapshot) {
  return !ended_normally && snapshot.modified && !snapshot.text.empty();
}

std::string RescueFileName(const std::tm& local) {
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0) stamp[0] = '\0';
  return std::string("rescued-") + stamp + ".txt";
}

RescueResult WriteRescueFile(FileSystem& files, const std::string& folder, std::string_view bytes,
                             const std::tm& local) {
  const std::string path = FreePath(files, folder, RescueFileName(local));
  if (path.empty()) return {false, "", std::string(text::kRescueNamesTaken)};
  if (const FileError error = files.Replace(FromUtf8(path), bytes)) return {false, "", ToUtf8(error.description)};
  return {true, path, ""};
}

RescueResult TextRescue::Rescue(const std::tm& local) {
  if (done_) return {};
  const RescueSnapshot snapshot = source_();
  if (!NeedsRescue(ended_normally_, snapshot)) return {};
  RescueResult result = writer_ ? writer_(snapshot) : WriteRescueFile(files_, folder_, ToUtf8(snapshot.text), local);
  done_ = result.written;
  return result;
}

}  // namespace orvo::files
