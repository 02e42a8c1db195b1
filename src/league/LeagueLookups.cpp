#include "league/LeagueLookups.h"

#include <ctime>

#include "common/Functs.h"

namespace tallmark {

namespace {

bool NameAt(Integer player, const std::string& name) {
  return player >= 0 && player <= kMaxPlayerRecords && Fixed(lg.PlayerName[player], 20) == name;
}

}  // namespace

std::optional<FoundName> FindName(const std::string& name) {
  const std::string wanted = Fixed(name, 20);
  const int lastTeam = lg.LastTeam < kMaxTeams ? lg.LastTeam : kMaxTeams;
  const int lastPosition =
      lg.PlayersPerTeam < kMaxRosterPositions ? lg.PlayersPerTeam : kMaxRosterPositions;
  for (int t = 1; t <= lastTeam; ++t) {
    if (!TeamNumberInUse(t)) continue;
    for (int p = 0; p <= lastPosition; ++p)
      if (NameAt(lg.Roster[t][p], wanted))
        return FoundName{lg.Roster[t][p], static_cast<Integer>(t), static_cast<Integer>(p)};
  }
  const int subs = lg.NumSubs < kMaxTeams ? lg.NumSubs : kMaxTeams;
  for (int k = 1; k <= subs; ++k)
    if (NameAt(lg.SubList[k], wanted))
      return FoundName{lg.SubList[k], 0, static_cast<Integer>(k)};
  return std::nullopt;
}

std::string OpponentName(int team) {
  const int slots = lg.NumTeams < kMaxTeams ? lg.NumTeams : kMaxTeams;
  int slot = 0;
  for (int s = 1; s <= slots && slot == 0; ++s)
    if (lg.LaneTeam[s] == team) slot = s;
  if (slot == 0) return {};  // the team has no lane this week
  const int opposite = slot % 2 == 1 ? slot + 1 : slot - 1;
  if (opposite < 1 || opposite > kMaxTeams) return {};
  const Integer other = lg.LaneTeam[opposite];
  if (other < 0 || other > kMaxTeams) return {};
  const Integer record = lg.Roster[other][0];
  if (record < 0 || record > kMaxPlayerRecords) return {};
  return Fixed(lg.PlayerName[record], 20);
}

std::string WeekDateText(int week) {
  if (week >= 1 && week <= kMaxWeeks && IsValidDate(lg.WeekDate[week])) return lg.WeekDate[week];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[16];
  std::strftime(buf, sizeof buf, "%m/%d/%y", &local);
  return buf;
}

}  // namespace tallmark
