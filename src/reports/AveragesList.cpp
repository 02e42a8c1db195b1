#include "reports/AveragesList.h"

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"
#include "common/UserIO.h"

namespace tallmark::reports {

namespace {

constexpr int kWidth = 64;

class AveragesList {
 public:
  AveragesList(ReportEngine& e, int whose) : e_(e), whose_(whose) {}
  void build();

 private:
  bool header(const std::string& text);
  bool line(int record);

  ReportEngine& e_;
  int whose_;
};

bool AveragesList::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    const std::string players = Upper(lg.SportTerm[5]);
    e_.PrintLine(m + lg.LeagueName + " -- AVERAGES LIST -- PAGE" + IntText(e_.pageNumber()));
    e_.PrintLine(m + (whose_ == 2 ? "TEAMS" : whose_ == 1 ? players + " & SUBS" : players));
    e_.PrintLine(m + WeekLine());
    e_.BlankLines(1);
    e_.SetReportWidth(0);
    const std::string& mc = e_.marginSpaces();
    std::string pins = Upper(lg.SportTerm[6]) + "S";
    if (pins.size() < 7) pins.insert(0, 7 - pins.size(), ' ');
    e_.PrintLine(mc + " NAME                 GAMES  " + pins + "  AVERAGE");
    e_.PrintLine(mc + "--------------------  -----  -------  -------");
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

// One record's line; records not in use (free names) print nothing.
bool AveragesList::line(int record) {
  if (record < 0 || record > kMaxPlayerRecords || IsFreeName(lg.PlayerName[record])) return true;
  const auto& st = lg.PlayerStat[record];
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::string row = Blanks(static_cast<std::size_t>(c) + 70);
  PutText(row, c + 1, Fixed(lg.PlayerName[record], 20));
  PutText(row, c + 23, RightAlign(st[kGamesPlayed], 5));
  PutText(row, c + 30, RightAlign(st[kTotalPins], 7));
  PutEnding(row, c + 45, FixedDecimals(st[kCurrentAverage], 1));
  return !header(row);
}

void AveragesList::build() {
  e_.SetReportWidth(kWidth);
  ShowBusy();
  if (header("")) return;
  if (const std::string damage = StatsDamageLine(e_, lg.CurrentSession); !damage.empty()) {
    header(damage);
    return;
  }
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamNumberInUse(t)) continue;
    if (whose_ == 2) {
      if (!line(lg.Roster[t][0])) return;
      continue;
    }
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p)
      if (!line(lg.Roster[t][p])) return;
  }
  if (whose_ != 1) return;
  for (int s = 1; s <= lg.NumSubs && s <= kMaxTeams; ++s)
    if (!line(lg.SubList[s])) return;
}

}  // namespace

void BuildAveragesList(ReportEngine& engine, const ReportChoices& choices) {
  AveragesList list(engine, choices.whoseAverages);
  list.build();
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
