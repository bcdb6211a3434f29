// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loaded forms, which one is active, modeless and modal showing, hiding
// and unloading, and a change signal for front ends. A modal form runs the
// desktop's modal loop over the one input queue until it is hidden or
// unloaded; its owner is disabled meanwhile and re-enabled and re-activated
// after. The runtime outlives every form made on it.
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/forms/form.h"
#include "toolkit/forms/forms_event.h"
#include "platform/screen.h"
#include "platform/windowing.h"

namespace orvo::forms {

class FormsRuntime {
 public:
  FormsRuntime(Windowing& windowing, Screen& screen);
  ~FormsRuntime();
  FormsRuntime(const FormsRuntime&) = delete;
  FormsRuntime& operator=(const FormsRuntime&) = delete;

  Windowing& windowing() const { return windowing_; }
  Screen& screen() const { return screen_; }

  // Loads a form that is not loaded (raising Load); it stays hidden. False
  // when its Load unloaded it again.
  bool Load(Form& form);
  // Loads if needed, shows and activates. owner: the window it stays over.
  // False when it could not be shown (its Load unloaded it, or a modal form
  // that does not own it holds the keyboard).
  bool Show(Form& form, Form* owner = nullptr);
  // Shows modally and returns when the form is hidden or unloaded: true then;
  // false when it could not be shown (already visible, or unloaded by its
  // Load), or when input ended while it waited.
  bool ShowModal(Form& form, Form* owner = nullptr);
  void Hide(Form& form);
  // Asks QueryUnload, then unloads the forms it owns and raises Unload.
  // False when a QueryUnload cancelled; the form stays as it was.
  bool Unload(Form& form, UnloadMode mode = UnloadMode::kCode);
  // Makes a shown, enabled form the active one; false when it cannot be.
  bool Activate(Form& form);

  // The form that has the keyboard now, if a form has it.
  Form* ActiveForm() const;
  bool IsModal(const Form& form) const;
  // Loaded forms in load order.
  const std::vector<Form*>& Forms() const { return loaded_; }
  Form* FindByTag(int tag) const;

  // The rectangle (twips) centring the form over a window, or over the screen
  // when there is none or it is minimised.
  Rect CentredRect(const Form& form, const Form* over) const;
  void Centre(Form& form, const Form* over);

  // Observers hear every change, so a front end can re-render.
  using Observer = std::function<void(const FormsEvent&)>;
  int Subscribe(Observer observer);
  void Unsubscribe(int id);

 private:
  friend class Form;

  void Notify(FormsEvent::Kind kind, Form& form);
  void Notify(const FormsEvent& event);
  void Detach(Form& form);  // a form going away without events
  void Reveal(Form& form);
  void LeaveActive(Form& form);
  bool MayActivate(const Form& form) const;
  void Deactivate(Form& form);
  Form* FormOf(const KeyHandler* handler) const;

  Windowing& windowing_;
  Screen& screen_;
  std::vector<Form*> loaded_;
  std::vector<Form*> modal_;
  Form* active_ = nullptr;
  struct Subscription {
    int id;  // 0: unsubscribed while being told; erased once telling ends
    Observer observer;
  };
  // Told on every change, several times a key: telling allocates nothing. An
  // observer may subscribe or unsubscribe while it is told, so each lives on
  // its own and is erased only when no event is being told.
  std::vector<std::unique_ptr<Subscription>> observers_;
  int telling_ = 0;
  int next_id_ = 1;
};

}  // namespace orvo::forms
