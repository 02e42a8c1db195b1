// Look-ups in the league in memory: a player by name, this week's opponent, a week's date.
#pragma once

#include <optional>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

struct FoundName {
  Integer player;
  Integer team;      // 0 for a substitute
  Integer position;  // roster position, or the substitute's number
};
// The first record with exactly that 20-character name: teams in use first (positions
// 0..PlayersPerTeam), then the substitutes.
std::optional<FoundName> FindName(const std::string& name);

// Name of the team on the opposite lane slot of the week in memory; empty when none.
std::string OpponentName(int team);

// WeekDate(week) as stored when it is a valid date, otherwise today's date as MM/DD/YY.
std::string WeekDateText(int week);

}  // namespace tallmark
