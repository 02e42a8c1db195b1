#include "reports/ReportPages.h"

#include <algorithm>
#include <cmath>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

bool PageTop(ReportEngine& engine, const std::string& title, const std::string& weekLine,
             int width) {
  if (engine.lineCount() != 1) return false;
  engine.ResetReportFont();
  if (engine.printing()) engine.BlankLines(3);
  engine.PrintLine(engine.marginText() + title);
  engine.BlankLines(1);
  if (!weekLine.empty()) {
    engine.PrintLine(engine.marginText() + weekLine);
    engine.BlankLines(1);
  }
  engine.SetReportWidth(width);
  return true;
}

std::string CurrencyText(double amount) {
  const long long cents = std::llround(std::fabs(amount) * 100);
  std::string whole = std::to_string(cents / 100);
  for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
    whole.insert(static_cast<std::size_t>(at), ",");
  const long long rest = cents % 100;
  std::string text = "$" + whole + "." + (rest < 10 ? "0" : "") + std::to_string(rest);
  return amount < 0 && cents != 0 ? "(" + text + ")" : text;
}

std::vector<ListedPlayer> TeamPlayers(int team) {
  std::vector<ListedPlayer> out;
  auto add = [&out](int position, int player) {
    if (player < 0 || player > kMaxPlayerRecords || IsFreeName(lg.PlayerName[player])) return;
    out.push_back({position, player});
  };
  if (team == 0) {
    for (int k = 1; k <= std::clamp<int>(lg.NumSubs, 0, kMaxTeams); ++k) add(k, lg.SubList[k]);
  } else if (team >= 1 && team <= kMaxTeams && TeamInUse(team)) {
    for (int p = 1; p <= std::clamp<int>(lg.PlayersPerTeam, 0, kMaxRosterPositions); ++p)
      add(p, lg.Roster[team][p]);
  }
  return out;
}

std::string TeamLabel(int team) {
  if (team == 0) return "SUBSTITUTE " + Upper(lg.SportTerm[5]);
  return TrimRight(lg.PlayerName[lg.Roster[team][0]]);
}

}  // namespace tallmark::reports
