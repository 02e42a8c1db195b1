#include "reports/TeamToDate.h"

#include <algorithm>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"
#include "reports/SessionWeeks.h"

namespace tallmark::reports {

namespace {

// Columns counted from the game columns: game g (1-based) starts at kGame + 5 (g - 1); the
// handicap, the sum and the session's figures follow the last game.
constexpr int kGame = 35;

class TeamToDate {
 public:
  TeamToDate(ReportEngine& e, const std::vector<WeekScores>& weeks) : e_(e), weeks_(weeks) {}
  bool block(int team);

 private:
  bool header(const std::string& text);
  std::string weekLine(const WeekScores& week);

  ReportEngine& e_;
  const std::vector<WeekScores>& weeks_;
  int games_ = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  int team_ = 0;
  int sessionGames_ = 0;
  Single sessionWon_ = 0, sessionLost_ = 0;
};

bool TeamToDate::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    // The league goes on the session's line: with long names one line would run past the page.
    e_.PrintLine(m + "PAGE" + IntText(e_.pageNumber()) + " -- RECORD TO DATE FOR " +
                 TrimRight(TeamName(team_)));
    e_.PrintLine(m + "LEAGUE: " + lg.LeagueName + " -- SESSION:" + IntText(ToDateSession()) +
                 " OF" + IntText(lg.NumSessions));
    e_.PrintLine(m + "# = STATS RESET THIS WEEK; * = UNEARNED GAMES; $ = UNEARNED " +
                 Upper(lg.SportTerm[6]) + "S");
    e_.BlankLines(1);
    e_.SetReportWidth(65 + 5 * games_);
    const std::string& mc = e_.marginSpaces();
    const int c = static_cast<int>(mc.size());
    const int n = 5 * games_;
    std::string over = Blanks(static_cast<std::size_t>(c + 25));
    PutText(over, c + 25, "THIS WEEK");
    PutText(over, c + 43 + n, "----- FOR SESSION -----");
    e_.PrintLine(over);
    e_.PrintLine(mc + "WK OPPONENT             WON  LOST " + GameNumbersTitle() + "+HDCP= SUM " +
                 " GMS  WON    LOST");
    std::string dashes = mc + "-- -------------------- ---- ----";
    for (int g = 0; g <= games_; ++g) dashes += " ----";
    e_.PrintLine(dashes + " ----- --- ------ ------");
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

std::string TeamToDate::weekLine(const WeekScores& week) {
  const int c = static_cast<int>(e_.marginSpaces().size());
  const int n = 5 * games_;
  std::string text = Blanks(static_cast<std::size_t>(c + 62 + n));
  if (!week.readable) return UnreadWeekLine(e_, week);
  PutText(text, c + 1, RightAlign(week.week, 2));
  if (week.week == SessionStartWeek(ToDateSession()) && StatsResetAtStart(ToDateSession(), true))
    PutText(text, c + 3, "#");
  const std::vector<const ScoreLine*> lines = week.team(team_);
  if (lines.empty()) {
    PutText(text, c + 4, "DID NOT PLAY");
    return text;
  }
  const Single won = week.pointsWon(team_);
  const Single lost = static_cast<Single>(TeamPointsAtStake() - won);
  PutText(text, c + 4, TeamName(week.opponent(team_)));
  PutEnding(text, c + 28, FixedDecimals(won, 1));
  PutEnding(text, c + 33, FixedDecimals(lost, 1));
  long series = 0;
  bool unearnedPins = false;
  for (int g = 0; g < games_; ++g) {
    long total = 0;
    bool unearned = false;
    for (const ScoreLine* l : lines) {
      total += l->games[static_cast<std::size_t>(g)];
      unearned = unearned || l->unearned() || l->noCredit(g);
      unearnedPins = unearnedPins || l->unearned();
    }
    PutText(text, c + kGame + 5 * g, RightAlign(static_cast<double>(total), 4));
    if (unearned) PutText(text, c + kGame + 5 * g + 4, "*");
    series += total;
  }
  const long handicap = static_cast<long>(week.handicap(team_)) * games_;
  PutText(text, c + kGame + n, RightAlign(static_cast<double>(handicap), 4));
  PutText(text, c + 40 + n, RightAlign(static_cast<double>(series + handicap), 5));
  if (unearnedPins) PutText(text, c + 45 + n, "$");
  if (lines.front()->kind != kForfeit) sessionGames_ += games_;
  sessionWon_ += won;
  sessionLost_ += lost;
  PutText(text, c + 46 + n, RightAlign(sessionGames_, 3));
  PutEnding(text, c + 55 + n, FixedDecimals(sessionWon_, 1));
  PutEnding(text, c + 62 + n, FixedDecimals(sessionLost_, 1));
  return text;
}

bool TeamToDate::block(int team) {
  team_ = team;
  sessionGames_ = 0;
  sessionWon_ = sessionLost_ = 0;
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  for (const WeekScores& week : weeks_)
    if (header(weekLine(week))) return false;
  e_.EndPage();
  return !e_.aborted();
}

}  // namespace

void BuildTeamToDate(ReportEngine& engine, const ReportChoices& choices) {
  const std::vector<WeekScores> weeks = LoadSessionWeeks();
  TeamToDate report(engine, weeks);
  for (int team : choices.teams)
    if (!report.block(team)) break;
  ReadWeekResults(lg.CurrentWeek);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
