#include <gtest/gtest.h>

#include "common/SheetText.h"
#include "common/Text.h"
#include "setup/LeagueFixture.h"
#include "setup/RosterImport.h"

namespace tallmark {
namespace {

using test::LeagueFixture;

TEST(Csv, QuotedFieldsCommasDoubledQuotesAndLines) {
  auto r = SplitSheet("\xEF\xBB\xBFteam,name\r\n1,\"Lee, Ann \"\"Ace\"\"\"\n\n2,\"two\nlines\"\n3,x");
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[0].fields, (std::vector<std::string>{"team", "name"}));
  EXPECT_EQ(r[1].fields, (std::vector<std::string>{"1", "Lee, Ann \"Ace\""}));
  EXPECT_EQ(r[1].line, 2);
  EXPECT_EQ(r[3].fields[1], "two\nlines");
  EXPECT_EQ(r[3].line, 4);
  EXPECT_EQ(r[4].line, 6);
}

TEST(RosterImport, FillsPlacesWithCleanedNamesAndDetails) {
  LeagueFixture f;
  f.build(4, 3, 3, 1, 8);
  int a = lg.Roster[2][1];
  int b = lg.Roster[2][3];
  int sub = lg.SubList[1];
  RosterImportResult r = ImportRoster(
      "team,team name,position,name,group,phone,average,recalc,after week 1\n"
      "2,Pin \"Pals\",1,Ann \"Ace\" Lee,female,555-0101,150,6,yes\n"
      "2,,3,Bo Diaz,Male,,172,,no\n"
      "0,,1,Cy Moss\n");
  ASSERT_TRUE(r.ok()) << r.refusals[0];
  EXPECT_EQ(r.rowsApplied, 3);
  EXPECT_EQ(lg.PlayerName[a], "Ann _Ace_ Lee       ");
  EXPECT_EQ(f.teamName(2), "Pin _Pals_          ");
  EXPECT_EQ(lg.PlayerStat[a][kGroupOrStanding], 0);
  EXPECT_EQ(lg.PlayerStat[a][kStartingAverage], 150);
  EXPECT_EQ(lg.PlayerStat[a][kCurrentHandicap], 24);  // 80% of (180 - 150)
  EXPECT_EQ(lg.PlayerPhone[a], "555-0101    ");
  EXPECT_EQ(lg.RecalcGames[a], 6);
  EXPECT_EQ(lg.AvgAfterWeek1[a], True);
  EXPECT_EQ(lg.PlayerName[b], "Bo Diaz             ");
  EXPECT_EQ(lg.PlayerPhone[b], "999-999-9999");
  EXPECT_EQ(lg.PlayerStat[b][kCurrentAverage], 172);
  EXPECT_EQ(lg.PlayerName[sub], "Cy Moss             ");
  EXPECT_EQ(f.name(lg.Roster[2][2]), "*VACANCY 202        ");
}

TEST(RosterImport, AnyRefusedRowChangesNothing) {
  LeagueFixture f;
  f.build(4, 3, 3, 0, 8);
  auto names = lg.PlayerName;
  auto stats = lg.PlayerStat;
  RosterImportResult r = ImportRoster(
      "1,,1,Good Name,Male,,150\n"
      "1,,2,*VACANCY 5\n"
      "9,,1,No Team\n"
      "1,,4,Too Far\n"
      "1,,1,Same Place\n"
      "2,,1,Bad Group,Other\n"
      "2,,2,Big Average,Male,,301\n"
      "3,Name One,1,X\n3,Name Two,2,Y\n"
      "4,,1,?Free\n"
      "0,,1,No Subs\n");
  EXPECT_EQ(r.rowsApplied, 0);
  ASSERT_EQ(r.refusals.size(), 9u);
  EXPECT_EQ(r.refusals[0], "line 2: a name starting with *VACANCY is a keyword for the program");
  EXPECT_EQ(r.refusals[1], "line 3: team 9 is not in the league");
  EXPECT_EQ(r.refusals[2].substr(0, 40), "line 4: the position must be a whole num");
  EXPECT_EQ(r.refusals[3], "line 5: the same place is given twice");
  EXPECT_EQ(r.refusals[6], "line 9: team 3 is given two different names");
  EXPECT_EQ(r.refusals[7], "line 10: a name starting with ? is a keyword for the program");
  EXPECT_EQ(r.refusals[8], "line 11: the league has no substitutes");
  EXPECT_EQ(lg.PlayerName, names);
  EXPECT_EQ(lg.PlayerStat, stats);
}

TEST(RosterImport, DamagedSheetsAreRefusedWithTheLine) {
  LeagueFixture f;
  f.build(4, 3, 3, 0, 8);
  const auto names = lg.PlayerName;
  const std::pair<std::string, std::string> cases[] = {
      {"1,,1,Good Name\r9,,1,No Team\r", "line 2: team 9 is not in the league"},
      {std::string("1,,1,Nul\0Name\n", 14), "line 1: the name holds a control character"},
      {"", "line 1: the sheet has no rows"},
      {"team,team name,position,name\r\n\r\n", "line 2: the sheet has no rows"},
      {"1,,1,Ann,Male,,\t" + std::string(100, '9') + "\n",
       "line 1: the starting average must be a whole number from 0 to 300 (found \"?" +
           std::string(59, '9') + "...\")"},
  };
  for (const auto& [sheet, refusal] : cases) {
    RosterImportResult r = ImportRoster(sheet);
    EXPECT_EQ(r.refusals, std::vector<std::string>{refusal});
  }
  EXPECT_EQ(lg.PlayerName, names);
}

TEST(RosterImport, SemicolonWindows1252AndShortFormsFillTheSamePlaces) {
  const std::string comma =
      "team,team name,position,name,group,phone,average,recalc,after week 1\n"
      "1,Peña Pins,1,José Muñoz,Male,555-0101,150,6,yes\n"
      "1,,2,\"Lee, Ann\",Female,,172,,no\n";
  const std::pair<std::string, std::string> forms[] = {
      {comma, "UTF-8, comma-separated"},
      {Utf8ToCp1252("team;team name;position;name;group;phone;average;recalc;after week 1\r\n"
                    "1;Peña Pins;1;José Muñoz;M;555-0101;150;6;Y\r\n"
                    "1;;2;Lee, Ann;f;;172;;N\r\n"),
       "Windows-1252, semicolon-separated"},
      {"\xEF\xBB\xBFteam\tteam name\tposition\tname\tgroup\tphone\taverage\trecalc\tafter week 1\n"
       "1\tPeña Pins\t1\tJosé Muñoz\tmale\t555-0101\t150\t6\ty\n"
       "1\t\t2\tLee, Ann\tW\t\t172\t\tno\n",
       "UTF-8, tab-separated"},
  };
  decltype(lg.PlayerName) names;
  decltype(lg.PlayerStat) stats;
  for (const auto& [sheet, format] : forms) {
    LeagueFixture f;
    f.build(4, 3, 3, 1, 8);
    RosterImportResult r = ImportRoster(sheet);
    ASSERT_TRUE(r.ok()) << format << ": " << r.refusals[0];
    EXPECT_EQ(r.format, format);
    EXPECT_EQ(lg.PlayerName[lg.Roster[1][1]], "Jos\xE9 Mu\xF1oz          ");
    if (&sheet == &forms[0].first) {
      names = lg.PlayerName;
      stats = lg.PlayerStat;
    }
    EXPECT_EQ(lg.PlayerName, names) << format;
    EXPECT_EQ(lg.PlayerStat, stats) << format;
  }
  EXPECT_EQ(ImportRoster(Utf8ToCp1252("1;;1;José;Other\n")).refusals,
            std::vector<std::string>{"line 1: the group must be \"Female\" or \"Male\" (found \"Other\")"});
}

}  // namespace
}  // namespace tallmark
