// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's document on the screen: the text box the program has
// active, shown in the document widget with its IME composition in place and
// the candidate list under the focused clause while converting.
#include <memory>

#include "frontends/qt/candidate_list.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/edit_mirror.h"

namespace orvo::emu {
class TextBox;
}

namespace orvo::qt {

class DocumentPane {
 public:
  explicit DocumentPane(QWidget* parent);
  ~DocumentPane();
  DocumentPane(const DocumentPane&) = delete;
  DocumentPane& operator=(const DocumentPane&) = delete;

  // The box to show (null: none); after every event the program handled.
  void Show(emu::TextBox* box);
  emu::TextBox* Box() const { return box_; }

  DocumentEdit& Widget() { return *widget_; }
  void SetSingleLine(bool single) {
    mirror_->SetSingleLine(single);
    candidates_->SetFloating(single);  // a one-line box has no room for the list
  }
  CandidateList& Candidates() { return *candidates_; }

 private:
  DocumentEdit* widget_;  // owned by the parent
  CandidateList* candidates_;
  std::unique_ptr<EditMirror> mirror_;
  emu::TextBox* box_ = nullptr;
};

}  // namespace orvo::qt
