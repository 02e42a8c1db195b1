// tallmark-cli options and bulletin run as a program, and a season split at mid-season.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

using test::CliResult;

// Four teams of two, everybody bowling; starting averages 150 to 180.
const char* const kRoster =
    "team,team name,position,name,group,phone,average,recalc,after week 1\n"
    "1,Strikers,1,Ann Lee,Female,,150,,\n"
    "1,Strikers,2,Bo Diaz,Male,,170,,\n"
    "2,Spares,1,Cy Moss,Male,,180,,\n"
    "2,Spares,2,Di Fox,Female,,130,,\n"
    "3,Splits,1,Ed Gray,Male,,160,,\n"
    "3,Splits,2,Flo Hart,Female,,140,,\n"
    "4,Gutters,1,Gus Ives,Male,,175,,\n"
    "4,Gutters,2,Hal Jay,Male,,155,,\n"
    "0,,1,Ivy Kerr,Female,,145,,\n";

// Every player bowls the same game three times: a team's game is the sum of its pair.
std::string WeekSheet(int week, const std::array<int, 8>& game) {
  const char* names[] = {"Ann Lee", "Bo Diaz", "Cy Moss", "Di Fox",
                         "Ed Gray", "Flo Hart", "Gus Ives", "Hal Jay"};
  std::string s = "date,09/0" + std::to_string(week) + "/25\n";
  for (int i = 0; i < 8; ++i) {
    const std::string g = std::to_string(game[i]);
    s += std::to_string(i / 2 + 1) + "," + std::to_string(i % 2 + 1) + "," + names[i] + ",," + g +
         "," + g + "," + g + ",\n";
  }
  return s;
}

class OptionsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::UseProgramFolder(program.path());
    CliResult r = Run({"new", dir.file("CLUB"), "--teams", "4", "--roster", "2", "--players", "2",
                       "--subs", "1", "--weeks", "6"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run({"roster", Cfg(), "--file", File("roster.csv", kRoster)});
    ASSERT_EQ(r.status, 0) << r.err;
  }

  CliResult Run(const std::vector<std::string>& args) { return test::RunCli(program.path(), args); }
  std::string Cfg() const { return dir.file("CLUB.CFG"); }
  std::string File(const std::string& name, const std::string& text) {
    std::ofstream(out.file(name), std::ios::binary) << text;
    return out.file(name);
  }
  CliResult Set(std::vector<std::string> assignments) {
    assignments.insert(assignments.begin(), {"options", Cfg(), "--set"});
    return Run(assignments);
  }
  // The option lines of the listing, by name.
  std::map<std::string, std::string> Options() {
    CliResult r = Run({"options", Cfg()});
    EXPECT_EQ(r.status, 0) << r.err;
    std::map<std::string, std::string> values;
    std::size_t start = 0;
    for (std::size_t end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1) {
      const std::string line = r.out.substr(start, end - start);
      const std::size_t eq = line.find(" = ");
      if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 3);
    }
    return values;
  }
  void PlayWeek(int week, const std::array<int, 8>& game) {
    const std::string w = std::to_string(week);
    CliResult r = Run({"scores", Cfg(), "--week", w, "--file",
                       File("week" + w + ".csv", WeekSheet(week, game))});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run({"process", Cfg()});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  void Load() {
    InitLeagueData();
    test::UseProgramFolder(program.path());
    lg.DataPath = dir.path();
    lg.FileName = "CLUB";
    ASSERT_TRUE(LoadLeague());
  }

  test::TempDir program, dir, out;
  test::ScriptedUserIO io;
};

TEST_F(OptionsCli, RefusalsChangeNoFile) {
  ASSERT_EQ(Set({"CustomAward(0,1)=0", "CustomAward(0,2)=1"}).status, 0);
  const auto before = test::FolderFiles(dir.path());
  const struct { std::vector<std::string> set; const char* message; } cases[] = {
      {{"NoSuchOption=1"}, "unknown option NoSuchOption"},
      {{"GamesPerWeek=15"}, "GamesPerWeek takes a whole number from 1 to 12"},
      {{"TopAwardsListed=5"}, "TopAwardsListed takes a whole number from 1 to 4"},
      {{"LeagueName=Club", "GroupLabel(1)=Gentleman"}, "longer than six characters"},
      {{"CustomAward(1,3)=150"}, "award 3 is not defined"},
      {{"CustomAward(2,2)=901"}, "CustomAward(2,2) takes a whole number from 1 to 900"},
      {{"ClassLimit(0)=301"}, "ClassLimit(0) takes a whole number from 0 to 300"},
      {{"ClassLimit(2)=100"}, "ClassLimit(2) cannot be set while ClassLimit(1) is below 2"},
      {{"SplitWeek(1)=8"}, "SplitWeek(1) takes a week from 2 to 7"},
      {{"StatResetMode=2"}, "StatResetMode needs at least two sessions"},
      {{"FeeUnit=2.5"}, "FeeUnit needs an extra statistic with the abbreviation FEES"},
      {{"OfficerName1=Nobody"}, "OfficerName1: Nobody is not a player or substitute"},
      {{"ExtraStatName(1)=Strikes"}, "define the statistics in order (next is 0)"},
      {{"NumSessions=2"}, "NumSessions follows from the split weeks"},
      {{"GamesPerWeek"}, "not NAME=VALUE: GamesPerWeek"},
  };
  for (const auto& c : cases) {
    CliResult r = Set(c.set);
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(test::FolderFiles(dir.path()), before) << c.message;
  }
  // A bulletin over 960 characters (a line break counts 2) is refused, not cut.
  CliResult r = Run({"bulletin", Cfg(), "--file", File("long.txt", std::string(959, 'x') + "\nx")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
}

// Each call is one change, checked whole, in any order: a number the rules would store otherwise
// is refused with the value it would take (and changes nothing), a text they change is printed.
// The cases run in turn on one league.
TEST_F(OptionsCli, ChangesFollowTheWindowsRules) {
  const struct {
    std::vector<std::string> set;
    const char* message;  // in the refusal (status 1) or the notes
    std::map<std::string, std::string> expect;
  } cases[] = {
      {{"SplitWeek(1)=-4", "SplitWeek(2)=2", "StatResetMode=2"},
       "SplitWeek(2)=2 would be stored as 5", {{"NumSessions", "1"}}},
      {{"StatResetMode=2", "SplitWeek(2)=5", "SplitWeek(1)=-4"}, "",
       {{"SplitWeek(1)", "-4"}, {"SplitWeek(2)", "5"}, {"SplitWeek(3)", "53"},
        {"NumSessions", "3"}, {"StatResetMode", "2"}}},
      {{"SplitWeek(1)=5"}, "SplitWeek(2) changed from 5 to 6", {{"SplitWeek(2)", "6"}}},
      {{"SplitWeek(2)=53"}, "", {{"SplitWeek(2)", "53"}, {"NumSessions", "2"}}},
      {{"ClassLimit(1)=170", "ClassLimit(2)=180"}, "ClassLimit(2)=180 would be stored as 169",
       {{"NumClasses", "1"}}},
      {{"ClassLimit(2)=160", "ClassLimit(1)=170"}, "",
       {{"ClassLimit(1)", "170"}, {"ClassLimit(2)", "160"}, {"NumClasses", "3"}}},
      {{"CustomAward(3,0)=0", "TopAwardsListed=2"}, "", {{"CustomAward(3,0)", "0"}}},
      {{"CustomAward(1,1)=150", "CustomAward(0,1)=0", "CustomAward(0,2)=1",
        "CustomAward(2,2)=250"}, "CustomAward(3,0) changed from 0 to -1",
       {{"NumCustomAwards", "2"}, {"CustomAward(1,1)", "150"}, {"CustomAward(0,2)", "1"},
        {"CustomAward(2,2)", "250"}, {"CustomAward(3,2)", "900"}, {"CustomAward(3,0)", "-1"}}},
      {{"CustomAward(3,0)=0", "CustomAward(0,5)=1"}, "this award would be award 3",
       {{"CustomAward(3,0)", "-1"}}},
      {{"CustomAward(3,0)=0"}, "", {{"CustomAward(3,0)", "0"}}},
      {{"GamesToQualify=2"}, "", {{"CustomAward(3,0)", "0"}}},
      {{"CustomAward(3,2)=240"}, "CustomAward(3,2) takes a whole number from 250 to 900", {}},
      {{"CustomAward(0,1)=2", "CustomAward(1,2)=120"}, "",
       {{"NumCustomAwards", "1"}, {"CustomAward(0,1)", "1"}, {"CustomAward(1,1)", "120"}}},
      {{"GamesToQualify=3", "AdjustHandicapAwards=-1"},
       "AdjustHandicapAwards=-1 would be stored as 0", {{"AdjustHandicapAwards", "0"}}},
      {{"AdjustHandicapAwards=true", "GamesToQualify=9"}, "", {{"AdjustHandicapAwards", "-1"}}},
      {{"LeagueName=", "OfficerName2=bo diaz", "OfficerPlayer4=-1", "OfficerName1=Ann Lee",
        "OfficerTitle1=Chair \"Man\""}, "OfficerTitle1 is stored as \"Chair _Man_\"",
       {{"LeagueName", "TBD"}, {"OfficerName2", "Bo Diaz"}, {"OfficerTitle4", "* NOT USED *"},
        {"OfficerPlayer4", "-1"}, {"OfficerTitle1", "Chair _Man_"}}},
      {{"FeeUnit=2.5", "ExtraStatAbbrev(1)=fees", "ExtraStatName(0)=Strikes",
        "ExtraStatAbbrev(0)=strk"}, "ExtraStatAbbrev(0) is stored as \"STRK\"",
       {{"NumExtraStats", "2"}, {"ExtraStatAbbrev(1)", "FEES"}, {"FeeUnit", "2.5"}}},
      {{"ExtraStatName(0)="}, "",
       {{"NumExtraStats", "1"}, {"ExtraStatAbbrev(0)", "FEES"},
        {"ExtraStatName(0)", "New Extra Stat"}, {"FeeUnit", "2.5"}}},
      {{"MatchPointsStanding=0", "HandicapMethod=1"}, "",
       {{"HandicapMethod", "1"}, {"ScratchBase(0)", "0"}, {"PercentHandicap(2)", "0"}}},
  };
  for (const auto& c : cases) {
    const auto before = test::FolderFiles(dir.path());
    CliResult r = Set(c.set);
    const bool refused = c.message[0] != '\0' && std::string(c.message).find("would") !=
                         std::string::npos;
    const bool takes = std::string(c.message).find("takes") != std::string::npos;
    EXPECT_EQ(r.status, refused || takes ? 1 : 0) << c.set[0] << r.err;
    EXPECT_NE((r.status ? r.err : r.out).find(c.message), std::string::npos) << r.out << r.err;
    if (r.status) {
      EXPECT_EQ(test::FolderFiles(dir.path()), before) << c.message;
    }
    const auto options = Options();
    for (const auto& [name, value] : c.expect) EXPECT_EQ(options.at(name), value) << name;
  }
  CliResult r = Run({"options", Cfg(), "--json"});
  EXPECT_NE(test::CompactJson(r.out).find("\"LeagueName\":\"TBD\",\"OfficerPlayer1\":1,"),
            std::string::npos) << r.out;
  r = Run({"bulletin", Cfg(), "--file", File("b.txt", std::string(958, 'x') + "\n\n")});
  EXPECT_EQ(r.out, "Characters Left = 2\n");
  EXPECT_EQ(test::FileText(dir.file("CLUB.MSG")), "\"" + std::string(958, 'x') + "\"\r\n");
}

// Weeks 1 and 2 in session 1; session 2 starts at week 3, resetting teams and players and
// reclassifying. Scratch league: the team with the higher game wins every game and the series,
// 4 points to 0.
TEST_F(OptionsCli, SplitSeasonResetsBothAndReclassifies) {
  CliResult r = Set({"HandicapMethod=1", "SplitWeek(1)=-3", "StatResetMode=2",
                     "ClassResetAtSession(1)=1", "ClassLimit(1)=172"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::array<int, 8> early = {150, 180, 180, 130, 160, 140, 175, 155};
  ASSERT_NO_FATAL_FAILURE(PlayWeek(1, early));
  ASSERT_NO_FATAL_FAILURE(PlayWeek(2, early));
  ASSERT_NO_FATAL_FAILURE(Load());
  const int bo = lg.Roster[1][2];
  EXPECT_EQ(lg.CurrentSession, 1);
  EXPECT_EQ(lg.PlayerStat[bo][kClassification], 2);  // classed by the starting average of 170
  EXPECT_EQ(lg.PlayerStat[bo][kGamesPlayed], 6);

  // Week 3 team games 400, 380, 360 and 340: the lower team number wins each match.
  ASSERT_NO_FATAL_FAILURE(PlayWeek(3, {190, 210, 200, 180, 190, 170, 180, 160}));
  ASSERT_NO_FATAL_FAILURE(Load());
  EXPECT_EQ(lg.CurrentSession, 2);
  ReadWeekResults(3);
  std::set<int> winners;
  for (int pair = 1; pair <= 2; ++pair)
    winners.insert(std::min(lg.LaneTeam[2 * pair - 1], lg.LaneTeam[2 * pair]));
  const int pins[] = {0, 1200, 1140, 1080, 1020};
  for (int t = 1; t <= 4; ++t) {
    const auto& team = lg.PlayerStat[lg.Roster[t][0]];
    const bool won = winners.count(t) > 0;
    EXPECT_EQ(team[kMatchPointsWon], won ? 4 : 0) << t;
    EXPECT_EQ(team[kMatchPointsLost], won ? 0 : 4) << t;
    EXPECT_EQ(team[kTotalPins], pins[t]) << t;
  }
  // Bo Diaz: 3 games of 210 since the split; reclassified at it by his 180 average.
  EXPECT_EQ(lg.PlayerStat[bo][kGamesPlayed], 3);
  EXPECT_EQ(lg.PlayerStat[bo][kTotalPins], 630);
  EXPECT_EQ(lg.PlayerStat[bo][kCurrentAverage], 210);
  EXPECT_EQ(lg.PlayerStat[bo][kClassification], 1);
  r = Run({"standings", Cfg(), "--json"});
  EXPECT_NE(test::CompactJson(r.out).find("{\"leagueAverage\":185,"), std::string::npos) << r.out;

  // Session 1 keeps its statistics: Bo Diaz's six games of 180. A split that has started
  // cannot move.
  ASSERT_TRUE(ReadStats(1));
  EXPECT_EQ(lg.PlayerStat[bo][kTotalPins], 1080);
  r = Set({"SplitWeek(1)=4"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("SplitWeek(1) cannot be changed: session 2 has started"),
            std::string::npos) << r.err;
}

}  // namespace
}  // namespace tallmark
