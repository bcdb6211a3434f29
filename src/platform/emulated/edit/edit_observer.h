// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Told of every change of an edit control's text as it happens, so that a view
// showing the text can follow it piece by piece instead of comparing texts.
// The selection, the scroll position and the looks are read by the view when
// it draws; only the text's changes need telling, in order.
namespace orvo::emu {

class EditObserver {
 public:
  virtual ~EditObserver() = default;
  // [start, start + removed) of the old text became [start, start + inserted).
  virtual void TextReplaced(int start, int removed, int inserted) = 0;
  // The whole text was set anew.
  virtual void TextReset() = 0;
  // The control is being destroyed.
  virtual void ModelGone() = 0;
};

}  // namespace orvo::emu
