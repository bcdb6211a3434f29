// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/menu_protocol.h"

#include "app/main_window.h"
#include "app/program.h"

namespace orvo::frontend {

MenuProtocol::MenuProtocol(Program& program, MenuScreen& screen, When when)
    : program_(program), screen_(screen), when_(when) {
  subscription_ = program_.forms.Subscribe([this](const forms::FormsEvent& e) {
    if (e.part != forms::FormsEvent::Part::kMenuOpen || e.menu == nullptr) return;
    if (!program_.HasMainWindow() || e.form != &program_.Main()) return;
    asked_ = e.menu;
    if (when_ == When::kAtOnce) OpenAsked();
  });
}

MenuProtocol::~MenuProtocol() { program_.forms.Unsubscribe(subscription_); }

void MenuProtocol::OpenAsked() {
  const forms::MenuEntry* menu = asked_;
  asked_ = nullptr;
  if (menu != nullptr && program_.HasMainWindow()) Open(*menu);
}

void MenuProtocol::Open(const forms::MenuEntry& menu) {
  if (!menu.Visible()) {
    if (!menu.Children().empty()) screen_.OpenPopUp(menu);
    return;
  }
  if (menu.Children().empty()) {
    screen_.ChooseCommand(menu);
    return;
  }
  screen_.OpenDropDown(menu);
}

void MenuProtocol::Opened(const std::string& top) {
  if (program_.HasMainWindow()) program_.Main().OpenMenu(top);
}

void MenuProtocol::Chosen(const std::string& item) {
  if (program_.HasMainWindow()) program_.Main().ChooseMenu(item);
}

void MenuProtocol::Clicked(const std::string& top) {
  if (program_.HasMainWindow()) program_.Main().ClickMenu(top);
}

void MenuProtocol::Dismissed() {
  if (program_.HasMainWindow()) program_.Main().MenuDismissed();
}

}  // namespace orvo::frontend
