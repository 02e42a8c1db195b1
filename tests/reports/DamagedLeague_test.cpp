// Reports of a league whose files were cut short: each names the missing week or session and
// prints no figure from it. Also the rankings' categories in the league's order and the reset
// markers of each reset mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>

#include "league/ConfigFile.h"
#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "reports/ReportSelection.h"
#include "setup/SampleLeague.h"
#include "league/FileSystem.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"
#include "ReportGolden.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

namespace fs = std::filesystem;
using L = SelectionList;

ReportChoices Choose(int type, const std::string& categories = "all") {
  ReportChoices c;
  c.reportOnTeams = type != 11 && type != 12;
  for (SelectionList list : FindReportType(type)->lists) {
    std::string problem;
    std::vector<int>* values = list == L::Teams      ? &c.teams
                               : list == L::Weeks    ? &c.weeks
                               : list == L::Players  ? &c.players
                               : list == L::Sessions ? &c.sessions
                                                     : &c.categories;
    EXPECT_TRUE(ParseSelection(list, type, list == L::Awards ? categories : "all", *values, problem))
        << problem;
  }
  return c;
}

// Each test works on its own copy of the sample league, in a folder of its own.
class DamagedLeague : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::ScriptedUserIO io;
    InitLeagueData();
    test::UseProgramFolder(master().path() + "program/");
    ASSERT_EQ(BuildSampleLeague(master().path()).result, SampleBuild::Built);
  }
  static test::TempDir& master() { static test::TempDir d; return d; }
  void SetUp() override { Fresh(); }
  // A new copy of the sample league, opened.
  void Fresh() {
    dir_ = std::make_unique<test::TempDir>();
    fs::copy(master().path(), dir_->path(), fs::copy_options::recursive);
    Open();
  }
  void Open() {
    InitLeagueData();
    lg.ProgramPath = dir_->path() + "program/";
    lg.DataPath = dir_->path();
    lg.FileName = kSampleLeagueName;
    ASSERT_TRUE(LoadLeague());
  }
  std::string Path(const char* extension) const {
    return dir_->file(std::string(kSampleLeagueName) + extension);
  }
  std::string Home() const { return dir_->path() + "program/"; }
  std::unique_ptr<test::TempDir> dir_;
  test::ScriptedUserIO io;
};

struct Cut {
  const char* extension;
  std::int64_t bytes;  // -1: half of session 1's section, -2: where week 3's scores begin
  const char* notice;
};

// The score file ends where week 3 begins; the results file inside week 3's block; the
// statistics file at half of what the first session holds (the sample's file has room for every
// session: half of it would still hold the first whole).
const Cut kScores{".scr", -2, "WEEK 3 COULD NOT BE READ: ITS SCORES ARE MISSING FROM SAMPLE.SCR"};
const Cut kResults{".SEA", (2 * 52 + 3) * 6, "WEEK 3 COULD NOT BE READ: ITS RESULTS ARE MISSING FROM SAMPLE.SEA"};
const Cut kStats{".STT", -1, "SESSION 1 COULD NOT BE READ: ITS STATISTICS ARE MISSING FROM SAMPLE.STT"};

TEST_F(DamagedLeague, EveryReportNamesTheMissingPartAndPrintsNoFigureOfIt) {
  struct Case {
    const Cut* cut;
    int type;
    const char* zeroLine;  // what a line of the lost part would look like
  };
  // Week 3's line of a to-date report, a game line of 0 pins, an empty opponent, a week shown
  // as a position round, a player or team of zeros.
  const char* weekLine = R"(^\s*3[ #] )";
  const char* zeroGame = R"(^\s+1\s+0\s+\d+\s+\d+)";
  const Case cases[] = {
      {&kScores, 4, zeroGame},      {&kScores, 11, zeroGame},
      {&kScores, 5, weekLine},      {&kScores, 12, weekLine},
      {&kResults, 4, "AGAINST\\s*$"}, {&kResults, 11, zeroGame},
      {&kResults, 5, weekLine},     {&kResults, 12, weekLine},
      {&kResults, 10, R"(^\s+3  POSITION)"},
      {&kStats, 13, R"(\s0\s+0\s+0\.0\s*$)"}, {&kStats, 3, R"(\s0\s+0\.0\s+\d+\s)"},
      {&kStats, 6, R"(\s0\s+0\.0\s*$)"},      {&kStats, 1, R"(0\.00\s+0\.0\s+0\.0)"},
      {&kStats, 2, R"(0\.00\s+0\.0\s+0\.0)"},  {&kStats, 9, R"( 0   0 )"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cut->extension) + " report " + std::to_string(c.type));
    Fresh();
    const std::string path = Path(c.cut->extension);
    std::int64_t bytes = c.cut->bytes;
    if (bytes == -1) bytes = StoredStatRecords() * kStoredStatColumns * 4 / 2;
    if (bytes == -2) bytes = (ScoreRecordNumber(3, 1, 1) - 1) * kScoreRecordBytes;
    fs::resize_file(path, static_cast<std::uintmax_t>(bytes));
    Open();
    ReportChoices choices = Choose(c.type);
    if (c.type == 4 || c.type == 11) choices.weeks = {3};
    const std::string text = test::ReportText(c.type, choices);
    EXPECT_NE(text.find(c.cut->notice), std::string::npos) << text;
    const std::regex zero(c.zeroLine);
    for (const std::string& line : test::TextLines(text))
      EXPECT_FALSE(std::regex_search(line, zero)) << line;
  }
}

TEST_F(DamagedLeague, CommandLineSaysSoAndExitsFour) {
  fs::resize_file(Path(".scr"), static_cast<std::uintmax_t>((ScoreRecordNumber(3, 1, 1) - 1) * kScoreRecordBytes));
  const std::string home = Home(), cfg = Path(".CFG");
  const test::CliResult report = test::RunCli(home, {"report", cfg, "team-to-date", "--teams", "1"});
  EXPECT_EQ(report.status, 4);
  EXPECT_NE(report.out.find(kScores.notice), std::string::npos);
  EXPECT_NE(report.err.find(kScores.notice), std::string::npos) << report.err;
  const test::CliResult info = test::RunCli(home, {"info", cfg});
  EXPECT_EQ(info.status, 4);
  EXPECT_NE(info.err.find("WEEK 4 COULD NOT BE READ"), std::string::npos) << info.err;
  EXPECT_NE(info.err.find("File > Restore Backup"), std::string::npos) << info.err;
  const test::CliResult site = test::RunCli(home, {"publish", cfg, dir_->path() + "site"});
  EXPECT_EQ(site.status, 4);
  EXPECT_NE(site.err.find(kScores.notice), std::string::npos) << site.err;
  // The program's "Printer Margins" option off: no margin in front of the report's lines.
  ASSERT_EQ(WriteFileAtomic(home + "TALLMARK.INI", "PrintMargins = 0\r\n"), 0);
  const test::CliResult bare = test::RunCli(home, {"report", cfg, "options"});
  EXPECT_NE(bare.out.find("\r\nLEAGUE SETUP"), std::string::npos) << bare.out.substr(0, 80);
}

TEST_F(DamagedLeague, RankingsOfferTheCategoriesInTheLeaguesOrder) {
  std::vector<int> values;
  for (const ListEntry& e : ListEntries(L::Awards, 6)) values.push_back(e.value);
  EXPECT_EQ(values, (std::vector<int>{0, 2, 4, 6, 11, 1, 3, 5, 9, 7}));
  lg.CategoryCode[0] = 7;
  lg.CategoryCode[9] = 0;
  std::string problem;
  ASSERT_TRUE(ParseSelection(L::Awards, 6, "1,2", values, problem)) << problem;
  EXPECT_EQ(values, (std::vector<int>{7, 2}));
  const test::CliResult r = test::RunCli(Home(),
                                         {"report", Path(".CFG"), "rankings", "--categories", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("High Scratch Series -- PAGE"), std::string::npos) << r.out.substr(0, 400);
}

TEST_F(DamagedLeague, ResetMarkersBelongToWhatTheModeResets) {
  // A second session from week 3 with statistics reset.
  lg.NumSessions = 2;
  lg.SplitWeek[1] = -3;
  lg.CurrentSession = 2;
  for (int mode = 0; mode <= 2; ++mode) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    lg.StatResetMode = static_cast<Integer>(mode);
    const bool teams = mode != 1, players = mode != 0;
    const std::regex marked(R"(^\s*3#)");
    auto markedWeek = [&](int type) {
      for (const std::string& line : test::TextLines(test::ReportText(type, Choose(type))))
        if (std::regex_search(line, marked)) return true;
      return false;
    };
    EXPECT_EQ(markedWeek(5), teams);
    EXPECT_EQ(markedWeek(12), players);
    ReportChoices rankings = Choose(6, "1");
    rankings.sessions = {2};
    EXPECT_EQ(test::ReportText(6, rankings).find("Statistics Reset") != std::string::npos, players);
  }
}

}  // namespace
