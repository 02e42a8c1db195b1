// The rankings, league options, special awards, rosters, schedule and treasurer's reports as the
// file destination writes them, compared with files checked by hand (ReportGolden.h), on the
// sample league and on a league that uses every option.
#include <gtest/gtest.h>

#include <functional>

#include "common/Text.h"
#include "reports/FixedPageDevice.h"
#include "reports/OtherReports.h"
#include "reports/ReportPages.h"
#include "setup/SampleLeague.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"
#include "OptionsLeague.h"
#include "ReportGolden.h"

using namespace tallmark;
using namespace tallmark::reports;

namespace {

using Builder = std::function<void(ReportEngine&)>;

std::string FileText(const Builder& build) {
  FixedPageDevice device;
  ReportEngine engine(device, Destination::File, true);
  RunPasses(engine, device, 1, build);
  return engine.fileText();
}

std::vector<int> AllTeamsAndSubs() {
  std::vector<int> teams;
  for (int t = 1; t <= lg.LastTeam; ++t)
    if (TeamNumberInUse(t)) teams.push_back(t);
  teams.push_back(0);
  return teams;
}

std::vector<int> AllPlayers() {
  std::vector<int> players;
  for (int t : AllTeamsAndSubs())
    for (const ListedPlayer& lp : TeamPlayers(t)) players.push_back(lp.player);
  return players;
}

// The six reports, each under its golden file's name.
std::vector<std::pair<std::string, Builder>> SixReports(const std::vector<int>& categories,
                                                        const std::vector<int>& sessions,
                                                        const std::vector<int>& weeks) {
  const std::vector<int> teams = AllTeamsAndSubs(), players = AllPlayers();
  return {{"rankings", [=](ReportEngine& e) { BuildRankings(e, categories, sessions); }},
          {"options", [](ReportEngine& e) { BuildLeagueOptions(e); }},
          {"awards", [=](ReportEngine& e) { BuildSpecialAwards(e, weeks, players); }},
          {"rosters", [=](ReportEngine& e) { BuildTeamRosters(e, teams); }},
          {"schedule", [](ReportEngine& e) { BuildSeasonSchedule(e); }},
          {"treasurer", [=](ReportEngine& e) { BuildTreasurer(e, teams); }}};
}

TEST(OtherReports, SampleLeague) {
  test::ScriptedUserIO io;
  test::TempDir program, dir;
  InitLeagueData();
  test::UseProgramFolder(program.path());
  ASSERT_EQ(BuildSampleLeague(dir.path()).result, SampleBuild::Built);
  for (const auto& [name, build] : SixReports({kHighScratchGame, kCurrentAverage}, {1}, {4}))
    test::ExpectGoldenLines("sample-" + name, FileText(build));
  EXPECT_EQ(io.errorsReported(), 0);
}

class OptionsLeagueTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildOptionsLeague(dir.path()); }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(OptionsLeagueTest, EveryReport) {
  const auto lanes = lg.LaneTeam;
  for (const auto& [name, build] :
       SixReports({kCurrentAverage, kFirstExtraStat}, {1, 2}, {2, 3, 4}))
    test::ExpectGoldenLines("options-" + name, FileText(build));
  // Nothing of another week or session stays in memory.
  EXPECT_EQ(lg.LaneTeam, lanes);
  EXPECT_EQ(lg.PlayerStat[3][kCurrentAverage], 165);
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(OptionsLeagueTest, RankingsLeaveTheVacancyOut) {
  const std::string text =
      FileText([](ReportEngine& e) { BuildRankings(e, {kCurrentAverage}, {2}); });
  EXPECT_EQ(text.find("*VACANCY"), std::string::npos);
  // Class A holds the averages above 160 of both groups; ranks count without the vacancy.
  const std::vector<std::string> lines = test::TextLines(text);
  for (const char* ranked : {"   1 Cal Fox                 12     180.0",
                             "   2 Fred Lamb               12     172.0"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(10, ' ') + ranked), lines.end());
  // One block per class, each ending its page.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
}

TEST_F(OptionsLeagueTest, TreasurerTotalIsTheColumnSum) {
  lg.FeeUnit = 0.35f;  // amounts whose cents round
  const std::string text =
      FileText([](ReportEngine& e) { BuildTreasurer(e, AllTeamsAndSubs()); });
  long long column = 0, total = -1;
  for (const std::string& line : test::TextLines(text)) {
    const std::size_t dollar = line.rfind('$');
    if (dollar == std::string::npos) continue;
    std::string amount = line.substr(dollar + 1);
    amount.erase(std::remove(amount.begin(), amount.end(), '.'), amount.end());
    if (line.find("Total for this report:") != std::string::npos)
      total = std::atoll(amount.c_str());
    else
      column += std::atoll(amount.c_str());
  }
  EXPECT_EQ(total, column);
  EXPECT_GT(total, 0);
  EXPECT_EQ(CurrencyText(1234567.555), "$1,234,567.56");
  EXPECT_EQ(CurrencyText(-5), "($5.00)");
  EXPECT_EQ(CurrencyText(0.5), "$0.50");
}

TEST_F(OptionsLeagueTest, TreasurerWithoutFeesSaysSo) {
  lg.ExtraStatAbbrev[1] = Fixed("DUES", 5);
  const std::string text = FileText([](ReportEngine& e) { BuildTreasurer(e, {1, 2}); });
  EXPECT_NE(text.find("No extra statistic is abbreviated FEES"), std::string::npos);
  EXPECT_EQ(text.find("$"), std::string::npos);
}

TEST_F(OptionsLeagueTest, RostersNameEachTeamOnItsFirstLineOnly) {
  const std::string text = FileText([](ReportEngine& e) { BuildTeamRosters(e, {2, 0}); });
  const std::vector<std::string> lines = test::TextLines(text);
  auto at = std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.find("Cal Fox") != std::string::npos; });
  ASSERT_NE(at + 1, lines.end());
  // The margin of the narrower font is 12 blanks.
  const std::string m(12, ' '), gap(14, ' ');
  EXPECT_EQ(*at, m + " 2 Pin Pals" + gap + " 1 Cal Fox               M   A  176 180   0");
  EXPECT_EQ(at[1], m + std::string(11, ' ') + gap + " 2 Dee Orr               F   B  116 120  48");
  EXPECT_EQ(text.find("Pin Pals"), text.rfind("Pin Pals"));
  EXPECT_NE(text.find(" SUBSTITUTE BOWLERS     1 Ivy Sub"), std::string::npos);
}

}  // namespace
