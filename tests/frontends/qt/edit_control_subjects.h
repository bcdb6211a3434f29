// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model shown in the Qt document widget, as a subject of the edit-control
// contract: it is given its view size through the widget, and the lines it
// shows are the widget's blocks.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <vector>

#include "frontends/qt/qt_edit_control.h"
#include "frontends/qt/qt_app.h"

namespace orvo::testing {

// The application exists before the widget is made.
struct WithApp {
  WithApp() { App(); }
};

struct WidgetSubject : WithApp {
  static constexpr const char* kName = "QtWidget";
  void SetViewSize(int columns, int lines) { edit.Mirror().SetViewSize(columns, lines); }
  std::vector<int> ShownLines() const {
    std::vector<int> lengths;
    for (QTextBlock b = edit.Widget()->document()->begin(); b.isValid(); b = b.next()) {
      lengths.push_back(static_cast<int>(b.length()) - 1);
    }
    return lengths;
  }
  qt::QtEditControl edit;
};

}  // namespace orvo::testing
