#include "settings/font_list.h"

namespace orvo::settings {
namespace {

const char16_t* const kFamilies[] = {u"FixedSys", u"IPAGothic", u"IPAPGothic", u"Terminal", u"ＭＳ ゴシック"};

}  // namespace

void FillFontList(Platform& platform, forms::ListBoxControl& list) {
  (void)platform;
  list.Clear();
  for (const char16_t* family : kFamilies) list.AddItem(family);
}

}  // namespace orvo::settings
