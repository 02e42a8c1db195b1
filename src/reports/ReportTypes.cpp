#include "reports/ReportTypes.h"

#include "league/LeagueData.h"
#include "reports/AveragesList.h"
#include "reports/PlayerToDate.h"
#include "reports/PlayerWeekly.h"
#include "reports/StandingSheet.h"
#include "reports/StatSummary.h"
#include "reports/TeamToDate.h"
#include "reports/TeamWeekly.h"

namespace tallmark::reports {

namespace {

using L = SelectionList;

void NormalSheet(ReportEngine& e, const ReportChoices& c) { BuildStandingSheet(e, false, c.extraStats); }
void CondensedSheet(ReportEngine& e, const ReportChoices&) { BuildStandingSheet(e, true, false); }

// One row per report type; each row stands on its own lines so that rows can be filled in
// independently.
const std::vector<ReportType>& Table() {
  static const std::vector<ReportType> table = {
      // Weekly standing sheet, normal and condensed
      {1, "standing", {}, kAskExtraStats, NormalSheet},
      //
      {2, "condensed", {}, 0, CondensedSheet},
      // Statistical summary
      {3, "summary", {L::Sessions}, kAskNamesSide | kAskExtraStats, BuildStatSummary},
      // Team weekly results (players: type 11)
      {4, "team-weekly", {L::Teams, L::Weeks}, kAskTeamsOrPlayers | kAskExtraStats, BuildTeamWeekly},
      // Team results to date (players: type 12)
      {5, "team-to-date", {L::Teams}, kAskTeamsOrPlayers, BuildTeamToDate},
      // Statistic rankings
      {6, "rankings", {L::Awards, L::Sessions}, 0, nullptr},
      // League setup options
      {7, "options", {}, 0, nullptr},
      // Special individual awards
      {8, "awards", {L::Weeks, L::Players}, 0, nullptr},
      // Team rosters
      {9, "rosters", {L::Teams}, 0, nullptr},
      // Season schedule
      {10, "schedule", {}, 0, nullptr},
      // Player weekly results
      {11, "player-weekly", {L::Weeks}, kAskExtraStats, BuildPlayerWeekly},
      // Player results to date
      {12, "player-to-date", {L::Players}, 0, BuildPlayerToDate},
      // Averages list
      {13, "averages", {}, kAskWhoseAverages, BuildAveragesList},
      // Treasurer's report
      {14, "treasurer", {L::Teams}, 0, nullptr},
      //
  };
  return table;
}

}  // namespace

const std::vector<ReportType>& ReportTypes() { return Table(); }

const ReportType* FindReportType(int number) {
  for (const ReportType& t : Table())
    if (t.number == number) return &t;
  return nullptr;
}

const ReportType* FindReportType(const std::string& cliName) {
  for (const ReportType& t : Table())
    if (cliName == t.cliName) return &t;
  return nullptr;
}

std::string ReportTitle(int number) {
  switch (number) {
    case 1: case 2: return "Weekly Standing Sheet";
    case 3: return "Statistical Summary";
    case 4: return "Team Weekly Results";
    case 5: return "Team Results to Date";
    case 6: return "Statistic Rankings";
    case 7: return "League Setup Options";
    case 8: return "Special Individual Awards";
    case 9: return "Team Rosters";
    case 10: return lg.SportTerm[3] + " Schedule";
    case 11: return lg.SportTerm[4] + " Weekly Results";
    case 12: return lg.SportTerm[4] + " Results to Date";
    case 13: return "Average List";
    case 14: return "Treasurer's Report";
    default: return "Report";
  }
}

void BuildReport(ReportEngine& engine, int number, const ReportChoices& choices) {
  const ReportType* type = FindReportType(number);
  if (type && type->build) type->build(engine, choices);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
