// Team results to date (report type 5): each selected team's record week by week through the
// current session: opponent, points, team game totals and handicap, and the session's running
// games and points. One team per page.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildTeamToDate(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
