// The season's lane schedule: one row a week, the two teams of each lane pair under the pair's
// lane numbers. Leagues with many lanes get the pairs in bands of eight, each band a table of its
// own over all the weeks.
#include <algorithm>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/LeagueDamage.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

namespace {

constexpr int kPairsPerBand = 8;
constexpr int kCellWidth = 8;  // "nnn-nnn" and a blank
constexpr int kWeekWidth = 7;  // the week number, right-aligned in 5, and 2 blanks

class Schedule {
 public:
  explicit Schedule(ReportEngine& e) : e_(e) {}
  bool band(int firstPair, int lastPair);

 private:
  void top();
  std::string cells(const std::string& margin, int week) const;

  ReportEngine& e_;
  int first_ = 1, last_ = 1;
};

void Schedule::top() {
  if (e_.lineCount() != 1) return;
  const int width = std::max(65, kWeekWidth + kCellWidth * (last_ - first_ + 1));
  std::string title = e_.marginText() + TrimRight(lg.LeagueName) + " -- " +
                      Upper(lg.SportTerm[3]) + " SCHEDULE";
  if (title.size() < static_cast<std::size_t>(e_.marginLength() + 52))
    title.resize(static_cast<std::size_t>(e_.marginLength() + 52), ' ');
  title += " PAGE" + IntText(e_.pageNumber());
  e_.ResetReportFont();
  if (e_.printing()) e_.BlankLines(3);
  e_.PrintLine(title);
  e_.BlankLines(1);
  e_.SetReportWidth(width);
  const std::string& m = e_.marginSpaces();
  std::string lanes = m + std::string(kWeekWidth, ' ') + Upper(lg.SportTerm[7]) + "S";
  std::string numbers = m + " WEEK  ", rule = m + "-----  ";
  for (int p = first_; p <= last_; ++p) {
    numbers += RightAlign(lg.LaneNumber[2 * p - 1], 3) + "-" + RightAlign(lg.LaneNumber[2 * p], 3) + " ";
    rule += "------- ";
  }
  e_.PrintLine(lanes);
  e_.PrintLine(TrimRight(numbers));
  e_.PrintLine(TrimRight(rule));
}

std::string Schedule::cells(const std::string& margin, int week) const {
  std::string line = margin + RightAlign(week, 5) + "  ";
  if (lg.LaneTeam[1] == kPositionTeam) return line + "POSITION";
  for (int p = first_; p <= last_; ++p) {
    const int a = lg.LaneTeam[2 * p - 1], b = lg.LaneTeam[2 * p];
    const bool known = a >= 1 && a <= kMaxTeams && b >= 1 && b <= kMaxTeams;
    line += known ? RightAlign(a, 3) + "-" + RightAlign(b, 3) + " " : "   TBD  ";
  }
  return TrimRight(line);
}

bool Schedule::band(int firstPair, int lastPair) {
  first_ = firstPair;
  last_ = lastPair;
  for (int week = std::max<int>(lg.StartWeek, 1); week <= std::min<int>(lg.NumWeeks, kMaxWeeks);
       ++week) {
    top();
    if (auto damage = WeekScheduleDamage(week)) {
      e_.PrintLine(e_.marginSpaces() + e_.noteDamage(DamageNotice(*damage)));
    } else {
      ReadWeekResults(week);
      e_.PrintLine(cells(e_.marginSpaces(), week));
    }
    if (e_.aborted()) return false;
  }
  return true;
}

}  // namespace

void BuildSeasonSchedule(ReportEngine& engine) {
  const auto lanes = lg.LaneTeam;
  const auto points = lg.TeamPointsWeek;
  const auto handicaps = lg.TeamHandicapWeek;
  Schedule report(engine);
  const int pairs = std::clamp<int>(lg.NumLanes, 0, kMaxTeams / 2);
  for (int first = 1; first <= pairs; first += kPairsPerBand) {
    if (!report.band(first, std::min(pairs, first + kPairsPerBand - 1))) break;
    engine.EndPage();
  }
  lg.LaneTeam = lanes;
  lg.TeamPointsWeek = points;
  lg.TeamHandicapWeek = handicaps;
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
