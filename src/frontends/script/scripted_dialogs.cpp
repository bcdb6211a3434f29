// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/scripted_dialogs.h"

namespace orvo::script {

ustring CompletePath(const ustring& typed, const ustring& folder, const FileDialogRequest& request) {
  ustring path = typed;
  if (!path.empty() && path.front() != u'/' && !folder.empty()) {
    path = folder + (folder.back() == u'/' ? u"" : u"/") + path;
  }
  const std::size_t slash = path.rfind(u'/');
  const std::size_t dot = path.rfind(u'.');
  const bool has_extension = dot != ustring::npos && (slash == ustring::npos || dot > slash + 1);
  if (!has_extension && !request.default_extension.empty()) path += u"." + request.default_extension;
  return path;
}

FileDialogAnswer ScriptedDialogs::ShowFile(const FileDialogRequest& request) {
  const bool save = request.kind == FileDialogKind::kSave;
  shown_.push_back({save ? "save" : "open", request.title, request.file_name, {}, request.initial_folder});
  const ScriptStep* step = source_ ? source_(save ? "a save dialog" : "an open dialog") : nullptr;
  FileDialogAnswer answer;
  if (step == nullptr || step->kind != ScriptStep::Kind::kDialog || step->y == 0) return answer;
  answer.chosen = true;
  answer.path = CompletePath(FromUtf8(step->value), folder_, request);
  answer.file_title = answer.path.substr(answer.path.rfind(u'/') + 1);
  shown_.back().answer = answer.path;
  return answer;
}

ColourDialogAnswer ScriptedDialogs::ShowColour(const ColourDialogRequest& request) {
  shown_.push_back({"colour", {}, {}, {}, {}});
  const ScriptStep* step = source_ ? source_("a colour dialog") : nullptr;
  ColourDialogAnswer answer;
  answer.colour = request.colour;
  if (step == nullptr || step->kind != ScriptStep::Kind::kColour || step->y == 0) return answer;
  answer.chosen = true;
  answer.colour = static_cast<std::uint32_t>(step->x);
  shown_.back().answer = FromUtf8(std::to_string(answer.colour));
  return answer;
}

}  // namespace orvo::script
