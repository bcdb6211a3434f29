// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/main_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/emulated/text_box.h"
#include "frontends/shared/window_pixels.h"
#include "frontends/qt/candidate_list.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/font_map.h"
#include "frontends/qt/menu_bar_rows.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/picture_set.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"
#include "frontends/qt/reader_notices.h"

namespace orvo::qt {
namespace {

// A candidate's line without the number at its end.
QString WithoutNumber(const QString& line) {
  const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
  if (space < 0 || space + 1 == line.size()) return line;
  for (qsizetype i = space + 1; i < line.size(); ++i) {
    if (!line[i].isDigit()) return line;
  }
  return line.left(space);
}

}  // namespace

MainView::MainView(Program& program, std::function<void()> settle)
    : program_(program), settle_(std::move(settle)) {
  bar_ = new MenuBarRows(this);
  setMenuBar(bar_);
  // Rows that come or go move the window's inner area: the program hears its new size.
  bar_->SetOnHeightChanged([this] { TellGeometry(); });
  BuildMenus();
  FormView::Options options;
  options.top_level = false;  // its document boxes are this window's document pane's
  inner_ = new FormView(W(), settle_, std::move(options), this);
  setCentralWidget(inner_);
  pane_ = std::make_unique<DocumentPane>(inner_);
  InstallReaderNoticeRoles();
  notices_ = new ReaderNotices(this);
  pane_->Widget().SetOnMouseUp([this](int button) { Forward([button](MainWindow& w) { w.TextMouseUp(button); }); });
  pane_->Widget().setAcceptDrops(true);
  pane_->Widget().SetOnFilesDropped([this](const QStringList& paths, bool file_list, bool copy_allowed) {
    files::DroppedFiles drop;
    for (const QString& path : paths) drop.paths.push_back(FromQ(path));
    drop.file_list = file_list;
    drop.copy_allowed = copy_allowed;
    Forward([this, drop](MainWindow&) { program_.drops.Dropped(drop); });
  });
  subscription_ = program_.forms.Subscribe([this](const forms::FormsEvent& e) {
    if (e.form != &W()) return;
    using Part = forms::FormsEvent::Part;
    if (e.kind != forms::FormsEvent::Kind::kChanged || e.part == Part::kForm) window_dirty_ = true;
    if (e.part == Part::kMenuChildren) menus_rebuild_ = true;
    if (e.part == Part::kMenu && e.menu != nullptr) menus_dirty_[e.menu] = true;
  });
  menus_ = std::make_unique<frontend::MenuProtocol>(program_, static_cast<frontend::MenuScreen&>(*this),
                                                    frontend::MenuProtocol::When::kOnOpenAsked);
}

MainView::~MainView() { program_.forms.Unsubscribe(subscription_); }

MainWindow& MainView::W() { return program_.Main(); }

void MainView::Forward(const std::function<void(MainWindow&)>& action) {
  if (!program_.Running()) return;
  action(W());
  settle_();
}

void MainView::BuildMenus() {
  bar_->Clear();
  actions_.clear();
  actions_by_name_.clear();
  for (const auto& top : W().MenuBar().Children()) BuildMenu(*top, nullptr);
  for (const auto& [entry, action] : actions_) SyncMenu(*entry);
  menus_dirty_.clear();
}

void MainView::BuildMenu(const forms::MenuEntry& entry, QMenu* owner) {
  if (entry.IsSeparator()) {
    if (owner != nullptr) owner->addSeparator();
    return;
  }
  const std::string name = entry.Name();
  if (!entry.Children().empty()) {
    auto* menu = owner ? owner->addMenu(QString()) : bar_->AddMenu();
    actions_[&entry] = menu->menuAction();
    actions_by_name_[name] = menu->menuAction();
    if (owner == nullptr) {
      // Opening a top-level menu is an event of its own: it may leave braille mode.
      connect(menu, &QMenu::aboutToShow, this, [this, name] { Forward([&](MainWindow&) { menus_->Opened(name); }); });
      connect(menu, &QMenu::aboutToHide, this, [this] { MenuClosed(); });
    }
    for (const auto& child : entry.Children()) BuildMenu(*child, menu);
    return;
  }
  QAction* action = owner ? owner->addAction(QString()) : bar_->AddCommand();
  actions_[&entry] = action;
  actions_by_name_[name] = action;
  // Queued: the drop-down is gone before the command runs (it may open a modal box).
  // An item in a drop-down was reached through its menu's opening already.
  if (owner != nullptr) {
    // Told at once, the closing of the drop-down (queued before the choice) knows it was no dismissal.
    connect(action, &QAction::triggered, this, [this] { choice_coming_ = true; });
    connect(action, &QAction::triggered, this, [this, name] {
      choice_coming_ = false;
      Forward([&](MainWindow&) { menus_->Chosen(name); });
    }, Qt::QueuedConnection);
  } else {
    connect(action, &QAction::triggered, this, [this, name] { Forward([&](MainWindow&) { menus_->Clicked(name); }); },
            Qt::QueuedConnection);
  }
}

void MainView::SyncMenu(const forms::MenuEntry& item) {
  auto it = actions_.find(&item);
  if (it == actions_.end()) return;
  QAction* action = it->second;
  const QString caption = ToQ(item.Caption());
  if (action->text() != caption) action->setText(caption);
  if (action->isVisible() != item.Visible()) action->setVisible(item.Visible());
  if (action->isEnabled() != item.Enabled()) action->setEnabled(item.Enabled());
  if (item.Children().empty()) {
    action->setCheckable(item.Checked() || item.CheckedPicture().has_value());
    action->setChecked(item.Checked());
    // The window's own check pictures, where it gave them, stand beside the item.
    const std::optional<int> picture = item.Checked() ? item.CheckedPicture() : item.UncheckedPicture();
    // A new icon, even the same picture, repaints the menu bar.
    const int shown = picture ? *picture : forms::kNoPicture;
    const QVariant drawn = action->property("orvoPicture");
    if (!drawn.isValid() || drawn.toInt() != shown) {
      action->setProperty("orvoPicture", shown);
      action->setIcon(picture ? PictureIcon(*picture) : QIcon());
    }
  }
}

QAction* MainView::ActionOf(const forms::MenuEntry& entry) const {
  auto it = actions_.find(&entry);
  return it == actions_.end() ? nullptr : it->second;
}

void MainView::OpenPopUp(const forms::MenuEntry& entry) {
  QAction* action = ActionOf(entry);
  QMenu* menu = action != nullptr ? action->menu() : nullptr;
  if (menu == nullptr || !program_.Running()) return;
  // It opens at the caret.
  DocumentEdit& text = Text();
  menu->setAccessibleName(ToQ(entry.AccessibleName()));
  menu->popup(text.mapToGlobal(text.cursorRect().bottomLeft()));
}

void MainView::ChooseCommand(const forms::MenuEntry& entry) {
  QAction* action = ActionOf(entry);
  if (action == nullptr) return;
  // No drop-down shows and the keyboard stays on the document, so a focus on
  // the item would be taken back before a reader spoke it: readers are told its name.
  notices_->Say(ToQ(entry.AccessibleName()));
  action->trigger();
}

void MainView::OpenDropDown(const forms::MenuEntry& entry) {
  // As a click does: its opening runs the window's menu protocol.
  if (QAction* action = ActionOf(entry)) bar_->Open(action);
}

void MainView::MenuClosed() {
  // Back to the document, for the keyboard and for screen readers, once no menu is open.
  QTimer::singleShot(0, this, [this] {
    if (QApplication::activePopupWidget() != nullptr || !program_.Running()) return;
    bar_->CloseAll();
    if (!choice_coming_) menus_->Dismissed();  // nothing chosen: braille input back if the menu left it
    if (W().Enabled()) Text().setFocus(Qt::OtherFocusReason);
    settle_();
  });
}

void MainView::Announce(const std::vector<ustring>& lines) {
  // A reader hears the candidate list's choice as the list's focused item,
  // described and numbered: the program's line that says the same is not
  // said a second time.
  // (The list numbers each page from 1; the program counts on through the
  // pages, so the numbers are not compared.)
  const QString told = WithoutNumber(pane_->Candidates().TakeTold());
  ustring said;
  for (const ustring& line : lines) {
    if (line.empty() || (!told.isEmpty() && WithoutNumber(ToQ(line)) == told)) continue;
    if (!said.empty()) said += u' ';
    said += line;
  }
  notices_->Say(ToQ(said));
}

DocumentEdit& MainView::Text() { return pane_->Widget(); }

QAction* MainView::MenuAction(const std::string& name) const {
  auto it = actions_by_name_.find(name);
  return it == actions_by_name_.end() ? nullptr : it->second;
}

QWidget* MainView::Widget(const std::string& name) const {
  if (QWidget* w = inner_->WidgetOf(name)) return w;
  // An element of an indexed set: the name followed by its index.
  std::size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
  if (digits == name.size() || digits == 0) return nullptr;
  return inner_->WidgetOf(name.substr(0, digits), std::stoi(name.substr(digits)));
}

QPushButton* MainView::Button(const std::string& name) const { return qobject_cast<QPushButton*>(Widget(name)); }

QLabel* MainView::Label(const std::string& name) const { return qobject_cast<QLabel*>(Widget(name)); }

void MainView::Sync() {
  if (!program_.HasMainWindow()) return;
  if (W().Closed()) {
    if (isVisible()) hide();
    return;
  }
  if (window_dirty_) {
    window_dirty_ = false;
    const QString title = ToQ(W().Caption());
    if (windowTitle() != title) setWindowTitle(title);
    // Readers name the window by its caption, so the file name is heard.
    if (accessibleName() != title) setAccessibleName(title);
    setWindowIcon(PictureIcon(W().Icon()));
  }
  // An open drop-down is not pulled from under the person: the bar is rebuilt once it closes.
  if (menus_rebuild_ && QApplication::activePopupWidget() == nullptr) {
    menus_rebuild_ = false;
    BuildMenus();
  }
  if (!menus_dirty_.empty()) {
    const auto dirty = std::move(menus_dirty_);
    menus_dirty_.clear();
    for (const auto& [entry, yes] : dirty) SyncMenu(*entry);
  }
  bar_->Arrange();  // entries shown or hidden may need another row
  inner_->Sync();
  menus_->OpenAsked();
  SyncGeometry();
  pane_->Show(dynamic_cast<emu::TextBox*>(&W().ActiveTextBox()));
}

void MainView::HoldControls(bool held) {
  controls_held_ = held;
  inner_->HoldControls(held);
}

void MainView::SyncGeometry() {
  if (controls_held_) return;  // the strips are laid out from the controls
  MainWindow& w = W();
  const Rect& t = w.TextRect();
  // Toolbar and status line rows beyond the first take their room from the document.
  const StripRoom strips = strips_.LayOut(*inner_);
  const QRect text(t.left, t.top + strips.top, t.width, std::max(0, t.height - strips.top - strips.bottom));
  if (pane_->Widget().geometry() != text) pane_->Widget().setGeometry(text);

  if (w.State() != WindowState::kNormal) return;
  const Rect outer = frontend::OuterPixels(w);
  const QRect frame = frameGeometry();
  const QRect asked(outer.left, outer.top, outer.width, outer.height);
  // A window larger than the screen's work area (a desktop scaled up) is
  // made to fit it, and the program hears the size it has.
  QRect want = asked;
  if (const QScreen* shown_on = screen()) {
    const QRect room = shown_on->availableGeometry();
    want.setSize(want.size().boundedTo(room.size()));
    want.moveLeft(std::clamp(want.left(), room.left(), room.right() + 1 - want.width()));
    want.moveTop(std::clamp(want.top(), room.top(), room.bottom() + 1 - want.height()));
  }
  if (frame == want) return;
  applying_ = true;
  move(want.topLeft());
  resize(want.width() - (frame.width() - geometry().width()), want.height() - (frame.height() - geometry().height()));
  applying_ = false;
  // Told once for each size the program asks for, so that a program that
  // insists on more than the screen has is not asked again and again.
  if (want != asked && asked != fitted_from_) {
    fitted_from_ = asked;
    TellGeometry();
  }
}

void MainView::TellGeometry() {
  if (applying_ || !program_.Running() || W().State() != WindowState::kNormal) return;
  const QRect f = frameGeometry();
  const QRect g = geometry();
  const int menu = bar_->isVisible() ? bar_->height() : bar_->sizeHint().height();
  const forms::FrameInsets insets{g.left() - f.left(), g.top() - f.top() + menu, f.right() - g.right(),
                           f.bottom() - g.bottom()};
  const Rect now = frontend::OuterTwips(W(), {f.left(), f.top(), f.width(), f.height()});
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
