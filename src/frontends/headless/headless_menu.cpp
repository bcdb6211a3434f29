// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/headless_menu.h"

#include <string>
#include <vector>

#include "toolkit/forms/mnemonic.h"
#include "app/main_window.h"
#include "app/program.h"

namespace orvo::headless {
namespace {

// The items of a menu a person can reach, in order.
std::vector<const forms::MenuEntry*> Reachable(const forms::MenuEntry& menu) {
  std::vector<const forms::MenuEntry*> items;
  for (const auto& child : menu.Children()) {
    if (!child->IsSeparator() && child->Visible() && child->Enabled()) items.push_back(child.get());
  }
  return items;
}

}  // namespace

HeadlessMenu::HeadlessMenu(Program& program)
    : program_(program), protocol_(program, *this, frontend::MenuProtocol::When::kAtOnce) {}

HeadlessMenu::~HeadlessMenu() = default;

void HeadlessMenu::OpenDropDown(const forms::MenuEntry& top) {
  open_ = &top;
  has_highlight_ = false;
  popup_ = false;
  protocol_.Opened(top.Name());
}

// A pop-up menu is made ready as it was asked for.
void HeadlessMenu::OpenPopUp(const forms::MenuEntry& menu) {
  open_ = &menu;
  has_highlight_ = false;
  popup_ = true;
}

void HeadlessMenu::ChooseCommand(const forms::MenuEntry& top) { protocol_.Clicked(top.Name()); }

void HeadlessMenu::Close() {
  open_ = nullptr;
  protocol_.Dismissed();
}

void HeadlessMenu::Choose(const forms::MenuEntry& item) {
  const std::string name = item.Name();
  open_ = nullptr;
  protocol_.Chosen(name);
}

const forms::MenuEntry* HeadlessMenu::Highlighted() const {
  if (open_ == nullptr || !has_highlight_) return nullptr;
  const auto items = Reachable(*open_);
  return highlight_ < items.size() ? items[highlight_] : nullptr;
}

void HeadlessMenu::Step(int by) {
  const auto items = Reachable(*open_);
  if (items.empty()) return;
  const auto n = static_cast<long>(items.size());
  long at = has_highlight_ ? static_cast<long>(highlight_) + by : (by > 0 ? 0 : n - 1);
  highlight_ = static_cast<std::size_t>(((at % n) + n) % n);
  has_highlight_ = true;
}

void HeadlessMenu::NextTop(int by) {
  if (popup_) return;  // a pop-up menu stands alone
  std::vector<const forms::MenuEntry*> tops;
  for (const auto& top : program_.Main().MenuBar().Children()) {
    if (!top->Children().empty() && top->Usable()) tops.push_back(top.get());
  }
  for (std::size_t i = 0; i < tops.size(); ++i) {
    if (tops[i] != open_) continue;
    const auto n = static_cast<long>(tops.size());
    OpenDropDown(*tops[static_cast<std::size_t>(((static_cast<long>(i) + by) % n + n) % n)]);
    return;
  }
}

bool HeadlessMenu::TakeKey(const KeyEvent& event) {
  if (open_ == nullptr || !program_.HasMainWindow()) return false;
  if (event.up) return false;  // the keys held when it opened still come up for the program
  if (event.synthetic) return false;  // the program's own keys (the latch coming back) are not the person's
  switch (event.vk) {
    case vk::kEscape:
    case vk::kMenu:
    case vk::kF10:
      Close();
      return true;
    case vk::kDown:
      Step(1);
      return true;
    case vk::kUp:
      Step(-1);
      return true;
    case vk::kLeft:
      NextTop(-1);
      return true;
    case vk::kRight:
      NextTop(1);
      return true;
    case vk::kReturn:
      if (const forms::MenuEntry* item = Highlighted()) Choose(*item);
      return true;
    default:
      break;
  }
  for (const forms::MenuEntry* item : Reachable(*open_)) {
    if (forms::IsMnemonicKey(event.vk, forms::MnemonicOf(item->Caption()))) {
      Choose(*item);
      break;
    }
  }
  return true;  // an open menu takes every key
}

}  // namespace orvo::headless
