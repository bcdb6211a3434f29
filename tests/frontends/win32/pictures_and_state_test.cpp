// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures drawn with GDI from the shared table, faces as DIB
// pixels, and the state file replaced whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "frontends/win32/gdi_pictures.h"
#include "frontends/win32/picture_drawing.h"
#include "frontends/win32/state_file.h"
#include "support/temp_folder.h"
#include "toolkit/picture_ids.h"
#include "toolkit/picture_rows.h"

namespace orvo::win32 {
namespace {

// A memory surface of `size` square, read back pixel by pixel.
class Surface {
 public:
  explicit Surface(int size) : size_(size) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  int Count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < size_; ++y) {
      for (int x = 0; x < size_; ++x) n += GetPixel(dc_, x, y) == colour ? 1 : 0;
    }
    return n;
  }

 private:
  int size_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST(Pictures, EveryRowIsDrawnInItsPaperAndInkAndTheCoverIsTheTileAlone) {
  for (const PictureRow& row : PictureRows()) {
    Surface surface(32);
    ASSERT_TRUE(DrawPictureRows(surface.Dc(), row.id, RECT{0, 0, 32, 32})) << row.id;
    const int paper = surface.Count(ProgramColour(row.paper));
    const int ink = surface.Count(ProgramColour(row.ink));
    if (row.figure == PictureFigure::kBlank) {
      EXPECT_EQ(paper, 32 * 32) << "the cover";
      continue;
    }
    EXPECT_GT(paper, 32 * 32 / 4) << row.id << ": the tile shows";
    if (row.figure != PictureFigure::kGlyph && row.figure != PictureFigure::kKeyCap) {
      EXPECT_GE(ink, 20) << row.id << ": the figure is drawn in its ink";
    }
  }
}

TEST(Pictures, APictureWithoutARowIsLeftToOthersAndNothingIsDrawn) {
  Surface surface(16);
  RECT all{0, 0, 16, 16};
  FillRect(surface.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_FALSE(DrawPictureRows(surface.Dc(), picture_id::kDiagramOverview, all));
  EXPECT_FALSE(DrawPictureRows(surface.Dc(), -1, all));
  EXPECT_FALSE(DrawPictureRows(surface.Dc(), picture_id::kMemo, RECT{0, 0, 0, 0})) << "an empty box";
  EXPECT_EQ(surface.Count(RGB(255, 255, 255)), 16 * 16);
  // The message icons are the system's own: drawn, whatever they look like.
  PaintPicture(surface.Dc(), picture_id::kMessageExclamation, all);
  EXPECT_LT(surface.Count(RGB(255, 255, 255)), 16 * 16);
}

TEST(Pictures, AFacesPixelsGoToTheDeviceInItsOwnColours) {
  Bitmap face(3, 2, PixelFormat::kColour, kWhite);
  face.SetPixel(0, 0, MakeColour(255, 0, 0));
  face.SetPixel(2, 1, MakeColour(0, 0, 255));
  const auto pixels = DibPixels(face);
  ASSERT_EQ(pixels.size(), 6u);
  EXPECT_EQ(pixels[0], 0x00FF0000u) << "red in the DIB's red byte";
  EXPECT_EQ(pixels[5], 0x000000FFu) << "top-down: the last pixel is the bottom right";
  EXPECT_EQ(pixels[1], 0x00FFFFFFu);

  Surface surface(4);
  PaintFace(surface.Dc(), face);
  EXPECT_EQ(GetPixel(surface.Dc(), 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(surface.Dc(), 2, 1), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(surface.Dc(), 1, 0), RGB(255, 255, 255));
}

TEST(Pictures, TheProgramsIconIsDrawnFromItsRowAtEverySize) {
  for (const int size : {16, 32, 48}) {
    HICON icon = PictureIcon(picture_id::kAppIcon, size);
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  EXPECT_EQ(PictureIcon(picture_id::kSplash, 32), nullptr) << "no row: no icon";
  EXPECT_EQ(PictureIcon(picture_id::kAppIcon, 0), nullptr);
}

TEST(Pictures, TheTableColoursReadAsThePrograms) {
  EXPECT_EQ(ProgramColour(0xFFE000), MakeColour(0xFF, 0xE0, 0x00));
  EXPECT_EQ(ProgramColour(0x0030A0), MakeColour(0x00, 0x30, 0xA0));
  EXPECT_EQ(FindPictureRow(picture_id::kSplash), nullptr);
  ASSERT_NE(FindPictureRow(picture_id::kAppIcon), nullptr);
  EXPECT_EQ(FindPictureRow(picture_id::kAppIcon)->figure, PictureFigure::kCell);
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StateFile, TheFileIsReplacedWholeAndAFailureLeavesTheOldOne) {
  test_support::TempFolder folder;
  const std::string path = folder.Path() + "/state.json";
  ASSERT_TRUE(ReplaceFileWhole(path, "{\"a\": 1}\n"));
  ASSERT_TRUE(ReplaceFileWhole(path, "{\"b\": 2}\n"));
  EXPECT_EQ(Read(path), "{\"b\": 2}\n");
  std::ifstream leftover(path + ".new");
  EXPECT_FALSE(leftover.good()) << "nothing is left beside it";
  EXPECT_FALSE(ReplaceFileWhole(folder.Path() + "/missing/state.json", "x"));
  EXPECT_EQ(Read(path), "{\"b\": 2}\n");
}

TEST(StateFile, WrittenAgainOnlyWhenTheStateChanged) {
  test_support::TempFolder folder;
  int value = 1;
  StateFile file([&value] { return nlohmann::json{{"value", value}}; }, folder.Path() + "/state.json");
  ASSERT_TRUE(file.WriteIfChanged());
  ASSERT_TRUE(file.WriteIfChanged());
  EXPECT_EQ(file.Written(), 1);
  value = 2;
  ASSERT_TRUE(file.WriteIfChanged());
  EXPECT_EQ(file.Written(), 2);
  ASSERT_TRUE(file.Write());
  EXPECT_EQ(file.Written(), 3) << "the last state is written whatever it holds";
  EXPECT_NE(Read(folder.Path() + "/state.json").find("\"value\": 2"), std::string::npos);
}

}  // namespace
}  // namespace orvo::win32
