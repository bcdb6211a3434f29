// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any form of the forms runtime on the screen: the form mirror's Qt side. It
// makes a widget peer per control by the kind's row and, as a top-level
// window, follows the form's caption, place, size, showing and modality.
// Mouse actions go to the control models; keys never stop here (they go
// through the program's one input queue). Screen readers get each control's
// name, description and role from its model, and hear live displays change.
#include <QEvent>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/forms/forms_runtime.h"
#include "frontends/shared/form_mirror.h"

namespace orvo::qt {

class FocusRing;
class KeyboardFocus;

class FormView : public QWidget, private frontend::FormPeer {
  Q_OBJECT

 public:
  struct Options {
    // A window of its own (true), or the inner area of a window that holds it.
    bool top_level = true;
    // Where the desktop's keyboard is (null: as Qt says).
    const KeyboardFocus* keyboard = nullptr;
  };

  // settle: runs after a person's action reached a model.
  FormView(forms::Form& form, std::function<void()> settle, Options options, QWidget* parent = nullptr);
  ~FormView() override;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  // Null once the form was unloaded.
  forms::Form* Model() const { return mirror_->Model(); }
  // How much larger than the model says the controls are drawn so that every
  // caption fits in the font it is drawn in (1: as the model says). It only grows.
  double Growth() const { return fit_; }
  // What holds the controls: the window itself, or the area a window too
  // large for the screen scrolls.
  QWidget& Canvas() const { return *canvas_; }
  bool TopLevel() const { return options_.top_level; }
  // Brings the widgets up to date with what the runtime reported since the last time.
  void Sync();
  // See FormMirror::HoldControls.
  void HoldControls(bool held) { mirror_->HoldControls(held); }

  QWidget* WidgetOf(std::string_view name, int index = -1) const;
  // The ring drawn around the control that has the keyboard (null: a view inside another window).
  const FocusRing* Ring() const { return ring_; }
  template <class W>
  W* Find(std::string_view name, int index = -1) const {
    return qobject_cast<W*>(WidgetOf(name, index));
  }
  // The control a widget draws, or null.
  forms::Control* ControlOf(const QWidget* widget) const;
  // Controls no row knows how to draw, by name: a new kind needs its row.
  const std::vector<std::string>& Undrawn() const { return mirror_->Undrawn(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<frontend::ControlPeer> MakePeer(forms::Control& control, frontend::ControlPeer* holder) override;
  void ShowWindow(const frontend::WindowLook& look) override;
  void FocusMoved(frontend::ControlPeer* peer) override;
  void Unloaded() override;
  void KeepKeyboard();
  // Grows the controls and the window until every shown caption fits.
  void FitCaptions();
  // The window's size and place for the model's look and the growth, inside the screen's work area.
  void LayOutWindow();
  // The focus ring goes where the keyboard is, and follows the control it rings.
  void FollowFocus(QObject* watched, QEvent::Type type);
  void Act(const std::function<void()>& action);

  std::function<void()> settle_;
  Options options_;
  std::unique_ptr<frontend::FormMirror> mirror_;
  QWidget* canvas_ = this;
  QScrollArea* scroll_ = nullptr;  // top-level windows only
  FocusRing* ring_ = nullptr;      // a child of the canvas; top-level windows only
  double fit_ = 1.0;
  frontend::WindowLook look_;
  bool look_known_ = false;  // a child; top-level windows only
  bool keeping_keyboard_ = false;  // the form is the active one and its window took the keyboard
};

}  // namespace orvo::qt
