// Paging of the report engine on the fixed Letter page.
//
// Worked figures (fixed device: 8.0 x 10.5 inch printable, Courier 0.6 em wide, 2320/2048 em
// high; character units 1/12 inch across and 1/6 inch down):
//   width 96 units, height 63 units.
//   margins on:  base width 80 -> first guess 96 x 10 / 80 = 12.0 pt, 80 blanks = 96.0: fits.
//                line height 1.1328125 x 12 / 12 = 1.1328125 units. Room after the line counted c
//                is 63 - (c + 1) x 1.1328125: c = 54 leaves 0.70 (rounds to 1), c = 55 leaves
//                -0.44 (0): 55 lines a page.
//   margins off: base width 65 -> 14.769 -> 14.8 pt (65 blanks 96.2, too wide) -> 14.7 pt.
//                line height 1.3877 units; c = 44 leaves 0.55 (1), c = 45 leaves -0.84: 45 lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/LeagueData.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

// The fixed page, remembering what was drawn on which sheet.
class RecordingDevice : public FixedPageDevice {
 public:
  void drawText(double y, std::string_view text) override {
    sheets.back().push_back(std::string(text));
  }
  void newSheet() override { sheets.emplace_back(); }
  bool endDocument() override {
    ++ended;
    return true;
  }
  std::vector<std::vector<std::string>> sheets{1};
  int ended = 0;
};

class ScriptedPager : public ScreenPager {
 public:
  PagerCommand waitAtPageEnd() override {
    ++stops;
    if (commands.empty()) return PagerCommand::NextPage;
    PagerCommand c = commands.front();
    commands.erase(commands.begin());
    return c;
  }
  void printVisiblePage() override { ++printed; }
  std::vector<PagerCommand> commands;
  int stops = 0;
  int printed = 0;
};

void Lines(ReportEngine& e, int from, int to) {
  for (int i = from; i <= to; ++i) e.PrintLine("L" + std::to_string(i));
}

// The file text expected for numbered lines split into pages, each followed by a form feed line.
std::string Pages(const std::vector<std::pair<int, int>>& pages) {
  std::string s;
  for (auto [from, to] : pages) {
    for (int i = from; i <= to; ++i) s += "L" + std::to_string(i) + "\r\n";
    s += "\x0c\r\n";
  }
  return s;
}

class ReportEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { InitLeagueData(); }
  test::ScriptedUserIO io;
};

TEST_F(ReportEngineTest, BaseWidthIsEightyWithMarginsAndSixtyFiveWithout) {
  FixedPageDevice on, off;
  ReportEngine withMargins(on, Destination::File, true);
  EXPECT_EQ(withMargins.marginText(), std::string(10, ' '));
  EXPECT_DOUBLE_EQ(withMargins.baseFontSize(), 12.0);
  EXPECT_EQ(withMargins.paddingSpaces().size(), 80u);
  EXPECT_EQ(withMargins.marginSpaces().size(), 10u);

  ReportEngine without(off, Destination::File, false);
  EXPECT_EQ(without.marginText(), "");
  EXPECT_DOUBLE_EQ(without.baseFontSize(), 14.7);
  EXPECT_EQ(without.paddingSpaces().size(), 80u);

  // The screen never has a margin, whatever the option says.
  FixedPageDevice screen;
  ReportEngine onScreen(screen, Destination::Screen, true);
  EXPECT_EQ(onScreen.marginLength(), 0);
}

TEST_F(ReportEngineTest, NarrowerFontKeepsTheMarginsPhysicalWidth) {
  // 15 + 83 = 98 characters: 9.796 -> 9.8 pt (98 blanks 96.04, too wide) -> 9.7 pt.
  // Margin 10 x 12 / 9.7 = 12.37 -> 12 blanks; padding 80 x 12 / 9.7 = 98.97 -> 98.
  FixedPageDevice d;
  ReportEngine e(d, Destination::File, true);
  e.SetReportWidth(83);
  EXPECT_DOUBLE_EQ(e.currentFontSize(), 9.7);
  EXPECT_EQ(e.marginSpaces().size(), 12u);
  EXPECT_EQ(e.paddingSpaces().size(), 98u);
  e.ResetReportFont();
  EXPECT_DOUBLE_EQ(d.fontSize(), 12.0);
  EXPECT_DOUBLE_EQ(e.currentFontSize(), 9.7);  // kept for SetReportWidth(0)
  e.SetReportWidth(0);
  EXPECT_DOUBLE_EQ(d.fontSize(), 9.7);

  // Without margins: 83 characters -> 11.566 -> 11.6 (96.28, too wide) -> 11.5 pt;
  // padding 80 x 14.7 / 11.5 = 102.26 -> 102.
  FixedPageDevice d2;
  ReportEngine e2(d2, Destination::File, false);
  e2.SetReportWidth(83);
  EXPECT_DOUBLE_EQ(e2.currentFontSize(), 11.5);
  EXPECT_EQ(e2.marginSpaces().size(), 0u);
  EXPECT_EQ(e2.paddingSpaces().size(), 102u);
}

TEST_F(ReportEngineTest, FilePagesEndInAFormFeedLine) {
  FixedPageDevice d;
  ReportEngine e(d, Destination::File, true);
  RunPasses(e, d, 1, [](ReportEngine& r) { Lines(r, 1, 120); });
  EXPECT_EQ(e.fileText(), Pages({{1, 55}, {56, 110}, {111, 120}}));

  FixedPageDevice d2;
  ReportEngine e2(d2, Destination::File, false);
  RunPasses(e2, d2, 1, [](ReportEngine& r) { Lines(r, 1, 50); });
  EXPECT_EQ(e2.fileText(), Pages({{1, 45}, {46, 50}}));
}

TEST_F(ReportEngineTest, FileNeverGetsTwoFormFeedsInARow) {
  // The report ends exactly at a page end, and calls NewPage right after a natural break: the
  // closing page end and the explicit one add no second form feed.
  FixedPageDevice d;
  ReportEngine e(d, Destination::File, true);
  RunPasses(e, d, 1, [](ReportEngine& r) {
    Lines(r, 1, 55);
    r.NewPage();
    Lines(r, 56, 110);
  });
  EXPECT_EQ(e.fileText(), Pages({{1, 55}, {56, 110}}));
}

TEST_F(ReportEngineTest, BlankLinesStopAtAPageBreakAndCarryTheMargin) {
  FixedPageDevice d;
  ReportEngine e(d, Destination::File, true);
  RunPasses(e, d, 1, [](ReportEngine& r) {
    Lines(r, 1, 53);
    r.BlankLines(5);  // two fit (lines 54, 55), then the page breaks and the rest is dropped
    r.PrintLine("L56");
  });
  std::string expected = Pages({{1, 53}});
  expected.resize(expected.size() - 3);  // the form feed comes after the blank lines
  expected += "          \r\n          \r\n\x0c\r\nL56\r\n\x0c\r\n";
  EXPECT_EQ(e.fileText(), expected);
}

TEST_F(ReportEngineTest, PageRangeSendsOnlyThosePages) {
  FixedPageDevice d;
  ReportEngine e(d, Destination::File, true);
  e.setPageRange(3, 4);
  RunPasses(e, d, 1, [](ReportEngine& r) { Lines(r, 1, 300); });
  EXPECT_EQ(e.fileText(), Pages({{111, 165}, {166, 220}}));

  // The printer builds every page but draws only pages 3 and 4, on two sheets.
  RecordingDevice p;
  ReportEngine printer(p, Destination::Printer, true);
  printer.setPageRange(3, 4);
  RunPasses(printer, p, 1, [](ReportEngine& r) { Lines(r, 1, 300); });
  ASSERT_EQ(p.sheets.size(), 2u);
  EXPECT_EQ(p.sheets[0].front(), "L111");
  EXPECT_EQ(p.sheets[0].back(), "L165");
  EXPECT_EQ(p.sheets[1].front(), "L166");
  EXPECT_EQ(p.sheets[1].back(), "L220");
  EXPECT_EQ(p.ended, 1);
}

TEST_F(ReportEngineTest, TwoCopiesPrintTheWholeReportTwiceInOneDocument) {
  RecordingDevice p;
  ReportEngine e(p, Destination::Printer, true);
  int built = 0;
  EXPECT_EQ(RunPasses(e, p, 2, [&](ReportEngine& r) {
              ++built;
              Lines(r, 1, 60);
            }),
            2);
  EXPECT_EQ(built, 2);
  EXPECT_EQ(lg.CopyNumber, 2);
  // Each copy: a full sheet of 55 lines and one of 5; the second copy starts on a fresh sheet.
  ASSERT_EQ(p.sheets.size(), 4u);
  EXPECT_EQ(p.sheets[0].size(), 55u);
  EXPECT_EQ(p.sheets[1].size(), 5u);
  EXPECT_EQ(p.sheets[2].front(), "L1");
  EXPECT_EQ(p.sheets[3].back(), "L60");
  EXPECT_EQ(p.ended, 1);
}

TEST_F(ReportEngineTest, ScreenPagerSkipsEmptyPagesAndStopsOnTheLastOne) {
  RecordingDevice s;
  ScriptedPager pager;
  ReportEngine e(s, Destination::Screen, true, &pager);
  RunPasses(e, s, 1, [](ReportEngine& r) {
    r.PrintLine("first");
    r.NewPage();
    r.BlankLines(200);  // a page of nothing but blank lines, then more
    r.PrintLine("last");
  });
  // Screen margins are off: 14.7 pt, 45 lines a window. The first page is cut short by NewPage
  // (no stop); the blank-only pages pass without a stop; the page with "last" stops once at the
  // end of the run.
  EXPECT_EQ(pager.stops, 1);
  EXPECT_FALSE(e.aborted());
}

TEST_F(ReportEngineTest, ClosingThePagerAbortsTheRunAndPrintPageGoesOn) {
  RecordingDevice s;
  ScriptedPager pager;
  pager.commands = {PagerCommand::PrintPage, PagerCommand::Close};
  ReportEngine e(s, Destination::Screen, false, &pager);
  int lines = 0;
  int passes = RunPasses(e, s, 3, [&](ReportEngine& r) {
    for (int i = 0; i < 200 && !r.aborted(); ++i, ++lines) r.PrintLine("x");
  });
  EXPECT_EQ(pager.printed, 1);
  EXPECT_EQ(pager.stops, 2);
  EXPECT_TRUE(e.aborted());
  EXPECT_EQ(passes, 1);
  EXPECT_EQ(lines, 90);  // two windows of 45 lines
  e.PrintLine("after");  // ignored once closed
  EXPECT_EQ(pager.stops, 2);
}

TEST_F(ReportEngineTest, WritesTheFileAndSaysSo) {
  test::TempDir dir;
  ASSERT_TRUE(WriteReportFile(dir.file("out.txt"), "a\r\n\x0c\r\n"));
  EXPECT_EQ(io.shown.back().text, "The printing to the file name you selected is done.");
  EXPECT_FALSE(WriteReportFile(dir.file("missing/out.txt"), "a"));
  EXPECT_EQ(io.errorsReported(), 1);
}

}  // namespace
