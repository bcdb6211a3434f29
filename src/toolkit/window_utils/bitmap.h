// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures as plain pixels, and the few drawing-surface operations the
// program's picture work needs: block transfers with raster operations and
// the colour/monochrome conversions that come with them.
#include <cstdint>
#include <vector>

#include "toolkit/window_utils/colour.h"

namespace orvo {

enum class PixelFormat { kColour, kMonochrome };

class Bitmap {
 public:
  Bitmap() = default;
  // Sizes below 0 count as 0.
  Bitmap(int width, int height, PixelFormat format = PixelFormat::kColour, Colour fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Black outside the picture.
  Colour Pixel(int x, int y) const;
  // Ignored outside the picture. A monochrome picture keeps black as black
  // and stores every other colour as white.
  void SetPixel(int x, int y, Colour colour);
  void Fill(Colour colour);

 private:
  std::size_t Index(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::kColour;
  std::vector<Colour> pixels_;
};

// A drawing surface: the picture it draws on and the two colours that stand
// for white and black when a monochrome picture meets a colour one.
struct DeviceContext {
  Bitmap* bitmap = nullptr;  // not owned; none: nothing is drawn or read
  // Copying colour into monochrome, pixels of this colour become white and
  // all others black; copying monochrome into colour, white becomes it.
  Colour back_colour = kWhite;
  // Copying monochrome into colour, black becomes it.
  Colour text_colour = kBlack;
};

// The raster operation codes of the platform, so values read the same everywhere.
enum class RasterOp : std::uint32_t {
  kSrcCopy = 0x00CC0020,    // source
  kSrcAnd = 0x008800C6,     // destination AND source
  kSrcInvert = 0x00660046,  // destination XOR source
  kDSna = 0x00220326,       // destination AND NOT source
};

// Combines width × height pixels of src from (src_x, src_y) into dest at
// (x, y). Pixels that fall outside either picture are left alone; source and
// destination may be the same picture.
void BitBlt(DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src,
            int src_x, int src_y, RasterOp op);

}  // namespace orvo
