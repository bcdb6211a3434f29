// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/bitmap.h"

#include <algorithm>
#include <cstdint>

namespace orvo {
namespace {

constexpr Colour kRgbMask = 0xFFFFFF;

// The range [first, last) of offsets i with 0 <= a + i < a_size and
// 0 <= b + i < b_size, i < count; wide arithmetic keeps large arguments sane.
struct Span {
  int first;
  int last;
};
Span Overlap(int a, int a_size, int b, int b_size, int count) {
  const std::int64_t first = std::max<std::int64_t>({0, -std::int64_t{a}, -std::int64_t{b}});
  const std::int64_t last =
      std::min<std::int64_t>({count, std::int64_t{a_size} - a, std::int64_t{b_size} - b});
  if (last <= first) return {0, 0};
  return {static_cast<int>(first), static_cast<int>(last)};
}

Colour Converted(Colour pixel, const DeviceContext& src, const DeviceContext& dest) {
  const bool from_mono = src.bitmap->Format() == PixelFormat::kMonochrome;
  const bool to_mono = dest.bitmap->Format() == PixelFormat::kMonochrome;
  if (!from_mono && to_mono) return pixel == (src.back_colour & kRgbMask) ? kWhite : kBlack;
  if (from_mono && !to_mono)
    return (pixel == kWhite ? dest.back_colour : dest.text_colour) & kRgbMask;
  return pixel;
}

Colour Combined(Colour source, Colour destination, RasterOp op) {
  switch (op) {
    case RasterOp::kSrcCopy:
      return source;
    case RasterOp::kSrcAnd:
      return destination & source;
    case RasterOp::kSrcInvert:
      return destination ^ source;
    case RasterOp::kDSna:
      return destination & ~source & kRgbMask;
  }
  return destination;
}

}  // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  Fill(fill);
}

std::size_t Bitmap::Index(int x, int y) const {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
         static_cast<std::size_t>(x);
}

Colour Bitmap::Pixel(int x, int y) const { return Contains(x, y) ? pixels_[Index(x, y)] : kBlack; }

void Bitmap::SetPixel(int x, int y, Colour colour) {
  if (!Contains(x, y)) return;
  colour &= kRgbMask;
  if (format_ == PixelFormat::kMonochrome && colour != kBlack) colour = kWhite;
  pixels_[Index(x, y)] = colour;
}

void Bitmap::Fill(Colour colour) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) SetPixel(x, y, colour);
}

void BitBlt(DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src,
            int src_x, int src_y, RasterOp op) {
  if (dest.bitmap == nullptr || src.bitmap == nullptr) return;
  const Span cols = Overlap(x, dest.bitmap->Width(), src_x, src.bitmap->Width(), width);
  const Span rows = Overlap(y, dest.bitmap->Height(), src_y, src.bitmap->Height(), height);
  if (cols.first == cols.last || rows.first == rows.last) return;
  // Read the whole source block first, so a transfer within one picture
  // sees the pixels as they were.
  const int w = cols.last - cols.first;
  std::vector<Colour> block;
  block.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(rows.last - rows.first));
  for (int j = rows.first; j < rows.last; ++j)
    for (int i = cols.first; i < cols.last; ++i)
      block.push_back(Converted(src.bitmap->Pixel(src_x + i, src_y + j), src, dest));
  std::size_t k = 0;
  for (int j = rows.first; j < rows.last; ++j) {
    for (int i = cols.first; i < cols.last; ++i) {
      const Colour d = dest.bitmap->Pixel(x + i, y + j);
      dest.bitmap->SetPixel(x + i, y + j, Combined(block[k++], d, op));
    }
  }
}

}  // namespace orvo
