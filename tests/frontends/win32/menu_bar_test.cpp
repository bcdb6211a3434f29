// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar built from its menu tree as real Win32 menus.
#include <gtest/gtest.h>

#include <string>

#include "frontends/win32/menu_bar.h"
#include "toolkit/picture_ids.h"

namespace orvo::win32 {
namespace {

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

class MenuBarTest : public ::testing::Test {
 protected:
  MenuBarTest() {
    file = &root.Add("mnuFILE", u"ファイル(&F)");
    open = &file->Add("mnuOPEN", u"開く(&O)");
    file->AddSeparator();
    save = &file->Add("mnuSAVE", u"上書き保存(&S)");
    hidden = &root.Add("mnuHIDDEN", u"隠し(&H)");
    hidden->Add("mnuINSIDE", u"中");
    hidden->SetVisible(false);
    option = &root.Add("mnuOPTION", u"オプション(&O)");
    wrap = &option->Add("mnuWRAP", u"折り返し(&W)");
    quit = &root.Add("mnuQUIT", u"ソフト終了(ESC)");
  }
  ~MenuBarTest() override {
    if (shown != nullptr) DestroyMenu(shown);
  }

  forms::MenuEntry root;
  forms::MenuEntry* file;
  forms::MenuEntry* open;
  forms::MenuEntry* save;
  forms::MenuEntry* hidden;
  forms::MenuEntry* option;
  forms::MenuEntry* wrap;
  forms::MenuEntry* quit;
  HMENU shown = nullptr;
};

// Finds an item's command number through the bar itself.
UINT CommandOf(const MenuBar& bar, HMENU menu, UINT position) {
  const UINT command = GetMenuItemID(menu, static_cast<int>(position));
  EXPECT_NE(bar.EntryOf(command), nullptr);
  return command;
}

TEST_F(MenuBarTest, TheBarHoldsTheVisibleEntriesEachFoundAgainByItsNumber) {
  MenuBar bar;
  HMENU menu = bar.Build(root);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 3) << "the hidden menu is not on the bar";
  EXPECT_EQ(ItemText(menu, 0), L"ファイル(&F)");
  EXPECT_EQ(ItemText(menu, 1), L"オプション(&O)");
  EXPECT_EQ(ItemText(menu, 2), L"ソフト終了(ESC)");
  EXPECT_EQ(bar.PositionOf(*file), 0);
  EXPECT_EQ(bar.PositionOf(*option), 1);
  EXPECT_EQ(bar.PositionOf(*hidden), -1);

  HMENU drop_down = GetSubMenu(menu, 0);
  ASSERT_NE(drop_down, nullptr);
  EXPECT_EQ(bar.EntryOfPopup(drop_down), file);
  EXPECT_EQ(bar.PopupOf(*file), drop_down);
  ASSERT_EQ(GetMenuItemCount(drop_down), 3);
  EXPECT_NE(GetMenuState(drop_down, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_EQ(bar.EntryOf(CommandOf(bar, drop_down, 0)), open);
  EXPECT_EQ(bar.EntryOf(CommandOf(bar, drop_down, 2)), save);
  // A top-level command is an item of the bar itself.
  EXPECT_EQ(bar.EntryOf(CommandOf(bar, menu, 2)), quit);
  EXPECT_EQ(bar.EntryOf(0), nullptr);
  shown = menu;
}

TEST_F(MenuBarTest, EnablingAndCheckMarksShowAndFollowTheModelWhereTheItemsStand) {
  save->SetEnabled(false);
  wrap->SetChecked(true);
  MenuBar bar;
  shown = bar.Build(root);
  HMENU file_menu = GetSubMenu(shown, 0);
  HMENU option_menu = GetSubMenu(shown, 1);
  EXPECT_NE(GetMenuState(file_menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_NE(GetMenuState(option_menu, 0, MF_BYPOSITION) & MF_CHECKED, 0u);

  save->SetEnabled(true);
  save->SetCaption(u"保存(&S)");
  wrap->SetChecked(false);
  EXPECT_TRUE(bar.Refresh(*save));
  EXPECT_TRUE(bar.Refresh(*wrap));
  EXPECT_EQ(GetMenuState(file_menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(ItemText(file_menu, 2), L"保存(&S)");
  EXPECT_EQ(GetMenuState(option_menu, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
  EXPECT_FALSE(bar.Refresh(*file)) << "a drop-down is no item";
  EXPECT_TRUE(bar.Refresh(*hidden->Children()[0])) << "an item of the hidden pop-up stands in it";
  forms::MenuEntry loose("mnuLOOSE", u"外");
  EXPECT_FALSE(bar.Refresh(loose)) << "an entry of no menu";
}

// The text box's pop-up menu is a hidden top-level menu: it is never on the
// bar, yet it must be there to open, its items chosen by their numbers, and
// it must go with the bar it was built with.
TEST_F(MenuBarTest, AHiddenMenuWithItemsIsAPopUpOfItsOwnOffTheBar) {
  MenuBar bar;
  HMENU first = bar.Build(root);
  HMENU pop_up = bar.PopupOf(*hidden);
  ASSERT_NE(pop_up, nullptr) << "the pop-up must exist to be opened";
  EXPECT_TRUE(IsMenu(pop_up));
  for (int i = 0; i < GetMenuItemCount(first); ++i) EXPECT_NE(GetSubMenu(first, i), pop_up);
  EXPECT_EQ(bar.EntryOfPopup(pop_up), hidden);
  ASSERT_EQ(GetMenuItemCount(pop_up), 1);
  EXPECT_EQ(ItemText(pop_up, 0), L"中");
  EXPECT_EQ(bar.EntryOf(CommandOf(bar, pop_up, 0)), hidden->Children()[0].get());

  shown = bar.Build(root);
  EXPECT_TRUE(IsMenu(pop_up)) << "the old pop-up stays until the old bar is dropped";
  bar.DropOld();
  EXPECT_FALSE(IsMenu(pop_up));
  EXPECT_FALSE(IsMenu(first));
  ASSERT_NE(bar.PopupOf(*hidden), nullptr);
  EXPECT_TRUE(IsMenu(bar.PopupOf(*hidden)));
}

TEST_F(MenuBarTest, ABuildAgainFollowsEntriesComingAndGoingAndForgetsTheOldBar) {
  MenuBar bar;
  HMENU first = bar.Build(root);
  const UINT old_save = GetMenuItemID(GetSubMenu(first, 0), 2);
  hidden->SetVisible(true);
  file->Remove(*save);
  save = nullptr;
  shown = bar.Build(root);
  bar.DropOld();
  EXPECT_FALSE(IsMenu(first)) << "the old bar is destroyed once dropped";
  EXPECT_EQ(GetMenuItemCount(shown), 4);
  EXPECT_EQ(bar.PositionOf(*hidden), 1);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(shown, 0)), 2);
  EXPECT_EQ(bar.EntryOf(old_save), nullptr) << "a removed entry is never reached by an old number";
}

TEST_F(MenuBarTest, TheWindowsOwnCheckPicturesBecomeTheItemsCheckBitmaps) {
  wrap->SetCheckPictures(picture_id::kMenuChecked, picture_id::kMenuUnchecked);
  MenuBar bar;
  shown = bar.Build(root);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  ASSERT_TRUE(GetMenuItemInfoW(GetSubMenu(shown, 1), 0, TRUE, &info));
  EXPECT_NE(info.hbmpChecked, nullptr);
  EXPECT_NE(info.hbmpUnchecked, nullptr);
  BITMAP bitmap{};
  ASSERT_NE(GetObjectW(info.hbmpChecked, sizeof bitmap, &bitmap), 0);
  EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXMENUCHECK));
}

}  // namespace
}  // namespace orvo::win32
