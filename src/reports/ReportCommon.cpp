#include "reports/ReportCommon.h"

#include <algorithm>
#include <cstdlib>

#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "reports/ReportText.h"
#include "league/LeagueLookups.h"

namespace tallmark::reports {

std::string WeekLine() {
  return "WEEK" + IntText(lg.CurrentWeek) + " OF" + IntText(lg.NumWeeks) + " -- SESSION" +
         IntText(lg.CurrentSession) + " OF" + IntText(lg.NumSessions) + " -- " +
         WeekDateText(lg.CurrentWeek);
}

std::string TeamName(int team) {
  if (team < 1 || team > kMaxTeams) return {};
  const int record = lg.Roster[team][0];
  if (record < 0 || record > kMaxPlayerRecords) return {};
  return Fixed(lg.PlayerName[record], 20);
}

int SessionStartWeek(int session) {
  if (session <= 1) return 1;
  return std::abs(lg.SplitWeek[std::min(session - 1, kMaxSessions)]);
}

int SessionOfWeek(int week) {
  int session = 1;
  for (int s = 2; s <= std::min<int>(lg.NumSessions, kMaxSessions); ++s)
    if (SessionStartWeek(s) <= week) session = s;
  return session;
}

bool StatsResetAtStart(int session, bool teams) {
  const bool reset = session >= 2 && session <= kMaxSessions && lg.SplitWeek[session - 1] < 0;
  // Mode 1 resets players only, 2 both; any other value the teams only.
  const bool covered = teams ? lg.StatResetMode != 1 : lg.StatResetMode == 1 || lg.StatResetMode == 2;
  return reset && covered;
}

std::string StatsDamageLine(ReportEngine& engine, int session) {
  const std::optional<Damage> damage = SessionStatsDamage(session);
  return damage ? engine.marginSpaces() + engine.noteDamage(DamageNotice(*damage)) : std::string();
}

}  // namespace tallmark::reports
