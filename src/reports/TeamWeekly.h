// Team weekly results (report type 4): the game-by-game results of each selected team in each
// selected week, one block per page.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildTeamWeekly(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
