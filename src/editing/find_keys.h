// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys the find dialog passes on to braille input, after its own: in
// braille mode its two boxes take chords as the document does.
namespace orvo::editing {

class FindKeys {
 public:
  virtual ~FindKeys() = default;
  virtual bool BrailleMode() const = 0;
  // The dialog's key preview (F1 switches braille input there too).
  virtual void FormKeyDown(int& key, int shift) = 0;
  virtual void FormKeyUp(int& key, int shift) = 0;
  virtual void FormKeyRepeat(int& key) = 0;
  // The keyboard went elsewhere mid-chord.
  virtual void DropHalfChord() = 0;
  // A key in one of the two boxes.
  virtual void TextKeyDown(int& key, int shift) = 0;
  virtual void TextKeyUp(int& key, int shift) = 0;
};

}  // namespace orvo::editing
