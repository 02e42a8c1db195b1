// Team rosters: each chosen team's players with their category, class, averages, handicap and
// phone; the team's number and name on its first line only.
#include <cmath>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportCommon.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"
#include "league/LeagueLookups.h"

namespace tallmark::reports {

namespace {

constexpr int kRostersWidth = 82;

// A value's whole part, right-aligned in 3.
std::string Whole3(Single value) { return RightAlign(std::trunc(value), 3); }

void Top(ReportEngine& e) {
  if (PageTop(e,
              TrimRight(lg.LeagueName) + " -- ROSTER -- " + WeekDateText(lg.CurrentWeek) +
                  " -- PAGE" + IntText(e.pageNumber()),
              "WEEK" + IntText(lg.CurrentWeek) + " OF" + IntText(lg.NumWeeks) + " -- SESSION" +
                  IntText(lg.CurrentSession) + " OF" + IntText(lg.NumSessions),
              kRostersWidth)) {
    const std::string& m = e.marginSpaces();
    e.PrintLine(m + std::string(57, ' ') + "AVERAGE");
    e.PrintLine(m + " #  TEAM                  #  " + Fixed(Upper(lg.SportTerm[4]), 20) +
                " CAT CLS ENT NOW HCP PHONE");
    e.PrintLine(m + "-- --------------------  -- -------------------- --- --- --- --- --- "
                    "------------");
  }
}

// statistics: false when the session's statistics are missing; the columns they fill stay blank.
std::string PlayerLine(const std::string& margin, const ListedPlayer& lp, bool statistics) {
  const int c = static_cast<int>(margin.size());
  const auto& st = lg.PlayerStat[lp.player];
  const int group = static_cast<int>(std::lround(st[kGroupOrStanding]));
  std::string line = margin + std::string(81, ' ');
  PutText(line, c + 26, RightAlign(lp.position, 2));
  PutText(line, c + 29, Fixed(lg.PlayerName[lp.player], 20));
  PutText(line, c + 70, Fixed(lg.PlayerPhone[lp.player], 12));
  if (!statistics) return TrimRight(line);
  if (group == 0 || group == 1) PutText(line, c + 51, TrimRight(lg.GroupLabel[group]).substr(0, 1));
  const int cls = static_cast<int>(std::lround(st[kClassification]));
  if (cls >= 1 && cls <= kMaxClasses) PutText(line, c + 55, ColumnLetter(cls));
  PutText(line, c + 58, Whole3(st[kStartingAverage]));
  PutText(line, c + 62, Whole3(st[kCurrentAverage]));
  PutText(line, c + 66, Whole3(st[kCurrentHandicap]));
  return TrimRight(line);
}

}  // namespace

void BuildTeamRosters(ReportEngine& engine, const std::vector<int>& teams) {
  Top(engine);
  const std::string damage = StatsDamageLine(engine, lg.CurrentSession);
  if (!damage.empty()) engine.PrintLine(damage);
  for (int team : teams) {
    const std::vector<ListedPlayer> players = TeamPlayers(team);
    bool first = true;
    for (const ListedPlayer& lp : players) {
      Top(engine);  // the page's top first: it sets the margin of the line
      std::string line = PlayerLine(engine.marginSpaces(), lp, damage.empty());
      if (first) {
        const int c = static_cast<int>(engine.marginSpaces().size());
        if (team > 0) PutText(line, c + 1, RightAlign(team, 2));
        PutText(line, c + 4, TeamLabel(team).substr(0, 20));
        first = false;
      }
      engine.PrintLine(line);
      if (engine.aborted()) break;
    }
    if (engine.aborted()) break;
    if (!players.empty() && engine.lineCount() != 1) engine.BlankLines(1);
  }
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
