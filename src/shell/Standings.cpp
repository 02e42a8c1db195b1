#include "shell/Standings.h"

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <cstdlib>

#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "common/Functs.h"

namespace tallmark {

namespace {

std::vector<StandingsColumn> Columns() {
  std::vector<StandingsColumn> c = {
      {"Position", 8, CellAlign::Centre},
      {"Team Name", 20, CellAlign::Left},
      {"Won", 5, CellAlign::Right},
      {"Lost", 5, CellAlign::Right},
      {"Percent", 7, CellAlign::Right},
      {"Scratch " + lg.SportTerm[6], 10, CellAlign::Right},
  };
  if (lg.HandicapMethod != 1) c.push_back({"Handicap " + lg.SportTerm[6], 10, CellAlign::Right});
  return c;
}

std::vector<std::string> TeamRow(const StandingsEntry& e) {
  std::vector<std::string> row = {
      NumberText(e.position),     Fixed(lg.PlayerName[e.record], 20), NumberText(e.won),
      NumberText(e.lost),         PercentText(e.won, e.lost),         NumberText(e.scratch),
  };
  if (lg.HandicapMethod != 1) row.push_back(NumberText(e.handicap));
  return row;
}

int TeamOfRecord(int record) {
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamNumberInUse(t) && lg.Roster[t][0] == record) return t;
  return 0;
}

std::string Pad(const std::string& text, int width, CellAlign align) {
  int gap = width - static_cast<int>(text.size());
  if (gap <= 0) return text;
  switch (align) {
    case CellAlign::Left: return text + std::string(gap, ' ');
    case CellAlign::Right: return std::string(gap, ' ') + text;
    case CellAlign::Centre: break;
  }
  return std::string(gap / 2, ' ') + text + std::string(gap - gap / 2, ' ');
}

}  // namespace

std::string FixedTwo(float value) {
  // Start from the value's shortest decimal text so that 2.675 (stored as 2.67499...) is
  // rounded as the 2.675 it prints as.
  double x = std::strtod(SingleText(value).c_str(), nullptr);
  // Hundredths beyond 1E15 are no longer whole numbers: such a value is shown as it is.
  if (!std::isfinite(x)) return "0.00";
  if (std::abs(x) >= 1e15) return NumberText(value);
  double scaled = std::abs(x) * 100.0;
  long long cents = static_cast<long long>(scaled + 0.5 + 1e-9);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%lld.%02lld", (x < 0 && cents != 0) ? "-" : "", cents / 100,
                cents % 100);
  return buf;
}

std::string PercentText(float won, float lost) {
  float decided = won + lost;
  if (decided == 0) return "0.00";
  return FixedTwo(won * 100.0f / decided);
}

std::vector<StandingsEntry> OrderedStandings(float& leagueAverage) {
  OrderStandings();
  // The ranking lists only teams in use; a count of teams that disagrees with the roster
  // must not list stale entries.
  int inUse = 0;
  for (int team = 1; team <= lg.LastTeam && team <= kMaxTeams; ++team)
    if (TeamNumberInUse(team)) ++inUse;
  const int listed = std::min<int>(lg.NumTeams, inUse);
  std::vector<StandingsEntry> entries;
  double pins = 0;
  double games = 0;
  for (int i = 1; i <= listed; ++i) {
    int r = lg.RankIndex[i];
    if (r < 0 || r > kMaxPlayerRecords) continue;
    auto& stat = lg.PlayerStat[r];
    stat[kGroupOrStanding] = static_cast<Single>(i);
    entries.push_back({i, TeamOfRecord(r), r, stat[kMatchPointsWon], stat[kMatchPointsLost],
                       stat[kTotalPins], stat[kTotalPinsHandicap]});
    pins += stat[kTotalPins];
    games += stat[kGamesPlayed];
  }
  leagueAverage = games == 0 ? 0.0f : RoundAverage(static_cast<Single>(pins / games));
  return entries;
}

StandingsTable DrawStandings() {
  StandingsTable t;
  t.columns = Columns();
  float average = 0;
  const std::optional<Damage> damage = SessionStatsDamage(lg.CurrentSession);
  if (!damage)
    for (const StandingsEntry& e : OrderedStandings(average)) t.rows.push_back(TeamRow(e));
  t.labels[0] = "League: " + lg.LeagueName;
  t.labels[1] = "Data Files: " + lg.DataPath + lg.FileName;
  t.labels[2] = "Week " + NumberText(lg.CurrentWeek) + " of " + NumberText(lg.NumWeeks);
  t.labels[3] =
      "Session " + NumberText(lg.CurrentSession) + " of " + NumberText(lg.NumSessions);
  // Missing statistics give no standings: the label names what is missing instead.
  t.labels[5] = damage ? DamageNotice(*damage) : "Overall League Average: " + NumberText(average);
  return t;
}

std::string StandingsText(const StandingsTable& table) {
  std::string out;
  auto line = [&](auto cell) {
    std::string s;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      if (c) s += "  ";
      s += cell(c);
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    out += s + "\n";
  };
  line([&](std::size_t c) {
    return Pad(table.columns[c].header, table.columns[c].width, CellAlign::Centre);
  });
  for (const auto& row : table.rows)
    line([&](std::size_t c) {
      return Pad(c < row.size() ? row[c] : "", table.columns[c].width, table.columns[c].align);
    });
  return out;
}

}  // namespace tallmark
