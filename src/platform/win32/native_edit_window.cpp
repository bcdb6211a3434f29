// SPDX-License-Identifier: GPL-3.0-or-later
// The EDIT window of the document text box: making it (and making it again
// for word wrap), the messages it is sent, its parent's share, its font and
// colours.
#include "platform/win32/native_edit_control.h"

#include "platform/native/ime_mode.h"
#include "platform/native/imm_ime_service.h"
#include "platform/win32/imm32_calls.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <iterator>

namespace orvo::win32 {
namespace {

constexpr wchar_t kProp[] = L"OrvoNativeEdit";
constexpr UINT_PTR kSubclassId = 0x4F45;

// Messages after which the text may have changed: it is read again.
constexpr UINT kTextChangers[] = {
    WM_KEYDOWN, WM_CUT,     WM_CLEAR,           WM_UNDO,           EM_UNDO,  EM_REPLACESEL,
    WM_SETTEXT, WM_IME_CHAR, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION,
};

bool ChangesText(UINT message) {
  return std::find(std::begin(kTextChangers), std::end(kTextChangers), message) !=
         std::end(kTextChangers);
}

NativeEditControl* FromWindow(HWND window) {
  return window == nullptr ? nullptr : static_cast<NativeEditControl*>(GetPropW(window, kProp));
}

COLORREF AsColour(std::uint32_t rgb) { return static_cast<COLORREF>(rgb & 0xFFFFFF); }

ustring ClipboardText(HWND owner) {
  ustring text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::size_t room = GlobalSize(data) / sizeof(char16_t);
      text.assign(chars, std::find(chars, chars + room, u'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

NativeEditControl::NativeEditControl(HWND parent, int control_id, RECT bounds)
    : parent_(parent), control_id_(control_id), bounds_(bounds) {
  edit_ = Create();
  SetFont(font_);
  SetBackColor(back_colour_);
}

NativeEditControl::~NativeEditControl() {
  if (edit_ != nullptr) {
    RemoveWindowSubclass(edit_, Subclass, kSubclassId);
    RemovePropW(edit_, kProp);
    DestroyWindow(edit_);
  }
  if (font_handle_ != nullptr) DeleteObject(font_handle_);
  if (back_brush_ != nullptr) DeleteObject(back_brush_);
}

HWND NativeEditControl::Create() {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                ES_NOHIDESEL | ES_WANTRETURN;
  if (!word_wrap_) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, bounds_.left, bounds_.top,
                              bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, parent_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id_)),
                              GetModuleHandleW(nullptr), nullptr);
  if (edit == nullptr) return nullptr;
  SetPropW(edit, kProp, this);
  SetWindowSubclass(edit, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  // The program's limit is enforced here, by its own count.
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  if (font_handle_ != nullptr) SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_handle_), FALSE);
  return edit;
}

void NativeEditControl::SetBounds(RECT bounds) {
  bounds_ = bounds;
  if (edit_ != nullptr) {
    MoveWindow(edit_, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               TRUE);
  }
}

LRESULT CALLBACK NativeEditControl::Subclass(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam, UINT_PTR, DWORD_PTR self) {
  auto* control = reinterpret_cast<NativeEditControl*>(self);
  if (message == WM_NCDESTROY) {
    // The EDIT goes with its parent: the control keeps its last text, and
    // never touches the handle again (the system may give it to another).
    RemoveWindowSubclass(window, Subclass, kSubclassId);
    RemovePropW(window, kProp);
    if (control != nullptr && control->edit_ == window) control->edit_ = nullptr;
    return DefSubclassProc(window, message, wparam, lparam);
  }
  if (control == nullptr || control->edit_ != window) return DefSubclassProc(window, message, wparam, lparam);
  return control->OnMessage(message, wparam, lparam);
}

LRESULT NativeEditControl::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CHAR) {
    const auto ch = static_cast<char16_t>(wparam);
    // Characters that type something are held to the limit; control
    // characters (Backspace among them) go to the control as they are.
    if (ch == u'\r' || ch == u'\t' || ch >= 0x20) {
      const ustring typed = ch == u'\r' ? ustring(u"\r\n") : ustring(1, ch);
      if (native::MeasureForLimit(typed, measure_) > Room()) {
        Notify(EditNotice::kMaxText);
        return 0;
      }
    }
    const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
    Refresh();
    return result;
  }
  if (message == WM_PASTE) {
    // Pasting is typing a text: within the limit, by the program's count.
    const ustring text = ClipboardText(edit_);
    if (!text.empty()) Insert(text);
    return 0;
  }
  if (message == WM_IME_COMPOSITION && (lparam & GCS_RESULTSTR) != 0) {
    lparam = TakeImeResult(lparam);
    if (lparam == 0) return 0;
  }
  const LRESULT result = DefSubclassProc(edit_, message, wparam, lparam);
  if (ChangesText(message)) Refresh();
  if (message == WM_SETFOCUS) ApplyImeMode();
  return result;
}

LPARAM NativeEditControl::TakeImeResult(LPARAM parts) {
  Imm32Calls imm32;
  const native::Hwnd window = reinterpret_cast<native::Hwnd>(edit_);
  const native::Himc context = imm32.ImmGetContext(window);
  if (context == 0) return parts;
  const ustring result = native::ImmImeService(imm32).GetCompositionString(context, GCS_RESULTSTR);
  imm32.ImmReleaseContext(window, context);
  // What fits the limit goes in as the EDIT would put it; the rest is cut
  // and the owner told, as for typing.
  if (native::FitToLimit(result, Room(), measure_).size() == result.size()) return parts;
  Insert(result);
  return parts & ~static_cast<LPARAM>(GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE |
                                      GCS_RESULTREADCLAUSE);
}

void NativeEditControl::SetImeMode(int mode) {
  ime_mode_ = mode;
  if (edit_ != nullptr && GetFocus() == edit_) ApplyImeMode();
}

void NativeEditControl::ApplyImeMode() {
  Imm32Calls imm32;
  const native::Himc context = imm32.ImmGetContext(reinterpret_cast<native::Hwnd>(edit_));
  if (context == 0) return;
  native::ApplyImeMode(imm32, context, ime_mode_);
  imm32.ImmReleaseContext(reinterpret_cast<native::Hwnd>(edit_), context);
}

void NativeEditControl::Refresh() {
  if (edit_ == nullptr) return;
  const auto length = static_cast<std::size_t>(SendMessageW(edit_, WM_GETTEXTLENGTH, 0, 0));
  ustring now(length + 1, u'\0');
  const auto copied = static_cast<std::size_t>(
      SendMessageW(edit_, WM_GETTEXT, static_cast<WPARAM>(now.size()), reinterpret_cast<LPARAM>(now.data())));
  now.resize(std::min(copied, length));
  if (now == text_) return;
  text_ = std::move(now);
  index_ = native::DbcsIndex(text_);
  ++revision_;
}

void NativeEditControl::Notify(EditNotice notice) {
  // A copy, so that a sink replacing itself does not destroy the running call.
  const auto sink = sink_;
  if (sink) sink(notice);
}

bool NativeEditControl::HandleParentMessage(UINT message, WPARAM wparam, LPARAM lparam,
                                            LRESULT& result) {
  NativeEditControl* control = FromWindow(reinterpret_cast<HWND>(lparam));
  if (control == nullptr) return false;
  switch (message) {
    case WM_COMMAND:
      switch (HIWORD(wparam)) {
        case EN_CHANGE:
          control->Refresh();
          break;
        case EN_ERRSPACE:
          control->Notify(EditNotice::kErrSpace);
          break;
        case EN_MAXTEXT:
          control->Notify(EditNotice::kMaxText);
          break;
        default:
          return false;
      }
      result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      result = control->ColourMessage(reinterpret_cast<HDC>(wparam));
      return true;
    default:
      return false;
  }
}

LRESULT NativeEditControl::ColourMessage(HDC dc) const {
  SetTextColor(dc, AsColour(fore_colour_));
  SetBkColor(dc, AsColour(back_colour_));
  return reinterpret_cast<LRESULT>(back_brush_);
}

void NativeEditControl::SetBackColor(std::uint32_t colour) {
  HBRUSH brush = CreateSolidBrush(AsColour(colour));
  if (brush == nullptr) return;
  if (back_brush_ != nullptr) DeleteObject(back_brush_);
  back_brush_ = brush;
  back_colour_ = colour;
  if (edit_ != nullptr) InvalidateRect(edit_, nullptr, TRUE);
}

void NativeEditControl::SetForeColor(std::uint32_t colour) {
  fore_colour_ = colour;
  if (edit_ != nullptr) InvalidateRect(edit_, nullptr, TRUE);
}

void NativeEditControl::SetFont(const FontSpec& font) {
  LOGFONTW logical{};
  HDC screen = GetDC(nullptr);
  logical.lfHeight = -MulDiv(font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logical.lfCharSet = DEFAULT_CHARSET;
  const std::size_t chars = std::min<std::size_t>(font.name.size(), std::size(logical.lfFaceName) - 1);
  std::copy_n(font.name.data(), chars, reinterpret_cast<char16_t*>(logical.lfFaceName));
  HFONT handle = CreateFontIndirectW(&logical);
  if (handle == nullptr) return;
  if (edit_ != nullptr) SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
  if (font_handle_ != nullptr) DeleteObject(font_handle_);
  font_handle_ = handle;
  font_ = font;
}

SIZE NativeEditControl::CellSize() const {
  SIZE cell{8, 16};
  if (edit_ == nullptr) return cell;
  HDC dc = GetDC(edit_);
  HGDIOBJ old = SelectObject(dc, font_handle_ != nullptr ? font_handle_ : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  if (GetTextMetricsW(dc, &metrics)) {
    cell.cx = std::max<LONG>(1, metrics.tmAveCharWidth);
    cell.cy = std::max<LONG>(1, metrics.tmHeight);
  }
  SelectObject(dc, old);
  ReleaseDC(edit_, dc);
  return cell;
}

void NativeEditControl::SetWordWrap(bool wrap) {
  if (wrap == word_wrap_ || edit_ == nullptr) {
    word_wrap_ = wrap;
    return;
  }
  HWND old = edit_;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool modified = SendMessageW(old, EM_GETMODIFY, 0, 0) != 0;
  const LRESULT first_line = SendMessageW(old, EM_GETFIRSTVISIBLELINE, 0, 0);
  const bool focused = GetFocus() == old;
  const bool enabled = IsWindowEnabled(old) != FALSE;
  const bool visible = Visible();
  // Where the EDIT is now: its owner may have moved it to another window.
  if (HWND parent = GetParent(old)) {
    RECT at{};
    GetWindowRect(old, &at);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&at), 2);
    parent_ = parent;
    bounds_ = at;
  }
  control_id_ = GetDlgCtrlID(old);
  word_wrap_ = wrap;
  HWND made = Create();
  if (made == nullptr) {  // the old control stays, as it was
    word_wrap_ = !wrap;
    return;
  }
  // The old control goes first, so that its last messages find no owner.
  RemoveWindowSubclass(old, Subclass, kSubclassId);
  RemovePropW(old, kProp);
  edit_ = made;
  SendMessageW(made, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
  SendMessageW(made, EM_SETSEL, start, static_cast<LPARAM>(end));
  SendMessageW(made, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
  SendMessageW(made, EM_LINESCROLL, 0, first_line);
  EnableWindow(made, enabled ? TRUE : FALSE);
  if (!visible) ShowWindow(made, SW_HIDE);
  SetWindowPos(made, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DestroyWindow(old);
  if (focused) SetFocus(made);
  Refresh();
  if (on_recreated_) on_recreated_(made);
}

}  // namespace orvo::win32
