// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_file.h"

#include <cstdint>
#include <optional>

namespace orvo {
namespace {

// Big-endian fields of a byte range, every read checked against its end.
class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : b_(bytes) {}
  std::optional<std::uint32_t> At(std::size_t offset, int width) const {
    if (offset > b_.size() || b_.size() - offset < static_cast<std::size_t>(width)) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) v = (v << 8) | static_cast<unsigned char>(b_[offset + static_cast<std::size_t>(i)]);
    return v;
  }
  std::optional<std::string_view> Slice(std::size_t offset, std::size_t length) const {
    if (offset > b_.size() || b_.size() - offset < length) return std::nullopt;
    return b_.substr(offset, length);
  }

 private:
  std::string_view b_;
};

constexpr std::uint32_t kTrueType = 0x00010000;
constexpr std::uint32_t kAppleTrueType = 0x74727565;  // 'true'
constexpr std::uint32_t kOpenTypeCff = 0x4F54544F;    // 'OTTO'
constexpr std::uint32_t kNameTag = 0x6E616D65;        // 'name'
constexpr std::uint32_t kFamilyNameId = 1;
constexpr std::uint32_t kWindows = 3;
constexpr std::uint32_t kMacintosh = 1;

std::optional<std::string_view> NameTable(const Bytes& font) {
  const auto version = font.At(0, 4);
  if (!version || (*version != kTrueType && *version != kAppleTrueType && *version != kOpenTypeCff)) return std::nullopt;
  const auto tables = font.At(4, 2);
  if (!tables) return std::nullopt;
  for (std::uint32_t i = 0; i < *tables; ++i) {
    const std::size_t record = 12 + 16 * static_cast<std::size_t>(i);
    const auto tag = font.At(record, 4);
    const auto offset = font.At(record + 8, 4);
    const auto length = font.At(record + 12, 4);
    if (!tag || !offset || !length) return std::nullopt;
    if (*tag == kNameTag) return font.Slice(*offset, *length);
  }
  return std::nullopt;
}

ustring Decode(std::uint32_t platform, std::string_view text) {
  ustring out;
  if (platform == kWindows) {  // UTF-16, big-endian
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
      out.push_back(static_cast<char16_t>((static_cast<unsigned char>(text[i]) << 8) |
                                          static_cast<unsigned char>(text[i + 1])));
    }
  } else {  // Mac Roman: its ASCII part is all a family name here needs
    for (char c : text) out.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'?');
  }
  return out;
}

}  // namespace

ustring FontFileFamily(std::string_view bytes) {
  const Bytes font(bytes);
  const auto table = NameTable(font);
  if (!table) return {};
  const Bytes name(*table);
  const auto count = name.At(2, 2);
  const auto strings = name.At(4, 2);
  if (!count || !strings) return {};
  ustring mac;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::size_t record = 6 + 12 * static_cast<std::size_t>(i);
    const auto platform = name.At(record, 2);
    const auto id = name.At(record + 6, 2);
    const auto length = name.At(record + 8, 2);
    const auto offset = name.At(record + 10, 2);
    if (!platform || !id || !length || !offset) return {};
    if (*id != kFamilyNameId || (*platform != kWindows && *platform != kMacintosh)) continue;
    const auto text = name.Slice(std::size_t{*strings} + *offset, *length);
    if (!text) continue;
    if (*platform == kWindows) return Decode(kWindows, *text);
    if (mac.empty()) mac = Decode(kMacintosh, *text);
  }
  return mac;
}

}  // namespace orvo
