// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as a set over real native windows: made as their
// forms load, gone when they unload, a modal one standing over the window it
// disables until it goes, the close box asking the model, and the controls
// of their own class (labels, picture boxes) reporting clicks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frontends/win32/accessible_names.h"
#include "frontends/win32/form_windows.h"
#include "frontends/win32/gdi_fonts.h"
#include "frontends/win32/native_windowing.h"
#include "frontends/win32/win32_screen.h"
#include "platform/win32/native_edit_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/picture_box_control.h"

namespace orvo::win32 {
namespace {

class NoKeyboard : public Keyboard {
 public:
  bool SendKey(std::uint8_t, std::uint8_t, bool) override { return true; }
  std::int16_t KeyState(std::uint8_t) const override { return 0; }
  bool HandlingOwnKey() const override { return false; }
};

class Box : public forms::Form {
 public:
  Box(forms::FormsRuntime& runtime, std::string name, std::vector<std::string>& log)
      : Form(runtime, std::move(name)), lblSay(*this, "lblSay"), picFace(*this, "picFace"), cmdOK(*this, "cmdOK"),
        log_(log) {
    SetCaption(u"箱");
    Move({0, 0, 200 * 15, 120 * 15});
    lblSay.SetCaption(u"言葉");
    lblSay.SetBounds({4, 4, 100, 20});
    picFace.SetBounds({4, 30, 32, 32});
    cmdOK.SetCaption(u"OK");
    cmdOK.SetBounds({100, 60, 60, 24});
  }
  forms::LabelControl lblSay;
  forms::PictureBoxControl picFace;
  forms::CommandButtonControl cmdOK;

 protected:
  void OnClick(forms::Control& c) override { log_.push_back(Name() + " click " + c.Name()); }
  void OnDoubleClick(forms::Control& c) override { log_.push_back(Name() + " double " + c.Name()); }
  void OnMouseDown(forms::Control& c, int button) override {
    log_.push_back(Name() + " down " + c.Name() + " " + std::to_string(button));
  }
  void OnQueryUnload(bool& cancel, forms::UnloadMode) override {
    log_.push_back(Name() + " asked to close");
    cancel = keep;
  }

 public:
  bool keep = false;

 private:
  std::vector<std::string>& log_;
};

// What a window procedure hears as a watched window hides: whether its owner was enabled.
HWND g_watched = nullptr;
HWND g_watched_owner = nullptr;
int g_owner_enabled_at_hide = -1;

LRESULT CALLBACK WatchHiding(int code, WPARAM w_param, LPARAM l_param) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(l_param);
  if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_SHOWWINDOW && call->wParam == FALSE) {
    g_owner_enabled_at_hide = IsWindowEnabled(g_watched_owner) ? 1 : 0;
  }
  return CallNextHookEx(nullptr, code, w_param, l_param);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

class FormWindowsTest : public ::testing::Test {
 protected:
  FormWindowsTest()
      : windowing(keyboard,
                  [this]() -> std::unique_ptr<EditControl> {
                    return std::make_unique<NativeEditControl>(ParkingWindow(), ++ids, RECT{0, 0, 10, 10});
                  }),
        runtime(windowing, screen),
        owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr)) {
    windows = std::make_unique<FormWindows>(runtime, fonts, names, [this] { windows->Sync(); });
    windows->SetOwner(owner);
  }
  ~FormWindowsTest() override {
    windows.reset();
    DestroyWindow(owner);
    Pump();
  }

  NoKeyboard keyboard;
  int ids = 300;
  NativeWindowing windowing;
  Win32Screen screen;
  forms::FormsRuntime runtime;
  GdiFonts fonts;
  AccessibleNames names;
  HWND owner;
  std::unique_ptr<FormWindows> windows;
  std::vector<std::string> log;
};

TEST_F(FormWindowsTest, AFormGetsAWindowWhenItLoadsAndLosesItWhenItUnloads) {
  Box box(runtime, "frmBox", log);
  EXPECT_EQ(windows->Find("frmBox"), nullptr);
  runtime.Show(box);
  windows->Sync();
  FormWindow* window = windows->Find("frmBox");
  ASSERT_NE(window, nullptr);
  HWND hwnd = window->Window();
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner) << "it stands over the program's window";
  EXPECT_EQ(windows->ActiveWindow(), hwnd);

  runtime.Unload(box);
  windows->Sync();
  EXPECT_EQ(windows->Find("frmBox"), nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  windows->Collect();
  Pump();
  EXPECT_FALSE(IsWindow(hwnd)) << "destroyed where no message of its own is being handled";
}

TEST_F(FormWindowsTest, AModalFormDisablesTheWindowItStandsOverUntilItGoes) {
  Box box(runtime, "frmModal", log);
  bool was_disabled = false;
  windowing.SetIdle([&] {
    windows->Sync();
    was_disabled = !IsWindowEnabled(owner);
    runtime.Hide(box);
    return true;
  });
  runtime.ShowModal(box);
  windowing.SetIdle(nullptr);
  windows->Sync();
  EXPECT_TRUE(was_disabled);
  EXPECT_TRUE(IsWindowEnabled(owner)) << "given back when the modal window hides";

  runtime.Show(box);  // shown again modelessly: the owner stays usable
  windows->Sync();
  EXPECT_TRUE(IsWindowEnabled(owner));
  runtime.Unload(box);
  windows->Sync();
}

// A modal form unloaded while it stands: were its window hidden while the
// owner is still disabled, the system would activate another program, and the
// program would hear that it lost the keyboard (braille mode would end).
TEST_F(FormWindowsTest, AModalFormUnloadedGivesItsOwnerBackBeforeItsWindowHides) {
  Box box(runtime, "frmModal", log);
  g_watched_owner = owner;
  g_owner_enabled_at_hide = -1;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchHiding, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  windowing.SetIdle([&] {
    windows->Sync();
    g_watched = windows->Find("frmModal")->Window();
    EXPECT_FALSE(IsWindowEnabled(owner));
    runtime.Unload(box);
    return true;
  });
  runtime.ShowModal(box);
  windowing.SetIdle(nullptr);
  windows->Sync();
  UnhookWindowsHookEx(hook);
  g_watched = nullptr;
  EXPECT_EQ(g_owner_enabled_at_hide, 1) << "the owner is enabled before the window hides";
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(FormWindowsTest, TheCloseBoxAsksTheModelWhichMayRefuse) {
  Box box(runtime, "frmClose", log);
  runtime.Show(box);
  windows->Sync();
  HWND hwnd = windows->Find("frmClose")->Window();
  box.keep = true;
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"frmClose asked to close"}));
  EXPECT_NE(windows->Find("frmClose"), nullptr);
  EXPECT_TRUE(IsWindowVisible(hwnd));

  box.SetCloseEnabled(false);
  log.clear();
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(log.empty()) << "a window without a close box is not asked";

  box.SetCloseEnabled(true);
  box.keep = false;
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(windows->Find("frmClose"), nullptr);
}

TEST_F(FormWindowsTest, LabelsAndPictureBoxesReportTheMouseToTheModel) {
  Box box(runtime, "frmMouse", log);
  runtime.Show(box);
  windows->Sync();
  FormWindow* window = windows->Find("frmMouse");
  HWND label = window->Find("lblSay")->Window();
  HWND picture = window->Find("picFace")->Window();
  SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(label));
  SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(50, 5));  // let go outside it: no click
  SendMessageW(picture, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  SendMessageW(picture, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"frmMouse click lblSay", "frmMouse down picFace 1",
                                           "frmMouse click picFace", "frmMouse down picFace 2",
                                           "frmMouse double picFace"}));
  runtime.Unload(box);
  windows->Sync();
}

TEST_F(FormWindowsTest, TheActiveFormsWindowTakesTheKeyboardFromTheProgramsOtherWindows) {
  Box first(runtime, "frmFirst", log);
  Box second(runtime, "frmSecond", log);
  runtime.Show(first);
  runtime.Show(second);
  windows->Sync();
  HWND second_window = windows->Find("frmSecond")->Window();
  EXPECT_EQ(windows->ActiveWindow(), second_window);
  SetForegroundWindow(windows->Find("frmFirst")->Window());
  windows->Sync();
  EXPECT_EQ(GetForegroundWindow(), second_window) << "back on the window the program made active";
  runtime.Unload(second);
  runtime.Unload(first);
  windows->Sync();
}

}  // namespace
}  // namespace orvo::win32
