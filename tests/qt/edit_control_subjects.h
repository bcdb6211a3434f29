#pragma once
// The edit controls that promise one behaviour, made for the typed contract
// suite: the emulated model, and the model shown in the Qt document widget.
// Each can be given a view size and tells how many lines it shows.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <vector>

#include "platform/emulated/edit/edit_control_model.h"
#include "platform/qt/qt_edit_control.h"
#include "qt/qt_app.h"

namespace orvo::testing {

// Characters of each line of a CR LF text.
inline std::vector<int> LineLengths(const ustring& text) {
  std::vector<int> lengths;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(u"\r\n", start)) != ustring::npos; start = end + 2) {
    lengths.push_back(static_cast<int>(end - start));
  }
  lengths.push_back(static_cast<int>(text.size() - start));
  return lengths;
}

struct ModelSubject {
  static constexpr const char* kName = "Model";
  void SetViewSize(int columns, int lines) { edit.SetViewSize(columns, lines); }
  // Characters of each line the control shows: the model draws nothing.
  std::vector<int> ShownLines() const { return LineLengths(edit.Text()); }
  emu::EditControlModel edit;
};

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
