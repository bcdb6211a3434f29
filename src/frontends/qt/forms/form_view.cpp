#include "frontends/qt/forms/form_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMouseEvent>

#include "platform/emulated/text_box.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/text_box_control.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/font_map.h"
#include "frontends/qt/forms/control_widgets.h"
#include "frontends/qt/keyboard_focus.h"
#include "frontends/qt/picture_set.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"

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

void SetColours(QWidget& widget, std::uint32_t fore, std::uint32_t back, bool fills) {
  QPalette pal = widget.palette();
  const QColor f = ToQColor(fore);
  const QColor b = ToQColor(back);
  pal.setColor(QPalette::WindowText, f);
  pal.setColor(QPalette::ButtonText, f);
  pal.setColor(QPalette::Text, f);
  pal.setColor(QPalette::Button, b);
  if (fills) {
    pal.setColor(QPalette::Window, b);
    pal.setColor(QPalette::Base, b);
  }
  widget.setPalette(pal);
  widget.setAutoFillBackground(fills);
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
    : QWidget(parent), form_(&form), settle_(std::move(settle)), options_(std::move(options)) {
  static const bool role_installed = [] {
    QAccessible::installFactory(WindowRole);
    return true;
  }();
  (void)role_installed;
  if (options_.top_level) setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setObjectName(QString::fromStdString(form.Name()));
  subscription_ = form.Runtime().Subscribe([this](const forms::FormsEvent& e) { Heard(e); });
}

FormView::~FormView() { Detach(); }

void FormView::Detach() {
  if (form_ == nullptr) return;
  form_->Runtime().Unsubscribe(subscription_);
  form_ = nullptr;
  for (auto& [control, slot] : slots_) {
    if (slot->widget != nullptr) slot->widget->removeEventFilter(this);
  }
  by_widget_.clear();
  slots_.clear();  // the panes let go of their boxes; the widgets go with this view
}

void FormView::Heard(const forms::FormsEvent& e) {
  if (e.form != form_) return;
  using Kind = forms::FormsEvent::Kind;
  using Part = forms::FormsEvent::Part;
  switch (e.kind) {
    case Kind::kUnloaded:
      hide();
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
      if (auto it = slots_.find(e.control); it != slots_.end()) {
        QWidget* widget = it->second->widget;
        by_widget_.erase(widget);
        it->second->pane.reset();
        if (widget != nullptr) widget->deleteLater();
        slots_.erase(it);
      }
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

FormView::Slot* FormView::SlotOf(const forms::Control* control) {
  auto it = slots_.find(control);
  return it == slots_.end() ? nullptr : it->second.get();
}

void FormView::Sync() {
  if (form_ == nullptr) return;
  if (structure_dirty_) Build();
  if (controls_dirty_) {
    controls_dirty_ = false;
    for (forms::Control* c : form_->Controls()) {
      if (Slot* slot = SlotOf(c); slot != nullptr && slot->dirty) SyncSlot(*slot);
    }
  }
  for (auto& [control, slot] : slots_) {
    if (slot->pane) slot->pane->Show(dynamic_cast<emu::TextBox*>(slot->control->Edit()));
  }
  if (window_dirty_) SyncWindow();
  KeepKeyboard();
  FollowFocus();
}

void FormView::Build() {
  structure_dirty_ = false;
  // Holders first, so what they hold can be placed inside them.
  for (int pass = 0; pass < 2; ++pass) {
    for (forms::Control* c : form_->Controls()) {
      if (c->HoldsControls() != (pass == 0) || SlotOf(c) != nullptr) continue;
      if (options_.drawn_elsewhere && options_.drawn_elsewhere(*c)) continue;
      // A hidden text box (a mirror) costs nothing until it is shown.
      if (c->Kind() == forms::ControlKind::kTextBox && !c->Visible()) continue;
      if (Slot* slot = Make(*c)) SyncSlot(*slot);
    }
  }
}

FormView::Slot* FormView::Make(forms::Control& control) {
  const ControlKindRow* row = RowFor(control.Kind());
  if (row == nullptr) {
    undrawn_.push_back(control.Name());
    qWarning("A control of a kind no view draws: %s", control.Name().c_str());
    return nullptr;
  }
  auto slot = std::make_unique<Slot>();
  slot->control = &control;
  slot->row = row;
  QWidget* parent = ParentFor(control);
  if (row->make != nullptr) {
    slot->widget = row->make(parent);
  } else {
    slot->pane = std::make_unique<DocumentPane>(parent);
    slot->widget = &slot->pane->Widget();
    slot->pane->SetSingleLine(!static_cast<forms::TextBoxControl&>(control).Multiline());
  }
  slot->widget->setObjectName(QString::fromStdString(control.Name()));
  slot->widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  slot->widget->installEventFilter(this);
  if (control.HoldsControls()) slot->widget->lower();  // strips and frames lie under what sits on them
  if (row->wire != nullptr) {
    row->wire(*slot->widget, control, [this](std::function<void()> action) { Act(action); });
  }
  by_widget_[slot->widget] = &control;
  Slot* made = slot.get();
  slots_[&control] = std::move(slot);
  return made;
}

QWidget* FormView::ParentFor(const forms::Control& control) {
  Slot* holder = SlotOf(control.Container());
  return holder != nullptr ? holder->widget : this;
}

void FormView::SyncSlot(Slot& slot) {
  slot.dirty = false;
  forms::Control& c = *slot.control;
  QWidget& w = *slot.widget;
  Drawn& d = slot.drawn;
  if (c.Container() != d.holder) {
    d.holder = c.Container();
    QWidget* parent = ParentFor(c);
    if (w.parentWidget() != parent) w.setParent(parent);
    d.visible = -1;  // a widget given a new parent is hidden
  }
  if (c.Bounds() != d.bounds) {
    d.bounds = c.Bounds();
    w.setGeometry(d.bounds.left, d.bounds.top, d.bounds.width, d.bounds.height);
  }
  if (!(c.Font() == d.font)) {
    d.font = c.Font();
    w.setFont(ToQFont(d.font));
  }
  const bool label = c.Kind() == forms::ControlKind::kLabel;
  const bool fills = label ? static_cast<const forms::LabelControl&>(c).Opaque()
                           : c.Kind() != forms::ControlKind::kCommandButton &&
                                 c.Kind() != forms::ControlKind::kOptionButton && c.Kind() != forms::ControlKind::kCheckBox;
  if (c.ForeColor() != d.fore || c.BackColor() != d.back) {
    d.fore = c.ForeColor();
    d.back = c.BackColor();
    if (!slot.pane) SetColours(w, d.fore, d.back, fills);  // a text box takes its colours from its edit control
  }
  const int policy = c.TabStop() && c.CanFocus() ? Qt::StrongFocus : Qt::NoFocus;
  if (policy != d.focus_policy && !slot.pane) {
    d.focus_policy = policy;
    w.setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
  }
  if (static_cast<int>(c.Enabled()) != d.enabled) {
    d.enabled = c.Enabled() ? 1 : 0;
    w.setEnabled(c.Enabled());
  }
  slot.row->sync(w, c);
  const ustring name = c.AccessibleName();
  if (name != d.name) {
    d.name = name;
    w.setAccessibleName(ToQ(name));
  }
  if (c.AccessibleDescription() != d.description) {
    d.description = c.AccessibleDescription();
    w.setAccessibleDescription(ToQ(d.description));
    w.setToolTip(ToQ(d.description));
  }
  if (c.Caption() != d.caption) {
    const bool first = d.caption.empty() && d.visible < 0;
    d.caption = c.Caption();
    if (c.Live() && !first) {
      QAccessibleEvent renamed(&w, QAccessible::NameChanged);
      TellReaders(renamed);
    }
  }
  if (static_cast<int>(c.Visible()) != d.visible) {
    d.visible = c.Visible() ? 1 : 0;
    w.setVisible(c.Visible());
  }
}

void FormView::SyncWindow() {
  window_dirty_ = false;
  forms::Form& f = *form_;
  QPalette pal = palette();
  if (pal.color(QPalette::Window) != ToQColor(f.BackColor())) {
    pal.setColor(QPalette::Window, ToQColor(f.BackColor()));
    pal.setColor(QPalette::Button, ToQColor(f.BackColor()));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  if (!options_.top_level) return;
  const QString title = ToQ(f.Caption());
  if (windowTitle() != title) setWindowTitle(title);
  if (accessibleName() != title) setAccessibleName(title);
  const QString description = ToQ(f.Description());
  if (accessibleDescription() != description) setAccessibleDescription(description);
  const Screen& screen = f.Runtime().screen();
  const double tx = screen.TwipsPerPixelX() > 0 ? screen.TwipsPerPixelX() : 15;
  const double ty = screen.TwipsPerPixelY() > 0 ? screen.TwipsPerPixelY() : 15;
  const Rect& outer = f.OuterTwips();
  const Size inner = f.InnerPx();
  if (size() != QSize(inner.width, inner.height)) setFixedSize(inner.width, inner.height);
  const QPoint at(static_cast<int>(outer.left / tx), static_cast<int>(outer.top / ty));
  if (pos() != at) move(at);
  const Qt::WindowModality modality = f.Runtime().IsModal(f) ? Qt::ApplicationModal : Qt::NonModal;
  const bool shown = f.Loaded() && f.Visible();
  if (windowModality() != modality) {
    if (isVisible()) hide();  // modality is set on a hidden window only
    setWindowModality(modality);
  }
  if (shown != isVisible()) setVisible(shown);
}

void FormView::KeepKeyboard() {
  // The window the program has active keeps the desktop's keyboard: it takes
  // it when its form becomes the active one, and takes it back for as long as
  // it is on another of the program's windows (one this window blocks; Qt may
  // still call this window active then, and the window system passes over a
  // request older than the person's move). Asked for only then: each request
  // is a round trip to the window system whose answer wakes the program
  // again, and a keyboard given to another program is that person's choice.
  if (!options_.top_level || !isVisible() || form_->Runtime().ActiveForm() != form_) {
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

void FormView::FollowFocus() {
  if (!options_.top_level) return;  // a window that holds this view decides where its keyboard is
  const forms::Control* focused = form_->Focused();
  if (focused == focus_drawn_) return;
  const forms::Control* before = focus_drawn_;
  focus_drawn_ = focused;
  for (auto& [control, slot] : slots_) {
    if (slot->row->kind == forms::ControlKind::kCommandButton) slot->row->sync(*slot->widget, *slot->control);
  }
  if (Slot* slot = SlotOf(focused); slot != nullptr && slot->widget->isVisible()) slot->widget->setFocus();
  // A focusable label draws its own focus frame; a list shows its current entry only with the keyboard.
  for (const forms::Control* label : {before, focused}) {
    Slot* slot = SlotOf(label);
    const bool redrawn = slot != nullptr && (slot->row->kind == forms::ControlKind::kLabel ||
                                              slot->row->kind == forms::ControlKind::kListBox);
    if (redrawn) slot->row->sync(*slot->widget, *slot->control);
  }
}

void FormView::Act(const std::function<void()>& action) {
  if (form_ == nullptr) return;
  action();
  if (settle_) settle_();
}

QWidget* FormView::WidgetOf(std::string_view name, int index) const {
  for (const auto& [control, slot] : slots_) {
    if (control->Name() == name && control->Index() == index) return slot->widget;
  }
  return nullptr;
}

forms::Control* FormView::ControlOf(const QWidget* widget) const {
  auto it = by_widget_.find(widget);
  return it == by_widget_.end() ? nullptr : it->second;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
    return QWidget::eventFilter(watched, event);
  }
  auto it = by_widget_.find(watched);
  if (it == by_widget_.end()) return QWidget::eventFilter(watched, event);
  forms::Control* control = it->second;
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
  if (form_ != nullptr && form_->CloseEnabled()) {
    forms::Form* form = form_;
    Act([form] { form->Close(); });
  }
}

}  // namespace orvo::qt
