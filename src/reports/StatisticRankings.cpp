// Statistic rankings: one block a page for each chosen category, session and classification.
#include <algorithm>
#include <cstdlib>

#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportCommon.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"

namespace tallmark::reports {

namespace {

constexpr int kRankingsWidth = 65;

// The last week the session's statistics hold: the week before the next session starts, or the
// current week for the session in progress.
int LastWeekOfSession(int session) {
  int last = lg.CurrentWeek;
  if (session < lg.NumSessions) last = std::min(last, SessionStartWeek(session + 1) - 1);
  return std::max(last, 0);
}

class Rankings {
 public:
  explicit Rankings(ReportEngine& e) : e_(e) {}
  bool block(int category, int session, int cls);

 private:
  bool header(const std::string& text);

  ReportEngine& e_;
  int category_ = 0, session_ = 1, class_ = 1;
};

bool Rankings::header(const std::string& text) {
  std::string title = TrimRight(lg.CategoryName[category_]);
  if (lg.NumClasses > 1) title += " - CLASS " + ColumnLetter(class_);
  if (PageTop(e_, title + " -- PAGE" + IntText(e_.pageNumber()), "", kRankingsWidth)) {
    const std::string& m = e_.marginSpaces();
    e_.PrintLine(m + "FOR SESSION" + IntText(session_) + " WITH WEEK" +
                 IntText(LastWeekOfSession(session_)) + " OF" + IntText(lg.NumWeeks) +
                 " COMPLETED");
    if (StatsResetAtStart(session_, false))
      e_.PrintLine(m + "Statistics Reset with the Start of this Session");
    e_.BlankLines(1);
    e_.PrintLine(m + "RANK  NAME                GAMES STATISTIC");
    e_.PrintLine(m + "---- -------------------- ----- ---------");
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

bool Rankings::block(int category, int session, int cls) {
  category_ = category;
  session_ = session;
  class_ = cls;
  if (header("")) return false;
  if (const std::string damage = StatsDamageLine(e_, session); !damage.empty()) {
    if (header(damage)) return false;
    e_.EndPage();
    return !e_.aborted();
  }
  // Separate awards for the two groups do not split a ranking: all players are ranked together.
  const Integer separate = lg.SeparateGenderAwards;
  lg.SeparateGenderAwards = False;
  const int n = RankPlayers(category, 1, cls);
  lg.SeparateGenderAwards = separate;
  const int c = static_cast<int>(e_.marginSpaces().size());
  int rank = 0;
  for (int i = 1; i <= n; ++i) {
    const int p = lg.RankIndex[i];
    if (IsVacancyName(lg.PlayerName[p])) continue;
    std::string line(static_cast<std::size_t>(c + 41), ' ');
    PutText(line, c + 3, RightAlign(++rank, 2));
    PutText(line, c + 6, Fixed(lg.PlayerName[p], 20));
    PutText(line, c + 29, RightAlign(lg.PlayerStat[p][kGamesPlayed], 3));
    PutEnding(line, c + 41, FixedDecimals(lg.RankValue[i], 1));
    if (header(line)) return false;
  }
  e_.EndPage();
  return !e_.aborted();
}

}  // namespace

void BuildRankings(ReportEngine& engine, const std::vector<int>& categories,
                   const std::vector<int>& sessions) {
  Rankings report(engine);
  const int classes = std::clamp<int>(lg.NumClasses, 1, kMaxClasses);
  bool going = true;
  for (int category : categories) {
    if (category < 0 || category >= kUnusedCategory) continue;
    for (int session : sessions) {
      if (!going) break;
      if (session < 1 || session > kMaxSessions) continue;
      ReadStats(session);
      for (int cls = 1; cls <= classes && going; ++cls) going = report.block(category, session, cls);
    }
  }
  ReadStats(lg.CurrentSession);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
