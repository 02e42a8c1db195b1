#include "reports/SessionWeeks.h"

#include <algorithm>

#include "league/LeagueData.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

int ToDateSession() { return std::clamp<int>(lg.CurrentSession, 1, std::max<int>(lg.NumSessions, 1)); }

std::vector<WeekScores> LoadSessionWeeks() {
  std::vector<WeekScores> weeks;
  const int session = ToDateSession();
  const int last = session < lg.NumSessions ? SessionStartWeek(session + 1) - 1 : lg.NumWeeks;
  for (int w = SessionStartWeek(session); w <= std::min<int>(last, lg.CurrentWeek); ++w)
    weeks.push_back(LoadWeekScores(w));
  return weeks;
}

std::string GameNumbersTitle() {
  std::string title = "GAME";
  for (int g = 2; g <= std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames); ++g)
    title += " " + RightAlign(g, 4);
  return title;
}

std::string UnreadWeekNotice(int week, const std::string& damage) {
  return damage.empty() ? "WEEK " + std::to_string(week) + " COULD NOT BE READ" : damage;
}

std::string UnreadWeekLine(ReportEngine& engine, int week, const std::string& damage) {
  return engine.marginSpaces() + engine.noteDamage(UnreadWeekNotice(week, damage));
}

}  // namespace tallmark::reports
