// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The smallest font file a name reader accepts: an sfnt header and one name
// table naming `family` for Windows (UTF-16BE). No glyphs: only a model of
// the system's fonts takes it for a font.
#include <string>

namespace orvo::test_support {

inline std::string SfntNamingFamily(const std::u16string& family) {
  std::string out;
  const auto u16 = [&out](unsigned v) {
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
    out.push_back(static_cast<char>(v & 0xFF));
  };
  const auto u32 = [&u16](unsigned v) {
    u16(v >> 16);
    u16(v & 0xFFFF);
  };
  const unsigned name_offset = 12 + 16;
  const unsigned length = static_cast<unsigned>(family.size() * 2);
  u32(0x00010000);
  u16(1);  // one table
  u16(16);
  u16(0);
  u16(0);
  u32(0x6E616D65);  // 'name'
  u32(0);
  u32(name_offset);
  u32(6 + 12 + length);
  u16(0);         // name table format
  u16(1);         // one record
  u16(6 + 12);    // strings start after it
  u16(3);         // Windows
  u16(1);         // Unicode BMP
  u16(0x409);
  u16(1);         // the family name
  u16(length);
  u16(0);
  for (char16_t c : family) u16(c);
  return out;
}

}  // namespace orvo::test_support
