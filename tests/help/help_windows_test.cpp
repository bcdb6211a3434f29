// SPDX-License-Identifier: GPL-3.0-or-later
// The help windows' failures and what they keep: a memo that is missing,
// unreadable, too long or not text gives its message and the window closes;
// a chart that cannot be read closes the helper on its first activation with
// no message; the diagrams name each picture and carry its text alternative.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/program_windows.h"
#include "help/diagrams_window.h"
#include "help/helper_window.h"
#include "help/help_texts.h"
#include "help/memo_window.h"
#include "platform/native/program_path.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

class MemoFile : public Scenario {
 protected:
  void Write(const std::string& bytes) {
    std::ofstream out(native::PathFromUtf8(ToUtf8(S().program.values.AppFolder)) /
                          native::PathFromUtf8(ToUtf8(help::text::kMemoFileName)),
                      std::ios::binary);
    out << bytes;
  }
  // Opens the memo; the message box, if one comes, is answered.
  void OpenMemo() { Script("click cmdMEMO\ntap Enter\n"); }
};

TEST_F(MemoFile, EachFailureNamesItselfAndTheWindowCloses) {
  struct Case {
    std::string bytes;
    const char16_t* message;
  };
  const Case cases[] = {
      {"", help::text::kMemoNotFound},  // not written: missing
      {std::string(help::MemoWindow::kMemoLimit + 1, 'a'), help::text::kMemoTooLarge},
      {std::string("ab\0cd", 5), help::text::kMemoConvertError},
      {"\x81\x20\xFF", help::text::kMemoConvertError},  // not CP932
  };
  bool first = true;
  for (const Case& c : cases) {
    if (!first) Write(c.bytes);
    first = false;
    const std::size_t before = Messages().size();
    OpenMemo();
    ASSERT_EQ(Messages().size(), before + 1) << ToUtf8(c.message);
    // Each says what went wrong, then where the memo is looked for.
    EXPECT_EQ(ToUtf8(Messages().back()), ToUtf8(ustring(c.message) + u"\r\n\r\n" + help::text::kMemoLookedIn +
                                                S().program.values.AppFolder));
    EXPECT_EQ(S().desktop.ModalDepth(), 0);
    EXPECT_FALSE(S().program.flags.MainHasFocus == false);
  }
}

TEST_F(MemoFile, AFolderOfThatNameIsAReadError) {
  std::filesystem::create_directory(native::PathFromUtf8(ToUtf8(S().program.values.AppFolder)) /
                                    native::PathFromUtf8(ToUtf8(help::text::kMemoFileName)));
  OpenMemo();
  ASSERT_FALSE(Messages().empty());
  EXPECT_TRUE(Messages().back().starts_with(help::text::kMemoReadError));
}

TEST_F(MemoFile, LinesEndedAnyWayShowAsLines) {
  Write("a\nb\r\nc\rd\n\ne\r");
  Script("tap F11\n");  // the memo's key
  auto* memo = dynamic_cast<help::MemoWindow*>(S().program.forms.FindByTag(help::MemoWindow::kTag));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(ToUtf8(memo->txtMEMO.Text()), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST_F(MemoFile, ReadsTheWholeFileInTheCodePage) {
  Write("\x83\x81\x83\x82\r\n" + std::string(help::MemoWindow::kMemoLimit - 6, 'x'));  // メモ, then up to the limit
  Script("click cmdMEMO\n");
  auto* memo = dynamic_cast<help::MemoWindow*>(S().program.forms.FindByTag(help::MemoWindow::kTag));
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(memo->txtMEMO.Text().starts_with(u"メモ\r\n"));
  EXPECT_EQ(memo->txtMEMO.Text().size(), 4u + help::MemoWindow::kMemoLimit - 6);
  Script("tap Esc\n");
  EXPECT_EQ(S().program.forms.FindByTag(help::MemoWindow::kTag), nullptr);
}

TEST(HelperChart, AChartThatCannotBeReadClosesTheHelperWithoutAMessage) {
  TempFolder folder;
  TempFolder empty_data;
  headless::SessionOptions options;
  options.data_folder = empty_data.Path();
  headless::Session session(folder.Path(), {}, options);
  ASSERT_TRUE(session.Start());
  session.Tap(vk::kF1);
  session.Tap(vk::kF4);
  EXPECT_FALSE(session.program.flags.HelperOpen);
  EXPECT_TRUE(session.program.flags.MainHasFocus);
  EXPECT_EQ(session.program.forms.FindByTag(4), nullptr);
  EXPECT_TRUE(session.program.messages.History().empty());
  // Braille typing goes on in the editor.
  session.Chord("F");
  EXPECT_EQ(ToUtf8(session.Main().txtIN.Text()), "ｱ");
}

TEST_F(Scenario, TheHelperStopsAtTheWorkAreasFarEdgesAndPagesByWhatItShows) {
  Script("tap F1\ntap F4\n");
  auto* w = dynamic_cast<help::HelperWindow*>(S().program.forms.FindByTag(help::HelperWindow::kTag));
  ASSERT_NE(w, nullptr);
  for (int i = 0; i < 60; ++i) Script("tap V\ntap Period\n");
  const WorkAreaTwips& wa = S().program.work_area;
  const Rect& r = w->OuterTwips();
  EXPECT_EQ(r.top, wa.height - r.height);
  EXPECT_EQ(r.left, wa.width - r.width);
  Script("tap Y\n");  // taller, and the bottom edge is kept by the next move down
  Script("tap V\n");
  EXPECT_EQ(w->OuterTwips().top, wa.height - w->OuterTwips().height);
  // A page is the lines the box shows, down and back up.
  Script("tap U\n");
  const int page = w->txtROLL.Box().FirstVisibleLine();
  EXPECT_GT(page, 5);
  Script("tap U\n");
  EXPECT_EQ(w->txtROLL.Box().FirstVisibleLine(), 2 * page);
  Script("tap O\ntap O\ntap O\n");
  EXPECT_EQ(w->txtROLL.Box().FirstVisibleLine(), 0);
}

TEST_F(Scenario, TheDiagramsNameEachPictureAndCarryItsWholeContent) {
  Script("tap F1\ntap F5\n");
  auto* w = dynamic_cast<help::DiagramsWindow*>(S().program.forms.FindByTag(help::DiagramsWindow::kTag));
  ASSERT_NE(w, nullptr);
  for (std::size_t i = 0; i < w->imgKEY.size(); ++i) {
    EXPECT_EQ(ToUtf8(w->imgKEY[i].AccessibleName()), ToUtf8(help::text::kDiagramNames[i]));
    EXPECT_EQ(ToUtf8(w->imgKEY[i].AccessibleDescription()), ToUtf8(help::text::kDiagramAlternatives[i]));
  }
  Script("tap F5\n");
}

// Every text a diagram draws is in its text alternative, so a reader hears all a sighted user sees.
TEST(DiagramSources, DrawNothingTheTextAlternativeLacks) {
  const char* files[] = {"overview.svg", "ime_keys.svg", "explanations.svg", "example.svg"};
  const std::filesystem::path folder = std::filesystem::path(std::getenv("ORVO_SOURCE_DIR") ? std::getenv("ORVO_SOURCE_DIR") : ".") / "data" / "diagrams";
  for (std::size_t i = 0; i < std::size(files); ++i) {
    std::ifstream in(folder / files[i], std::ios::binary);
    ASSERT_TRUE(in) << files[i];
    const std::string svg{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(svg.find("width=\"550\" height=\"300\""), std::string::npos) << files[i];
    const std::string alternative = ToUtf8(help::text::kDiagramAlternatives[i]);
    int texts = 0;
    for (std::size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
      const std::size_t open = svg.find('>', at) + 1;
      std::string drawn = svg.substr(open, svg.find("</text>", open) - open);
      for (const auto& [entity, ch] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#x27;", "'"}}) {
        for (std::size_t p = drawn.find(entity); p != std::string::npos; p = drawn.find(entity)) drawn.replace(p, std::string(entity).size(), ch);
      }
      ++texts;
      EXPECT_NE(alternative.find(drawn), std::string::npos) << files[i] << ": " << drawn;
    }
    EXPECT_GT(texts, 5) << files[i];
  }
}

}  // namespace
}  // namespace orvo::testing
