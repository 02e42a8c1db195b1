// The standing sheet as the file destination writes it, compared byte for byte with files that
// were checked by hand (tests/data/reports). Set TALLMARK_UPDATE_GOLDEN=1 to rewrite them after a
// deliberate change, and check the difference by eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "league/FileSystem.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/ReportText.h"
#include "reports/StandingSheet.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"
#include "SheetLeague.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

std::string SheetText(bool condensed, bool margins, bool extra = false) {
  FixedPageDevice device;
  ReportEngine engine(device, Destination::File, margins);
  RunPasses(engine, device, 1,
            [&](ReportEngine& e) { BuildStandingSheet(e, condensed, extra); });
  return engine.fileText();
}

void ExpectGolden(const std::string& name, const std::string& text) {
  const std::string path = std::string(TALLMARK_TEST_DATA_DIR) + "/reports/" + name + ".txt";
  if (std::getenv("TALLMARK_UPDATE_GOLDEN")) {
    ASSERT_EQ(WriteFileAtomic(path, text), 0);
    return;
  }
  std::string golden;
  ASSERT_EQ(ReadWholeFile(path, golden), 0) << path;
  EXPECT_EQ(text, golden) << name;
}

class StandingSheetTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSheetLeague(dir.path()); }
  void Both(const std::string& name) {
    ExpectGolden(name + "-normal", SheetText(false, true));
    ExpectGolden(name + "-condensed", SheetText(true, true));
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

// Lines of a file text, without their CR LF.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
  for (const std::string& l : LinesOf(text))
    if (l == line || l.rfind(line, 0) == 0) return true;
  return false;
}

TEST_F(StandingSheetTest, HandicapLeagueAfterFourWeeks) {
  Both("handicap-week4");
  const std::string text = SheetText(false, true);
  // Pin Pals lead on pins plus handicap at equal points; Gutter Kings' 6.5 of 16 is 40.625 %,
  // printed with the half rounded up.
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') +
                                "  1     3500      4300  62.50   10.0    6.0  Pin Pals"));
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') +
                                "  3     3300      3900  40.63    6.5    9.5  Gutter Kings"));
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') + "PRESIDENT: Cal Fox IS ON Lane 9"));
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') + "TREASURER: Pat Quinn"));
  EXPECT_FALSE(text.find("VICE PRES") != std::string::npos);
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') + "Overall League Average: 287"));
  // The reloaded current week is in memory again.
  EXPECT_EQ(lg.LaneTeam[1], 1);
  EXPECT_EQ(lg.CurrentWeek, 4);
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(StandingSheetTest, MarginsOffWritesNoMargin) {
  ExpectGolden("handicap-week4-nomargins-normal", SheetText(false, false));
  const std::string text = SheetText(false, false);
  EXPECT_TRUE(HasLine(text, "PRESIDENT: Cal Fox IS ON Lane 9"));
  EXPECT_EQ(LinesOf(text)[3].rfind("P. 1  SESSION 1 OF 1 WEEK 4 OF 10  STANDING SHEET  10/06/26", 0), 0u);
}

TEST_F(StandingSheetTest, ScratchLeagueLeavesHandicapOut) {
  lg.HandicapMethod = 1;
  lg.SortByHandicapTotal = 0;
  Both("scratch");
  const std::string text = SheetText(false, true);
  EXPECT_TRUE(HasLine(text, std::string(10, ' ') + "  1     3600            62.50   10.0    6.0  Alley Cats"));
  EXPECT_EQ(text.find("High Handicap"), std::string::npos);
  EXPECT_NE(text.find("High Scratch Game"), std::string::npos);
}

TEST_F(StandingSheetTest, SeparateGenderAwardsWithTwoClasses) {
  lg.SeparateGenderAwards = True;
  lg.NumClasses = 2;
  lg.ClassLimit[1] = 160;  // class 2: averages up to 160
  for (int p : {2, 6, 8, 11}) lg.PlayerStat[p][kClassification] = 2;
  Both("gender-classes");
}

TEST_F(StandingSheetTest, PositionWeekNext) {
  lg.LaneTeam.fill(0);
  WriteWeekResults(5);
  ReadWeekResults(4);
  Both("position-week");
  // First against second: Pin Pals (1st) on lanes 7-8 with Alley Cats (2nd).
  EXPECT_TRUE(HasLine(SheetText(false, true), std::string(10, ' ') +
                                                  "  7 -   8    2  Pin Pals             VS   1  Alley Cats"));
}

TEST_F(StandingSheetTest, LastWeekHasNoScheduleAndNoLaneNotes) {
  lg.NumWeeks = 4;
  Both("last-week");
  const std::string text = SheetText(false, true);
  EXPECT_EQ(text.find("SCHEDULE"), std::string::npos);
  EXPECT_EQ(text.find("IS ON"), std::string::npos);
}

TEST_F(StandingSheetTest, NextWeekStartsSessionTwo) {
  lg.NumSessions = 2;
  lg.SplitWeek[1] = -5;
  Both("session-start");
  EXPECT_NE(SheetText(false, true).find("START OF SESSION 2"), std::string::npos);
}

TEST_F(StandingSheetTest, StatisticsResetWeekIsNoted) {
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  lg.SplitWeek[1] = -4;
  EXPECT_NE(SheetText(false, true).find("----  STATISTICS RESET THIS WEEK"), std::string::npos);
  EXPECT_TRUE(HasLine(SheetText(true, true), std::string(11, ' ') + "STATISTICS RESET THIS WEEK"));
}

TEST_F(StandingSheetTest, ExtraStatisticsOnlyWhenAsked) {
  lg.NumExtraStats = 1;
  lg.CategoryName[18] = Fixed("Strikes", 20);
  lg.PlayerStat[12][18] = 31;
  lg.PlayerStat[10][18] = 40;
  EXPECT_EQ(SheetText(false, true, false).find("Strikes"), std::string::npos);
  const std::string with = SheetText(false, true, true);
  EXPECT_NE(with.find("Strikes"), std::string::npos);
  EXPECT_NE(with.find(" 40    Gutter Kings"), std::string::npos);
}

TEST_F(StandingSheetTest, TeamHandicapLeagueListsHandicapAwardsForTeamsOnly) {
  lg.HandicapMethod = -1;
  const std::string text = SheetText(false, true);
  const std::size_t at = text.find("High Handicap Game");
  ASSERT_NE(at, std::string::npos);
  const std::string line = text.substr(at, text.find("\r\n", at) - at);
  EXPECT_NE(line.find("Gutter Kings"), std::string::npos);
  EXPECT_EQ(line.find("Hal Nash"), std::string::npos);
}

// The sheet of a league opened from its files, as after a restart: 4 teams "TEAM 1".."TEAM 4",
// 3 weeks processed; week 4 pairs 1-3 on lanes 1-2 and 2-4 on lanes 3-4.
class StandingSheetFromDisk : public ::testing::Test {
 protected:
  void open(int weeks, const std::function<void()>& change = {}) {
    test::BuildTestLeague(dir.path(), "DISK", weeks);
    if (change) change();
    ASSERT_TRUE(test::ReloadLeague());
  }
  test::ScriptedUserIO io;
  test::TempDir dir;
};

// The condensed LAST WEEK column shows the points stored for the last processed week, whatever
// memory held before (nothing, or score entry's completeness flags).
TEST_F(StandingSheetFromDisk, LastWeekColumnShowsTheStoredPoints) {
  const Single points[5] = {0, 3, 1, 2.5f, 1.5f};  // by team column
  open(3, [&] {
    ReadWeekResults(3);
    for (int c = 1; c <= 4; ++c) lg.TeamPointsWeek[c] = points[c];
    WriteWeekResults(3);
  });
  for (Single memory : {0.0f, 1.0f}) {
    lg.TeamPointsWeek.fill(memory);
    const std::vector<std::string> lines = LinesOf(SheetText(true, false));
    for (int t = 1; t <= 4; ++t) {
      const std::string name = "TEAM " + std::to_string(t);
      auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.size() > 82 && l.compare(82, name.size(), name) == 0;
      });
      ASSERT_NE(line, lines.end()) << name;
      EXPECT_EQ(line->substr(27, 5), "  " + FixedDecimals(points[t], 1)) << name;
    }
  }
}

// A lane slot naming a team number not in use prints as TBD, not as another team.
TEST_F(StandingSheetFromDisk, ASlotOfATeamNotInUsePrintsTBD) {
  open(3, [] {
    ReadWeekResults(4);
    lg.LaneTeam[4] = 7;
    WriteWeekResults(4);
  });
  EXPECT_TRUE(HasLine(SheetText(false, false), "  3 -   4    2  TEAM 2               VS      TBD"));
}

// Session 1's split entry (-1) is no reset: week 1 of a league without splits has no note.
TEST_F(StandingSheetFromDisk, NoResetNoteWithoutASplit) {
  open(1);
  EXPECT_EQ(SheetText(false, false).find("RESET"), std::string::npos);
  EXPECT_EQ(SheetText(true, false).find("RESET"), std::string::npos);
}

TEST(BulletinWrap, CutsAtTheLastBlankAndSplitsOverlongWords) {
  // 70 characters: the 64th is inside "seventh", so the line ends after "tenth".
  EXPECT_EQ(WrapBulletin("first second third fourth fifth sixth seven eight nine tenth seventh a"),
            (std::vector<std::string>{"first second third fourth fifth sixth seven eight nine tenth",
                                      "seventh a"}));
  const std::string longWord(70, 'x');
  EXPECT_EQ(WrapBulletin("ab " + longWord + " cd"),
            (std::vector<std::string>{"ab", std::string(64, 'x'), "xxxxxx cd"}));
  EXPECT_EQ(WrapBulletin("one\r\n\r\n  two  "), (std::vector<std::string>{"one", "", "  two"}));
  EXPECT_TRUE(WrapBulletin("").empty());
}

TEST(ReportText, NumbersAsTheSheetPrintsThem) {
  EXPECT_EQ(FixedDecimals(40.625f, 2), "40.63");
  EXPECT_EQ(FixedDecimals(0, 2), "0.00");
  EXPECT_EQ(FixedDecimals(6.5f, 1), "6.5");
  EXPECT_EQ(SingleText(152.33333f), "152.3333");
  EXPECT_EQ(SignedText(214), " 214");
  EXPECT_EQ(SignedText(5.3f), " 5.3");
  std::string line(10, ' ');
  PutText(line, 9, "abcd");  // runs past the end: the line grows
  EXPECT_EQ(line, "        abcd");
  PutEnding(line, 4, "xy");
  EXPECT_EQ(line, "  xy    abcd");
}

}  // namespace
