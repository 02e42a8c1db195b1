#include "setup/ScheduleGenerator.h"

#include <cstdint>
#include <random>

#include "league/LeagueData.h"
#include "league/SeqFile.h"

namespace tallmark {

namespace {

constexpr int kFewestTeams = 4;
constexpr int kMostTeams = 34;
constexpr long kSearchSteps = 3000000;

// A match of a round: 0-based teams, first on the odd lane slot of its lane pair.
struct Match {
  int first;
  int second;
};

// Circle method: the last team stays put while the others turn one place a round. Round r
// pairs the last team with team r (match 0) and teams r + k and r - k (match k). Alternating
// sides by round and by k gives each team the odd slot about as often as the even one.
std::vector<std::vector<Match>> CircleRounds(int teams) {
  const int turning = teams - 1;
  std::vector<std::vector<Match>> rounds(turning);
  for (int r = 0; r < turning; ++r) {
    rounds[r].push_back(r % 2 == 0 ? Match{turning, r} : Match{r, turning});
    for (int k = 1; k < teams / 2; ++k) {
      const int a = (r + k) % turning, b = (r - k + turning) % turning;
      rounds[r].push_back(k % 2 == 1 ? Match{a, b} : Match{b, a});
    }
  }
  return rounds;
}

// Match k on lane pair k gives every turning team one game on pair 0 and two on each other
// pair; the fixed team would stay on pair 0. So in round r match 0 changes pairs with match c,
// c = |2r| taken symmetrically modulo teams - 1. This spreads every team over all pairs, once
// or twice each, whenever teams - 1 is not a multiple of 3; otherwise a search improves it
// (exactly for 10 and 16 teams, within one game for 22, 28 and 34). With 4 teams no
// arrangement gives everyone both pairs: one team plays all three games on one pair.
std::vector<std::vector<int>> StarterLanes(int teams) {
  const int turning = teams - 1, pairs = teams / 2;
  std::vector<std::vector<int>> lane(turning, std::vector<int>(pairs));
  for (int r = 0; r < turning; ++r) {
    int c = (2 * r) % turning;
    if (c > turning - c) c = turning - c;
    for (int k = 0; k < pairs; ++k) lane[r][k] = k == 0 ? c : (k == c ? 0 : k);
  }
  return lane;
}

// Games of each team on each lane pair.
using Counts = std::vector<std::vector<int>>;

Counts CountLanes(const std::vector<std::vector<Match>>& rounds,
                  const std::vector<std::vector<int>>& lane, int teams) {
  Counts count(teams, std::vector<int>(teams / 2, 0));
  for (std::size_t r = 0; r < rounds.size(); ++r)
    for (std::size_t k = 0; k < rounds[r].size(); ++k) {
      ++count[rounds[r][k].first][lane[r][k]];
      ++count[rounds[r][k].second][lane[r][k]];
    }
  return count;
}

// Cost of a team's games on one lane pair: their square, with a surcharge for none at all and
// for more than two, so that the search goes for one or two games everywhere.
long LaneCost(int games) {
  long cost = static_cast<long>(games) * games;
  if (games == 0) cost += 6;
  if (games > 2) cost += 6L * (games - 2);
  return cost;
}

long TotalCost(const Counts& count) {
  long sum = 0;
  for (const auto& row : count)
    for (int c : row) sum += LaneCost(c);
  return sum;
}

// The cost when every team plays one lane pair once and every other pair twice.
long BalancedCost(int teams) { return static_cast<long>(teams) * (4L * (teams / 2 - 1) + 1); }

// Chance in a thousand of taking an exchange that makes the cost worse by delta: about
// 1000 e^(-delta/2), in whole numbers so that every build makes the same schedule.
unsigned WorseChance(long delta) {
  static const unsigned chance[] = {1000, 607, 368, 223, 135, 82, 50, 30, 18, 11, 7, 4, 2, 1};
  return delta < 14 ? chance[delta] : 0;
}

// Improves the lane pairs by exchanging the pairs of two matches of one round, a random search
// with a fixed seed (the same schedule on every build) that sometimes takes a worse exchange to
// leave a dead end; keeps the best arrangement found.
void ImproveLanes(const std::vector<std::vector<Match>>& rounds,
                  std::vector<std::vector<int>>& lane, int teams) {
  Counts count = CountLanes(rounds, lane, teams);
  long current = TotalCost(count), best = current;
  auto bestLane = lane;
  const long goal = BalancedCost(teams);
  const int pairs = teams / 2, weeks = teams - 1;
  std::mt19937 random(20240601u + static_cast<unsigned>(teams));
  for (long step = 0; step < kSearchSteps && best > goal; ++step) {
    const int r = static_cast<int>(random() % weeks);
    const int k1 = static_cast<int>(random() % pairs), k2 = static_cast<int>(random() % pairs);
    if (k1 == k2) continue;
    const int l1 = lane[r][k1], l2 = lane[r][k2];
    const int moved[2][2] = {{rounds[r][k1].first, rounds[r][k1].second},
                             {rounds[r][k2].first, rounds[r][k2].second}};
    auto cells = [&] {
      long sum = 0;
      for (const auto& match : moved)
        for (int x : match) sum += LaneCost(count[x][l1]) + LaneCost(count[x][l2]);
      return sum;
    };
    const long before = cells();
    for (int x : moved[0]) --count[x][l1], ++count[x][l2];
    for (int x : moved[1]) --count[x][l2], ++count[x][l1];
    const long delta = cells() - before;
    if (delta > 0 && random() % 1000 >= WorseChance(delta)) {
      for (int x : moved[0]) ++count[x][l1], --count[x][l2];
      for (int x : moved[1]) ++count[x][l2], --count[x][l1];
      continue;
    }
    lane[r][k1] = l2;
    lane[r][k2] = l1;
    current += delta;
    if (current < best) best = current, bestLane = lane;
  }
  lane = bestLane;
}

}  // namespace

std::vector<TemplateWeek> StandardSchedule(int teams) {
  if (teams < kFewestTeams || teams % 2 != 0) return {};
  const auto rounds = CircleRounds(teams);
  auto lane = StarterLanes(teams);
  if (TotalCost(CountLanes(rounds, lane, teams)) > BalancedCost(teams))
    ImproveLanes(rounds, lane, teams);
  std::vector<TemplateWeek> weeks;
  for (std::size_t r = 0; r < rounds.size(); ++r) {
    TemplateWeek week(teams);
    for (std::size_t k = 0; k < rounds[r].size(); ++k) {
      week[2 * lane[r][k]] = rounds[r][k].first + 1;
      week[2 * lane[r][k] + 1] = rounds[r][k].second + 1;
    }
    weeks.push_back(week);
  }
  return weeks;
}

std::vector<TemplateWeek> SeasonSchedule(int teams) {
  const auto round = StandardSchedule(teams);
  std::vector<TemplateWeek> weeks;
  if (round.empty()) return weeks;
  const int pairs = teams / 2;
  for (int w = 0; w < kMaxWeeks; ++w) {
    const int repeat = w / static_cast<int>(round.size());
    const TemplateWeek& base = round[static_cast<std::size_t>(w) % round.size()];
    TemplateWeek week(static_cast<std::size_t>(teams));
    for (int p = 0; p < pairs; ++p) {
      const int to = (p + repeat) % pairs;
      const bool swap = repeat % 2 == 1;
      week[2 * to] = base[2 * p + (swap ? 1 : 0)];
      week[2 * to + 1] = base[2 * p + (swap ? 0 : 1)];
    }
    weeks.push_back(week);
  }
  return weeks;
}

std::string TemplateText(const std::vector<TemplateWeek>& weeks) {
  std::string text;
  for (const auto& week : weeks)
    for (int team : week) text += static_cast<char>(team + 34);
  return text;
}

std::string ShippedScheduleFile() {
  SeqWriter out;
  out.text("STANDARD SCHEDULES: ROUND ROBIN, 4 TO 34 TEAMS").endLine();
  for (int teams = kFewestTeams; teams <= kMostTeams; teams += 2) {
    const auto weeks = SeasonSchedule(teams);
    out.integer(static_cast<long>(weeks.size())).text(TemplateText(weeks)).endLine();
  }
  return out.data();
}

}  // namespace tallmark
