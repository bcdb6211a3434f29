// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_list.h"

#include <algorithm>
#include <vector>

#include "toolkit/settings_record.h"
#include "settings/settings_texts.h"

namespace orvo::settings {
namespace {

constexpr std::u16string_view kSkippedFirst = u"@#&$";
// Fixed-pitch families with Japanese, as Debian names them (fonts-ipafont-gothic first: Orvo depends on it).
constexpr const char16_t* kStandIns[] = {u"IPAGothic", u"IPAゴシック", u"Noto Sans Mono CJK JP", u"VL Gothic",
                                         u"TakaoGothic", u"DejaVu Sans Mono", u"Liberation Mono"};

}  // namespace

bool ListsFontFamily(ustring_view family) {
  if (!family.empty() && kSkippedFirst.find(family.front()) != ustring_view::npos) return false;
  return family != text::kBrailleFontFace;
}

ustring StandInFont(const ustring& name, const FontRegistry& fonts) {
  if (name != SettingsRecord{}.FontName) return name;
  const std::vector<ustring> families = fonts.Families();
  const auto has = [&families](ustring_view family) {
    return std::find(families.begin(), families.end(), family) != families.end();
  };
  // Family names are matched without regard to case (Windows lists its own as "Fixedsys").
  const auto has_any_case = [&families](ustring_view family) {
    const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
    return std::any_of(families.begin(), families.end(), [&](const ustring& f) {
      return std::equal(f.begin(), f.end(), family.begin(), family.end(),
                        [&](char16_t a, char16_t b) { return fold(a) == fold(b); });
    });
  };
  if (families.empty() || has_any_case(name)) return name;
  for (const char16_t* family : kStandIns) {
    if (has(family)) return family;
  }
  for (const ustring& family : families) {
    if (ListsFontFamily(family) && !family.empty()) return family;
  }
  return name;
}

void FillFontList(const FontRegistry& fonts, forms::ListBoxControl& list) {
  list.Clear();
  for (ustring& family : fonts.Families()) {
    // A name ends at its first NUL, as the system hands names over.
    if (const auto nul = family.find(u'\0'); nul != ustring::npos) family.resize(nul);
    if (ListsFontFamily(family)) list.AddItem(std::move(family));
  }
}

}  // namespace orvo::settings
