#include "reports/StatSummary.h"

#include <algorithm>
#include <cmath>

#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"
#include "league/LeagueLookups.h"

namespace tallmark::reports {

namespace {

constexpr int kWidth = 93;
constexpr int kLineWidth = 94;
constexpr int kNameShift = 20;

// The vertical title of an over-count column: the threshold's digits from the top, then "S"
// (series) or "G" (game), four rows in all.
std::string VerticalTitle(int threshold, char kind) {
  std::string text = std::to_string(std::max(threshold, 0)) + kind;
  if (text.size() > 4) text = text.substr(0, 4);
  text.resize(4, ' ');
  return text;
}

class StatSummary {
 public:
  StatSummary(ReportEngine& e, const ReportChoices& c) : e_(e), c_(c) {}
  void build();

 private:
  bool header(const std::string& text);
  void titles();
  bool pass();
  bool line(int record);
  int base() const;
  std::string row() const;
  void putTail(std::string& line, int record) const;

  ReportEngine& e_;
  const ReportChoices& c_;
  int session_ = 1;
  bool extraPass_ = false;
};

int StatSummary::base() const {
  return static_cast<int>(e_.marginSpaces().size()) + (c_.namesOnRight ? 0 : kNameShift);
}

std::string StatSummary::row() const {
  return Blanks(static_cast<std::size_t>(base() + kLineWidth));
}

void StatSummary::titles() {
  const int b = base();
  const std::string pins = Upper(lg.SportTerm[6]) + "S";
  std::vector<std::string> rows(5, row());
  if (extraPass_) {
    const int extras = std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
    for (int k = 1; k <= extras; ++k) {
      PutText(rows[3], b + 5 * k - 4, TrimRight(lg.ExtraStatAbbrev[k - 1]).substr(0, 4));
      PutText(rows[4], b + 5 * k - 4, "----");
    }
    PutText(rows[3], b + 62, "GMS  AVG  HCP");
    PutText(rows[4], b + 62, "--- ----- ---");
    rows.erase(rows.begin(), rows.begin() + 3);
  } else {
    const std::string columns[3] = {VerticalTitle(lg.CustomAward[2][0], 'S'),
                                    VerticalTitle(lg.CustomAward[1][0], 'S'),
                                    VerticalTitle(lg.CustomAward[0][0], 'G')};
    for (int r = 0; r < 4; ++r)
      for (int k = 0; k < 3; ++k) PutText(rows[r], b + 3 * k + 1, std::string(1, columns[k][r]));
    PutText(rows[0], b + 8, "G        HIGH HIGH");
    PutText(rows[2], b + 8, "A PCT.   SERS GAME  HIGH HIGH  PTS   ---TOTAL " + pins + "---");
    PutText(rows[3], b + 8, "M IMPR   HDCP HDCP  SERS GAME  WON   SCRATCH HANDICAP GMS  AVG  HCP");
    PutText(rows[4], b + 1,
            "-- -- -- ----- ----- ---- ----- ---- ------ ------- -------- --- ----- ---");
  }
  std::string& names = rows[rows.size() - 2];
  if (c_.namesOnRight)
    PutText(names, b + 75, "  NAME");
  else
    PutText(names, b - kNameShift + 1, "  NAME");
  for (std::string& r : rows) {
    while (!r.empty() && r.back() == ' ') r.pop_back();
    e_.PrintLine(r);
  }
}

bool StatSummary::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    e_.PrintLine(m + "Page" + IntText(e_.pageNumber()) + " -- SESSION" + IntText(session_) +
                 " OF" + IntText(lg.NumSessions) + " STATISTICS -- " +
                 WeekDateText(lg.CurrentWeek));
    if (StatsResetAtStart(session_, false))
      e_.PrintLine(m + Blanks(6) + "Statistics Reset At Start of this Session");
    e_.PrintLine(m + "LEAGUE: " + Trim(lg.LeagueName) + "; Session" + IntText(session_) +
                 "; Week" + IntText(lg.CurrentWeek) + " of" + IntText(lg.NumWeeks));
    e_.BlankLines(1);
    e_.SetReportWidth(0);
    titles();
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

// Games, average, handicap and name, the same in both passes.
void StatSummary::putTail(std::string& text, int record) const {
  const auto& st = lg.PlayerStat[record];
  const int b = base();
  PutText(text, b + 62, RightAlign(st[kGamesPlayed], 3));
  PutEnding(text, b + 70, FixedDecimals(st[kCurrentAverage], 1));
  PutText(text, b + 72, RightAlign(std::nearbyint(st[kCurrentHandicap]), 3));
  const std::string name = Fixed(lg.PlayerName[record], 20);
  if (c_.namesOnRight)
    PutText(text, b + 76, name);
  else
    PutText(text, b - kNameShift + 1, name);
}

bool StatSummary::line(int record) {
  if (record < 0 || record > kMaxPlayerRecords || IsFreeName(lg.PlayerName[record])) return true;
  const auto& st = lg.PlayerStat[record];
  const int b = base();
  std::string text = row();
  if (extraPass_) {
    const int extras = std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
    for (int k = 1; k <= extras; ++k)
      PutText(text, b + 5 * k - 4, RightAlign(st[kFirstExtraStat + k - 1], 4));
  } else {
    PutText(text, b + 1, RightAlign(st[kScratchSeriesOver2], 2));
    PutText(text, b + 4, RightAlign(st[kScratchSeriesOver], 2));
    PutText(text, b + 7, RightAlign(st[kScratchGamesOver], 2));
    PutEnding(text, b + 14, FixedDecimals(st[kPercentImproved], 1));
    PutText(text, b + 16, RightAlign(st[kHighHandicapSeries], 5));
    PutText(text, b + 22, RightAlign(st[kHighHandicapGame], 4));
    PutText(text, b + 27, RightAlign(st[kHighScratchSeries], 5));
    PutText(text, b + 33, RightAlign(st[kHighScratchGame], 4));
    PutEnding(text, b + 43, FixedDecimals(st[kMatchPointsWon], 1));
    PutText(text, b + 45, RightAlign(st[kTotalPins], 7));
    PutText(text, b + 53, RightAlign(st[kTotalPinsHandicap], 8));
  }
  putTail(text, record);
  return !header(text);
}

// One pass over the teams' players, then the substitutes; a blank line between groups.
bool StatSummary::pass() {
  bool first = true;
  auto gap = [&] {
    if (!first && e_.lineCount() != 1) e_.BlankLines(1);
    first = false;
  };
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamNumberInUse(t)) continue;
    gap();
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p)
      if (!line(lg.Roster[t][p])) return false;
  }
  if (lg.NumSubs > 0) gap();
  for (int s = 1; s <= lg.NumSubs && s <= kMaxTeams; ++s)
    if (!line(lg.SubList[s])) return false;
  return !e_.aborted();
}

void StatSummary::build() {
  for (int session : c_.sessions) {
    session_ = session;
    ReadStats(session);
    e_.SetReportWidth(kWidth);
    if (const std::string damage = StatsDamageLine(e_, session); !damage.empty()) {
      if (header(damage)) return;
      e_.EndPage();
      continue;
    }
    for (int p = 0; p < (c_.extraStats && lg.NumExtraStats > 0 ? 2 : 1); ++p) {
      extraPass_ = p == 1;
      if (!pass()) return;
      e_.EndPage();
    }
  }
}

}  // namespace

void BuildStatSummary(ReportEngine& engine, const ReportChoices& choices) {
  if (choices.sessions.empty()) return;
  StatSummary summary(engine, choices);
  summary.build();
  ReadStats(lg.CurrentSession);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
