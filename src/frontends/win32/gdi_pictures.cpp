// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/gdi_pictures.h"

#include <algorithm>

#include "frontends/win32/picture_drawing.h"
#include "toolkit/picture_ids.h"

namespace orvo::win32 {
namespace {

// The message icons are the system's own, as the desktop's message boxes show them.
struct SystemIconRow {
  int id;
  const wchar_t* icon;
};
const SystemIconRow kSystemIcons[] = {
    {picture_id::kMessageStop, MAKEINTRESOURCEW(32513)},         // IDI_HAND
    {picture_id::kMessageQuestion, MAKEINTRESOURCEW(32514)},     // IDI_QUESTION
    {picture_id::kMessageExclamation, MAKEINTRESOURCEW(32515)},  // IDI_EXCLAMATION
    {picture_id::kMessageInformation, MAKEINTRESOURCEW(32516)},  // IDI_ASTERISK
};

}  // namespace

std::vector<std::uint32_t> DibPixels(const Bitmap& face) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(face.Width()) * static_cast<std::size_t>(face.Height()));
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) {
      const Colour c = face.Pixel(x, y);
      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(face.Width()) + static_cast<std::size_t>(x)] =
          static_cast<std::uint32_t>(RedOf(c)) << 16 | static_cast<std::uint32_t>(GreenOf(c)) << 8 |
          static_cast<std::uint32_t>(BlueOf(c));
    }
  }
  return pixels;
}

void PaintFace(HDC dc, const Bitmap& face) {
  if (face.Width() <= 0 || face.Height() <= 0) return;
  const std::vector<std::uint32_t> pixels = DibPixels(face);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = face.Width();
  info.bmiHeader.biHeight = -face.Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(face.Width()), static_cast<DWORD>(face.Height()), 0, 0, 0,
                    static_cast<UINT>(face.Height()), pixels.data(), &info, DIB_RGB_COLORS);
}

HICON PictureIcon(int id, int size) {
  if (size <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, colour);
  const bool drawn = DrawPictureRows(dc, id, RECT{0, 0, size, size});
  SelectObject(dc, old);
  DeleteDC(dc);
  HICON icon = nullptr;
  if (drawn) {
    // An all-clear mask: every pixel of the picture shows.
    const std::vector<std::uint8_t> clear(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, clear.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    icon = CreateIconIndirect(&info);
    DeleteObject(mask);
  }
  DeleteObject(colour);
  return icon;
}

void PaintPicture(HDC dc, int id, const RECT& box) {
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const int size = std::min(width, height);
  if (size <= 0) return;
  const RECT square{box.left + (width - size) / 2, box.top + (height - size) / 2,
                    box.left + (width - size) / 2 + size, box.top + (height - size) / 2 + size};
  for (const SystemIconRow& row : kSystemIcons) {
    if (row.id != id) continue;
    if (HICON icon = LoadIconW(nullptr, row.icon)) {
      DrawIconEx(dc, square.left, square.top, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    return;
  }
  DrawPictureRows(dc, id, square);
}

}  // namespace orvo::win32
