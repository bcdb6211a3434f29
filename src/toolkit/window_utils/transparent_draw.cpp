// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/transparent_draw.h"

namespace orvo {

void TransparentDraw(DeviceContext& source, int width, int height, DeviceContext& mask,
                     Colour transparent, DeviceContext* destination) {
  if (source.bitmap == nullptr || width <= 0 || height <= 0) return;

  // White where the source has the transparent colour, black elsewhere.
  Bitmap mono(width, height, PixelFormat::kMonochrome, kWhite);
  DeviceContext mono_dc{&mono};
  const Colour saved_back = source.back_colour;
  source.back_colour = transparent;
  BitBlt(mono_dc, 0, 0, width, height, source, 0, 0, RasterOp::kSrcCopy);
  source.back_colour = saved_back;
  BitBlt(mask, 0, 0, width, height, mono_dc, 0, 0, RasterOp::kSrcCopy);

  // The source with its transparent pixels black.
  Bitmap copy(width, height, source.bitmap->Format());
  DeviceContext copy_dc{&copy};
  BitBlt(copy_dc, 0, 0, width, height, source, 0, 0, RasterOp::kSrcCopy);
  BitBlt(copy_dc, 0, 0, width, height, mono_dc, 0, 0, RasterOp::kDSna);
  BitBlt(source, 0, 0, width, height, copy_dc, 0, 0, RasterOp::kSrcCopy);

  if (destination == nullptr) return;
  // The mask goes on in plain black and white, whatever the colours of the
  // caller's mask surface or of the destination, and whatever their size.
  Bitmap colour_mask(width, height);
  DeviceContext colour_mask_dc{&colour_mask};
  BitBlt(colour_mask_dc, 0, 0, width, height, mono_dc, 0, 0, RasterOp::kSrcCopy);
  BitBlt(*destination, 0, 0, width, height, colour_mask_dc, 0, 0, RasterOp::kSrcAnd);
  BitBlt(*destination, 0, 0, width, height, copy_dc, 0, 0, RasterOp::kSrcInvert);
}

}  // namespace orvo
