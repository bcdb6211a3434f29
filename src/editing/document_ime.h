// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IME bound to the document box: released before the text moves to the
// other box of the pair, bound again to the box that shows it.
namespace orvo::editing {

class DocumentIme {
 public:
  virtual ~DocumentIme() = default;
  virtual void ReleaseIme() = 0;
  virtual void BindIme() = 0;
};

}  // namespace orvo::editing
