// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/form_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMouseEvent>

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
  frontend::FormPeer& peer = *this;
  mirror_ = std::make_unique<frontend::FormMirror>(form, peer);
}

FormView::~FormView() { mirror_.reset(); }

void FormView::Sync() {
  mirror_->Sync();
  if (Model() != nullptr) KeepKeyboard();
}

std::unique_ptr<frontend::ControlPeer> FormView::MakePeer(forms::Control& control, frontend::ControlPeer* holder) {
  const ControlKindRow* row = RowFor(control.Kind());
  if (row == nullptr) {
    qWarning("A control of a kind no view draws: %s", control.Name().c_str());
    return nullptr;
  }
  QWidget* parent = qt::WidgetOf(holder);
  auto peer = row->make(control, parent != nullptr ? *parent : *this, *this,
                        [this](std::function<void()> action) { Act(action); });
  QWidget& widget = *qt::WidgetOf(peer.get());
  widget.setObjectName(QString::fromStdString(control.Name()));
  widget.setAttribute(Qt::WA_InputMethodEnabled, false);
  widget.installEventFilter(this);
  if (control.HoldsControls()) widget.lower();  // strips and frames lie under what sits on them
  return peer;
}

void FormView::ShowWindow(const frontend::WindowLook& look) {
  QPalette pal = palette();
  if (pal.color(QPalette::Window) != ToQColor(look.back)) {
    pal.setColor(QPalette::Window, ToQColor(look.back));
    pal.setColor(QPalette::Button, ToQColor(look.back));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  if (!options_.top_level) return;
  const QString title = ToQ(look.caption);
  if (windowTitle() != title) setWindowTitle(title);
  if (accessibleName() != title) setAccessibleName(title);
  const QString description = ToQ(look.description);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  if (size() != QSize(look.inner.width, look.inner.height)) setFixedSize(look.inner.width, look.inner.height);
  const QPoint at(look.outer.left, look.outer.top);
  if (pos() != at) move(at);
  const Qt::WindowModality modality = look.modal ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != modality) {
    if (isVisible()) hide();  // modality is set on a hidden window only
    setWindowModality(modality);
  }
  if (look.shown != isVisible()) setVisible(look.shown);
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

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
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
