#include "platform/headless/window_dump.h"

namespace orvo::headless {
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
  for (const auto& [name, item] : w.menus) {
    menus[name] = {{"caption", ToUtf8(item.Caption)},
                   {"visible", item.Visible},
                   {"enabled", item.Enabled},
                   {"checked", item.Checked}};
  }
  const Size inner = w.InnerPx();
  return {{"rect_twips", RectJson(w.OuterTwips())},
          {"state", StateName(w.State())},
          {"enabled", w.Enabled()},
          {"inner", {{"width", inner.width}, {"height", inner.height}}},
          {"text_rect", RectJson(w.TextRect())},
          {"wrap", w.WordWrap()},
          {"status_top", w.picSTATUS.Top},
          {"corner", {{"visible", w.picCONER.Visible}, {"left", w.picCONER.Left}, {"top", w.picCONER.Top}}},
          {"turn", {{"visible", w.lblTURN.Visible}, {"left", w.lblTURN.Left}, {"top", w.lblTURN.Top}}},
          {"tool_width", w.cmdTOOL.Width},
          {"restore_twips", RectJson(w.Restore)},
          {"menus", menus}};
}

}  // namespace orvo::headless
