// Generated seasons with fixed seeds: whatever the options and entries, the points of every
// match add up to what was at stake, and the standings follow the tie-break rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "ProcessingLeague.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark {
namespace {

using test::ProcessingLeague;

class Season {
 public:
  explicit Season(unsigned seed) : rng_(seed) {}

  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }

  void ChooseOptions() {
    lg.HandicapMethod = static_cast<Integer>(Pick(-2, 1));
    lg.MatchPointsStanding = Chance(50) ? True : False;
    lg.PlayerPointsToTeam = Chance(50) ? True : False;
    lg.ForfeitRule = Chance(50) ? True : False;
    lg.UnearnedInTeamStats = Chance(50) ? -2 : 0;
    lg.SortByHandicapTotal = Chance(50) ? -2 : 0;
    lg.TeamPointsGame = static_cast<Integer>(Pick(0, 3));
    lg.TeamPointsSeries = static_cast<Integer>(Pick(0, 3));
    lg.PlayerPointsGame = static_cast<Integer>(Pick(0, 3));
    lg.PlayerPointsSeries = static_cast<Integer>(Pick(0, 3));
    if (!lg.MatchPointsStanding) {
      lg.PlayerPointsGame = lg.TeamPointsGame;
      lg.PlayerPointsSeries = lg.TeamPointsSeries;
    }
    lg.HighGamePoints = static_cast<Integer>(Pick(0, 3));
    lg.HighGameMode = static_cast<Integer>(Pick(0, 3));
    lg.AdjustHandicapAwards = Chance(30) ? True : False;
    lg.GamesToQualify = static_cast<Integer>(Pick(1, 9));
    lg.ScratchBase[2] = static_cast<Integer>(Pick(0, 900));
    lg.MaxHandicap[2] = static_cast<Integer>(Pick(0, 300));
  }

  void Pairing(int week, int teams) {
    std::vector<int> order(teams);
    for (int i = 0; i < teams; ++i) order[i] = i + 1;
    std::shuffle(order.begin(), order.end(), rng_);
    for (int k = 1; k <= teams; ++k) {
      lg.LaneTeam[k] = static_cast<Integer>(order[k - 1]);
      lg.TeamHandicapWeek[k] = static_cast<Integer>(Pick(0, 60));
    }
    if (Chance(20)) lg.LaneTeam[1] = kPositionTeam;  // a position round
    WriteWeekResults(week);
  }

  void Rows(ProcessingLeague& league, int week, int team) {
    bool forfeit = Chance(8);
    for (int slot = 1; slot <= lg.PlayersPerWeek; ++slot) {
      Integer kind = forfeit ? kForfeit : kRegular;
      if (!forfeit) {
        int roll = Pick(1, 100);
        kind = roll <= 70 ? kRegular : roll <= 80 ? kSub : roll <= 90 ? kVacancy : kAbsent;
      }
      int player = ProcessingLeague::Player(team, kind == kSub ? lg.PlayersPerTeam : slot);
      std::vector<int> g(lg.GamesPerWeek);
      for (int& x : g) x = forfeit ? 0 : Pick(60, 300);
      int mask = Chance(10) ? Pick(0, (1 << lg.GamesPerWeek) - 1) : 0;
      lg.ScrGameScore.fill(0);
      ProcessingLeague::Row(week, team, slot, {}, kind, mask, player);
      for (int i = 0; i < lg.GamesPerWeek; ++i) lg.ScrGameScore[i] = static_cast<Integer>(g[i]);
      WriteScore(week, team, slot, static_cast<Integer>(player));
    }
  }

 private:
  std::mt19937 rng_;
};

double TeamStake() {
  double s = lg.TeamPointsGame * lg.GamesPerWeek + lg.TeamPointsSeries;
  if (lg.MatchPointsStanding && lg.PlayerPointsToTeam)
    s += lg.PlayersPerWeek * (lg.PlayerPointsGame * lg.GamesPerWeek + lg.PlayerPointsSeries);
  return s + lg.HighGamePoints;
}

double PlayerStake() {
  if (lg.MatchPointsStanding) return lg.PlayerPointsGame * lg.GamesPerWeek + lg.PlayerPointsSeries;
  return lg.TeamPointsGame * lg.GamesPerWeek + lg.TeamPointsSeries;
}

void ExpectStandingsOrder(int teams) {
  int pins = lg.SortByHandicapTotal ? kTotalPinsHandicap : kTotalPins;
  std::vector<int> byPlace(teams + 1, 0);
  for (int t = 1; t <= teams; ++t) {
    int place = static_cast<int>(lg.PlayerStat[lg.Roster[t][0]][kGroupOrStanding]);
    ASSERT_GE(place, 1);
    ASSERT_LE(place, teams);
    ASSERT_EQ(byPlace[place], 0) << "two teams on place " << place;
    byPlace[place] = t;
  }
  for (int i = 1; i < teams; ++i) {
    const auto& a = lg.PlayerStat[lg.Roster[byPlace[i]][0]];
    const auto& b = lg.PlayerStat[lg.Roster[byPlace[i + 1]][0]];
    ASSERT_GE(a[kMatchPointsWon], b[kMatchPointsWon]);
    if (a[kMatchPointsWon] != b[kMatchPointsWon]) continue;
    ASSERT_GE(a[pins], b[pins]);
    if (a[pins] == b[pins]) {
      ASSERT_LT(byPlace[i], byPlace[i + 1]);
    }
  }
}

void RunSeason(unsigned seed) {
  Season gen(seed);
  int teams = 2 * gen.Pick(1, 6);
  int perWeek = gen.Pick(1, 5);
  int games = gen.Pick(1, 6);
  ProcessingLeague league(teams, perWeek + 1, games);
  lg.PlayersPerWeek = static_cast<Integer>(perWeek);
  gen.ChooseOptions();
  std::vector<float> starts;
  for (int i = 0; i < teams * (perWeek + 1); ++i) starts.push_back(gen.Pick(90, 220));
  int i = 0;
  for (float a : starts) {
    int t = i / (perWeek + 1) + 1, s = i % (perWeek + 1) + 1;
    lg.PlayerStat[ProcessingLeague::Player(t, s)][kStartingAverage] = a;
    lg.PlayerStat[ProcessingLeague::Player(t, s)][kGroupOrStanding] = gen.Pick(0, 1);
    UpdatePlayerAverage(t, ProcessingLeague::Player(t, s), 0, 0);
    ++i;
  }
  std::map<int, double> playerStake;  // expected won + lost of each player record
  for (int week = 1; week <= 6; ++week) {
    gen.Pairing(week, teams);
    for (int t = 1; t <= teams; ++t) gen.Rows(league, week, t);
    ASSERT_TRUE(ProcessingLeague::Process(week));
    ASSERT_TRUE(ReadWeekResults(week));
    for (int m = 1; m <= lg.NumLanes; ++m) {
      int a = lg.LaneTeam[2 * m - 1], b = lg.LaneTeam[2 * m];
      ASSERT_TRUE(TeamInUse(a) && TeamInUse(b)) << "week " << week;
      double shared = lg.TeamPointsWeek[TeamColumn(a)] + lg.TeamPointsWeek[TeamColumn(b)];
      EXPECT_NEAR(shared, TeamStake(), 0.01) << "seed " << seed << " week " << week;
    }
    for (int t = 1; t <= teams; ++t) {
      for (int slot = 1; slot <= perWeek; ++slot) {
        Integer player = 0;
        ReadScore(week, t, slot, player);
        if (!(lg.ScrFlag && lg.ForfeitRule)) playerStake[player] += PlayerStake();
      }
      const auto& st = lg.PlayerStat[lg.Roster[t][0]];
      EXPECT_NEAR(st[kMatchPointsWon] + st[kMatchPointsLost], week * TeamStake(), 0.01);
      EXPECT_GE(st[kMatchPointsLost], -0.001);
    }
    for (auto [player, stake] : playerStake) {
      const auto& st = lg.PlayerStat[player];
      EXPECT_NEAR(st[kMatchPointsWon] + st[kMatchPointsLost], stake, 0.01)
          << "seed " << seed << " player " << player;
      EXPECT_GE(st[kMatchPointsWon], 0);
      EXPECT_GE(st[kMatchPointsLost], -0.001);
    }
    ExpectStandingsOrder(teams);
  }
}

TEST(RandomSeasons, PointsAddUpAndStandingsFollowTheRule) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    RunSeason(seed);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tallmark
