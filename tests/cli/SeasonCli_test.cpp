// A season through tallmark-cli, run as a program from an empty folder: a new league, its
// roster, three weeks entered and processed, the standings, backup and restore, the exports,
// the standing sheet as a text file, and the next season.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

using test::CliResult;


// Four teams of two, both bowling, one substitute, six weeks; individual handicaps of 80 % of
// 180 less the average (the new league's defaults), so the handicaps are
//   team 1 Strikers: Ann Lee 150 -> 24, Bo Diaz 170 -> 8     team handicap 32
//   team 2 Spares:   Cy Moss 180 -> 0,  Di Fox 130 -> 40     40
//   team 3 Splits:   Ed Gray 160 -> 16, Flo Hart 140 -> 32   48
//   team 4 Gutters:  Gus Ives 175 -> 4, Hal Jay 155 -> 20    24
// and the substitute Ivy Kerr 145.
const char* const kRoster =
    "team,team name,position,name,group,phone,average,recalc,after week 1\n"
    "1,Strikers,1,Ann Lee,Female,555-0101,150,,no\n"
    "1,Strikers,2,Bo Diaz,Male,555-0102,170,,\n"
    "2,Spares,1,Cy Moss,Male,,180,,\n"
    "2,Spares,2,Di Fox,Female,,130,,\n"
    "3,Splits,1,Ed Gray,Male,,160,,\n"
    "3,Splits,2,Flo Hart,Female,,140,,\n"
    "4,Gutters,1,Gus Ives,Male,,175,,\n"
    "4,Gutters,2,Hal Jay,Male,,155,,\n"
    "0,,1,Ivy Kerr,Female,555-0109,145,,\n";

// Week 1 (the template pairs 4 against 1 and 2 against 3):
//   Strikers 150+180=330 160+170=330 140+190=330 = 990; +32 a game: 362 362 362 = 1086
//   Gutters  175+155=330 205+145=350 165+173=338 = 1018; +24:       354 374 362 = 1090
//   -> Strikers take game 1, Gutters game 2 and the series, game 3 is tied:
//      Strikers 1.5 won 2.5 lost, Gutters 2.5 won 1.5 lost.
//   Spares   210+120=330 170+140=310 180+130=310 = 950; +40:  370 350 350 = 1070
//   Splits   160+140=300 150+150=300 170+136=306 = 906; +48:  348 348 354 = 1050
//   -> Spares take games 1, 2 and the series, Splits game 3: 3 to 1.
const char* const kWeek1 =
    "date,09/02/25\n"
    "team,position,player,type,game 1,game 2,game 3,incomplete\n"
    "1,1,Ann Lee,Regular,150,160,140,\n"
    "1,2,Bo Diaz,Regular,180,170,190,\n"
    "2,1,Cy Moss,Regular,210,170,180,\n"
    "2,2,Di Fox,Regular,120,140,130,\n"
    "3,1,Ed Gray,Regular,160,150,170,\n"
    "3,2,Flo Hart,Regular,140,150,136,\n"
    "4,1,Gus Ives,Regular,175,205,165,\n"
    "4,2,Hal Jay,Regular,155,145,173,\n";

// Week 2: the substitute bowls for Hal Jay.
const char* const kWeek2 =
    "date,09/09/25\n"
    "1,1,Ann Lee,,150,150,150,\n"
    "1,2,Bo Diaz,,165,175,185,\n"
    "2,1,Cy Moss,,190,180,170,\n"
    "2,2,Di Fox,,125,135,145,\n"
    "3,1,Ed Gray,,150,160,170,\n"
    "3,2,Flo Hart,,145,135,140,\n"
    "4,1,Gus Ives,,170,180,160,\n"
    "4,2,Ivy Kerr,Sub,140,150,145,\n";

// Week 3: Flo Hart is absent.
const char* const kWeek3 =
    "date,09/16/25\n"
    "1,1,Ann Lee,,160,170,180,\n"
    "1,2,Bo Diaz,,170,160,150,\n"
    "2,1,Cy Moss,,185,175,195,\n"
    "2,2,Di Fox,,130,120,110,\n"
    "3,1,Ed Gray,,165,155,160,\n"
    "3,2,Flo Hart,Absent,,,,\n"
    "4,1,Gus Ives,,180,170,175,\n"
    "4,2,Hal Jay,,150,160,140,\n";

class SeasonCli : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::UseProgramFolder(program.path());
  }

  CliResult Run(const std::vector<std::string>& args) { return test::RunCli(program.path(), args); }

  std::string Sheet(const std::string& name, const std::string& text) {
    std::ofstream(out.file(name), std::ios::binary) << text;
    return out.file(name);
  }

  std::string Cfg() const { return dir.file("CLUB.CFG"); }

  void NewLeagueWithRoster() {
    CliResult r = Run({"new", dir.file("CLUB"), "--teams", "4", "--roster", "2", "--players", "2",
                       "--subs", "1", "--weeks", "6"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run({"roster", Cfg(), "--file", Sheet("roster.csv", kRoster)});
    ASSERT_EQ(r.status, 0) << r.err;
  }

  void PlayWeek(int week, const char* sheet) {
    const std::string w = std::to_string(week);
    CliResult r = Run({"scores", Cfg(), "--week", w, "--file", Sheet("week" + w + ".csv", sheet)});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.out, "Week " + w + ": Results entered for 4 of the 4 teams\n");
    r = Run({"process", Cfg()});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_NE(r.out.find("Week " + w + " processed."), std::string::npos) << r.out;
  }

  void ThreeWeeks() {
    ASSERT_NO_FATAL_FAILURE(NewLeagueWithRoster());
    ASSERT_NO_FATAL_FAILURE(PlayWeek(1, kWeek1));
    ASSERT_NO_FATAL_FAILURE(PlayWeek(2, kWeek2));
    ASSERT_NO_FATAL_FAILURE(PlayWeek(3, kWeek3));
  }

  // The league's own files (not the archives, exports and reports beside them).
  std::map<std::string, std::string> LeagueFiles(const std::string& base) {
    std::map<std::string, std::string> files;
    for (auto& [name, bytes] : test::FolderFiles(dir.path()))
      if (name.rfind(base + ".", 0) == 0 && name != base + ".CSV" &&
          name.rfind(base + ".U", 0) != 0)  // the records of processed weeks kept for undo
        files[name] = bytes;
    return files;
  }

  test::TempDir program;
  test::TempDir dir;
  test::TempDir out;
  test::ScriptedUserIO io;
};

TEST_F(SeasonCli, ThreeWeeksFromAnEmptyFolder) {
  ASSERT_NO_FATAL_FAILURE(NewLeagueWithRoster());
  ASSERT_NO_FATAL_FAILURE(PlayWeek(1, kWeek1));

  // Week 1 by hand (see kWeek1): Spares 3 won, Gutters 2.5, Strikers 1.5, Splits 1. The
  // handicap totals add the team handicap three times: Spares 950 + 120, Gutters 1018 + 72,
  // Strikers 990 + 96, Splits 906 + 144. League average Int((950 + 1018 + 990 + 906) / 24) =
  // Int(3864 / 24) = 161.
  CliResult r = Run({"standings", Cfg(), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::CompactJson(r.out),
            "{\"leagueAverage\":161,\"standings\":["
            "{\"position\":1,\"team\":2,\"name\":\"Spares\",\"won\":3,\"lost\":1,"
            "\"pct\":75.00,\"scratch\":950,\"handicap\":1070},"
            "{\"position\":2,\"team\":4,\"name\":\"Gutters\",\"won\":2.5,\"lost\":1.5,"
            "\"pct\":62.50,\"scratch\":1018,\"handicap\":1090},"
            "{\"position\":3,\"team\":1,\"name\":\"Strikers\",\"won\":1.5,\"lost\":2.5,"
            "\"pct\":37.50,\"scratch\":990,\"handicap\":1086},"
            "{\"position\":4,\"team\":3,\"name\":\"Splits\",\"won\":1,\"lost\":3,"
            "\"pct\":25.00,\"scratch\":906,\"handicap\":1050}]}");

  ASSERT_NO_FATAL_FAILURE(PlayWeek(2, kWeek2));
  ASSERT_NO_FATAL_FAILURE(PlayWeek(3, kWeek3));
  r = Run({"standings", Cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Week 3 of 6"), std::string::npos) << r.out;

  // Each week's 4 points of a match: 12 won or lost by every team after three weeks.
  InitLeagueData();
  test::UseProgramFolder(program.path());
  lg.DataPath = dir.path();
  lg.FileName = "CLUB";
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(lg.CurrentWeek, 3);
  for (int t = 1; t <= 4; ++t) {
    const auto& stat = lg.PlayerStat[lg.Roster[t][0]];
    EXPECT_FLOAT_EQ(stat[kMatchPointsWon] + stat[kMatchPointsLost], 12) << "team " << t;
  }
}

TEST_F(SeasonCli, BackupRestoreExportsAndStandingSheet) {
  ASSERT_NO_FATAL_FAILURE(ThreeWeeks());

  CliResult r = Run({"backup", Cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("&LUB.Z03") + "\n");
  const auto saved = LeagueFiles("CLUB");
  EXPECT_EQ(saved.size(), 8u);

  // Spoil the league, then restore it: every file as it was, byte for byte.
  std::ofstream(dir.file("CLUB.MSG"), std::ios::binary) << "\"spoiled\"\r\n";
  fs::remove(dir.file("CLUB.SEA"));
  fs::remove(dir.file("CLUB.scr"));
  r = Run({"restore", dir.file("&LUB.Z03")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, Cfg() + "\n");
  EXPECT_EQ(LeagueFiles("CLUB"), saved);

  // Raw scores: Ann Lee in week 1 had handicap 24 and shares her team's 1.5 points.
  r = Run({"export", "raw", Cfg()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("CLUB.CSV") + "\n");
  const std::string raw = test::FileText(dir.file("CLUB.CSV"));
  EXPECT_NE(raw.find("\r\n\"1, Strikers            , Gutters             , Ann Lee             , "
                     "24, 1.5, Regular, 150, Yes, 160, Yes, 140, Yes\"\r\n"),
            std::string::npos)
      << raw;
  EXPECT_NE(raw.find(", Ivy Kerr            , 28, 1, Sub, 140, Yes, 150, Yes, 145, Yes\"\r\n"),
            std::string::npos)
      << raw;
  EXPECT_EQ(std::count(raw.begin(), raw.end(), '\n'), 1 + 3 * 4 * 2);

  // Final averages: Ann Lee 450 + 450 + 510 = 1410 pins in 9 games, Int(156.67) = 156; Hal Jay
  // missed week 2: 473 + 450 = 923 in 6 games, Int(153.83) = 153.
  r = Run({"export", "bowlers", Cfg(), "--code", "T-7"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("$1UB.CSV") + "\n");
  const std::string averages = test::FileText(dir.file("$1UB.CSV"));
  EXPECT_EQ(averages.rfind("\"League Code: T-7\",\" \",\" \",\" \"\r\n", 0), 0u) << averages;
  EXPECT_NE(averages.find("\r\n\"Ann Lee             \",9,1410,156\r\n"), std::string::npos)
      << averages;
  EXPECT_NE(averages.find("\r\n\"Hal Jay             \",6,923,153\r\n"), std::string::npos);

  // The standing sheet as a text file: pages end with form feeds.
  r = Run({"report", Cfg(), "standing", "-o", out.file("SHEET.TXT")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string sheet = test::FileText(out.file("SHEET.TXT"));
  EXPECT_GT(sheet.size(), 1000u);
  EXPECT_NE(sheet.find('\f'), std::string::npos);
  EXPECT_NE(sheet.find("WEEK 3 OF 6"), std::string::npos);
  EXPECT_NE(sheet.find("Strikers"), std::string::npos);
}

TEST_F(SeasonCli, NewSeasonStartsFromLastSeasonsAverages) {
  ASSERT_NO_FATAL_FAILURE(ThreeWeeks());
  CliResult r = Run({"new-season", Cfg(), dir.file("NEXT")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, dir.file("NEXT.CFG") + "\n");

  r = Run({"info", dir.file("NEXT.CFG"), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string info = test::CompactJson(r.out);
  EXPECT_NE(info.find("\"currentWeek\":0,\"numWeeks\":6,"), std::string::npos) << r.out;
  EXPECT_NE(info.find("{\"number\":1,\"name\":\"Strikers\",\"players\":["
                      "{\"position\":1,\"index\":1,\"name\":\"Ann Lee\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(info.find("\"subs\":[{\"number\":1,\"index\":12,\"name\":\"Ivy Kerr\"}]"),
            std::string::npos)
      << r.out;

  // Ann Lee starts at last season's 156 (see the exports above), with nothing bowled yet.
  InitLeagueData();
  test::UseProgramFolder(program.path());
  lg.DataPath = dir.path();
  lg.FileName = "NEXT";
  ASSERT_TRUE(LoadLeague());
  const auto& ann = lg.PlayerStat[lg.Roster[1][1]];
  EXPECT_FLOAT_EQ(ann[kStartingAverage], 156);
  EXPECT_FLOAT_EQ(ann[kCurrentAverage], 156);
  EXPECT_FLOAT_EQ(ann[kGamesPlayed], 0);
  EXPECT_FLOAT_EQ(lg.PlayerStat[lg.Roster[4][2]][kStartingAverage], 153);
  EXPECT_FLOAT_EQ(lg.PlayerStat[lg.Roster[1][0]][kMatchPointsWon], 0);

  // Week 1 is the next one again, and last season's scores are gone: one team entered is one
  // team complete.
  const std::string one = Sheet("next1.csv", "1,1,Ann Lee,,150,150,150,\n1,2,Bo Diaz,,1,2,3,\n");
  r = Run({"scores", dir.file("NEXT.CFG"), "--week", "1", "--file", one});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Week 1: Results entered for 1 of the 4 teams\n");
}

}  // namespace
}  // namespace tallmark
