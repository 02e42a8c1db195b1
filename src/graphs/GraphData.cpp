#include "graphs/GraphData.h"

#include <algorithm>

#include "league/LeagueDamage.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark::graphs {

std::vector<WeekEntry> ReadWeekEntries(int week, std::string& damage) {
  std::vector<WeekEntry> entries;
  damage.clear();
  std::optional<Damage> missing = WeekResultsDamage(week);
  if (!missing) {
    ReadWeekResults(week);
    const int slots = std::clamp(2 * static_cast<int>(lg.NumLanes), 0, kLaneSlotsPerWeekBlock);
    missing = WeekScoresDamage(week, std::vector<int>(&lg.LaneTeam[1], &lg.LaneTeam[1] + slots));
  }
  if (missing) {
    lg.LaneTeam.fill(0);
    damage = DamageNotice(*missing);
    return entries;
  }
  const int games = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t) || !TeamPlaysThisWeek(t)) continue;
    for (int p = 1; p <= lg.PlayersPerWeek && p <= lg.MaxPerTeam; ++p) {
      WeekEntry e;
      Integer player = 0;
      ReadScore(week, t, p, player);
      e.team = t;
      e.player = player;
      e.kind = lg.ScrEntryKind;
      e.handicap = lg.ScrHandicap;
      e.games.assign(lg.ScrGameScore.begin(), lg.ScrGameScore.begin() + games);
      entries.push_back(std::move(e));
    }
  }
  return entries;
}

namespace {

// A team's name record holds no one's scores: a record never written reads as player 0, the
// first team's name.
bool IsTeamRecord(int player) {
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t) && lg.Roster[t][0] == player) return true;
  return false;
}

}  // namespace

bool PlayerPlotted(const WeekEntry& entry) {
  if (IsTeamRecord(entry.player)) return false;
  return entry.kind <= kRovingSub || (entry.kind == kVacancy && lg.UnearnedInTeamStats != 0);
}

bool CountsForTeam(const WeekEntry& entry) {
  if (IsTeamRecord(entry.player)) return false;
  return entry.kind <= kRovingSub ||
         ((entry.kind == kVacancy || entry.kind == kAbsent) && lg.UnearnedInTeamStats != 0);
}

int LowStart() { return std::max(301, lg.GameParam[0] + 1); }

void HighLowAverage::start(double ceiling) {
  high = 0;
  low = ceiling;
  average = 0;
  sum = 0;
  games = 0;
}

void HighLowAverage::add(double game) {
  high = std::max(high, game);
  low = std::min(low, game);
  sum += game;
  ++games;
  average = sum / games;
}

HighLowAverage PlayerWeek(const WeekEntry& entry, bool handicap) {
  HighLowAverage result;
  result.start(LowStart() + (handicap ? entry.handicap : 0));
  for (int score : entry.games) result.add(score + (handicap ? entry.handicap : 0));
  return result;
}

HighLowAverage TeamWeek(const std::vector<WeekEntry>& entries, int team, bool handicap) {
  std::vector<double> totals;
  int counted = 0;
  for (const WeekEntry& e : entries) {
    if (e.team != team || !CountsForTeam(e)) continue;
    ++counted;
    if (totals.size() < e.games.size()) totals.resize(e.games.size(), 0);
    for (std::size_t g = 0; g < e.games.size(); ++g) totals[g] += e.games[g];
  }
  const int column = TeamColumn(team);
  const double teamHandicap = handicap && column <= 100 ? lg.TeamHandicapWeek[column] : 0;
  HighLowAverage result;
  result.start(static_cast<double>(LowStart()) * counted + teamHandicap);
  for (double total : totals) result.add(total + teamHandicap);
  return result;
}

}  // namespace tallmark::graphs
