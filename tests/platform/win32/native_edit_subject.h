// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The native EDIT as a subject of the edit-control contract: a child of a
// hidden window that passes it its notifications, in a fixed-pitch Japanese
// font so that a half-width character is one column; the lines it shows are
// the EDIT's own lines.
#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/win32/native_edit_control.h"
#include "platform/win32/test_window.h"

namespace orvo::testing {

inline constexpr wchar_t kEditParentClass[] = L"OrvoEditParent";

// The hidden window the EDIT lives in: its messages go to the control first.
class EditParent {
 public:
  EditParent() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = Proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kEditParentClass;
    RegisterClassExW(&window_class);
    window_ = CreateWindowExW(0, kEditParentClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                              800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~EditParent() { DestroyWindow(window_); }
  EditParent(const EditParent&) = delete;
  EditParent& operator=(const EditParent&) = delete;
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (win32::NativeEditControl::HandleParentMessage(message, wparam, lparam, result)) return result;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  HWND window_;
};

struct NativeEditSubject {
  static constexpr const char* kName = "NativeEdit";
  static constexpr int kId = 100;

  // Wine's EDIT ends a line at a lone LF too (and reads CR CR LF as one
  // break), where the Windows EDIT breaks lines only at CR LF.
  static const char* Departure(std::string_view name) {
    if (!win32::WindowsCanBeMade()) return win32::kNoWindows;
    const bool lone_breaks = name == "TextKeepsItsLineEnds" || name == "LoneCrAndLfMeetAndBreakTheLine";
    return lone_breaks && win32::UnderWine() ? "Wine's EDIT breaks lines at a lone LF" : nullptr;
  }

  NativeEditSubject() : edit(parent.Handle(), kId, RECT{0, 0, 640, 400}) {
    edit.SetFont({u"IPAGothic", 12, false});
  }

  // Sizes the EDIT so that its text area holds the columns and lines.
  void SetViewSize(int columns, int lines) {
    const SIZE cell = edit.CellSize();
    RECT window{};
    RECT client{};
    RECT format{};
    GetWindowRect(edit.Window(), &window);
    GetClientRect(edit.Window(), &client);
    SendMessageW(edit.Window(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LONG frame_x = (window.right - window.left) - client.right + client.right - (format.right - format.left);
    const LONG frame_y = (window.bottom - window.top) - client.bottom + client.bottom - (format.bottom - format.top);
    edit.SetBounds({0, 0, frame_x + columns * cell.cx, frame_y + lines * cell.cy});
  }

  std::vector<int> ShownLines() const {
    std::vector<int> lengths;
    const auto count = SendMessageW(edit.Window(), EM_GETLINECOUNT, 0, 0);
    for (WPARAM line = 0; line < static_cast<WPARAM>(count); ++line) {
      const LRESULT start = SendMessageW(edit.Window(), EM_LINEINDEX, line, 0);
      lengths.push_back(static_cast<int>(SendMessageW(edit.Window(), EM_LINELENGTH, static_cast<WPARAM>(start), 0)));
    }
    return lengths;
  }

  EditParent parent;
  win32::NativeEditControl edit;
};

}  // namespace orvo::testing
