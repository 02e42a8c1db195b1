// Player results to date (report type 12): each selected player's games week by week through
// the current session with the session's running games, average, handicap and points, closed by
// the statistics' figures. One player per page.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildPlayerToDate(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
