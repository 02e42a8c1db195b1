// The treasurer's report: the fees each player of the chosen teams paid (the fee unit times the
// player's "FEES" statistic) and their total.
#include <cmath>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportCommon.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

namespace {

constexpr int kTreasurerWidth = 82;

// The extra statistic abbreviated "FEES"; -1 when the league keeps none.
int FeesStatistic() {
  for (int i = 0; i < lg.NumExtraStats && i < kMaxExtraStats; ++i)
    if (Upper(Trim(lg.ExtraStatAbbrev[i])) == "FEES") return i;
  return -1;
}

void Top(ReportEngine& e) {
  if (PageTop(e, TrimRight(lg.LeagueName) + " -- FEES COLLECTED -- PAGE" + IntText(e.pageNumber()),
              WeekLine(), kTreasurerWidth)) {
    const std::string& m = e.marginSpaces();
    e.PrintLine(m + " #  TEAM                  #  " + Fixed(Upper(lg.SportTerm[4]), 20) +
                "      PAID");
    e.PrintLine(m + "-- --------------------  -- -------------------- ----------");
  }
}

}  // namespace

void BuildTreasurer(ReportEngine& engine, const std::vector<int>& teams) {
  const int fees = FeesStatistic();
  Top(engine);
  if (fees < 0) {
    engine.PrintLine(engine.marginSpaces() +
                     "No extra statistic is abbreviated FEES: the fees paid are not kept.");
    engine.UseBaseFont();
    return;
  }
  // The fees are kept with the statistics: none is printed when those are missing.
  if (const std::string damage = StatsDamageLine(engine, lg.CurrentSession); !damage.empty()) {
    engine.PrintLine(damage);
    engine.UseBaseFont();
    return;
  }
  long long totalCents = 0;
  for (int team : teams) {
    bool first = true;
    for (const ListedPlayer& lp : TeamPlayers(team)) {
      Top(engine);
      const std::string& m = engine.marginSpaces();
      const int c = static_cast<int>(m.size());
      // Each amount is counted in whole cents as printed, so the total is the column's sum.
      const long long cents = std::llround(
          static_cast<double>(lg.FeeUnit) * lg.PlayerStat[lp.player][kFirstExtraStat + fees] * 100);
      totalCents += cents;
      std::string line = m + std::string(59, ' ');
      if (first) {
        if (team > 0) PutText(line, c + 1, RightAlign(team, 2));
        PutText(line, c + 4, TeamLabel(team).substr(0, 20));
        first = false;
      }
      PutText(line, c + 26, RightAlign(lp.position, 2));
      PutText(line, c + 29, Fixed(lg.PlayerName[lp.player], 20));
      PutEnding(line, c + 59, CurrencyText(cents / 100.0));
      engine.PrintLine(line);
      if (engine.aborted()) return;
    }
  }
  Top(engine);
  const std::string& m = engine.marginSpaces();
  std::string rule = m + std::string(36, ' ');
  PutEnding(rule, static_cast<int>(m.size()) + 36, "---------");
  engine.PrintLine(rule);
  Top(engine);
  std::string total = engine.marginSpaces() + "Total for this report: ";
  PutEnding(total, static_cast<int>(engine.marginSpaces().size()) + 36,
            CurrencyText(totalCents / 100.0));
  engine.PrintLine(total);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
