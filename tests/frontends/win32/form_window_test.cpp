// SPDX-License-Identifier: GPL-3.0-or-later
// A form drawn by the generic renderer over real native controls: each
// control in a window of its kind, inside its frame's window, named by its
// caption, and a person's clicks going back to the form's model.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frontends/win32/accessible_names.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/gdi_fonts.h"
#include "frontends/win32/native_windowing.h"
#include "frontends/win32/win32_screen.h"
#include "platform/win32/native_edit_control.h"
#include "toolkit/forms/check_box_control.h"
#include "toolkit/forms/command_button_control.h"
#include "toolkit/forms/forms_runtime.h"
#include "toolkit/forms/frame_control.h"
#include "toolkit/forms/label_control.h"
#include "toolkit/forms/list_box_control.h"
#include "toolkit/forms/option_button_control.h"
#include "toolkit/forms/text_box_control.h"

namespace orvo::win32 {
namespace {

class NoKeyboard : public Keyboard {
 public:
  bool SendKey(std::uint8_t, std::uint8_t, bool) override { return true; }
  std::int16_t KeyState(std::uint8_t) const override { return 0; }
  bool HandlingOwnKey() const override { return false; }
};

class Dialog : public forms::Form {
 public:
  Dialog(forms::FormsRuntime& runtime, std::vector<std::string>& log)
      : Form(runtime, "dlgTest"),
        lblName(*this, "lblName"),
        txtName(*this, "txtName"),
        fraDir(*this, "fraDir"),
        optUp(*this, "optDir", 0),
        optDown(*this, "optDir", 1),
        chkCase(*this, "chkCase"),
        lstItems(*this, "lstItems"),
        cmdOK(*this, "cmdOK"),
        log_(log) {
    SetCaption(u"検索");
    lblName.SetCaption(u"名前(&N)");
    fraDir.SetCaption(u"方向(&D)");
    optUp.SetCaption(u"上(&U)");
    optDown.SetCaption(u"下(&W)");
    optUp.SetContainer(&fraDir);
    optDown.SetContainer(&fraDir);
    chkCase.SetCaption(u"大小(&C)");
    for (const char16_t* item : {u"一", u"二", u"三"}) lstItems.AddItem(item);
    cmdOK.SetCaption(u"OK");
    cmdOK.SetDefault(true);
    Move({0, 0, 300 * 15, 200 * 15});
    // Controls are placed in the form's pixels.
    lblName.SetBounds({8, 8, 80, 20});
    txtName.SetBounds({96, 8, 130, 20});
    fraDir.SetBounds({8, 40, 130, 60});
    optUp.SetBounds({8, 16, 50, 20});
    optDown.SetBounds({66, 16, 53, 20});
    chkCase.SetBounds({8, 106, 100, 20});
    lstItems.SetBounds({160, 40, 100, 60});
    cmdOK.SetBounds({160, 112, 66, 26});
  }
  forms::LabelControl lblName;
  forms::TextBoxControl txtName;
  forms::FrameControl fraDir;
  forms::OptionButtonControl optUp, optDown;
  forms::CheckBoxControl chkCase;
  forms::ListBoxControl lstItems;
  forms::CommandButtonControl cmdOK;

 protected:
  void OnClick(forms::Control& c) override { log_.push_back("click " + c.Name()); }

 private:
  std::vector<std::string>& log_;
};

std::wstring TextOf(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

class FormWindowTest : public ::testing::Test {
 protected:
  FormWindowTest()
      : windowing(keyboard,
                  [this]() -> std::unique_ptr<EditControl> {
                    return std::make_unique<NativeEditControl>(ParkingWindow(), ++ids, RECT{0, 0, 10, 10});
                  }),
        runtime(windowing, screen),
        dialog(runtime, log) {
    runtime.Show(dialog);
    view = std::make_unique<FormWindow>(dialog, fonts, names, [this] {
      ++settled;
      view->Sync();
    }, FormWindow::Options{true, nullptr});
    view->Sync();
  }
  ~FormWindowTest() override {
    view.reset();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  HWND Of(const char* name, int index = -1) const {
    NativePeer* peer = view->Find(name, index);
    return peer != nullptr ? peer->KeyboardWindow() : nullptr;
  }

  NoKeyboard keyboard;
  int ids = 200;
  NativeWindowing windowing;
  Win32Screen screen;
  forms::FormsRuntime runtime;
  std::vector<std::string> log;
  Dialog dialog;
  GdiFonts fonts;
  AccessibleNames names;
  int settled = 0;
  std::unique_ptr<FormWindow> view;
};

TEST_F(FormWindowTest, EveryControlIsAWindowOfItsKindNamedByItsCaption) {
  EXPECT_TRUE(view->Undrawn().empty());
  EXPECT_EQ(TextOf(view->Window()), L"検索");
  EXPECT_TRUE(IsWindowVisible(view->Window()));
  const struct {
    const char* name;
    int index;
    const wchar_t* window_class;
    const wchar_t* text;
  } kExpected[] = {
      {"lblName", -1, L"Static", L"名前(&N)"}, {"chkCase", -1, L"Button", L"大小(&C)"},
      {"optDir", 0, L"Button", L"上(&U)"},     {"cmdOK", -1, L"Button", L"OK"},
      {"lstItems", -1, L"ListBox", L""},       {"txtName", -1, L"Edit", L""},
  };
  for (const auto& e : kExpected) {
    HWND window = Of(e.name, e.index);
    ASSERT_NE(window, nullptr) << e.name;
    EXPECT_EQ(_wcsicmp(ClassOf(window).c_str(), e.window_class), 0) << e.name << ": " << ClassOf(window).size();
    EXPECT_EQ(TextOf(window), e.text) << e.name;
    EXPECT_TRUE(IsWindowVisible(window)) << e.name;
  }
  EXPECT_EQ(SendMessageW(Of("lstItems"), LB_GETCOUNT, 0, 0), 3);
}

TEST_F(FormWindowTest, ControlsInAFrameLieInsideTheFramesWindowWhereTheModelPutsThem) {
  HWND frame = Of("fraDir");
  HWND option = Of("optDir", 1);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetParent(option), frame);
  EXPECT_EQ(GetParent(Of("cmdOK")), view->Window());
  RECT r;
  GetWindowRect(option, &r);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 66) << "in the frame's own area";
  EXPECT_EQ(r.top, 16);
  EXPECT_EQ(r.right - r.left, 53);
}

TEST_F(FormWindowTest, APersonsClicksReachTheModelWhichDecidesWhatTheyMake) {
  SendMessageW(Of("cmdOK"), BM_CLICK, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"click cmdOK"}));
  EXPECT_GT(settled, 0) << "the screen follows after the person's action";

  SendMessageW(Of("chkCase"), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.chkCase.Value(), 1);
  EXPECT_EQ(SendMessageW(Of("chkCase"), BM_GETCHECK, 0, 0), BST_CHECKED);

  SendMessageW(Of("optDir", 1), BM_CLICK, 0, 0);
  EXPECT_TRUE(dialog.optDown.Value());
  EXPECT_EQ(SendMessageW(Of("optDir", 1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Of("optDir", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  HWND list = Of("lstItems");
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(dialog.lstItems.Selected(), 2);
}

TEST_F(FormWindowTest, TheModelsChangesReachTheWindowsAtTheNextSync) {
  dialog.lblName.SetCaption(u"氏名(&N)");
  dialog.chkCase.SetVisible(false);
  dialog.cmdOK.SetEnabled(false);
  dialog.lstItems.SetSelected(1);
  dialog.SetCaption(u"置換");
  view->Sync();
  EXPECT_EQ(TextOf(Of("lblName")), L"氏名(&N)");
  EXPECT_FALSE(IsWindowVisible(Of("chkCase")));
  EXPECT_FALSE(IsWindowEnabled(Of("cmdOK")));
  EXPECT_EQ(SendMessageW(Of("lstItems"), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(TextOf(view->Window()), L"置換");
}

TEST_F(FormWindowTest, AnUnloadedFormsWindowHidesAndItsControlsGo) {
  HWND button = Of("cmdOK");
  HWND edit = Of("txtName");
  runtime.Unload(dialog);
  view->Sync();
  EXPECT_EQ(view->Model(), nullptr);
  EXPECT_FALSE(IsWindowVisible(view->Window()));
  EXPECT_FALSE(IsWindowVisible(button));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_FALSE(IsWindow(button)) << "destroyed once the message that gave it up has returned";
  EXPECT_TRUE(edit == nullptr || !IsWindow(edit) || GetParent(edit) == ParkingWindow())
      << "an edit control another object owns is parked, never destroyed under it";
}

}  // namespace
}  // namespace orvo::win32
