// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_edit_control.h"

namespace orvo::qt {

QtEditControl::QtEditControl(QWidget* parent)
    : widget_(new DocumentEdit(parent)), mirror_(std::make_unique<EditMirror>(*widget_)) {
  mirror_->Attach(this);
}

QtEditControl::~QtEditControl() {
  mirror_.reset();
  delete widget_.data();
}

}  // namespace orvo::qt
