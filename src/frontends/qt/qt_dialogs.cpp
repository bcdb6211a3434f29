// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "frontends/qt/qt_text.h"

namespace orvo::qt {

QStringList QtNameFilters(const ustring& filter) {
  const QStringList parts = ToQ(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QStringLiteral(")");
  }
  return filters;
}

int QtDialogs::Run(QDialog& dialog) {
  if (guard_) guard_(true);
  const int result = dialog.exec();
  if (guard_) guard_(false);
  return result;
}

void QtDialogs::SetAnswerSource(script::ScriptedDialogs::AnswerSource source) {
  scripted_answers_ = static_cast<bool>(source);
  scripted_.SetAnswerSource(std::move(source));
}

FileDialogAnswer QtDialogs::ShowFile(const FileDialogRequest& request) {
  if (scripted_answers_) return scripted_.ShowFile(request);
  const bool save = request.kind == FileDialogKind::kSave;
  // A new document's dialogs start in the user's home folder, never where the program was started.
  const QString folder = request.initial_folder.empty() ? QDir::homePath() : ToQ(request.initial_folder);
  QFileDialog dialog(Owner(), ToQ(request.title), folder);
  dialog.setObjectName(save ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
  dialog.setAccessibleName(ToQ(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // Qt's own: the same keys and names everywhere
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & file_dialog_flag::kOverwritePrompt) == 0);
  dialog.setNameFilters(QtNameFilters(request.filter));
  if (!request.default_extension.empty()) dialog.setDefaultSuffix(ToQ(request.default_extension));
  if (!request.file_name.empty()) dialog.selectFile(ToQ(request.file_name));
  FileDialogAnswer answer;
  if (Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
  const QString path = dialog.selectedFiles().front();
  answer.chosen = true;
  answer.path = FromQ(path);
  answer.file_title = FromQ(QFileInfo(path).fileName());
  return answer;
}

ColourDialogAnswer QtDialogs::ShowColour(const ColourDialogRequest& request) {
  if (scripted_answers_) return scripted_.ShowColour(request);
  for (int i = 0; i < QColorDialog::customCount() && i < static_cast<int>(request.custom.size()); ++i) {
    QColorDialog::setCustomColor(i, ToQColor(request.custom[static_cast<std::size_t>(i)]));
  }
  QColorDialog dialog(ToQColor(request.colour), Owner());
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  ColourDialogAnswer answer;
  answer.colour = request.colour;
  if (Run(dialog) != QDialog::Accepted) return answer;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return answer;
  answer.chosen = true;
  answer.colour = static_cast<std::uint32_t>(chosen.red()) | static_cast<std::uint32_t>(chosen.green()) << 8 |
                  static_cast<std::uint32_t>(chosen.blue()) << 16;
  return answer;
}

}  // namespace orvo::qt
