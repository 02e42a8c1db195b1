// tallmark-cli scores, process and standings, end to end on a league in a fresh folder.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Whitespace outside quoted strings removed, so that JSON compares whatever its layout.
std::string Compact(const std::string& json) {
  std::string out;
  bool quoted = false;
  for (char c : json) {
    if (c == '"') quoted = !quoted;
    if (quoted || !std::isspace(static_cast<unsigned char>(c))) out += c;
  }
  return out;
}

// A scratch league of two teams of two on one lane pair, three games, five weeks; every player
// averages 150. Team 1 "ALLEYCATS" (record 1): Ann Able 2, Bob Baker 3. Team 2 "PIN PALS"
// (record 4): Cathy Cole 5, Dan Dune 6. Substitute Sam Sub 7.
class CliLeague : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedProgramFolder();
    InitLeagueData();
    lg.DataPath = dir.path();
    lg.FileName = "LEAGUE";
    lg.LeagueName = "CLI LEAGUE";
    lg.NumTeams = 2;
    lg.LastTeam = 2;
    lg.PlayersPerTeam = 2;
    lg.PlayersPerWeek = 2;
    lg.NumLanes = 1;
    lg.GamesPerWeek = 3;
    lg.NumWeeks = 5;
    lg.CurrentWeek = 0;
    lg.HandicapMethod = 1;
    for (int g = 0; g <= 2; ++g) lg.ScratchBase[g] = lg.PercentHandicap[g] = lg.MaxHandicap[g] = 0;
    lg.NumExtraStats = 0;
    lg.SportNumber = 1;
    lg.SportTerm = {"10 Pin Bowling", "Bowl", "Bowled", "Bowling", "Bowler",
                    "Bowlers",        "Pin",  "Lane",   "Series",  "Frame"};
    lg.GameParam = {300, 4, 0, 0};
    lg.SportAward = {75, 100, 275, 125};
    lg.CustomAward[0][0] = 200;
    lg.CustomAward[1][0] = 500;
    lg.CustomAward[2][0] = 600;
    lg.AwardPopups = False;
    for (int p = 0; p <= kMaxPlayerRecords; ++p) lg.PlayerName[p] = Fixed("?", 20);
    const char* names[] = {"?", "ALLEYCATS", "Ann Able", "Bob Baker", "PIN PALS", "Cathy Cole",
                           "Dan Dune", "Sam Sub"};
    for (int p = 1; p <= 7; ++p) {
      lg.PlayerName[p] = Fixed(names[p], 20);
      if (p == 1 || p == 4) continue;
      lg.PlayerStat[p][kStartingAverage] = 150;
      lg.PlayerStat[p][kCurrentAverage] = 150;
      lg.PlayerStat[p][kGroupOrStanding] = 1;
    }
    lg.NumPlayerRecords = 8;
    lg.Roster[1][0] = 1, lg.Roster[1][1] = 2, lg.Roster[1][2] = 3;
    lg.Roster[2][0] = 4, lg.Roster[2][1] = 5, lg.Roster[2][2] = 6;
    lg.NumSubs = 1;
    lg.SubList[1] = 7;
    ASSERT_TRUE(SaveLeague());
    lg.LaneTeam[1] = 1;
    lg.LaneTeam[2] = 2;
    ASSERT_TRUE(WriteWeekResults(1));
  }

  // The program folder of the tool gets the data files of the build.
  static void SeedProgramFolder() {
    const char* home = std::getenv("TALLMARK_HOME");
    if (!home) return;
    namespace fs = std::filesystem;
    fs::create_directories(home);
    for (const char* f : {"SportsInfo.dat", "SCHEDULE.DAT"}) {
      fs::path target = fs::path(home) / f;
      if (!fs::exists(target))
        fs::copy_file(fs::path(TALLMARK_BUILD_DATA_DIR) / f, target);
    }
  }

  CliResult Run(const std::string& args) {
    std::string out = dir.file("cli.out"), err = dir.file("cli.err");
    std::string cmd = std::string(TALLMARK_CLI) + " " + args + " >" + out + " 2>" + err +
                      " </dev/null";
    int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
  }

  std::string Sheet(const std::string& name, const std::string& text) {
    std::ofstream(dir.file(name), std::ios::binary) << text;
    return dir.file(name);
  }

  std::string Cfg() { return dir.file("LEAGUE.CFG"); }

  test::TempDir dir;
};

TEST_F(CliLeague, ARefusedRowStoresNothing) {
  std::string cfgBefore = Slurp(Cfg());
  std::string sheet = Sheet("bad.csv",
                            "date,09/16/25\n"
                            "1,1,Ann Able,Regular,150,160,170,\n"
                            "1,2,Bob Baker,Vacancy,140,150,160,\n"
                            "2,1,Cathy Cole,Forfeit,145,155,175,\n"
                            "2,2,#6,Regular,150,301,150,\n");
  CliResult r = Run("scores " + Cfg() + " --week 1 --file " + sheet);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("line 3 (team 1, position 2): A vacancy can only be selected if the "
                       "player listed in this row of the spreadsheet is a vacancy"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("line 4 (team 2, position 1): A forfeit can only be selected with the "
                       "check box next to the team name on this form."),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("line 5 (team 2, position 2): game 2: \"301\" is not a score from 0 to 300"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("nothing was stored"), std::string::npos);
  EXPECT_FALSE(FileExists(dir.file("LEAGUE.scr")));
  EXPECT_EQ(Slurp(Cfg()), cfgBefore);

  // Only the week after the last processed one can be entered.
  r = Run("scores " + Cfg() + " --week 2 --file " + sheet);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("the week to enter is 1"), std::string::npos) << r.err;
}

TEST_F(CliLeague, DamagedSheetsAreRefusedWithTheLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"date,09/16/25\r1,1,Ann Able,Regular,150,160\r", "line 2: fewer than 3 game columns"},
      {"1,1,Ann Able,Regular,150,160,170,\n1,2,Bob Baker,Regular,140,150\n",
       "line 2: fewer than 3 game columns"},
      {"1,1,#1abc,Regular,150,160,170,\n", "line 1: \"#1abc\" is not #INDEX (a record number)"},
      {std::string("\n1,1,Ann\0Able,Regular,150,160,170,\n", 35),
       "line 2: the player's name holds a control character"},
      {"team,position,player\r\n\r\n# none\r\n", "line 3: the sheet has no score rows"},
      {"", "line 1: the sheet has no score rows"},
      {"\x01" + std::string(200, 'x') + ",1,Ann Able,Regular,1,2,3\n",
       "line 1: \"?" + std::string(59, 'x') + "...\" is not a team number"},
  };
  for (const auto& [sheet, refusal] : cases) {
    CliResult r = Run("scores " + Cfg() + " --week 1 --file " + Sheet("bad.csv", sheet));
    EXPECT_EQ(r.status, 1) << refusal;
    EXPECT_NE(r.err.find(refusal), std::string::npos) << r.err;
  }
  EXPECT_FALSE(FileExists(dir.file("LEAGUE.scr")));
}

// Team 1: Ann 150 160 170, Bob 140 150 160: games 290 310 330, series 930.
// Team 2: Cathy 145 155 175, Dan 150 150 150: games 295 305 325, series 925.
// One point a game and one for the series: team 2 takes game 1, team 1 games 2 and 3 and the
// series, so team 1 has 3 won 1 lost (75.00 %), team 2 1 won 3 lost (25.00 %). Scratch league:
// the handicap totals equal the scratch ones. League average Int(1855 / 12) = 154.
// Awards: Dan's three 150s earn the Triple; Cathy's 175 is the week's best over average (25).
TEST_F(CliLeague, EnterProcessAndShowTheStandings) {
  std::string partial = Sheet("part.csv",
                              "# week 1\n"
                              "date,09/16/25\n"
                              "team,position,player,type,game 1,game 2,game 3,incomplete\n"
                              "1,1,Ann Able,Regular,150,160,170,\n"
                              "1,2,Bob Baker,,140,150,160,\n"
                              "2,1,Cathy Cole,Regular,145,155,175,\n"
                              "2,2,#6,Regular,150,150,,\n");
  CliResult r = Run("scores " + Cfg() + " --week 1 --file " + partial);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Week 1: Results entered for 1 of the 2 teams\n");

  r = Run("process " + Cfg());
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_NE(r.out.find("MISSING RESULTS\nThe results you entered have been saved"),
            std::string::npos)
      << r.out;

  std::string rest = Sheet("rest.csv", "2,2,Dan Dune,Regular,150,150,150,\n");
  r = Run("scores " + Cfg() + " --week 1 --file " + rest);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Week 1: Results entered for 2 of the 2 teams\n");

  r = Run("process " + Cfg());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Dan Dune earned a Triple Score Award in week 1.\n"
            "Cathy Cole bowled highest pins (25) over average in week 1.\n"
            "Week 1 processed.\n");

  r = Run("standings " + Cfg() + " --json");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Compact(r.out),
            "{\"leagueAverage\":154,\"standings\":["
            "{\"position\":1,\"team\":1,\"name\":\"ALLEYCATS\",\"won\":3,\"lost\":1,"
            "\"pct\":75.00,\"scratch\":930,\"handicap\":930},"
            "{\"position\":2,\"team\":2,\"name\":\"PIN PALS\",\"won\":1,\"lost\":3,"
            "\"pct\":25.00,\"scratch\":925,\"handicap\":925}]}");

  // Week 2 is next; week 1 cannot be entered again.
  r = Run("scores " + Cfg() + " --week 1 --file " + rest);
  EXPECT_EQ(r.status, 1);
  r = Run("standings " + Cfg());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Week 1 of 5"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Overall League Average: 154"), std::string::npos) << r.out;

  // A damaged statistic (3E38 points won) reads as 0: the JSON stays numbers.
  std::string stats = Slurp(dir.file("LEAGUE.STT"));
  ASSERT_EQ(WriteFileAtomic(dir.file("LEAGUE.STT"),
                            stats.replace((1 * 28 + kMatchPointsWon) * 4, 4, "\x0f\xb3\x61\x7f")),
            0);
  r = Run("standings " + Cfg() + " --json");
  EXPECT_NE(Compact(r.out).find("\"won\":0,\"lost\":1,\"pct\":0.00,"), std::string::npos);
}

TEST_F(CliLeague, ForfeitLineAndWeekDate) {
  std::string sheet = Sheet("forfeit.csv",
                            "date,09/23/25\n"
                            "forfeit,2\n"
                            "1,1,,Regular,150,160,170,\n"
                            "1,2,#7,Sub,140,150,160,\n");
  CliResult r = Run("scores " + Cfg() + " --week 1 --file " + sheet);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Week 1: Results entered for 2 of the 2 teams\n");
  EXPECT_NE(Slurp(Cfg()).find("09/23/25"), std::string::npos);

  // A row for the forfeiting team is refused.
  std::string again = Sheet("again.csv", "forfeit,2\n2,1,Cathy Cole,Regular,100,100,100,\n");
  r = Run("scores " + Cfg() + " --week 1 --file " + again);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("line 2 (team 2, position 1): team 2 forfeits this week"), std::string::npos)
      << r.err;
}


TEST_F(CliLeague, AbsentRowKeepsItsComputedScoresAndAFinishedSeasonIsNotProcessed) {
  lg.AbsenteeLess[0] = lg.AbsenteeLess[1] = 10;
  ASSERT_TRUE(SaveLeague());
  std::string sheet = Sheet("absent.csv", "1,2,Bob Baker,Absent,,,,\n");
  CliResult r = Run("scores " + Cfg() + " --week 1 --file " + sheet);
  ASSERT_EQ(r.status, 0) << r.err;
  Integer player = 0;
  ASSERT_TRUE(ReadScore(1, 1, 2, player));
  EXPECT_EQ(player, 3);
  EXPECT_EQ(lg.ScrEntryKind, kAbsent);
  EXPECT_EQ(lg.ScrGameScore[0], 140);  // average 150 less 10
  EXPECT_EQ(lg.ScrGameScore[2], 140);

  lg.CurrentWeek = 5;  // the season's last week is done
  ASSERT_TRUE(SaveLeague());
  r = Run("process " + Cfg());
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find("MISSING RESULTS"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace tallmark
