// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/document_pane.h"

#include "platform/emulated/text_box.h"

namespace orvo::qt {

DocumentPane::DocumentPane(QWidget* parent)
    : widget_(new DocumentEdit(parent)),
      candidates_(new CandidateList(widget_)),
      mirror_(std::make_unique<EditMirror>(*widget_)) {}

DocumentPane::~DocumentPane() { mirror_.reset(); }

void DocumentPane::Show(emu::TextBox* box) {
  box_ = box;
  mirror_->Attach(box);
  if (box == nullptr) {
    candidates_->ShowPage({}, QRect());
    return;
  }
  const emu::ImeEmulator& ime = box->Ime();
  mirror_->Sync();
  mirror_->ShowComposition(PreeditOf(ime));
  const int focused = ime.FocusedClause();
  if (!ime.Converting() || focused < 0) {
    candidates_->ShowPage({}, QRect());
    return;
  }
  const auto clauses = ime.Clauses();
  if (focused >= static_cast<int>(clauses.size())) return;
  int offset = 0;
  for (int i = 0; i < focused; ++i) offset += static_cast<int>(clauses[static_cast<std::size_t>(i)].text.size());
  const auto& clause = clauses[static_cast<std::size_t>(focused)];
  // The clause as drawn: from its first character to the next clause's.
  const QRect from = widget_->PreeditRect(offset);
  const QRect to = widget_->PreeditRect(offset + static_cast<int>(clause.text.size()));
  const QRect drawn = to.top() == from.top() ? from.united(to) : from;
  candidates_->ShowPage(PageOf(clause.candidates, clause.selected), drawn);
}

}  // namespace orvo::qt
