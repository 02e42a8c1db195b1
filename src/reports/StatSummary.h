// The statistical summary (report type 3): every player's statistics for each selected session,
// the names on the right or the left, with a second pass of the extra statistics on request.
// Loads each session's statistics while it runs and the current session's again at its end.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildStatSummary(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
