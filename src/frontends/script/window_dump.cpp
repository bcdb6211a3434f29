// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/window_dump.h"

namespace orvo::script {
namespace {

nlohmann::json RectJson(const Rect& r) {
  return {{"left", r.left}, {"top", r.top}, {"width", r.width}, {"height", r.height}};
}

const char* StateName(WindowState state) {
  switch (state) {
    case WindowState::kMinimized:
      return "minimized";
    case WindowState::kMaximized:
      return "maximized";
    default:
      return "normal";
  }
}

}  // namespace

nlohmann::json DumpMainWindow(MainWindow& w) {
  nlohmann::json menus = nlohmann::json::object();
  w.MenuBar().FindIf([&menus](const forms::MenuEntry& item) {
    if (!item.Name().empty() && !item.IsSeparator()) {
      menus[item.Name()] = {{"caption", ToUtf8(item.Caption())},
                            {"visible", item.Visible()},
                            {"enabled", item.Enabled()},
                            {"checked", item.Checked()}};
    }
    return false;
  });
  const Size inner = w.InnerPx();
  const auto placed = [](const forms::Control& c) {
    return nlohmann::json{{"visible", c.Visible()}, {"left", c.Bounds().left}, {"top", c.Bounds().top}};
  };
  return {{"rect_twips", RectJson(w.OuterTwips())},
          {"state", StateName(w.State())},
          {"enabled", w.Enabled()},
          {"inner", {{"width", inner.width}, {"height", inner.height}}},
          {"text_rect", RectJson(w.TextRect())},
          {"wrap", w.WordWrap()},
          {"status_top", w.picSTATUS.Bounds().top},
          {"corner", placed(w.picCONER)},
          {"turn", placed(w.lblTURN)},
          {"tool_width", w.cmdTOOL.Bounds().width},
          {"restore_twips", RectJson(w.Restore)},
          {"menus", menus}};
}

}  // namespace orvo::script
