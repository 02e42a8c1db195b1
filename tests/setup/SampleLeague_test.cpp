// The sample league: built in a temporary folder with the program's real schedule templates and
// sports, then loaded from its files and checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "setup/SampleLeague.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class SampleLeagueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::UseProgramFolder(program.path());
  }

  SampleOutcome build(const test::TempDir& folder) {
    SampleOutcome out = BuildSampleLeague(folder.path());
    EXPECT_EQ(out.problem, "");
    return out;
  }

  // The league as its files hold it.
  void load(const test::TempDir& folder) {
    InitLeagueData();
    lg.ProgramPath = program.path();
    lg.DataPath = folder.path();
    lg.FileName = kSampleLeagueName;
    ASSERT_TRUE(LoadLeague());
  }

  std::string name(int index) { return TrimRight(lg.PlayerName[index]); }

  test::TempDir program;
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(SampleLeagueTest, TeamsBowlersOfficersAndBulletin) {
  SampleOutcome out = build(dir);
  ASSERT_EQ(out.result, SampleBuild::Built);
  EXPECT_EQ(out.configPath, dir.file("SAMPLE.CFG"));
  EXPECT_TRUE(io.shown.empty());  // nothing asked, nothing reported
  load(dir);
  EXPECT_EQ(TrimRight(lg.LeagueName), "Tuesday Night Mixed");
  EXPECT_EQ(lg.NumTeams, 8);
  EXPECT_EQ(lg.PlayersPerTeam, 4);
  EXPECT_EQ(lg.PlayersPerWeek, 3);
  EXPECT_EQ(lg.NumSubs, 3);
  EXPECT_EQ(lg.NumWeeks, 30);
  EXPECT_EQ(name(lg.Roster[1][0]), "Pin Pals");
  EXPECT_EQ(name(lg.Roster[8][0]), "Rolling Thunder");
  EXPECT_EQ(name(lg.Roster[1][1]), "Linda Carver");
  EXPECT_EQ(name(lg.SubList[2]), "Bill Haynes");

  std::set<std::string> names;
  std::set<int> groups, phones;
  auto person = [&](int index) {
    names.insert(name(index));
    EXPECT_FALSE(IsVacancyName(lg.PlayerName[index]) || IsFreeName(lg.PlayerName[index]));
    groups.insert(static_cast<int>(lg.PlayerStat[index][kGroupOrStanding]));
    Single start = lg.PlayerStat[index][kStartingAverage];
    EXPECT_TRUE(start >= 120 && start <= 210) << name(index) << " " << start;
    EXPECT_EQ(lg.PlayerPhone[index].substr(0, 6), "555-01");
    phones.insert(std::stoi(lg.PlayerPhone[index].substr(6, 2)));
  };
  for (int t = 1; t <= 8; ++t)
    for (int p = 1; p <= 4; ++p) person(lg.Roster[t][p]);
  for (int s = 1; s <= 3; ++s) person(lg.SubList[s]);
  EXPECT_EQ(names.size(), 35u);   // nobody twice
  EXPECT_EQ(phones.size(), 35u);  // nor a phone number
  EXPECT_EQ(groups, (std::set<int>{0, 1}));

  // The officers are bowlers of the league, under the default titles.
  EXPECT_EQ(lg.OfficerPlayer[1], lg.Roster[1][2]);
  EXPECT_EQ(TrimRight(lg.OfficerName[1]), "Mike Patel");
  EXPECT_EQ(lg.OfficerTitle[4], "Treasurer");
  EXPECT_EQ(TrimRight(lg.OfficerName[4]), "Sam Dobbs");
  EXPECT_NE(lg.BulletinText.find("sample league"), std::string::npos);
  EXPECT_LE(lg.BulletinText.size(), 960u);
}

TEST_F(SampleLeagueTest, ScheduleLanesAndFourProcessedWeeks) {
  ASSERT_EQ(build(dir).result, SampleBuild::Built);
  load(dir);
  EXPECT_EQ(lg.CurrentWeek, 4);
  EXPECT_EQ(lg.NumLanes, 4);
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(lg.LaneNumber[k], 100 + k);
  // Each week from 1 to 30 has all eight teams, once each; the template's round robin of 7
  // weeks comes round again in weeks 8, 15, 22 and 29, each time on other lane pairs.
  std::vector<std::vector<int>> weeks(31);
  for (int w = 1; w <= 30; ++w) {
    ASSERT_TRUE(ReadWeekResults(w));
    weeks[w].assign(lg.LaneTeam.begin() + 1, lg.LaneTeam.begin() + 9);
    std::set<int> teams(weeks[w].begin(), weeks[w].end());
    EXPECT_EQ(teams, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8})) << "week " << w;
  }
  EXPECT_EQ(lg.ScheduleEachWeek, False);
  EXPECT_NE(weeks[1], weeks[2]);
  // The matches of a week, whichever lane pair and side each team has.
  auto matches = [](const std::vector<int>& week) {
    std::set<std::pair<int, int>> m;
    for (std::size_t s = 0; s + 1 < week.size(); s += 2)
      m.insert({std::min(week[s], week[s + 1]), std::max(week[s], week[s + 1])});
    return m;
  };
  EXPECT_EQ(matches(weeks[8]), matches(weeks[1]));
  EXPECT_NE(weeks[8], weeks[1]);  // the repeated round moves to other lanes
  EXPECT_EQ(matches(weeks[30]), matches(weeks[2]));
  EXPECT_EQ(lg.WeekDate[1], "09/02/25");
  EXPECT_EQ(lg.WeekDate[4], "09/23/25");
  EXPECT_EQ(lg.WeekDate[5], "        ");

  // 4 weeks of 4 points a match: every team has 16 points won or lost, the league 64 won.
  // The standing places 1..8 follow the points won.
  std::vector<std::pair<int, Single>> byPlace;
  // The teams bowled 4 weeks x 8 teams x 3 bowlers x 3 games = 288 games, less the 2 x 3 of the
  // two absent bowlers, which do not count for their teams.
  Single won = 0, games = 0;
  for (int t = 1; t <= 8; ++t) {
    const auto& stat = lg.PlayerStat[lg.Roster[t][0]];
    EXPECT_FLOAT_EQ(stat[kMatchPointsWon] + stat[kMatchPointsLost], 16) << "team " << t;
    won += stat[kMatchPointsWon];
    games += stat[kGamesPlayed];
    byPlace.push_back({static_cast<int>(stat[kGroupOrStanding]), stat[kMatchPointsWon]});
  }
  EXPECT_FLOAT_EQ(won, 64);
  EXPECT_FLOAT_EQ(games, 282);
  std::sort(byPlace.begin(), byPlace.end());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(byPlace[i].first, i + 1);
  for (int i = 1; i < 8; ++i) EXPECT_GE(byPlace[i - 1].second, byPlace[i].second);
}

// Every score record of the four weeks: line-ups from the team's own members, one substitute a
// week, an absent bowler in weeks 2 and 4, an unfinished game (40 to 110 pins) in weeks 1 and 3,
// every other game from 60 to 300.
TEST_F(SampleLeagueTest, ScoreRecordsAndAwardsLog) {
  ASSERT_EQ(build(dir).result, SampleBuild::Built);
  load(dir);
  std::map<int, int> kinds;
  int unfinished = 0;
  for (int w = 1; w <= 4; ++w) {
    ASSERT_TRUE(ReadWeekResults(w));
    for (int t = 1; t <= 8; ++t) {
      std::set<int> players;
      for (int j = 1; j <= 3; ++j) {
        Integer player = 0;
        ASSERT_TRUE(ReadScore(w, t, j, player));
        players.insert(player);
        ++kinds[lg.ScrEntryKind];
        bool member = std::count(&lg.Roster[t][1], &lg.Roster[t][5], player) == 1;
        bool sub = std::count(&lg.SubList[1], &lg.SubList[4], player) == 1;
        EXPECT_TRUE(lg.ScrEntryKind == kSub ? sub : member) << w << " " << t << " " << j;
        if (lg.ScrNoCreditMask != 0) ++unfinished;
        for (int g = 0; g < 3; ++g) {
          int score = lg.ScrGameScore[g];
          if (lg.ScrNoCreditMask & (1 << g)) EXPECT_TRUE(score >= 40 && score <= 110);
          else EXPECT_TRUE(score >= 60 && score <= 300) << name(player) << " " << score;
        }
      }
      EXPECT_EQ(players.size(), 3u);
    }
  }
  EXPECT_EQ(kinds[kSub], 4);
  EXPECT_EQ(kinds[kAbsent], 2);
  EXPECT_EQ(kinds[kRegular], 4 * 8 * 3 - 6);
  EXPECT_EQ(unfinished, 2);

  std::string log = test::FileText(dir.file("SAMPLE.SPC"));
  std::istringstream lines(log);
  std::string first, line;
  std::getline(lines, first);
  EXPECT_EQ(first, "SPECIAL AWARDS LOG STARTED ON WEEK 1\r");
  int awards = 0;
  while (std::getline(lines, line)) {
    EXPECT_NE(line.find(" in week "), std::string::npos) << line;
    ++awards;
  }
  EXPECT_GE(awards, 4);  // at least each week's best pins over average
}

TEST_F(SampleLeagueTest, TheSameLeagueEveryTimeAndNeverOverAnotherOne) {
  ASSERT_EQ(build(dir).result, SampleBuild::Built);
  test::TempDir second;
  ASSERT_EQ(build(second).result, SampleBuild::Built);
  const auto files = test::FolderFiles(dir.path());
  EXPECT_EQ(files.size(), 8u);
  EXPECT_EQ(files, test::FolderFiles(second.path()));

  // A league of the sample's name is there: nothing is touched, whatever its case.
  std::filesystem::rename(dir.file("SAMPLE.CFG"), dir.file("sample.cfg"));
  const auto before = test::FolderFiles(dir.path());
  SampleOutcome again = BuildSampleLeague(dir.path());
  EXPECT_EQ(again.result, SampleBuild::Exists);
  EXPECT_EQ(again.configPath, dir.file("sample.cfg"));
  EXPECT_EQ(test::FolderFiles(dir.path()), before);

  EXPECT_EQ(BuildSampleLeague(dir.file("missing")).result, SampleBuild::NoFolder);
}

}  // namespace
}  // namespace tallmark
