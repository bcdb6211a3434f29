// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a front end implements to show a form: one peer per control, of the
// interface of the control's kind, and the form's own peer for the window.
// The form mirror calls each only with what changed since it last did, in
// pixels; a peer converts nothing and decides nothing.
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/forms/control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/window_utils/bitmap.h"
#include "platform/edit_control.h"
#include "platform/font_metrics.h"
#include "platform/geometry.h"
#include "platform/text.h"

namespace orvo::frontend {

// What every kind of control shows.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;

  // The peer of the frame or picture box that now holds the control (null:
  // the window). A peer given a new holder stays hidden until shown again.
  virtual void SetHolder(ControlPeer* holder) = 0;
  // Pixels of the holder's inner area.
  virtual void SetBounds(const Rect& px) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  // fills: whether the control paints its background in `back` (or lets the window show).
  virtual void SetColours(std::uint32_t fore, std::uint32_t back, bool fills) = 0;
  // Whether Tab and a click give it the keyboard.
  virtual void SetFocusable(bool focusable) = 0;
  // What screen readers name and describe it as (the description is its tooltip too).
  virtual void SetAccessibleName(const ustring& name) = 0;
  virtual void SetDescription(const ustring& description) = 0;
  // A live display's caption changed after it was first drawn: readers are to hear it.
  virtual void AnnounceCaption() = 0;
};

// A kind that shows its caption.
class CaptionPeer : public ControlPeer {
 public:
  virtual void SetCaption(const ustring& caption) = 0;
};

class LabelPeer : public CaptionPeer {
 public:
  virtual void SetAlignment(forms::LabelControl::Alignment alignment) = 0;
  // A focusable label (a colour swatch) draws where the keyboard is itself.
  virtual void SetFocusFrame(bool shown) = 0;
};

class ButtonPeer : public CaptionPeer {
 public:
  virtual void SetPicture(int picture) = 0;  // forms::kNoPicture for none
  // Drawn under the caption and picture from the top left; null for none.
  virtual void SetFace(const std::shared_ptr<const Bitmap>& face) = 0;
  // The one Enter presses.
  virtual void SetDefault(bool is_default) = 0;
};

class PicturePeer : public ControlPeer {
 public:
  // The picture (forms::kNoPicture for none) over the face (null for none),
  // for a control of `size` pixels.
  virtual void SetPicture(int picture, const std::shared_ptr<const Bitmap>& face, Size size) = 0;
};

class TextPeer : public ControlPeer {
 public:
  // At every sync: the edit control to show, whose own changes the peer follows.
  virtual void ShowBox(EditControl& box) = 0;
};

class ListPeer : public ControlPeer {
 public:
  virtual void SetItems(const std::vector<ustring>& items) = 0;
  virtual void SetSelected(int row) = 0;  // -1: none
  // A list shows its current entry as such only while it has the keyboard.
  virtual void SetFocused(bool focused) = 0;
};

class OptionPeer : public CaptionPeer {
 public:
  virtual void SetValue(bool on) = 0;
};

class CheckPeer : public CaptionPeer {
 public:
  virtual void SetValue(int value) = 0;  // 0 clear, 1 ticked, 2 greyed
};

class FramePeer : public CaptionPeer {};

// The window as the form's model has it now, in pixels.
struct WindowLook {
  ustring caption;
  ustring description;
  std::uint32_t back = forms::colour::kButtonFace;
  Rect outer{};  // the outer frame on the screen
  Size inner{};  // the inner area, where the controls are
  bool modal = false;
  bool shown = false;
};

// The front end's side of one form: it makes the controls' peers and shows the window.
class FormPeer {
 public:
  virtual ~FormPeer() = default;

  // A peer for `control` inside `holder` (null: the window), of the
  // interface of its kind; null for a kind this front end does not draw.
  virtual std::unique_ptr<ControlPeer> MakePeer(forms::Control& control, ControlPeer* holder) = 0;
  // After the window's look may have changed; the peer compares with the screen.
  virtual void ShowWindow(const WindowLook& look) = 0;
  // The form's focus moved to the control of `peer` (null: to none, or to a
  // control without a peer): the keyboard goes there if it is on the screen.
  // What the controls show of it (default button, focus frame) the mirror gives them.
  virtual void FocusMoved(ControlPeer* peer) = 0;
  // The form was unloaded; its controls' peers go right after.
  virtual void Unloaded() = 0;
};

}  // namespace orvo::frontend
