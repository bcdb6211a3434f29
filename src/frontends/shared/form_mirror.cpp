// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/form_mirror.h"

#include <optional>
#include <vector>

#include "toolkit/forms/check_box_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/option_button_control.h"
#include "toolkit/forms/text_box_control.h"
#include "frontends/shared/window_pixels.h"

namespace orvo::frontend {

using forms::ControlKind;

// What a peer was last given; a value never given is empty or out of range.
struct FormMirror::Shown {
  forms::Control* holder = nullptr;
  std::optional<Rect> bounds;
  int visible = -1;
  int enabled = -1;
  int focusable = -1;
  std::optional<FontSpec> font;
  std::optional<std::uint32_t> fore, back;
  int fills = -1;
  std::optional<ustring> caption;
  std::optional<ustring> name;
  std::optional<ustring> description;
  // The kinds' own.
  int alignment = -1;
  int focus_frame = -1;
  int is_default = -1;
  int focused = -1;
  int value = -1;
  std::optional<int> picture;
  // Held, so that a new face is never taken for the old one at its address.
  std::optional<std::shared_ptr<const Bitmap>> face;
  Size picture_size{-1, -1};
  std::optional<std::vector<ustring>> items;
  std::optional<int> selected;
};

struct FormMirror::Slot {
  forms::Control* control = nullptr;
  std::unique_ptr<ControlPeer> peer;
  Shown shown;
  bool dirty = true;
};

namespace {

// Whether a peer is of the interface its control's kind needs.
bool FitsKind(ControlPeer& peer, ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return dynamic_cast<LabelPeer*>(&peer) != nullptr;
    case ControlKind::kCommandButton:
      return dynamic_cast<ButtonPeer*>(&peer) != nullptr;
    case ControlKind::kPictureBox:
      return dynamic_cast<PicturePeer*>(&peer) != nullptr;
    case ControlKind::kTextBox:
      return dynamic_cast<TextPeer*>(&peer) != nullptr;
    case ControlKind::kListBox:
      return dynamic_cast<ListPeer*>(&peer) != nullptr;
    case ControlKind::kOptionButton:
      return dynamic_cast<OptionPeer*>(&peer) != nullptr;
    case ControlKind::kCheckBox:
      return dynamic_cast<CheckPeer*>(&peer) != nullptr;
    case ControlKind::kFrame:
      return dynamic_cast<FramePeer*>(&peer) != nullptr;
  }
  return false;
}

bool IsDocument(const forms::Control& c) {
  return c.Kind() == ControlKind::kTextBox && static_cast<const forms::TextBoxControl&>(c).IsDocument();
}

// Whether the control paints its background: buttons and boxes with a
// caption beside them let the window show; a label only when opaque.
bool Fills(const forms::Control& c) {
  switch (c.Kind()) {
    case ControlKind::kLabel:
      return static_cast<const forms::LabelControl&>(c).Opaque();
    case ControlKind::kCommandButton:
    case ControlKind::kOptionButton:
    case ControlKind::kCheckBox:
      return false;
    default:
      return true;
  }
}

template <class T>
bool Differs(std::optional<T>& shown, const T& now) {
  if (shown && *shown == now) return false;
  shown = now;
  return true;
}

bool Differs(int& shown, int now) {
  if (shown == now) return false;
  shown = now;
  return true;
}

}  // namespace

FormMirror::FormMirror(forms::Form& form, FormPeer& peer) : form_(&form), peer_(peer) {
  subscription_ = form.Runtime().Subscribe([this](const forms::FormsEvent& e) { Heard(e); });
}

FormMirror::~FormMirror() { Detach(); }

void FormMirror::Detach() {
  if (form_ == nullptr) return;
  form_->Runtime().Unsubscribe(subscription_);
  form_ = nullptr;
  text_slots_.clear();
  slots_.clear();
}

void FormMirror::Heard(const forms::FormsEvent& e) {
  if (e.form != form_) return;
  using Kind = forms::FormsEvent::Kind;
  using Part = forms::FormsEvent::Part;
  switch (e.kind) {
    case Kind::kUnloaded:
      peer_.Unloaded();
      Detach();
      return;
    case Kind::kChanged:
      break;
    default:
      window_dirty_ = true;
      return;
  }
  switch (e.part) {
    case Part::kControl:
      if (Slot* slot = SlotOf(e.control)) {
        slot->dirty = true;
        controls_dirty_ = true;
      } else {
        structure_dirty_ = true;  // a control not drawn yet may have become visible
      }
      break;
    case Part::kControlAdded:
      structure_dirty_ = true;
      break;
    case Part::kControlRemoved:
      if (Slot* gone = SlotOf(e.control)) std::erase(text_slots_, gone);
      slots_.erase(e.control);
      if (focus_shown_ == e.control) focus_shown_ = nullptr;
      break;
    case Part::kForm:
      window_dirty_ = true;
      break;
    case Part::kMenu:
    case Part::kMenuChildren:
    case Part::kMenuOpen:
      break;  // menus are the window's menu bar's
  }
}

FormMirror::Slot* FormMirror::SlotOf(const forms::Control* control) const {
  auto it = slots_.find(control);
  return it == slots_.end() ? nullptr : it->second.get();
}

ControlPeer* FormMirror::PeerOf(const forms::Control* control) const {
  Slot* slot = SlotOf(control);
  return slot != nullptr ? slot->peer.get() : nullptr;
}

forms::Control* FormMirror::ControlOf(const ControlPeer* peer) const {
  for (const auto& [control, slot] : slots_) {
    if (slot->peer.get() == peer) return slot->control;
  }
  return nullptr;
}

ControlPeer* FormMirror::Find(std::string_view name, int index) const {
  for (const auto& [control, slot] : slots_) {
    if (control->Name() == name && control->Index() == index) return slot->peer.get();
  }
  return nullptr;
}

void FormMirror::Sync() {
  if (form_ == nullptr) return;
  if (structure_dirty_) Build();
  if (controls_dirty_ && !controls_held_) {
    controls_dirty_ = false;
    for (forms::Control* c : form_->Controls()) {
      if (Slot* slot = SlotOf(c); slot != nullptr && slot->dirty) SyncSlot(*slot);
    }
  }
  for (Slot* slot : text_slots_) {
    if (EditControl* box = slot->control->Edit()) static_cast<TextPeer&>(*slot->peer).ShowBox(*box);
  }
  if (window_dirty_) SyncWindow();
  SyncFocus();
}

void FormMirror::Build() {
  structure_dirty_ = false;
  // Holders first, so what they hold can be placed inside them.
  for (int pass = 0; pass < 2; ++pass) {
    for (forms::Control* c : form_->Controls()) {
      if (c->HoldsControls() != (pass == 0) || SlotOf(c) != nullptr || IsDocument(*c)) continue;
      // A hidden text box (a mirror) costs nothing until it is shown.
      if (c->Kind() == ControlKind::kTextBox && !c->Visible()) continue;
      if (Slot* slot = Make(*c)) SyncSlot(*slot);
    }
  }
}

FormMirror::Slot* FormMirror::Make(forms::Control& control) {
  std::unique_ptr<ControlPeer> peer = peer_.MakePeer(control, PeerOf(control.Container()));
  if (peer == nullptr || !FitsKind(*peer, control.Kind())) {
    // Named once, however often a change of the control asks again.
    bool known = false;
    for (const std::string& name : undrawn_) known = known || name == control.Name();
    if (!known) undrawn_.push_back(control.Name());
    return nullptr;
  }
  auto slot = std::make_unique<Slot>();
  slot->control = &control;
  slot->peer = std::move(peer);
  Slot* made = slot.get();
  if (dynamic_cast<TextPeer*>(made->peer.get()) != nullptr) text_slots_.push_back(made);
  slots_[&control] = std::move(slot);
  return made;
}

void FormMirror::SyncSlot(Slot& slot) {
  slot.dirty = false;
  forms::Control& c = *slot.control;
  ControlPeer& p = *slot.peer;
  Shown& d = slot.shown;
  if (c.Container() != d.holder) {
    d.holder = c.Container();
    p.SetHolder(PeerOf(d.holder));
    d.visible = -1;  // a peer given a new holder is hidden
  }
  if (Differs(d.bounds, c.Bounds())) p.SetBounds(c.Bounds());
  if (Differs(d.font, c.Font())) p.SetFont(c.Font());
  const bool fills = Fills(c);
  const bool fore = Differs(d.fore, c.ForeColor());
  const bool back = Differs(d.back, c.BackColor());
  if (Differs(d.fills, fills ? 1 : 0) || fore || back) p.SetColours(c.ForeColor(), c.BackColor(), fills);
  const bool focusable = c.TabStop() && c.CanFocus();
  if (Differs(d.focusable, focusable ? 1 : 0)) p.SetFocusable(focusable);
  if (Differs(d.enabled, c.Enabled() ? 1 : 0)) p.SetEnabled(c.Enabled());

  const bool first_caption = !d.caption.has_value();
  const bool caption_changed = Differs(d.caption, c.Caption());
  if (auto* captioned = dynamic_cast<CaptionPeer*>(&p); captioned != nullptr && caption_changed) {
    captioned->SetCaption(c.Caption());
  }
  switch (c.Kind()) {
    case ControlKind::kLabel: {
      auto& label = static_cast<LabelPeer&>(p);
      const auto alignment = static_cast<forms::LabelControl&>(c).TextAlignment();
      if (Differs(d.alignment, static_cast<int>(alignment))) label.SetAlignment(alignment);
      break;
    }
    case ControlKind::kCommandButton: {
      auto& button = static_cast<ButtonPeer&>(p);
      if (Differs(d.picture, c.Picture())) button.SetPicture(c.Picture());
      if (Differs(d.face, c.Face())) button.SetFace(c.Face());
      break;
    }
    case ControlKind::kPictureBox: {
      const Size size{c.Bounds().width, c.Bounds().height};
      const bool picture = Differs(d.picture, c.Picture());
      const bool face = Differs(d.face, c.Face());
      const bool sized = !(d.picture_size == size);
      d.picture_size = size;
      if (picture || face || sized) static_cast<PicturePeer&>(p).SetPicture(c.Picture(), c.Face(), size);
      break;
    }
    case ControlKind::kListBox: {
      auto& list = static_cast<ListPeer&>(p);
      auto& model = static_cast<forms::ListBoxControl&>(c);
      if (Differs(d.items, model.Items())) {
        list.SetItems(model.Items());
        d.selected.reset();  // new entries: the choice is shown again
      }
      if (Differs(d.selected, model.Selected())) list.SetSelected(model.Selected());
      break;
    }
    case ControlKind::kOptionButton: {
      const bool on = static_cast<forms::OptionButtonControl&>(c).Value();
      if (Differs(d.value, on ? 1 : 0)) static_cast<OptionPeer&>(p).SetValue(on);
      break;
    }
    case ControlKind::kCheckBox: {
      int value = static_cast<forms::CheckBoxControl&>(c).Value();
      if (value < 0 || value > 2) value = 0;
      if (Differs(d.value, value)) static_cast<CheckPeer&>(p).SetValue(value);
      break;
    }
    case ControlKind::kTextBox:
    case ControlKind::kFrame:
      break;
  }
  SyncFocusStates(slot);

  const ustring name = c.AccessibleName();
  if (Differs(d.name, name)) p.SetAccessibleName(name);
  if (Differs(d.description, c.AccessibleDescription())) p.SetDescription(c.AccessibleDescription());
  if (caption_changed && !first_caption && c.Live()) p.AnnounceCaption();
  if (Differs(d.visible, c.Visible() ? 1 : 0)) p.SetVisible(c.Visible());
}

void FormMirror::SyncFocusStates(Slot& slot) {
  forms::Control& c = *slot.control;
  Shown& d = slot.shown;
  switch (c.Kind()) {
    case ControlKind::kLabel:
      if (Differs(d.focus_frame, c.HasFocus() ? 1 : 0)) static_cast<LabelPeer&>(*slot.peer).SetFocusFrame(c.HasFocus());
      break;
    case ControlKind::kCommandButton: {
      // A form without a default button shows the focused one as the one Enter presses.
      const bool is_default = static_cast<forms::CommandButtonControl&>(c).IsDefault() ||
                              (c.Owner().DefaultButton() == nullptr && c.HasFocus());
      if (Differs(d.is_default, is_default ? 1 : 0)) static_cast<ButtonPeer&>(*slot.peer).SetDefault(is_default);
      break;
    }
    case ControlKind::kListBox:
      if (Differs(d.focused, c.HasFocus() ? 1 : 0)) static_cast<ListPeer&>(*slot.peer).SetFocused(c.HasFocus());
      break;
    default:
      break;
  }
}

void FormMirror::SyncWindow() {
  window_dirty_ = false;
  forms::Form& f = *form_;
  WindowLook look;
  look.caption = f.Caption();
  look.description = f.Description();
  look.back = f.BackColor();
  look.outer = OuterPixels(f);
  look.inner = f.InnerPx();
  look.modal = f.Runtime().IsModal(f);
  look.shown = f.Loaded() && f.Visible();
  peer_.ShowWindow(look);
}

void FormMirror::SyncFocus() {
  if (form_ == nullptr) return;  // showing the window may have run an unload
  const forms::Control* focused = form_->Focused();
  if (focus_known_ && focused == focus_shown_) return;
  focus_known_ = true;
  focus_shown_ = focused;
  for (auto& [control, slot] : slots_) {
    if (control->Kind() == ControlKind::kCommandButton) SyncFocusStates(*slot);
  }
  peer_.FocusMoved(PeerOf(focused));
  for (auto& [control, slot] : slots_) {
    if (control->Kind() != ControlKind::kCommandButton) SyncFocusStates(*slot);
  }
}

}  // namespace orvo::frontend
