// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/script_files.h"

namespace orvo::script {

ustring ScriptPath(const Program& program, const std::string& name) {
  ustring path = FromUtf8(name);
  if (!path.empty() && path.front() == u'/') return path;
  ustring folder = program.platform.app.Path();
  if (!folder.empty() && folder.back() != u'/') folder += u'/';
  return folder + path;
}

files::DroppedFiles ScriptDrop(const Program& program, const ScriptStep& step) {
  files::DroppedFiles drop;
  std::size_t pos = 0;
  while (pos < step.value.size()) {
    const std::size_t end = std::min(step.value.find(' ', pos), step.value.size());
    if (end > pos) drop.paths.push_back(ScriptPath(program, step.value.substr(pos, end - pos)));
    pos = end + 1;
  }
  return drop;
}

std::optional<std::string> WriteScriptFile(Program& program, const ScriptStep& step) {
  int unconvertible = 0;
  const std::string bytes =
      step.x == 1 ? step.value : program.platform.code_page.Encode(FromUtf8(step.value), &unconvertible);
  if (unconvertible > 0) return "cannot write " + step.target + ": the code page lacks some of its characters";
  if (const FileError error = program.platform.files.Replace(ScriptPath(program, step.target), bytes)) {
    std::string message = "cannot write ";
    message.append(step.target).append(": ").append(ToUtf8(error.description));
    return message;
  }
  return std::nullopt;
}

}  // namespace orvo::script
