// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An edit control shown in its own document widget: the edit-control model,
// with its text, positions, EM_* figures, modify flag, undo, limit and
// scrolling, mirrored into a Qt text widget. The text follows at once; the
// selection, scroll position and looks follow on Sync(), as after every event
// the program handled.
#include <QPointer>
#include <memory>

#include "platform/emulated/edit/edit_control_model.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/edit_mirror.h"

class QWidget;

namespace orvo::qt {

class QtEditControl : public emu::EditControlModel {
 public:
  explicit QtEditControl(QWidget* parent = nullptr);
  ~QtEditControl() override;
  QtEditControl(const QtEditControl&) = delete;
  QtEditControl& operator=(const QtEditControl&) = delete;

  // Null once a parent has destroyed it; the control keeps working without it.
  DocumentEdit* Widget() const { return widget_.data(); }
  EditMirror& Mirror() { return *mirror_; }
  void Sync() { mirror_->Sync(); }

 private:
  QPointer<DocumentEdit> widget_;
  std::unique_ptr<EditMirror> mirror_;
};

}  // namespace orvo::qt
