#include "platform/headless/key_names.h"

#include <algorithm>
#include <cctype>

#include "platform/keys.h"

namespace orvo::headless {
namespace {

struct KeyNameRow {
  std::string_view name;
  std::uint8_t vk;
  std::uint8_t scan;  // the keyboard's own code (set 1)
};

constexpr KeyNameRow kKeys[] = {
    {"A", 'A', 0x1E}, {"B", 'B', 0x30}, {"C", 'C', 0x2E}, {"D", 'D', 0x20}, {"E", 'E', 0x12},
    {"F", 'F', 0x21}, {"G", 'G', 0x22}, {"H", 'H', 0x23}, {"I", 'I', 0x17}, {"J", 'J', 0x24},
    {"K", 'K', 0x25}, {"L", 'L', 0x26}, {"M", 'M', 0x32}, {"N", 'N', 0x31}, {"O", 'O', 0x18},
    {"P", 'P', 0x19}, {"Q", 'Q', 0x10}, {"R", 'R', 0x13}, {"S", 'S', 0x1F}, {"T", 'T', 0x14},
    {"U", 'U', 0x16}, {"V", 'V', 0x2F}, {"W", 'W', 0x11}, {"X", 'X', 0x2D}, {"Y", 'Y', 0x15},
    {"Z", 'Z', 0x2C},
    {"1", '1', 0x02}, {"2", '2', 0x03}, {"3", '3', 0x04}, {"4", '4', 0x05}, {"5", '5', 0x06},
    {"6", '6', 0x07}, {"7", '7', 0x08}, {"8", '8', 0x09}, {"9", '9', 0x0A}, {"0", '0', 0x0B},
    {"Space", vk::kSpace, 0x39},       {"Enter", vk::kReturn, 0x1C},
    {"Esc", vk::kEscape, 0x01},        {"Tab", vk::kTab, 0x0F},
    {"Backspace", vk::kBack, 0x0E},    {"Delete", vk::kDelete, 0x53},
    {"Left", vk::kLeft, 0x4B},         {"Up", vk::kUp, 0x48},
    {"Right", vk::kRight, 0x4D},       {"Down", vk::kDown, 0x50},
    {"Home", vk::kHome, 0x47},         {"End", vk::kEnd, 0x4F},
    {"PageUp", vk::kPrior, 0x49},      {"PageDown", vk::kNext, 0x51},
    {"Shift", vk::kShift, 0x2A},       {"Ctrl", vk::kControl, 0x1D},
    {"Alt", vk::kMenu, 0x38},          {"CapsLock", vk::kCapital, 0x3A},
    {"Kana", vk::kKana, 0x70},         {"Kanji", vk::kKanji, 0x29},
    {"Comma", vk::kOemComma, 0x33},    {"Period", vk::kOemPeriod, 0x34},
    {"Semicolon", vk::kOemPlus, 0x27}, {"Colon", vk::kOem1, 0x28},
    {"Minus", vk::kOemMinus, 0x0C},    {"Slash", vk::kOem2, 0x35},
    {"At", vk::kOem3, 0x1A},           {"Caret", vk::kOem7, 0x0D},
    {"LeftBracket", vk::kOem4, 0x1B},  {"RightBracket", vk::kOem6, 0x2B},
    {"Yen", vk::kOem5, 0x7D},          {"Backslash", vk::kOem102, 0x73},
    {"F1", vk::kF1, 0x3B},   {"F2", vk::kF2, 0x3C},   {"F3", vk::kF3, 0x3D},
    {"F4", vk::kF4, 0x3E},   {"F5", vk::kF5, 0x3F},   {"F6", vk::kF6, 0x40},
    {"F7", vk::kF7, 0x41},   {"F8", vk::kF8, 0x42},   {"F9", vk::kF9, 0x43},
    {"F10", vk::kF10, 0x44}, {"F11", vk::kF11, 0x57}, {"F12", vk::kF12, 0x58},
};

}  // namespace

std::optional<NamedKey> LookupKey(std::string_view name) {
  for (const KeyNameRow& row : kKeys) {
    const bool same = row.name.size() == name.size() &&
                      std::equal(name.begin(), name.end(), row.name.begin(), [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
    if (same) return NamedKey{row.vk, row.scan};
  }
  return std::nullopt;
}

}  // namespace orvo::headless
