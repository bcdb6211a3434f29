// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/bitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/window_utils/transparent_draw.h"

namespace orvo {
namespace {

using Rows = std::vector<std::vector<Colour>>;

Bitmap FromRows(const Rows& rows, PixelFormat format = PixelFormat::kColour) {
  Bitmap b(static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size()),
           format);
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      b.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
  return b;
}

Rows ToRows(const Bitmap& b) {
  Rows rows(static_cast<std::size_t>(b.Height()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) rows[static_cast<std::size_t>(y)].push_back(b.Pixel(x, y));
  return rows;
}

// Pixels as hex in rows, so a failure shows the picture.
std::string Show(const Rows& rows) {
  std::string out;
  for (const auto& row : rows) {
    out += '\n';
    for (Colour c : row) {
      char cell[10];
      std::snprintf(cell, sizeof cell, " %06X", c);
      out += cell;
    }
  }
  return out;
}

#define EXPECT_PIXELS(bitmap, rows) EXPECT_EQ(Show(ToRows(bitmap)), Show(rows))

constexpr Colour W = kWhite;
constexpr Colour K = kBlack;

TEST(BitBlt, RasterOperations) {
  constexpr Colour kSource = 0x123456;
  constexpr Colour kDest = 0xF0F0F0;
  struct Case {
    RasterOp op;
    Colour expected;
  };
  const Case cases[] = {
      {RasterOp::kSrcCopy, kSource},
      {RasterOp::kSrcAnd, kSource & kDest},
      {RasterOp::kSrcInvert, kSource ^ kDest},
      {RasterOp::kDSna, kDest & ~kSource & 0xFFFFFF},
  };
  for (const Case& c : cases) {
    Bitmap src(1, 1, PixelFormat::kColour, kSource);
    Bitmap dest(1, 1, PixelFormat::kColour, kDest);
    DeviceContext src_dc{&src};
    DeviceContext dest_dc{&dest};
    BitBlt(dest_dc, 0, 0, 1, 1, src_dc, 0, 0, c.op);
    EXPECT_EQ(dest.Pixel(0, 0), c.expected) << static_cast<unsigned>(c.op);
  }
}

TEST(BitBlt, MonochromeConversions) {
  constexpr Colour T = 0x00FF00;
  constexpr Colour A = 0x102030;
  constexpr Colour B = 0x405060;
  struct Case {
    const char* name;
    Rows src;
    PixelFormat src_format;
    PixelFormat dest_format;
    Colour back, text;  // of the context that matters for the direction
    Rows expected;
  };
  // clang-format off
  const Case cases[] = {
      {"colour to mono: the source's back colour becomes white", {{T, A, T, K}}, PixelFormat::kColour, PixelFormat::kMonochrome, T, K, {{W, K, W, K}}},
      {"colour to mono: white is black unless it is the back colour", {{W, T}}, PixelFormat::kColour, PixelFormat::kMonochrome, T, K, {{K, W}}},
      {"mono to colour: white takes back, black takes text", {{W, K, K}}, PixelFormat::kMonochrome, PixelFormat::kColour, A, B, {{A, B, B}}},
      {"mono to mono unchanged", {{W, K}}, PixelFormat::kMonochrome, PixelFormat::kMonochrome, A, B, {{W, K}}},
      {"colour to colour unchanged", {{A, T}}, PixelFormat::kColour, PixelFormat::kColour, A, B, {{A, T}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Bitmap src = FromRows(c.src, c.src_format);
    Bitmap dest(src.Width(), 1, c.dest_format, 0x777777);
    // Colour to mono reads the source's back colour; mono to colour the destination's colours.
    DeviceContext src_dc{&src, c.back, c.text};
    DeviceContext dest_dc{&dest, c.back, c.text};
    BitBlt(dest_dc, 0, 0, src.Width(), 1, src_dc, 0, 0, RasterOp::kSrcCopy);
    EXPECT_PIXELS(dest, c.expected) << c.name;
  }
}

TEST(BitBlt, ClipsToBothPictures) {
  const Rows src_rows = {{1, 2, 3}, {4, 5, 6}};
  struct Case {
    const char* name;
    int x, y, w, h, sx, sy;
    Rows expected;  // destination 3 × 3, starting all 9
  };
  const Case cases[] = {
      {"whole", 0, 0, 3, 2, 0, 0, {{1, 2, 3}, {4, 5, 6}, {9, 9, 9}}},
      {"offset into destination", 1, 2, 3, 2, 0, 0, {{9, 9, 9}, {9, 9, 9}, {9, 1, 2}}},
      {"negative destination", -1, -1, 3, 3, 0, 0, {{5, 6, 9}, {9, 9, 9}, {9, 9, 9}}},
      {"offset into source", 0, 0, 3, 3, 1, 1, {{5, 6, 9}, {9, 9, 9}, {9, 9, 9}}},
      {"negative source", 0, 0, 3, 3, -1, 0, {{9, 1, 2}, {9, 4, 5}, {9, 9, 9}}},
      {"no width", 0, 0, 0, 2, 0, 0, {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}}},
      {"negative size", 0, 0, -3, -2, 0, 0, {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}}},
      {"huge size", 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, 0, 0, {{1, 2, 3}, {4, 5, 6}, {9, 9, 9}}},
      {"far away", 0x7FFFFFF0, 0, 0x7FFFFFFF, 2, 0, 0, {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}}},
  };
  for (const Case& c : cases) {
    Bitmap src = FromRows(src_rows);
    Bitmap dest(3, 3, PixelFormat::kColour, 9);
    DeviceContext src_dc{&src};
    DeviceContext dest_dc{&dest};
    BitBlt(dest_dc, c.x, c.y, c.w, c.h, src_dc, c.sx, c.sy, RasterOp::kSrcCopy);
    EXPECT_PIXELS(dest, c.expected) << c.name;
  }
}

TEST(BitBlt, WithinOnePictureAndWithoutOne) {
  Bitmap b = FromRows({{1, 2, 3, 4}});
  DeviceContext dc{&b};
  BitBlt(dc, 1, 0, 3, 1, dc, 0, 0, RasterOp::kSrcCopy);
  EXPECT_PIXELS(b, (Rows{{1, 1, 2, 3}}));

  DeviceContext none;
  BitBlt(dc, 0, 0, 4, 1, none, 0, 0, RasterOp::kSrcCopy);
  BitBlt(none, 0, 0, 4, 1, dc, 0, 0, RasterOp::kSrcCopy);
  EXPECT_PIXELS(b, (Rows{{1, 1, 2, 3}}));
}

TEST(Bitmap, PixelsOutsideAndMonochromeStorage) {
  Bitmap b(2, 1, PixelFormat::kMonochrome);
  b.SetPixel(0, 0, 0x010203);
  b.SetPixel(5, 0, W);
  EXPECT_EQ(b.Pixel(0, 0), W);
  EXPECT_EQ(b.Pixel(1, 0), K);
  EXPECT_EQ(b.Pixel(-1, 0), K);
  EXPECT_EQ(Bitmap(-3, 4).Width(), 0);
}

// Transparent draw on tiny pictures: T is the transparent colour, A and B
// the picture's own, D1 and D2 the destination's.
constexpr Colour T = 0xC0C0C0;
constexpr Colour A = 0x0000FF;
constexpr Colour B = 0x336699;
constexpr Colour D1 = 0x00FF00;
constexpr Colour D2 = 0x808080;

const Rows kPicture = {{T, A, T}, {B, T, A}};
const Rows kDestination = {{D1, D2, D1}, {D2, D1, D2}};
const Rows kDrawn = {{D1, A, D1}, {B, D1, A}};
const Rows kBlackedOut = {{K, A, K}, {B, K, A}};
const Rows kMask = {{W, K, W}, {K, W, K}};
constexpr Colour G = 0x444444;  // the mask surface before the draw

TEST(TransparentDraw, EveryPixelAndTheAfterEffects) {
  struct Case {
    const char* name;
    Rows picture;
    int width, height;
    Rows destination;  // empty: no destination
    Rows drawn, source_after, mask_after;
  };
  // clang-format off
  const Case cases[] = {
      {"with a destination", kPicture, 3, 2, kDestination, kDrawn, kBlackedOut, kMask},
      {"without a destination", kPicture, 3, 2, {}, {}, kBlackedOut, kMask},
      {"nothing transparent", {{A, B}}, 2, 1, {{D1, D2}}, {{A, B}}, {{A, B}}, {{K, K, G}, {G, G, G}}},
      {"all transparent", {{T, T}}, 2, 1, {{D1, D2}}, {{D1, D2}}, {{K, K}}, {{W, W, G}, {G, G, G}}},
      // Only the block is touched: the right column keeps its pixels.
      {"part of the picture", kPicture, 2, 2, kDestination, {{D1, A, D1}, {B, D1, D2}}, {{K, A, T}, {B, K, A}}, {{W, K, G}, {K, W, G}}},
      // The block reaches past the picture: there the destination shows.
      {"block wider than the picture", {{A}, {T}}, 3, 2, kDestination, {{A, D2, D1}, {D2, D1, D2}}, {{A}, {K}}, {{K, W, W}, {W, W, W}}},
      // Black in the picture stays black over the destination.
      {"black is drawn", {{K, T}}, 2, 1, {{D1, D2}}, {{K, D2}}, {{K, K}}, {{K, W, G}, {G, G, G}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Bitmap source = FromRows(c.picture);
    Bitmap mask(3, 2, PixelFormat::kColour, G);
    Bitmap destination = FromRows(c.destination);
    DeviceContext source_dc{&source, 0x123456};
    DeviceContext mask_dc{&mask};
    DeviceContext destination_dc{&destination};
    TransparentDraw(source_dc, c.width, c.height, mask_dc, T,
                    c.destination.empty() ? nullptr : &destination_dc);
    EXPECT_PIXELS(destination, c.drawn) << c.name;
    EXPECT_PIXELS(source, c.source_after) << c.name;
    EXPECT_PIXELS(mask, c.mask_after) << c.name;
    EXPECT_EQ(source_dc.back_colour, 0x123456u) << c.name;
  }
}

// The destination's and the mask surface's own colours do not tint the
// drawing, and a mask surface too small for the block does not garble it.
TEST(TransparentDraw, IndependentOfSurfaceColoursAndMaskSize) {
  struct Case {
    const char* name;
    int mask_width, mask_height;
    Colour mask_back, destination_back, destination_text;
  };
  const Case cases[] = {
      {"tinted destination", 3, 2, kWhite, 0x00FFFF, 0xFF0000},
      {"tinted mask surface", 3, 2, 0x00FFFF, kWhite, kBlack},
      {"small mask surface", 1, 1, kWhite, kWhite, kBlack},
      {"no mask surface", 0, 0, kWhite, kWhite, kBlack},
  };
  for (const Case& c : cases) {
    Bitmap source = FromRows(kPicture);
    Bitmap mask(c.mask_width, c.mask_height);
    Bitmap destination = FromRows(kDestination);
    DeviceContext source_dc{&source};
    DeviceContext mask_dc{c.mask_width > 0 ? &mask : nullptr, c.mask_back};
    DeviceContext destination_dc{&destination, c.destination_back, c.destination_text};
    TransparentDraw(source_dc, 3, 2, mask_dc, T, &destination_dc);
    EXPECT_PIXELS(destination, kDrawn) << c.name;
    EXPECT_PIXELS(source, kBlackedOut) << c.name;
  }
}

TEST(TransparentDraw, NothingToDraw) {
  Bitmap mask(3, 2, PixelFormat::kColour, G);
  Bitmap destination = FromRows(kDestination);
  DeviceContext mask_dc{&mask};
  DeviceContext destination_dc{&destination};
  DeviceContext no_source;
  TransparentDraw(no_source, 3, 2, mask_dc, T, &destination_dc);
  Bitmap source = FromRows(kPicture);
  DeviceContext source_dc{&source};
  TransparentDraw(source_dc, 0, 2, mask_dc, T, &destination_dc);
  TransparentDraw(source_dc, 3, -1, mask_dc, T, &destination_dc);
  EXPECT_PIXELS(destination, kDestination);
  EXPECT_PIXELS(source, kPicture);
  EXPECT_PIXELS(mask, (Rows{{G, G, G}, {G, G, G}}));
}

}  // namespace
}  // namespace orvo
