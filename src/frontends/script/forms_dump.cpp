// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/forms_dump.h"

namespace orvo::script {
namespace {

// clang-format off
constexpr const char* kKindNames[] = {
    "label", "button", "picture", "text", "list", "option", "check", "frame",
};
// clang-format on

nlohmann::json RectJson(const Rect& r) {
  return {{"left", r.left}, {"top", r.top}, {"width", r.width}, {"height", r.height}};
}

nlohmann::json DumpControl(const forms::Control& c) {
  nlohmann::json out = {{"name", c.Name()},
                        {"kind", kKindNames[static_cast<std::size_t>(c.Kind())]},
                        {"caption", ToUtf8(c.Caption())},
                        {"accessible_name", ToUtf8(c.AccessibleName())},
                        {"description", ToUtf8(c.AccessibleDescription())},
                        {"visible", c.Visible()},
                        {"enabled", c.Enabled()},
                        {"focused", c.HasFocus()},
                        {"bounds", RectJson(c.Bounds())}};
  if (c.Index() >= 0) out["index"] = c.Index();
  return out;
}

}  // namespace

nlohmann::json DumpForms(const forms::FormsRuntime& runtime) {
  nlohmann::json out = nlohmann::json::array();
  const forms::Form* active = runtime.ActiveForm();
  for (const forms::Form* f : runtime.Forms()) {
    nlohmann::json controls = nlohmann::json::array();
    for (const forms::Control* c : f->Controls()) controls.push_back(DumpControl(*c));
    out.push_back({{"name", f->Name()},
                   {"tag", f->Tag()},
                   {"caption", ToUtf8(f->Caption())},
                   {"visible", f->Visible()},
                   {"enabled", f->Enabled()},
                   {"active", f == active},
                   {"modal", runtime.IsModal(*f)},
                   {"rect_twips", RectJson(f->OuterTwips())},
                   {"controls", controls}});
  }
  return out;
}

}  // namespace orvo::script
