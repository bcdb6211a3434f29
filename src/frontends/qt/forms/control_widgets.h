#pragma once
// How each kind of control model is drawn: the Qt widget made for it and the
// kind's own state (check value, list entries, picture, default button)
// brought over from the model. Properties every kind shares (place, caption,
// fonts, colours, names) are the form view's.
#include <QWidget>
#include <functional>

#include "toolkit/forms/control.h"

namespace orvo::qt {

struct ControlKindRow {
  forms::ControlKind kind;
  // Makes the widget in `parent`; the text box's is made by the form view itself.
  QWidget* (*make)(QWidget* parent);
  // The kind's own state; the caption too where the kind shows it.
  void (*sync)(QWidget& widget, forms::Control& control);
  // Connects the widget's own signals of a person's action to `act`, which runs
  // the action on the model and settles; null for kinds without such signals.
  void (*wire)(QWidget& widget, forms::Control& control, const std::function<void(std::function<void()>)>& act);
  // Labels and pictures report a click on their own mouse release.
  bool clicks_on_release;
};

// The row for a kind; null for a kind no row draws.
const ControlKindRow* RowFor(forms::ControlKind kind);

}  // namespace orvo::qt
