// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/form_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "frontends/qt/desktop_colours.h"
#include "frontends/qt/forms/focus_ring.h"
#include "frontends/qt/forms/text_fit.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/keyboard_focus.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

// A form in a window of its own stands over the main window and is answered
// before going on: readers name it a dialog, not an unnamed filler.
QAccessibleInterface* WindowRole(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(FormView::staticMetaObject.className())) return nullptr;
  auto* view = static_cast<FormView*>(object);
  return view->TopLevel() ? new QAccessibleWidget(view, QAccessible::Dialog) : nullptr;
}

}  // namespace

FormView::FormView(forms::Form& form, std::function<void()> settle, Options options, QWidget* parent)
    : QWidget(parent), settle_(std::move(settle)), options_(std::move(options)) {
  static const bool role_installed = [] {
    QAccessible::installFactory(WindowRole);
    return true;
  }();
  (void)role_installed;
  if (options_.top_level) setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setObjectName(QString::fromStdString(form.Name()));
  if (options_.top_level) {
    // A window larger than the screen's work area scrolls; its controls are never off the screen.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->viewport()->setAutoFillBackground(false);
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setAutoFillBackground(true);
    canvas_->setAttribute(Qt::WA_InputMethodEnabled, false);
    scroll_->setWidget(canvas_);
    ring_ = new FocusRing(*canvas_);
  }
  frontend::FormPeer& peer = *this;
  mirror_ = std::make_unique<frontend::FormMirror>(form, peer);
}

FormView::~FormView() { mirror_.reset(); }

void FormView::Sync() {
  mirror_->Sync();
  if (Model() == nullptr) return;
  FitCaptions();
  KeepKeyboard();
}

void FormView::FitCaptions() {
  if (!options_.top_level) return;  // a window that holds this view lays it out
  constexpr double kMostGrowth = 3.0;
  // The margins stay as the style has them while the room grows: a second
  // look settles what the first growth left short.
  for (int pass = 0; pass < 3; ++pass) {
    double wanted = fit_;
    const QList<QWidget*> widgets = canvas_->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
      if (PeerOfWidget(widget) == nullptr || !widget->isVisibleTo(canvas_)) continue;
      if (widget->width() < 2 || widget->height() < 2) continue;
      wanted = std::max(wanted, fit_ * GrowthFor(*widget));
    }
    wanted = std::min(std::ceil(wanted * 16) / 16, kMostGrowth);
    if (wanted <= fit_) return;
    fit_ = wanted;
    SetFitOf(*canvas_, fit_);
    for (QWidget* widget : widgets) {
      if (WidgetPeer* peer = PeerOfWidget(widget)) peer->Place(fit_);
    }
    LayOutWindow();
  }
}

std::unique_ptr<frontend::ControlPeer> FormView::MakePeer(forms::Control& control, frontend::ControlPeer* holder) {
  const ControlKindRow* row = RowFor(control.Kind());
  if (row == nullptr) {
    qWarning("A control of a kind no view draws: %s", control.Name().c_str());
    return nullptr;
  }
  QWidget* parent = qt::WidgetOf(holder);
  auto peer = row->make(control, parent != nullptr ? *parent : *canvas_, *canvas_,
                        [this](std::function<void()> action) { Act(action); });
  QWidget& widget = *qt::WidgetOf(peer.get());
  widget.setObjectName(QString::fromStdString(control.Name()));
  widget.setAttribute(Qt::WA_InputMethodEnabled, false);
  widget.installEventFilter(this);
  if (control.HoldsControls()) widget.lower();  // strips and frames lie under what sits on them
  return peer;
}

void FormView::ShowWindow(const frontend::WindowLook& look) {
  // The window's face: the program's colour, or the desktop's where it has its own.
  const QColor back = GivesWay(look.back, ColourUse::kBackground) ? QApplication::palette(this).color(QPalette::Window)
                                                                   : ToQColor(look.back);
  QPalette pal = palette();
  if (pal.color(QPalette::Window) != back) {
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    setPalette(pal);
    setAutoFillBackground(true);
  }
  if (!options_.top_level) return;
  const QString title = ToQ(look.caption);
  if (windowTitle() != title) setWindowTitle(title);
  if (accessibleName() != title) setAccessibleName(title);
  const QString description = ToQ(look.description);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  look_ = look;
  look_known_ = true;
  LayOutWindow();
  const Qt::WindowModality modality = look.modal ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != modality) {
    if (isVisible()) hide();  // modality is set on a hidden window only
    setWindowModality(modality);
  }
  if (look.shown != isVisible()) {
    setVisible(look.shown);
    // Shown, the window has its frame: the work area holds the frame too.
    if (look.shown) LayOutWindow();
  }
}

void FormView::LayOutWindow() {
  if (!look_known_ || scroll_ == nullptr) return;
  const QSize content = Scaled(QRect(0, 0, look_.inner.width, look_.inner.height), fit_).size();
  if (canvas_->size() != content) canvas_->resize(content);
  QSize inner = content;
  QPoint at(look_.outer.left, look_.outer.top);
  if (const QScreen* shown_on = screen()) {
    const QRect room = shown_on->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    const QSize most(std::max(1, room.width() - frame.width()), std::max(1, room.height() - frame.height()));
    // A scroll bar takes room from the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    const bool tall = content.height() > most.height();
    const bool wide = content.width() + (tall ? bar : 0) > most.width();
    const bool tall_too = tall || content.height() + (wide ? bar : 0) > most.height();
    inner = QSize(std::min(content.width() + (tall_too ? bar : 0), most.width()),
                  std::min(content.height() + (wide ? bar : 0), most.height()));
    const QSize outer = inner + frame;
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
  }
  if (size() != inner) setFixedSize(inner);
  if (scroll_->size() != inner) scroll_->resize(inner);
  if (pos() != at) move(at);
}

void FormView::FocusMoved(frontend::ControlPeer* peer) {
  if (!options_.top_level) return;  // a window that holds this view decides where its keyboard is
  QWidget* widget = qt::WidgetOf(peer);
  if (widget != nullptr && widget->isVisible()) widget->setFocus();
}

void FormView::Unloaded() { hide(); }

void FormView::KeepKeyboard() {
  // The window the program has active keeps the desktop's keyboard: it takes
  // it when its form becomes the active one, and takes it back for as long as
  // it is on another of the program's windows (one this window blocks; Qt may
  // still call this window active then, and the window system passes over a
  // request older than the person's move). Asked for only then: each request
  // is a round trip to the window system whose answer wakes the program
  // again, and a keyboard given to another program is that person's choice.
  if (!options_.top_level || !isVisible() || Model()->Runtime().ActiveForm() != Model()) {
    keeping_keyboard_ = false;
    return;
  }
  const bool elsewhere =
      options_.keyboard != nullptr ? options_.keyboard->OnAnotherWindowThan(*this) : !isActiveWindow();
  if (keeping_keyboard_ && !elsewhere) return;
  keeping_keyboard_ = true;
  raise();
  activateWindow();
}

void FormView::Act(const std::function<void()>& action) {
  if (Model() == nullptr) return;
  action();
  if (settle_) settle_();
}

QWidget* FormView::WidgetOf(std::string_view name, int index) const {
  return qt::WidgetOf(mirror_->Find(name, index));
}

forms::Control* FormView::ControlOf(const QWidget* widget) const {
  WidgetPeer* peer = PeerOfWidget(widget);
  return peer != nullptr ? &peer->Control() : nullptr;
}

void FormView::FollowFocus(QObject* watched, QEvent::Type type) {
  auto* widget = qobject_cast<QWidget*>(watched);
  // A label that takes the keyboard (a colour swatch) draws its own frame.
  if (ring_ == nullptr || widget == nullptr || qobject_cast<QLabel*>(widget) != nullptr) return;
  if (type == QEvent::FocusIn) {
    scroll_->ensureWidgetVisible(widget);
    ring_->Follow(widget);
  } else if (ring_->Target() == widget) {
    if (type == QEvent::FocusOut) {
      ring_->Follow(nullptr);
    } else {
      ring_->Refresh();
    }
  }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Move || type == QEvent::Resize ||
      type == QEvent::Show || type == QEvent::Hide) {
    FollowFocus(watched, type);
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
    return QWidget::eventFilter(watched, event);
  }
  WidgetPeer* peer = PeerOfWidget(watched);
  if (peer == nullptr || Model() == nullptr) return QWidget::eventFilter(watched, event);
  forms::Control* control = &peer->Control();
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const int button = ButtonNumber(mouse->button());
  const ControlKindRow* row = RowFor(control->Kind());
  if (type == QEvent::MouseButtonPress) {
    Act([control, button] { control->MouseDown(button); });
  } else if (type == QEvent::MouseButtonDblClick) {
    Act([control] { control->DoubleClick(); });
  } else if (row != nullptr && row->clicks_on_release && button == 1) {
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->rect().contains(mouse->position().toPoint())) Act([control] { control->Click(); });
  }
  return QWidget::eventFilter(watched, event);
}

void FormView::closeEvent(QCloseEvent* event) {
  event->ignore();  // the model decides: its close box, when it has one, unloads it
  if (Model() != nullptr && Model()->CloseEnabled()) {
    forms::Form* form = Model();
    Act([form] { form->Close(); });
  }
}

}  // namespace orvo::qt
