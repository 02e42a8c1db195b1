// The weekly standing sheet, in its normal and condensed layouts: the league's officers, the
// standings, the league average, the bulletin, next week's lane schedule and the week's leading
// award holders. Reads the league data only; next week's lane slots are loaded while it runs and
// the current week's are loaded again at its end.
#pragma once

#include "reports/ReportEngine.h"

namespace tallmark::reports {

// Report type 1 (condensed = false) or 2 (condensed = true). includeExtraStats adds the award
// categories of the league's extra statistics.
void BuildStandingSheet(ReportEngine& engine, bool condensed, bool includeExtraStats);

}  // namespace tallmark::reports
