// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picture_rows.h"

#include "toolkit/picture_ids.h"

namespace orvo {
namespace {

namespace pic = picture_id;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0xFFE000;
constexpr std::uint32_t kDarkGrey = 0x404040;
constexpr std::uint32_t kDarkBlue = 0x0030A0;
constexpr std::uint32_t kButtonFace = 0xC0C0C0;
constexpr int kAllDots = 0x3F;

// Braille pictures are yellow on black, like the IME's state in braille input;
// the IME's states are white on a colour that tells them apart.
constexpr PictureRow kRows[] = {
    {pic::kMemo, PictureFigure::kPage, kWhite, kBlack, nullptr, 0},
    {pic::kRomajiMethod, PictureFigure::kKeyCap, kWhite, kBlack, u"Ａ", 0},
    {pic::kBrailleMethod, PictureFigure::kCell, kBlack, kYellow, nullptr, kAllDots},
    {pic::kImeAtLoad, PictureFigure::kGlyph, kDarkGrey, kWhite, u"Ａ", 0},
    {pic::kImeOn, PictureFigure::kGlyph, kDarkBlue, kWhite, u"あ", 0},
    {pic::kImeBraille, PictureFigure::kGlyph, kBlack, kYellow, u"あ", 0},
    {pic::kCover, PictureFigure::kBlank, kButtonFace, kBlack, nullptr, 0},
    {pic::kMenuChecked, PictureFigure::kBoxTicked, kWhite, kBlack, nullptr, 0},
    {pic::kMenuUnchecked, PictureFigure::kBoxEmpty, kWhite, kBlack, nullptr, 0},
    {pic::kAppIcon, PictureFigure::kCell, kDarkBlue, kWhite, nullptr, 0b010101},  // dots 1 3 5
};

}  // namespace

std::span<const PictureRow> PictureRows() { return kRows; }

const PictureRow* FindPictureRow(int id) {
  for (const PictureRow& row : kRows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace orvo
