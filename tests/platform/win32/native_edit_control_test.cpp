// SPDX-License-Identifier: GPL-3.0-or-later
// What the native EDIT does beyond the contract: a person's typing held to
// the program's limit, word wrap that makes the EDIT again, and what its
// parent window answers for it.
#include "platform/win32/native_edit_control.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/native_edit_subject.h"

namespace orvo::testing {
namespace {

// Characters of each CR LF line of a text.
std::vector<int> CrLfLines(const ustring& text) {
  std::vector<int> lengths;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(u"\r\n", start)) != ustring::npos; start = end + 2) {
    lengths.push_back(static_cast<int>(end - start));
  }
  lengths.push_back(static_cast<int>(text.size() - start));
  return lengths;
}

class NativeEditTest : public ::testing::Test {
 protected:
  NativeEditTest() {
    edit().SetNoticeSink([this](EditNotice notice) { notices.push_back(notice); });
  }
  void SetUp() override {
    if (!win32::WindowsCanBeMade()) GTEST_SKIP() << win32::kNoWindows;
  }
  win32::NativeEditControl& edit() { return subject.edit; }
  // A person's key as the EDIT receives it once translated.
  void TypeChar(char16_t ch) { SendMessageW(edit().Window(), WM_CHAR, ch, 1); }

  NativeEditSubject subject;
  std::vector<EditNotice> notices;
};

// Without lone CR or LF, Wine's EDIT and Windows' agree with the model.
TEST_F(NativeEditTest, CrLfLinesAsTheModelHasThem) {
  for (const char16_t* text : {u"", u"abc", u"a\r\nb", u"\r\n\r\n", u"x\u2029y\u2028z", u"あ\U00020BB7ｱ\r\n"}) {
    edit().SetText(text);
    EXPECT_EQ(edit().Text(), text);
    EXPECT_EQ(edit().LineCount(), static_cast<int>(CrLfLines(text).size())) << ToUtf8(text);
    EXPECT_EQ(subject.ShownLines(), CrLfLines(text)) << ToUtf8(text);
  }
}

// Text after a NUL is never lost: the NUL is shown as a symbol.
TEST_F(NativeEditTest, ANulEndsNothing) {
  edit().SetText(ustring(u"ab\0cd", 5));
  EXPECT_EQ(edit().Text(), u"ab\u2400cd");
  edit().SetSel(5, 0);
  edit().ReplaceSel(ustring(u"\0e", 2));
  EXPECT_EQ(edit().Text(), u"ab\u2400cd\u2400e");
}

TEST_F(NativeEditTest, APersonsTypingIsSeenAndHeldToTheLimit) {
  // The limit counts bytes on disk here (UTF-8: three for a kana).
  edit().SetLimitMeasure([](ustring_view text) { return static_cast<long long>(ToUtf8(text).size()); });
  edit().SetLimit(6);
  const std::uint64_t before = edit().Revision();
  TypeChar(u'a');
  EXPECT_EQ(edit().Text(), u"a");
  EXPECT_NE(edit().Revision(), before);
  TypeChar(u'あ');
  TypeChar(u'\r');  // Enter types a break of two
  EXPECT_EQ(edit().Text(), u"aあ\r\n");
  EXPECT_TRUE(notices.empty());
  TypeChar(u'い');  // three more bytes do not fit
  EXPECT_EQ(edit().Text(), u"aあ\r\n");
  EXPECT_EQ(notices, std::vector{EditNotice::kMaxText});
  TypeChar(0x08);  // Backspace is no typing: it goes through
  EXPECT_EQ(edit().Text(), u"aあ");
  EXPECT_TRUE(edit().Modified());
  // Typing over a selection: its room counts.
  edit().SetSel(1, 1);
  TypeChar(u'う');
  EXPECT_EQ(edit().Text(), u"aう");
}

TEST_F(NativeEditTest, PastingIsHeldToTheLimitToo) {
  ASSERT_TRUE(OpenClipboard(subject.parent.Handle()));
  EmptyClipboard();
  const std::u16string clip = u"12345";
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(char16_t));
  ASSERT_NE(data, nullptr);
  std::copy_n(clip.c_str(), clip.size() + 1, static_cast<char16_t*>(GlobalLock(data)));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  edit().SetText(u"ab");
  edit().SetSel(2, 0);
  edit().SetLimit(5);
  SendMessageW(edit().Window(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit().Text(), u"ab123");
  EXPECT_EQ(notices, std::vector{EditNotice::kMaxText});
  edit().Undo();
  EXPECT_EQ(edit().Text(), u"ab");
}

TEST_F(NativeEditTest, WordWrapMakesTheEditAgainKeepingItsState) {
  HWND told = nullptr;
  edit().SetOnRecreated([&](HWND made) { told = made; });
  subject.SetViewSize(10, 5);
  const ustring text = u"first line is long enough to wrap twice\r\nあいうえおかきくけこさしすせそ";
  edit().SetText(text);
  edit().SetSel(8, 4);
  edit().SetModified(true);
  edit().SetFont({u"IPAGothic", 10, true});
  edit().SetEnabled(false);
  const std::uint64_t revision = edit().Revision();
  const HWND old = edit().Window();
  ASSERT_EQ(edit().LineCount(), 2);

  edit().SetWordWrap(true);
  EXPECT_TRUE(edit().WordWrap());
  EXPECT_NE(edit().Window(), old);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(told, edit().Window());
  EXPECT_EQ(reinterpret_cast<HWND>(edit().Handle()), edit().Window());
  EXPECT_EQ(GetParent(edit().Window()), subject.parent.Handle());
  EXPECT_EQ(edit().Text(), text);
  EXPECT_EQ(edit().Revision(), revision);  // the same text
  EXPECT_EQ(edit().SelStart(), 8);
  EXPECT_EQ(edit().SelLength(), 4);
  EXPECT_TRUE(edit().Modified());
  EXPECT_FALSE(edit().Enabled());
  EXPECT_EQ(edit().Font(), (FontSpec{u"IPAGothic", 10, true}));
  EXPECT_GT(edit().LineCount(), 2);  // the long lines wrap
  EXPECT_EQ(GetDlgCtrlID(edit().Window()), NativeEditSubject::kId);
  // The new EDIT is the one that answers: notices and typing reach the program.
  edit().SetEnabled(true);
  edit().SetSel(0, 0);
  TypeChar(u'Z');
  EXPECT_EQ(edit().Text(), u"Z" + text);

  edit().SetWordWrap(false);
  EXPECT_FALSE(edit().WordWrap());
  EXPECT_EQ(edit().LineCount(), 2);
  EXPECT_EQ(edit().Text(), u"Z" + text);
}

// An owner may make the EDIT in one window and move it to another: word
// wrap makes the new one where the old one is.
TEST_F(NativeEditTest, WordWrapMakesTheEditWhereItIsNow) {
  EditParent form;
  SetParent(edit().Window(), form.Handle());
  MoveWindow(edit().Window(), 12, 34, 300, 200, FALSE);
  SetWindowLongPtrW(edit().Window(), GWLP_ID, 55);
  edit().SetText(u"moved");
  edit().SetWordWrap(true);
  EXPECT_EQ(GetParent(edit().Window()), form.Handle());
  EXPECT_EQ(GetDlgCtrlID(edit().Window()), 55);
  RECT at{};
  GetWindowRect(edit().Window(), &at);
  MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&at), 2);
  EXPECT_EQ(at.left, 12);
  EXPECT_EQ(at.top, 34);
  EXPECT_EQ(at.right - at.left, 300);
  EXPECT_EQ(at.bottom - at.top, 200);
  EXPECT_EQ(edit().Text(), u"moved");
  edit().SetWordWrap(false);  // gone before its parent
  EXPECT_EQ(GetParent(edit().Window()), form.Handle());
  SetParent(edit().Window(), subject.parent.Handle());
}

// The horizontal scroll reads the same whatever line is on top, an empty
// one included.
TEST_F(NativeEditTest, TheFirstColumnShownWhateverLineIsOnTop) {
  subject.SetViewSize(5, 1);
  edit().SetText(u"\r\nabcdefghij\r\n\r\nxy\r\n");
  edit().LineScroll(4, 0);
  for (int top = 0; top < 5; ++top) {  // the last line is empty, at the text's end
    edit().LineScroll(0, top - edit().FirstVisibleLine());
    EXPECT_EQ(edit().FirstVisibleLine(), top);
    EXPECT_EQ(edit().FirstVisibleColumn(), 4) << top;
  }
}

TEST_F(NativeEditTest, TheParentAnswersColoursAndPassesNotices) {
  edit().SetBackColor(0x00FFFF);  // yellow: red + 256 green
  edit().SetForeColor(0x800000);  // navy
  HDC dc = CreateCompatibleDC(nullptr);
  LRESULT brush = 0;
  ASSERT_TRUE(win32::NativeEditControl::HandleParentMessage(
      WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit().Window()), brush));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0x80));
  EXPECT_EQ(GetBkColor(dc), RGB(0xFF, 0xFF, 0));
  LOGBRUSH described{};
  ASSERT_NE(GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(described), &described), 0);
  EXPECT_EQ(described.lbColor, RGB(0xFF, 0xFF, 0));
  DeleteDC(dc);

  LRESULT result = 0;
  const auto from = reinterpret_cast<LPARAM>(edit().Window());
  EXPECT_TRUE(win32::NativeEditControl::HandleParentMessage(WM_COMMAND, MAKEWPARAM(100, EN_ERRSPACE), from, result));
  EXPECT_TRUE(win32::NativeEditControl::HandleParentMessage(WM_COMMAND, MAKEWPARAM(100, EN_MAXTEXT), from, result));
  EXPECT_EQ(notices, (std::vector{EditNotice::kErrSpace, EditNotice::kMaxText}));
  // Another window's messages are not the control's.
  EXPECT_FALSE(win32::NativeEditControl::HandleParentMessage(
      WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), reinterpret_cast<LPARAM>(subject.parent.Handle()), result));
  EXPECT_FALSE(win32::NativeEditControl::HandleParentMessage(WM_CTLCOLOREDIT, 0, 0, result));
}

TEST_F(NativeEditTest, TheImeModeIsPutIntoTheImeWhenTheBoxTakesTheFocus) {
  HIMC context = ImmGetContext(edit().Window());
  if (context == nullptr && win32::UnderWine()) GTEST_SKIP() << "Wine gives this window no input context";
  ASSERT_NE(context, nullptr);
  ImmSetOpenStatus(context, FALSE);
  edit().SetImeMode(ime_mode::kHiragana);  // not focused: nothing yet
  EXPECT_FALSE(ImmGetOpenStatus(context));
  EXPECT_EQ(edit().ImeMode(), ime_mode::kHiragana);
  SendMessageW(edit().Window(), WM_SETFOCUS, 0, 0);
  EXPECT_TRUE(ImmGetOpenStatus(context));
  DWORD conversion = 0;
  DWORD sentence = 0;
  ASSERT_TRUE(ImmGetConversionStatus(context, &conversion, &sentence));
  EXPECT_EQ(conversion & (IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE),
            DWORD{IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE});
  edit().SetImeMode(ime_mode::kOff);
  SendMessageW(edit().Window(), WM_SETFOCUS, 0, 0);
  EXPECT_FALSE(ImmGetOpenStatus(context));
  ImmReleaseContext(edit().Window(), context);
}

TEST(NativeEdit, OutlivingItsWindowKeepsTheTextAndTouchesNothing) {
  if (!win32::WindowsCanBeMade()) GTEST_SKIP() << win32::kNoWindows;
  auto parent = std::make_unique<EditParent>();
  win32::NativeEditControl edit(parent->Handle(), 7, RECT{0, 0, 200, 100});
  edit.SetText(u"keep me");
  edit.SetSel(4, 0);
  parent.reset();  // the window closes first, taking the EDIT with it
  EXPECT_FALSE(edit.Ready());
  EXPECT_EQ(edit.Handle(), 0u);
  EXPECT_EQ(edit.Text(), u"keep me");
  // Every call is harmless now, and so is going.
  edit.ReplaceSel(u"x");
  edit.SetWordWrap(true);
  edit.SetFont({u"IPAGothic", 9, false});
  EXPECT_EQ(edit.Text(), u"keep me");
  EXPECT_EQ(edit.LineCount(), 0);
}

// The IME's confirmed text, as the EDIT receives it, is held to the limit.
TEST_F(NativeEditTest, AnImeResultIsHeldToTheLimit) {
  HIMC context = ImmGetContext(edit().Window());
  if (context == nullptr && win32::UnderWine()) GTEST_SKIP() << "Wine gives this window no input context";
  ASSERT_NE(context, nullptr);
  const wchar_t typed[] = L"漢字かな";
  const wchar_t reading[] = L"ｶﾝｼﾞｶﾅ";
  const bool set = ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(typed),
                                            sizeof(typed) - sizeof(wchar_t), const_cast<wchar_t*>(reading),
                                            sizeof(reading) - sizeof(wchar_t));
  if (win32::UnderWine()) {
    // Wine 8 takes the string but faults in ImmNotifyIME completing it.
    ImmReleaseContext(edit().Window(), context);
    GTEST_SKIP() << "Wine's IME cannot complete a composition a program set";
  }
  ASSERT_TRUE(set);
  edit().SetText(u"ab");
  edit().SetSel(2, 0);
  edit().SetLimit(6);  // room for two full-width characters
  ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
  MSG msg;
  for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) DispatchMessageW(&msg);
  ImmReleaseContext(edit().Window(), context);
  EXPECT_EQ(edit().Text(), u"ab漢字");
  EXPECT_EQ(notices, std::vector{EditNotice::kMaxText});
}

}  // namespace
}  // namespace orvo::testing
