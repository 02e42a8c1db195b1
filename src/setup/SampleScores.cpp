// The sample league's weeks of scores: each team's line-up, games thrown around each bowler's
// average, and now and then a substitute, an absent bowler or a game not completed, entered
// row by row through score entry and processed as the results window processes a week.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "league/LeagueData.h"
#include "processing/ScoreEntry.h"
#include "setup/SampleParts.h"

namespace tallmark::sample {

namespace {

struct Spot {
  int team = 0;
  int slot = 0;
};

bool operator==(const Spot& a, const Spot& b) { return a.team == b.team && a.slot == b.slot; }

// What happens out of the ordinary in a week: every week a substitute bowls; in even weeks a
// bowler is absent; in odd weeks a bowler leaves a game unfinished.
struct WeekEvents {
  Spot sub;
  int subNumber = 0;
  Spot absent;
  Spot incomplete;
  int incompleteGame = 0;
};

WeekEvents PlanWeek(int week, std::vector<Integer> teams, Dice& dice) {
  for (int i = static_cast<int>(teams.size()) - 1; i > 0; --i)
    std::swap(teams[i], teams[dice.between(0, i)]);
  WeekEvents e;
  e.sub = {teams[0], dice.between(1, kSamplePlayers)};
  e.subNumber = 1 + (week - 1) % kSampleSubs;
  if (week % 2 == 0) e.absent = {teams[1], dice.between(1, kSamplePlayers)};
  else e.incomplete = {teams[2], dice.between(1, kSamplePlayers)};
  e.incompleteGame = dice.between(0, lg.GamesPerWeek - 1);
  return e;
}

// The three of the team's four members who bowl: each week another one sits out.
std::vector<Integer> LineUp(int team, int week) {
  int sitter = (team + week) % kSampleMembers + 1;
  std::vector<Integer> players;
  for (int p = 1; p <= kSampleMembers; ++p)
    if (p != sitter) players.push_back(lg.Roster[team][p]);
  return players;
}

std::string Where(int week, int team, int slot) {
  return "week " + std::to_string(week) + ", team " + std::to_string(team) + ", position " +
         std::to_string(slot) + ": ";
}

// One row: its bowler (or substitute, or absentee) and its games.
std::string EnterRow(ScoreEntry& entry, const Spot& at, Integer player, const WeekEvents& e,
                     Dice& dice) {
  const std::string where = Where(entry.week(), at.team, at.slot);
  if (!entry.choosePlayer(at.slot, player)) return where + "the bowler is refused";
  if (at == e.sub) {
    if (!entry.setPlayerType(at.slot, kSub) ||
        !entry.choosePlayer(at.slot, lg.SubList[e.subNumber]))
      return where + "the substitute is refused";
  } else if (at == e.absent) {
    return entry.setPlayerType(at.slot, kAbsent) ? std::string() : where + "absent is refused";
  }
  const int average = entry.row(at.slot).average;
  for (int g = 0; g < lg.GamesPerWeek; ++g) {
    bool unfinished = at == e.incomplete && g == e.incompleteGame;
    int score = unfinished ? dice.between(40, 110) : dice.gameAround(average);
    if (!entry.setScore(at.slot, g, std::to_string(score)) ||
        (unfinished && !entry.setIncomplete(at.slot, g, true)))
      return where + "the score of game " + std::to_string(g + 1) + " is refused";
  }
  return {};
}

std::string EnterTeam(ScoreEntry& entry, int team, const WeekEvents& e, Dice& dice) {
  if (!entry.selectTeam(team)) return Where(entry.week(), team, 0) + "the team does not play";
  std::vector<Integer> players = LineUp(team, entry.week());
  for (int slot = 1; slot <= kSamplePlayers; ++slot) {
    std::string problem = EnterRow(entry, {team, slot}, players[slot - 1], e, dice);
    if (!problem.empty()) return problem;
  }
  return entry.teamComplete() ? std::string() : Where(entry.week(), team, 0) + "incomplete";
}

}  // namespace

std::uint32_t Dice::next() {
  state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<std::uint32_t>(state_ >> 33);
}

int Dice::between(int low, int high) {
  if (high <= low) return low;
  return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1));
}

int Dice::gameAround(int average) {
  int game = average;
  for (int i = 0; i < 3; ++i) game += between(-25, 25);
  return std::clamp(game, 60, 300);
}

std::string WeekDate(int week) {
  using namespace std::chrono;
  const year_month_day day{sys_days{year{2025} / September / 2} + days{7 * (week - 1)}};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02u/%02u/%02d", static_cast<unsigned>(day.month()),
                static_cast<unsigned>(day.day()), static_cast<int>(day.year()) % 100);
  return buf;
}

std::string PlayWeek(Dice& dice) {
  ScoreEntry entry;
  if (entry.open() != EntryOpen::Ready)
    return "week " + std::to_string(lg.CurrentWeek + 1) + " cannot be entered";
  const int week = entry.week();
  entry.setDate(WeekDate(week));
  const std::vector<Integer> teams = entry.teams();
  const WeekEvents events = PlanWeek(week, teams, dice);
  for (Integer team : teams) {
    std::string problem = EnterTeam(entry, team, events, dice);
    if (!problem.empty()) {
      entry.leaveWithoutProcessing();
      return problem;
    }
  }
  if (entry.leaveAndProcess() != EntryLeave::Processed)
    return "week " + std::to_string(week) + " was not processed";
  return {};
}

}  // namespace tallmark::sample
