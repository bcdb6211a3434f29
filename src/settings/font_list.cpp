#include "settings/font_list.h"

#include "settings/settings_texts.h"

namespace orvo::settings {
namespace {

constexpr std::u16string_view kSkippedFirst = u"@#&$";

}  // namespace

bool ListsFontFamily(ustring_view family) {
  if (!family.empty() && kSkippedFirst.find(family.front()) != ustring_view::npos) return false;
  return family != text::kBrailleFontFace;
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
