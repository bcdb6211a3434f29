// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/jis_layout.h"

#include "platform/keys.h"

namespace orvo::emu {
namespace {

struct LayoutRow {
  std::uint8_t vk;
  char16_t plain;
  char16_t shifted;  // 0: nothing with Shift
};

constexpr LayoutRow kLayout[] = {
    {'1', u'1', u'!'},           {'2', u'2', u'"'},          {'3', u'3', u'#'},
    {'4', u'4', u'$'},           {'5', u'5', u'%'},          {'6', u'6', u'&'},
    {'7', u'7', u'\''},          {'8', u'8', u'('},          {'9', u'9', u')'},
    {'0', u'0', 0},              {vk::kOemMinus, u'-', u'='}, {vk::kOem7, u'^', u'~'},
    {vk::kOem5, u'\\', u'|'},    {vk::kOem3, u'@', u'`'},    {vk::kOem4, u'[', u'{'},
    {vk::kOemPlus, u';', u'+'},  {vk::kOem1, u':', u'*'},    {vk::kOem6, u']', u'}'},
    {vk::kOemComma, u',', u'<'}, {vk::kOemPeriod, u'.', u'>'}, {vk::kOem2, u'/', u'?'},
    {vk::kOem102, u'\\', u'_'},  {vk::kSpace, u' ', u' '},
};

}  // namespace

char16_t JisCharacter(std::uint8_t key, bool shift, bool caps_lock) {
  if (key >= 'A' && key <= 'Z') {
    const bool capital = shift != caps_lock;
    return static_cast<char16_t>(capital ? key : key + ('a' - 'A'));
  }
  for (const LayoutRow& row : kLayout) {
    if (row.vk == key) return shift ? row.shifted : row.plain;
  }
  return 0;
}

}  // namespace orvo::emu
