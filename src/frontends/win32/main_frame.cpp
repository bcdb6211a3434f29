// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/main_frame.h"

#include <shellapi.h>

#include "app/main_window.h"
#include "app/program.h"
#include "frontends/shared/window_pixels.h"
#include "frontends/win32/gdi_pictures.h"
#include "frontends/win32/native_windowing.h"
#include "platform/win32/wide_text.h"
#include "frontends/win32/window_classes.h"
#include "toolkit/forms/mnemonic.h"

namespace orvo::win32 {
namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// An edit control made elsewhere becomes a child of `parent`.
void Adopt(HWND child, HWND parent) {
  if (child == nullptr || GetParent(child) == parent) return;
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if ((style & WS_CHILD) == 0) SetWindowLongW(child, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
  SetParent(child, parent);
}

}  // namespace

MainFrame::MainFrame(Program& program, NativeWindowing& windowing, GdiFonts& fonts, AccessibleNames& names,
                     std::function<void()> settle)
    : program_(program), windowing_(windowing), settle_(std::move(settle)) {
  RegisterOnce(kMainClass, Procedure, false);
  window_ = CreateWindowExW(WS_EX_ACCEPTFILES, kMainClass, Wide(W().Caption()).c_str(), kMainStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                            this);
  inner_ = std::make_unique<FormWindow>(W(), fonts, names, settle_, FormWindow::Options{false, window_});
  subscription_ = program_.forms.Subscribe([this](const forms::FormsEvent& e) {
    if (e.form != &W()) return;
    using Part = forms::FormsEvent::Part;
    if (e.kind != forms::FormsEvent::Kind::kChanged || e.part == Part::kForm) window_dirty_ = true;
    if (e.part == Part::kMenuChildren) menus_rebuild_ = true;
    if (e.part == Part::kMenu && e.menu != nullptr) menus_dirty_[e.menu] = true;
  });
  menus_ = std::make_unique<frontend::MenuProtocol>(program_, static_cast<frontend::MenuScreen&>(*this),
                                                    frontend::MenuProtocol::When::kOnOpenAsked);
  DragAcceptFiles(window_, TRUE);
}

MainFrame::~MainFrame() {
  program_.forms.Unsubscribe(subscription_);
  menus_.reset();
  inner_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    SetMenu(window_, nullptr);
    DestroyWindow(window_);
  }
  for (HICON icon : icons_) {
    if (icon != nullptr) DestroyIcon(icon);
  }
}

MainWindow& MainFrame::W() { return program_.Main(); }

void MainFrame::Forward(const std::function<void(MainWindow&)>& action) {
  if (!program_.Running()) return;
  const std::function<void()> settle = settle_;
  action(W());
  settle();
}

void MainFrame::Show() {
  Sync();
  ShowWindow(window_, W().State() == WindowState::kMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
  SetForegroundWindow(window_);
  if (HWND document = Document()) SetFocus(document);
}

HWND MainFrame::Document() {
  if (!program_.HasMainWindow()) return nullptr;
  return reinterpret_cast<HWND>(W().ActiveTextBox().Handle());
}

void MainFrame::Sync() {
  if (!program_.HasMainWindow()) return;
  if (W().Closed()) {
    if (IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
    return;
  }
  if (window_dirty_) {
    window_dirty_ = false;
    const std::wstring title = Wide(W().Caption());
    wchar_t now[512] = {};
    GetWindowTextW(window_, now, 512);
    if (title != now) SetWindowTextW(window_, title.c_str());  // readers name the window by it: the file is heard
    SyncIcon();
  }
  SyncMenus();
  inner_->Sync();
  menus_->OpenAsked();
  if (deferred_menu_ && windowing_.HandleDepth() <= 1) {
    PostMessageW(window_, kOpenMenu, deferred_menu_->letter, deferred_menu_->pop_up);
    deferred_menu_.reset();
  }
  SyncGeometry();
  ShowDocument();
}

void MainFrame::SyncIcon() {
  if (W().Icon() == icon_id_) return;
  icon_id_ = W().Icon();
  const int sizes[2] = {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON)};
  const WPARAM kinds[2] = {ICON_BIG, ICON_SMALL};
  for (int i = 0; i < 2; ++i) {
    HICON icon = PictureIcon(icon_id_, sizes[i]);
    SendMessageW(window_, WM_SETICON, kinds[i], reinterpret_cast<LPARAM>(icon));
    if (icons_[i] != nullptr) DestroyIcon(icons_[i]);
    icons_[i] = icon;
  }
}

void MainFrame::SyncMenus() {
  // An open drop-down is not pulled from under the person: its items change
  // where they stand, and the bar is built again once it closes.
  if (!menus_dirty_.empty()) {
    const auto dirty = std::move(menus_dirty_);
    menus_dirty_.clear();
    for (const auto& [entry, yes] : dirty) {
      if (!menus_bar_.Refresh(*entry) || !entry->Visible()) menus_rebuild_ = true;
    }
    if (!menu_open_) menus_rebuild_ = true;  // visibility and pictures are set by a build only
  }
  if (menus_rebuild_ && !menu_open_) {
    menus_rebuild_ = false;
    SetMenu(window_, menus_bar_.Build(W().MenuBar()));
    menus_bar_.DropOld();
    DrawMenuBar(window_);
  }
}

void MainFrame::SyncGeometry() {
  RECT client;
  GetClientRect(window_, &client);
  MoveWindow(inner_->Window(), 0, 0, client.right, client.bottom, TRUE);
  if (W().State() != WindowState::kNormal || IsIconic(window_) || IsZoomed(window_)) return;
  const Rect outer = frontend::OuterPixels(W());
  RECT frame;
  GetWindowRect(window_, &frame);
  if (frame.left == outer.left && frame.top == outer.top && frame.right - frame.left == outer.width &&
      frame.bottom - frame.top == outer.height) {
    return;
  }
  applying_ = true;
  SetWindowPos(window_, nullptr, outer.left, outer.top, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
  applying_ = false;
  GetClientRect(window_, &client);
  MoveWindow(inner_->Window(), 0, 0, client.right, client.bottom, TRUE);
}

void MainFrame::ShowDocument() {
  EditControl* active = &W().ActiveTextBox();
  const Rect& t = W().TextRect();
  for (int i = 0; i < 2; ++i) {
    EditControl& box = W().txtJOV(i);
    HWND edit = reinterpret_cast<HWND>(box.Handle());
    if (edit == nullptr) continue;
    Adopt(edit, inner_->Window());
    if (&box != active) {
      if (IsWindowVisible(edit)) ShowWindow(edit, SW_HIDE);
      continue;
    }
    RECT now;
    GetWindowRect(edit, &now);
    MapWindowPoints(nullptr, inner_->Window(), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != t.left || now.top != t.top || now.right - now.left != t.width || now.bottom - now.top != t.height) {
      MoveWindow(edit, t.left, t.top, t.width, t.height, TRUE);
    }
    const bool shown = box.Visible();
    if (shown != (IsWindowVisible(edit) != FALSE)) ShowWindow(edit, shown ? SW_SHOWNA : SW_HIDE);
  }
}

void MainFrame::Announce(const std::vector<ustring>& lines) { notices_.Say(window_, JoinNotice(lines)); }

void MainFrame::TellGeometry() {
  if (applying_ || !program_.Running() || W().State() != WindowState::kNormal || IsIconic(window_)) return;
  RECT f;
  RECT g;
  GetWindowRect(window_, &f);
  GetClientRect(window_, &g);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&g), 2);
  // The client area lies under the menu bar: the top inset holds the caption and the bar.
  const forms::FrameInsets insets{g.left - f.left, g.top - f.top, f.right - g.right, f.bottom - g.bottom};
  const Rect now = frontend::OuterTwips(W(), {f.left, f.top, f.right - f.left, f.bottom - f.top});
  if (now == W().OuterTwips() && insets == W().Insets()) return;
  W().SetInsets(insets);
  Forward([&now](MainWindow& w) { w.Move(now); });
}

void MainFrame::TellState(WPARAM how) {
  const WindowState state = how == SIZE_MINIMIZED   ? WindowState::kMinimized
                            : how == SIZE_MAXIMIZED ? WindowState::kMaximized
                                                    : WindowState::kNormal;
  if (!program_.Running() || state == W().State()) return;
  Forward([state](MainWindow& w) { w.SetState(state); });
}

void MainFrame::Resize(int width, int height) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainFrame::Move(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainFrame::SetState(WindowState state) {
  ShowWindow(window_, state == WindowState::kMaximized   ? SW_MAXIMIZE
                      : state == WindowState::kMinimized ? SW_MINIMIZE
                                                         : SW_RESTORE);
}

void MainFrame::OpenDropDown(const forms::MenuEntry& top) {
  // As the menu keys open it, once the key that asked has been handled.
  PostMessageW(window_, kOpenMenu, static_cast<WPARAM>(forms::MnemonicOf(top.Caption())), 0);
}

void MainFrame::OpenPopUp(const forms::MenuEntry& menu) {
  pop_up_ = &menu;
  PostMessageW(window_, kOpenMenu, 0, 1);
}

void MainFrame::ChooseCommand(const forms::MenuEntry& top) {
  // No drop-down shows and the keyboard stays on the document: readers are told its name.
  notices_.Say(window_, top.AccessibleName());
  Forward([&top, this](MainWindow&) { menus_->Clicked(top.Name()); });
}

void MainFrame::OpenMenu(WPARAM letter, LPARAM popup) {
  if (!program_.Running()) return;
  if (popup == 0) {
    key_menu_ = true;
    SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(letter));
    key_menu_ = false;
    return;
  }
  const forms::MenuEntry* entry = pop_up_;
  pop_up_ = nullptr;
  HMENU menu = entry != nullptr ? menus_bar_.PopupOf(*entry) : nullptr;
  if (menu == nullptr) return;
  // It opens at the caret.
  POINT at{0, 0};
  HWND document = Document();
  if (document != nullptr && GetCaretPos(&at)) {
    at.y += 16;
    ClientToScreen(document, &at);
  } else {
    GetCursorPos(&at);
  }
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, window_, nullptr);
}

void MainFrame::MenuCommand(UINT command) {
  const forms::MenuEntry* entry = menus_bar_.EntryOf(command);
  if (entry == nullptr) return;
  if (menu_open_) chosen_ = true;
  const std::string name = entry->Name();
  const bool top = entry->Parent() == &W().MenuBar();
  Forward([this, name, top](MainWindow&) {
    if (top) {
      menus_->Clicked(name);
    } else {
      menus_->Chosen(name);
    }
  });
}

void MainFrame::ReleaseHeldOnce() {
  // The keys held come up for the program: their real releases go to the
  // menu. Not before the menu has opened, which may leave braille mode: a
  // release of the Alt that opened it would end its pass first and bring the
  // latch's Alt back, and an Alt closes the menu.
  if (!release_held_) return;
  release_held_ = false;
  windowing_.ReleaseHeld();
}

void MainFrame::MenusClosed() {
  const bool chosen = chosen_;
  chosen_ = false;
  menu_open_ = false;
  if (!program_.Running()) return;
  // Nothing chosen: braille input back if the menu left it; the keyboard back on the document.
  if (!chosen) Forward([this](MainWindow&) { menus_->Dismissed(); });
  if (program_.Running() && W().Enabled()) {
    if (HWND document = Document()) SetFocus(document);
  }
  settle_();
}

void MainFrame::FilesDropped(HDROP drop) {
  files::DroppedFiles dropped;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    dropped.paths.push_back(FromWide(path));
  }
  DragFinish(drop);
  Forward([this, dropped](MainWindow&) { program_.drops.Dropped(dropped); });
}

LRESULT CALLBACK MainFrame::Procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l_param);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<MainFrame*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<MainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w_param, l_param);
  return self->Handle(message, w_param, l_param);
}

LRESULT MainFrame::Handle(UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_COMMAND:
      if (l_param == 0 && HIWORD(w_param) == 0) {
        MenuCommand(LOWORD(w_param));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      if (HIWORD(l_param) == 0 && program_.Running()) {
        const forms::MenuEntry* entry = menus_bar_.EntryOfPopup(reinterpret_cast<HMENU>(w_param));
        // Opening a menu of the bar is an event of its own: it may leave braille
        // mode. The text box's pop-up (hidden from the bar) leaves it as it is.
        if (entry != nullptr && entry->Parent() == &W().MenuBar() && entry->Visible()) {
          const std::string name = entry->Name();
          Forward([this, name](MainWindow&) { menus_->Opened(name); });
        }
      }
      ReleaseHeldOnce();
      return 0;
    case WM_ENTERMENULOOP:
      menu_open_ = true;
      release_held_ = true;
      return 0;
    case WM_ENTERIDLE:
      // An open menu waits for keys: a script's next step is played from here.
      if (w_param == MSGF_MENU) {
        ReleaseHeldOnce();
        windowing_.RunIdle();
      }
      return 0;
    case WM_EXITMENULOOP:
      ReleaseHeldOnce();
      PostMessageW(window_, kMenusClosed, 0, 0);  // after the choice the menu posted, if any
      return 0;
    case kMenusClosed:
      MenusClosed();
      return 0;
    case kOpenMenu:
      // The system's menu loop is modal: opened from a handler's own loop
      // (DoEvents), it would hold that handler half done, its latch not yet
      // back, for as long as the menu is open. It opens once the handler is over.
      if (windowing_.HandleDepth() > 1) {
        deferred_menu_ = MenuAsked{w_param, l_param};
        return 0;
      }
      OpenMenu(w_param, l_param);
      return 0;
    case WM_SYSCOMMAND:
      if ((w_param & 0xFFF0) == SC_KEYMENU && !key_menu_) return 0;
      break;
    case WM_SIZE:
      if (inner_) {
        MoveWindow(inner_->Window(), 0, 0, LOWORD(l_param), HIWORD(l_param), TRUE);
        TellState(w_param);
        if (w_param == SIZE_RESTORED) TellGeometry();
      }
      return 0;
    case WM_MOVE:
      if (inner_) TellGeometry();
      return 0;
    case WM_SETFOCUS:
      if (HWND document = Document(); document != nullptr && IsWindowVisible(document)) SetFocus(document);
      return 0;
    case WM_ACTIVATEAPP:
      if (w_param == FALSE) windowing_.ReleaseHeld();
      if (program_.Running()) {
        const bool active = w_param != FALSE;
        Forward([active](MainWindow& w) { w.AppActivation(active); });
      }
      return 0;
    case WM_DROPFILES:
      FilesDropped(reinterpret_cast<HDROP>(w_param));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the inner area covers it
    case WM_CLOSE:
      if (program_.Running()) {
        W().Close();
        settle_();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w_param, l_param);
}

}  // namespace orvo::win32
