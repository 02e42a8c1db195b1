// Player weekly results (report type 11): for each selected week, each player in roster order
// (teams, then substitutes) who played that week, game by game, one player per page.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildPlayerWeekly(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
