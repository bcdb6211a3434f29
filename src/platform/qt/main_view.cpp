#include "platform/qt/main_view.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/emulated/text_box.h"
#include "platform/qt/click_label.h"
#include "platform/qt/document_pane.h"
#include "platform/qt/font_map.h"
#include "platform/qt/picture_set.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/reader_events.h"

namespace orvo::qt {
namespace {

constexpr int kStatusHeight = 18;

// Labels that screen readers announce when their caption changes.
bool Announced(const std::string& name) { return name == "lblTENJI" || name == "lblMODE"; }


}  // namespace

MainView::MainView(Program& program, std::function<void()> settle)
    : program_(program), settle_(std::move(settle)) {
  setAccessibleName(QStringLiteral("Orvo"));
  BuildMenus();
  BuildControls();
  subscription_ = program_.forms.Subscribe([this](const forms::FormsEvent&) { dirty_ = true; });
}

MainView::~MainView() { program_.forms.Unsubscribe(subscription_); }

MainWindow& MainView::W() { return program_.Main(); }

void MainView::Forward(const std::function<void(MainWindow&)>& action) {
  if (!program_.Running()) return;
  action(W());
  settle_();
}

void MainView::BuildMenus() {
  for (const auto& top : W().MenuBar().Children()) BuildMenu(*top, nullptr);
}

void MainView::BuildMenu(const forms::MenuEntry& entry, QMenu* owner) {
  if (entry.IsSeparator()) {
    if (owner != nullptr) owner->addSeparator();
    return;
  }
  const std::string name = entry.Name();
  if (!entry.Children().empty()) {
    auto* menu = owner ? owner->addMenu(QString()) : menuBar()->addMenu(QString());
    actions_[name] = menu->menuAction();
    if (owner == nullptr) {
      // Opening a top-level menu is an event of its own: it may leave braille mode.
      connect(menu, &QMenu::aboutToShow, this, [this, name] { Forward([&](MainWindow& w) { w.OpenMenu(name); }); });
    }
    for (const auto& child : entry.Children()) BuildMenu(*child, menu);
    return;
  }
  QAction* action = owner ? owner->addAction(QString()) : menuBar()->addAction(QString());
  actions_[name] = action;
  // Queued: the drop-down is gone before the command runs (it may open a modal box).
  // An item in a drop-down was reached through its menu's opening already.
  if (owner != nullptr) {
    connect(action, &QAction::triggered, this, [this, name] { Forward([&](MainWindow& w) { w.ChooseMenu(name); }); },
            Qt::QueuedConnection);
  } else {
    connect(action, &QAction::triggered, this, [this, name] { Forward([&](MainWindow& w) { w.ClickMenu(name); }); },
            Qt::QueuedConnection);
  }
}

void MainView::BuildControls() {
  auto* inner = new QWidget(this);
  setCentralWidget(inner);

  bar_ = new QWidget(inner);
  auto* bar_layout = new QHBoxLayout(bar_);
  bar_layout->setContentsMargins(2, 2, 2, 2);
  bar_layout->setSpacing(2);
  for (const char* name : {"cmdMEMO", "cmdTYPE", "cmdIME"}) {
    auto* button = new QPushButton(bar_);
    button->setFocusPolicy(Qt::NoFocus);  // the keyboard stays with the text box
    bar_layout->addWidget(button);
    buttons_[name] = button;
  }
  connect(buttons_["cmdTYPE"], &QPushButton::clicked, this, [this] { Forward([](MainWindow& w) { w.ClickType(); }); });
  connect(buttons_["cmdIME"], &QPushButton::clicked, this, [this] { Forward([](MainWindow& w) { w.ClickIme(); }); });
  auto* mode = new ClickLabel(bar_);
  connect(mode, &ClickLabel::clicked, this, [this] { Forward([](MainWindow& w) { w.ClickMode(); }); });
  auto* cell = new QLabel(bar_);
  cell->setMinimumWidth(40);
  bar_layout->addWidget(mode);
  bar_layout->addWidget(cell);
  bar_layout->addStretch(1);

  pane_ = std::make_unique<DocumentPane>(inner);
  pane_->Widget().SetOnMouseUp([this](int button) { Forward([button](MainWindow& w) { w.TextMouseUp(button); }); });

  status_ = new QWidget(inner);
  auto* status_layout = new QHBoxLayout(status_);
  status_layout->setContentsMargins(4, 0, 4, 0);
  status_layout->setSpacing(0);

  MainWindow& w = W();
  labels_["lblMODE"] = {mode, &w.lblMODE, {}};
  labels_["lblTENJI"] = {cell, &w.lblTENJI, {}};
  const std::pair<const char*, const forms::LabelControl*> status_labels[] = {
      {"lblSTYLE0", &w.lblSTYLE[0]}, {"lblFileSIZE", &w.lblFileSIZE}, {"lblBYTES", &w.lblBYTES},
      {"lblSTYLE1", &w.lblSTYLE[1]}, {"lblAllGYO", &w.lblAllGYO},     {"lblSTYLE2", &w.lblSTYLE[2]},
      {"lblGYO", &w.lblGYO},         {"lblSTYLE3", &w.lblSTYLE[3]},   {"lblKETA", &w.lblKETA},
  };
  for (const auto& [name, model] : status_labels) {
    auto* label = new QLabel(status_);
    status_layout->addWidget(label);
    if (std::string(name).starts_with("lblSTYLE") && name != std::string("lblSTYLE0")) {
      status_layout->insertSpacing(status_layout->count() - 1, 12);
    }
    labels_[name] = {label, model, {}};
  }
  status_layout->addStretch(1);
  auto* turn = new QLabel(status_);  // placed by the window's own layout rule
  labels_["lblTURN"] = {turn, &w.lblTURN, {}};
}

DocumentEdit& MainView::Text() { return pane_->Widget(); }

QAction* MainView::MenuAction(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QPushButton* MainView::Button(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

QLabel* MainView::Label(const std::string& name) const {
  auto it = labels_.find(name);
  return it == labels_.end() ? nullptr : it->second.widget;
}

void MainView::Sync() {
  if (!program_.HasMainWindow()) return;
  if (W().Closed()) {
    if (isVisible()) hide();
    return;
  }
  if (dirty_) {
    dirty_ = false;
    setWindowTitle(ToQ(W().Caption()));
    setWindowIcon(PictureIcon(W().Icon()));
    SyncMenus();
    SyncControls();
  }
  SyncGeometry();
  pane_->Show(dynamic_cast<emu::TextBox*>(&W().ActiveTextBox()));
}

void MainView::SyncMenus() {
  for (const auto& [name, action] : actions_) {
    const forms::MenuEntry& item = W().Menu(name);
    action->setText(ToQ(item.Caption()));
    action->setVisible(item.Visible());
    action->setEnabled(item.Enabled());
    if (item.Children().empty()) {
      action->setCheckable(item.Checked() || item.CheckedPicture().has_value());
      action->setChecked(item.Checked());
      // The window's own check pictures, where it gave them, stand beside the item.
      const std::optional<int> picture = item.Checked() ? item.CheckedPicture() : item.UncheckedPicture();
      action->setIcon(picture ? PictureIcon(*picture) : QIcon());
    }
  }
}

void MainView::SyncControls() {
  MainWindow& w = W();
  const std::pair<const char*, const forms::CommandButtonControl*> buttons[] = {
      {"cmdMEMO", &w.cmdMEMO}, {"cmdTYPE", &w.cmdTYPE}, {"cmdIME", &w.cmdIME}};
  for (const auto& [name, model] : buttons) {
    QPushButton* button = buttons_.at(name);
    button->setText(ToQ(model->Caption()));
    button->setIcon(PictureIcon(model->Picture()));
    button->setToolTip(ToQ(model->ToolTip()));
    button->setVisible(model->Visible());
    button->setEnabled(model->Enabled());
    button->setAccessibleName(ToQ(model->AccessibleName()));
    button->setAccessibleDescription(ToQ(model->ToolTip().empty() ? model->Caption() : model->ToolTip()));
  }
  for (auto& [name, slot] : labels_) {
    const QString caption = ToQ(slot.model->Caption());
    slot.widget->setText(caption);
    slot.widget->setFont(ToQFont(slot.model->Font()));
    slot.widget->setToolTip(ToQ(slot.model->ToolTip()));
    slot.widget->setVisible(slot.model->Visible());
    slot.widget->setAccessibleName(caption);
    slot.widget->setAccessibleDescription(ToQ(slot.model->ToolTip()));
    if (Announced(name) && caption != slot.spoken) {
      slot.spoken = caption;
      QAccessibleEvent renamed(slot.widget, QAccessible::NameChanged);
      TellReaders(renamed);
      QAccessibleValueChangeEvent changed(slot.widget, caption);
      TellReaders(changed);
    }
  }
  QLabel* turn = labels_.at("lblTURN").widget;
  turn->adjustSize();
  turn->move(w.lblTURN.Bounds().left, 0);
}

void MainView::SyncGeometry() {
  MainWindow& w = W();
  const int width = centralWidget()->width();
  const int bar_height = w.picBAR.Bounds().height;
  bar_->setGeometry(0, 0, width, bar_height > 0 ? bar_height : 29);
  const Rect& t = w.TextRect();
  pane_->Widget().setGeometry(t.left, t.top, t.width, t.height);
  status_->setGeometry(0, w.picSTATUS.Bounds().top, width, kStatusHeight);

  if (w.State() != WindowState::kNormal) return;
  const int tx = std::max(1, program_.values.TwipsPerPixelX);
  const int ty = std::max(1, program_.values.TwipsPerPixelY);
  const Rect& outer = w.OuterTwips();
  const QRect frame = frameGeometry();
  const QRect want(outer.left / tx, outer.top / ty, outer.width / tx, outer.height / ty);
  if (frame == want) return;
  applying_ = true;
  move(want.topLeft());
  resize(want.width() - (frame.width() - geometry().width()), want.height() - (frame.height() - geometry().height()));
  applying_ = false;
}

void MainView::TellGeometry() {
  if (applying_ || !program_.Running() || W().State() != WindowState::kNormal) return;
  const QRect f = frameGeometry();
  const QRect g = geometry();
  const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
  const forms::FrameInsets insets{g.left() - f.left(), g.top() - f.top() + menu, f.right() - g.right(),
                           f.bottom() - g.bottom()};
  const int tx = program_.values.TwipsPerPixelX;
  const int ty = program_.values.TwipsPerPixelY;
  const Rect now{f.left() * tx, f.top() * ty, f.width() * tx, f.height() * ty};
  if (now == W().OuterTwips() && insets == insets_) return;
  insets_ = insets;
  W().SetInsets(insets);
  Forward([&](MainWindow& w) { w.Move(now); });
}

void MainView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  TellGeometry();
}

void MainView::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  TellGeometry();
}

void MainView::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const Qt::WindowStates s = windowState();
  const WindowState state = (s & Qt::WindowMinimized)   ? WindowState::kMinimized
                            : (s & Qt::WindowMaximized) ? WindowState::kMaximized
                                                        : WindowState::kNormal;
  if (!program_.Running() || state == W().State()) return;
  Forward([state](MainWindow& w) { w.SetState(state); });
  if (state == WindowState::kNormal) TellGeometry();
}

void MainView::closeEvent(QCloseEvent* event) {
  if (program_.Running()) {
    const bool closed = W().Close();
    settle_();
    if (!closed) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace orvo::qt
