// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/native_peers.h"

#include "frontends/win32/accessible_names.h"
#include "frontends/win32/gdi_fonts.h"
#include "frontends/win32/gdi_pictures.h"
#include "platform/win32/wide_text.h"
#include "frontends/win32/window_classes.h"
#include "toolkit/forms/list_box_control.h"

namespace orvo::win32 {
namespace {

HWND MakeWindow(const wchar_t* window_class, DWORD style, HWND parent, DWORD ex_style = 0) {
  return CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void SetText(HWND window, const ustring& text) {
  if (window == nullptr) return;
  const std::wstring wide = Wide(text);
  const int length = GetWindowTextLengthW(window);
  std::wstring now(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, now.data(), length + 1);
  now.resize(static_cast<std::size_t>(length));
  if (now != wide) SetWindowTextW(window, wide.c_str());
}

void SetStyleBit(HWND window, LONG bit, bool on) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG wanted = on ? (style | bit) : (style & ~bit);
  if (wanted == style) return;
  SetWindowLongW(window, GWL_STYLE, wanted);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}

// What every kind shares.
template <class Peer>
class Common : public Peer, public NativePeer {
 public:
  Common(HWND window, forms::Control& control, const PeerContext& context)
      : NativePeer(window, control), context_(context) {}
  ~Common() override {
    if (Window() != nullptr) context_.names->Forget(Window());
    if (brush_ != nullptr) DeleteObject(brush_);
  }

  void SetHolder(frontend::ControlPeer* holder) override {
    NativePeer* native = NativeOf(holder);
    HWND parent = native != nullptr ? native->Window() : context_.root;
    if (Window() == nullptr || GetParent(Window()) == parent) return;
    ShowWindow(Window(), SW_HIDE);
    SetParent(Window(), parent);
  }
  void SetBounds(const Rect& b) override {
    bounds_ = b;
    MoveWindow(Window(), b.left, b.top, b.width, b.height, TRUE);
  }
  void SetVisible(bool visible) override { ShowWindow(Window(), visible ? SW_SHOWNA : SW_HIDE); }
  void SetEnabled(bool enabled) override { EnableWindow(Window(), enabled ? TRUE : FALSE); }
  void SetFont(const FontSpec& font) override {
    SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(context_.fonts->Font(font)), TRUE);
  }
  void SetColours(std::uint32_t fore, std::uint32_t back, bool fills) override {
    fore_ = fore;
    fills_ = fills;
    if (brush_ == nullptr || back != back_) {
      if (brush_ != nullptr) DeleteObject(brush_);
      brush_ = CreateSolidBrush(back);
    }
    back_ = back;
    InvalidateRect(Window(), nullptr, TRUE);
  }
  void SetFocusable(bool focusable) override { SetStyleBit(Window(), WS_TABSTOP, focusable); }
  void SetAccessibleName(const ustring& name) override { context_.names->SetName(Window(), name); }
  void SetDescription(const ustring& description) override {
    context_.names->SetDescription(Window(), description);
  }
  void AnnounceCaption() override { AccessibleNames::NameChanged(Window()); }

  HBRUSH ColourFor(HDC dc) override {
    SetTextColor(dc, fore_);
    SetBkColor(dc, back_);
    return brush_;
  }

 protected:
  const PeerContext& context_;
  Rect bounds_{};
  COLORREF fore_ = 0;
  COLORREF back_ = forms::colour::kButtonFace;
  bool fills_ = true;
  HBRUSH brush_ = nullptr;
};

class LabelView : public Common<frontend::LabelPeer> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override { SetText(Window(), caption); }
  void SetAlignment(forms::LabelControl::Alignment a) override {
    using A = forms::LabelControl::Alignment;
    SetStyleBit(Window(), SS_CENTER | SS_RIGHT, false);
    if (a == A::kCentre) SetStyleBit(Window(), SS_CENTER, true);
    if (a == A::kRight) SetStyleBit(Window(), SS_RIGHT, true);
  }
  // A sunken frame, seen on any colour.
  void SetFocusFrame(bool shown) override { SetStyleBit(Window(), SS_SUNKEN, shown); }
  void Notified(int code) override {
    forms::Control& c = Control();
    if (code == STN_CLICKED) context_.act([&c] { c.Click(); });
    if (code == STN_DBLCLK) context_.act([&c] { c.DoubleClick(); });
  }
};

// A push button drawn here: its face, a raised edge (sunk while pressed),
// its picture and its caption, the focus and the default button marked.
class ButtonView : public Common<frontend::ButtonPeer> {
 public:
  using Common::Common;
  void SetCaption(const ustring& caption) override { SetText(Window(), caption); }
  void SetPicture(int picture) override {
    picture_ = picture;
    InvalidateRect(Window(), nullptr, TRUE);
  }
  void SetFace(const std::shared_ptr<const Bitmap>& face) override {
    face_ = face;
    InvalidateRect(Window(), nullptr, TRUE);
  }
  void SetDefault(bool is_default) override {
    default_ = is_default;
    InvalidateRect(Window(), nullptr, TRUE);
  }
  void Notified(int code) override {
    if (code != BN_CLICKED) return;
    forms::Control& c = Control();
    context_.act([&c] { c.Click(); });
  }
  bool Draw(const DRAWITEMSTRUCT& item) override;

 private:
  int picture_ = forms::kNoPicture;
  std::shared_ptr<const Bitmap> face_;
  bool default_ = false;
};

bool ButtonView::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, brush_ != nullptr ? brush_ : GetSysColorBrush(COLOR_BTNFACE));
  if (face_) PaintFace(dc, *face_);
  if (default_) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT inside = r;
  InflateRect(&inside, -3, -3);
  if (picture_ != forms::kNoPicture) {
    const int side = std::min(inside.right - inside.left, inside.bottom - inside.top);
    const bool alone = GetWindowTextLengthW(Window()) == 0;
    RECT square{inside.left, inside.top, inside.left + side, inside.top + side};
    if (alone) square = inside;
    PaintPicture(dc, picture_, square);
    if (!alone) inside.left += side + 2;
  }
  const int length = GetWindowTextLengthW(Window());
  if (length > 0) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(Window(), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    SetBkMode(dc, TRANSPARENT);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : fore_);
    if (pressed) OffsetRect(&inside, 1, 1);
    DrawTextW(dc, text.c_str(), length, &inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

// A picture box: its face, if it has one, with its picture over it. It holds controls too.
class PictureView : public Common<frontend::PicturePeer> {
 public:
  using Common::Common;
  void SetPicture(int picture, const std::shared_ptr<const Bitmap>& face, Size) override {
    picture_ = picture;
    face_ = face;
    InvalidateRect(Window(), nullptr, TRUE);
  }
  void Paint(HDC dc, const RECT& inside) override {
    FillRect(dc, &inside, brush_ != nullptr ? brush_ : GetSysColorBrush(COLOR_BTNFACE));
    if (face_) PaintFace(dc, *face_);
    if (picture_ != forms::kNoPicture) PaintPicture(dc, picture_, inside);
  }
  void Mouse(UINT message, int x, int y) override {
    forms::Control& c = Control();
    switch (message) {
      case WM_LBUTTONDOWN:
        context_.act([&c] { c.MouseDown(1); });
        break;
      case WM_RBUTTONDOWN:
        context_.act([&c] { c.MouseDown(2); });
        break;
      case WM_LBUTTONDBLCLK:
        context_.act([&c] { c.DoubleClick(); });
        break;
      case WM_LBUTTONUP:
        if (x >= 0 && y >= 0 && x < bounds_.width && y < bounds_.height) context_.act([&c] { c.Click(); });
        break;
      default:
        break;
    }
  }

 private:
  int picture_ = forms::kNoPicture;
  std::shared_ptr<const Bitmap> face_;
};

// A text box shows its edit control's own window, which another object owns.
class TextView : public Common<frontend::TextPeer> {
 public:
  TextView(HWND parent, forms::Control& control, const PeerContext& context)
      : Common(nullptr, control, context), parent_(parent) {}
  ~TextView() override { Park(); }
  void ShowBox(EditControl& box) override {
    box_ = &box;
    HWND edit = reinterpret_cast<HWND>(box.Handle());
    if (edit == shown_) return;
    Park();
    shown_ = edit;
    if (shown_ == nullptr) return;
    SetPropW(shown_, L"OrvoPeer", static_cast<NativePeer*>(this));
    SetParent(shown_, parent_);
    MoveWindow(shown_, bounds_.left, bounds_.top, bounds_.width, bounds_.height, TRUE);
    ShowWindow(shown_, visible_ ? SW_SHOWNA : SW_HIDE);
    context_.names->SetName(shown_, name_);
  }
  void SetHolder(frontend::ControlPeer* holder) override {
    NativePeer* native = NativeOf(holder);
    parent_ = native != nullptr ? native->Window() : context_.root;
    visible_ = false;
    if (shown_ != nullptr && GetParent(shown_) != parent_) {
      ShowWindow(shown_, SW_HIDE);
      SetParent(shown_, parent_);
    }
  }
  void SetBounds(const Rect& b) override {
    bounds_ = b;
    if (shown_ != nullptr) MoveWindow(shown_, b.left, b.top, b.width, b.height, TRUE);
  }
  void SetVisible(bool visible) override {
    visible_ = visible;
    if (shown_ != nullptr) ShowWindow(shown_, visible ? SW_SHOWNA : SW_HIDE);
  }
  void SetEnabled(bool enabled) override {
    if (shown_ != nullptr) EnableWindow(shown_, enabled ? TRUE : FALSE);
  }
  void SetFont(const FontSpec&) override {}  // the edit control's own
  void SetColours(std::uint32_t, std::uint32_t, bool) override {}
  void SetFocusable(bool) override {}
  void SetAccessibleName(const ustring& name) override {
    name_ = name;
    if (shown_ != nullptr) context_.names->SetName(shown_, name);
  }
  void SetDescription(const ustring& description) override {
    if (shown_ != nullptr) context_.names->SetDescription(shown_, description);
  }
  void AnnounceCaption() override {}
  HWND KeyboardWindow() const override { return shown_; }
  HBRUSH ColourFor(HDC dc) override {
    if (box_ == nullptr) return nullptr;
    if (brush_ == nullptr || box_->BackColor() != back_) {
      if (brush_ != nullptr) DeleteObject(brush_);
      back_ = box_->BackColor();
      brush_ = CreateSolidBrush(back_);
    }
    SetTextColor(dc, box_->ForeColor());
    SetBkColor(dc, back_);
    return brush_;
  }

 private:
  void Park() {
    if (shown_ == nullptr || !IsWindow(shown_)) return;
    RemovePropW(shown_, L"OrvoPeer");
    context_.names->Forget(shown_);
    ShowWindow(shown_, SW_HIDE);
    SetParent(shown_, ParkingWindow());
    shown_ = nullptr;
  }

  HWND parent_;
  HWND shown_ = nullptr;
  EditControl* box_ = nullptr;
  bool visible_ = false;
  ustring name_;
};

class ListView : public Common<frontend::ListPeer> {
 public:
  using Common::Common;
  void SetItems(const std::vector<ustring>& items) override {
    SendMessageW(Window(), LB_RESETCONTENT, 0, 0);
    for (const ustring& item : items) {
      SendMessageW(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    Reassert();
  }
  void SetSelected(int row) override {
    row_ = row;
    Reassert();
  }
  void SetFocused(bool) override {}
  void Notified(int code) override {
    if (code != LBN_SELCHANGE) return;
    HWND window = Window();
    const int row = static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
    auto& list = static_cast<forms::ListBoxControl&>(Control());
    NativePeer* self = this;
    context_.act([&list, row] { list.ClickItem(row); });
    // The model decides which row is chosen, unless the click took the list away.
    if (PeerOfWindow(window) == self) Reassert();
  }
  void Reassert() { SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(row_), 0); }

 private:
  int row_ = -1;
};

// A radio button or a check box: the model decides what a click makes of its value.
template <class Peer>
class ValueButton : public Common<Peer> {
 public:
  using Common<Peer>::Common;
  void SetCaption(const ustring& caption) override { SetText(this->Window(), caption); }
  void Notified(int code) override {
    if (code != BN_CLICKED) return;
    HWND window = this->Window();
    forms::Control& c = this->Control();
    NativePeer* self = this;
    this->context_.act([&c] { c.Click(); });
    if (PeerOfWindow(window) == self) Reassert();
  }
  void Reassert() { SendMessageW(this->Window(), BM_SETCHECK, static_cast<WPARAM>(value_), 0); }

 protected:
  int value_ = BST_UNCHECKED;
};

class OptionView : public ValueButton<frontend::OptionPeer> {
 public:
  using ValueButton::ValueButton;
  void SetValue(bool on) override {
    value_ = on ? BST_CHECKED : BST_UNCHECKED;
    Reassert();
  }
};

class CheckView : public ValueButton<frontend::CheckPeer> {
 public:
  using ValueButton::ValueButton;
  void SetValue(int value) override {
    constexpr int kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    value_ = kStates[value >= 0 && value <= 2 ? value : 0];
    Reassert();
  }
};

// A frame: a window that holds its controls, with a group box drawn under them.
class FrameView : public Common<frontend::FramePeer> {
 public:
  FrameView(HWND window, forms::Control& control, const PeerContext& context)
      : Common(window, control, context),
        box_(MakeWindow(L"BUTTON", BS_GROUPBOX | WS_VISIBLE, window)) {
    SetWindowPos(box_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  void SetCaption(const ustring& caption) override { SetText(box_, caption); }
  void SetBounds(const Rect& b) override {
    Common::SetBounds(b);
    MoveWindow(box_, 0, 0, b.width, b.height, TRUE);
  }
  void SetFont(const FontSpec& font) override {
    SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(context_.fonts->Font(font)), TRUE);
  }
  void SetAccessibleName(const ustring& name) override { context_.names->SetName(box_, name); }
  void Paint(HDC dc, const RECT& inside) override {
    FillRect(dc, &inside, brush_ != nullptr ? brush_ : GetSysColorBrush(COLOR_BTNFACE));
  }

 private:
  HWND box_;
};

using Made = std::unique_ptr<frontend::ControlPeer>;

Made MakeLabel(forms::Control& c, HWND parent, const PeerContext& context) {
  return std::make_unique<LabelView>(MakeWindow(L"STATIC", SS_NOTIFY, parent), c, context);
}

Made MakeButton(forms::Control& c, HWND parent, const PeerContext& context) {
  return std::make_unique<ButtonView>(MakeWindow(L"BUTTON", BS_OWNERDRAW, parent), c, context);
}

Made MakePicture(forms::Control& c, HWND parent, const PeerContext& context) {
  HWND window = MakeWindow(kHolderClass, WS_CLIPCHILDREN, parent);
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // under what sits on it
  return std::make_unique<PictureView>(window, c, context);
}

Made MakeText(forms::Control& c, HWND parent, const PeerContext& context) {
  return std::make_unique<TextView>(parent, c, context);
}

Made MakeList(forms::Control& c, HWND parent, const PeerContext& context) {
  const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
  return std::make_unique<ListView>(MakeWindow(L"LISTBOX", style, parent), c, context);
}

Made MakeOption(forms::Control& c, HWND parent, const PeerContext& context) {
  return std::make_unique<OptionView>(MakeWindow(L"BUTTON", BS_RADIOBUTTON, parent), c, context);
}

Made MakeCheck(forms::Control& c, HWND parent, const PeerContext& context) {
  return std::make_unique<CheckView>(MakeWindow(L"BUTTON", BS_3STATE, parent), c, context);
}

Made MakeFrame(forms::Control& c, HWND parent, const PeerContext& context) {
  HWND window = MakeWindow(kHolderClass, WS_CLIPCHILDREN, parent);
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return std::make_unique<FrameView>(window, c, context);
}

// One row per kind of control the forms runtime has.
// clang-format off
constexpr ControlKindRow kRows[] = {
    {forms::ControlKind::kLabel,         MakeLabel},
    {forms::ControlKind::kCommandButton, MakeButton},
    {forms::ControlKind::kPictureBox,    MakePicture},
    {forms::ControlKind::kTextBox,       MakeText},
    {forms::ControlKind::kListBox,       MakeList},
    {forms::ControlKind::kOptionButton,  MakeOption},
    {forms::ControlKind::kCheckBox,      MakeCheck},
    {forms::ControlKind::kFrame,         MakeFrame},
};
// clang-format on

}  // namespace

NativePeer* NativeOf(frontend::ControlPeer* peer) { return dynamic_cast<NativePeer*>(peer); }

const ControlKindRow* RowFor(forms::ControlKind kind) {
  for (const ControlKindRow& row : kRows) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

LRESULT CALLBACK HolderProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  LRESULT result = 0;
  if (ChildMessage(message, w_param, l_param, result)) return result;
  NativePeer* peer = PeerOfWindow(window);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT inside;
      GetClientRect(window, &inside);
      if (peer != nullptr) peer->Paint(dc, inside);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      if (peer != nullptr) {
        peer->Mouse(message, static_cast<short>(LOWORD(l_param)), static_cast<short>(HIWORD(l_param)));
      }
      return 0;
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}

}  // namespace orvo::win32
