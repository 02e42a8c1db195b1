// The averages list (report type 13): games, pins and current average of every player, of the
// players and the substitutes, or of the teams, in roster order.
#pragma once

#include "reports/ReportEngine.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

void BuildAveragesList(ReportEngine& engine, const ReportChoices& choices);

}  // namespace tallmark::reports
