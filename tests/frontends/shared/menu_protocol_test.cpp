// SPDX-License-Identifier: GPL-3.0-or-later
// The menu protocol over a fake screen: a menu asked for from the keyboard
// reaches the front end as the kind of opening it needs, once, when the
// front end is ready for it.
#include "frontends/shared/menu_protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

using frontend::MenuProtocol;

class FakeScreen : public frontend::MenuScreen {
 public:
  void OpenDropDown(const forms::MenuEntry& top) override { log.push_back("drop-down " + top.Name()); }
  void OpenPopUp(const forms::MenuEntry& menu) override { log.push_back("pop-up " + menu.Name()); }
  void ChooseCommand(const forms::MenuEntry& top) override { log.push_back("command " + top.Name()); }
  std::vector<std::string> log;
};

class MenuProtocolTest : public ::testing::Test {
 protected:
  MenuProtocolTest() : session(folder.Path()) {}
  void SetUp() override { ASSERT_TRUE(session.Start()); }

  test_support::TempFolder folder;
  headless::Session session;
  FakeScreen screen;
  MenuProtocol protocol{session.program, screen, MenuProtocol::When::kOnOpenAsked};
};

TEST_F(MenuProtocolTest, AnAskedMenuOpensOnceWhenTheFrontEndIsReady) {
  session.Tap(vk::kF10);  // the first menu of the bar
  EXPECT_TRUE(screen.log.empty());
  protocol.OpenAsked();
  ASSERT_EQ(screen.log.size(), 1u);
  EXPECT_EQ(screen.log[0], "drop-down " + session.Main().MenuBar().Children().front()->Name());
  protocol.OpenAsked();
  EXPECT_EQ(screen.log.size(), 1u);
}

TEST_F(MenuProtocolTest, AMenuTheBarDoesNotShowOpensAsAPopUp) {
  const forms::MenuEntry* popup = session.Main().MenuBar().Find("mnuPOPUP");
  ASSERT_NE(popup, nullptr);
  ASSERT_FALSE(popup->Visible());
  session.Main().PopUp(*popup);
  protocol.OpenAsked();
  EXPECT_EQ(screen.log, std::vector<std::string>{"pop-up mnuPOPUP"});
}

}  // namespace
}  // namespace orvo
