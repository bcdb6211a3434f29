// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt peers of the form mirror: each kind of control drawn as a Qt widget,
// set from what the mirror gives it, with the widget's own signals of a
// person's action wired to the control's model. Each kind has its row.
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

#include "frontends/shared/control_peers.h"

namespace orvo::qt {

// Runs a person's action on the models, then settles.
using Act = std::function<void(std::function<void()>)>;

// What every peer made here is: a widget that draws one control.
class WidgetPeer {
 public:
  WidgetPeer(QWidget& widget, forms::Control& control);
  // The widget goes once control returns to the event loop: it may be running
  // the click that removed its control.
  virtual ~WidgetPeer();
  WidgetPeer(const WidgetPeer&) = delete;
  WidgetPeer& operator=(const WidgetPeer&) = delete;

  QWidget& Widget() const { return widget_; }
  forms::Control& Control() const { return control_; }
  // Where the model has the control, in pixels of its holder before any fitting.
  const QRect& ModelBounds() const { return bounds_; }
  // Places the widget at its model's place, everything times `fit`.
  void Place(double fit);
  // The growth it was last placed with.
  double Fit() const { return fit_; }

 protected:
  // After each placing: what the widget draws at its size follows the growth.
  virtual void Placed() {}

  QRect bounds_;

 private:
  QWidget& widget_;
  forms::Control& control_;
  double fit_ = 1.0;
};

// How much larger than its model a window's controls are drawn, for their
// captions to fit (1: as the model has them); kept on the widget that holds them.
double FitOf(const QWidget& window);
void SetFitOf(QWidget& window, double fit);
// A rectangle times `fit`, its edges rounded, so that neighbours stay neighbours.
QRect Scaled(const QRect& r, double fit);

// The widget of a peer made here, or null.
QWidget* WidgetOf(frontend::ControlPeer* peer);
// The peer drawn by a widget, or null (for a widget of no peer, or of one gone).
WidgetPeer* PeerOfWidget(const QObject* widget);

struct ControlKindRow {
  forms::ControlKind kind;
  // Makes the peer with its widget in `parent`; `window` holds the controls
  // no frame holds. The widget's own signals of a person's action go to `act`.
  std::unique_ptr<frontend::ControlPeer> (*make)(forms::Control& control, QWidget& parent, QWidget& window,
                                                 const Act& act);
  // Labels and pictures report a click on their own mouse release.
  bool clicks_on_release;
};

// The row for a kind; null for a kind no row draws.
const ControlKindRow* RowFor(forms::ControlKind kind);

}  // namespace orvo::qt
