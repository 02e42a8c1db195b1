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
#include "reports/ToDateFigures.h"

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
  std::string weekLine(const TeamWeekFigures& f);

  ReportEngine& e_;
  const std::vector<WeekScores>& weeks_;
  int games_ = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  int team_ = 0;
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

std::string TeamToDate::weekLine(const TeamWeekFigures& f) {
  const int c = static_cast<int>(e_.marginSpaces().size());
  const int n = 5 * games_;
  std::string text = Blanks(static_cast<std::size_t>(c + 62 + n));
  if (!f.readable) return UnreadWeekLine(e_, f.week, f.damage);
  PutText(text, c + 1, RightAlign(f.week, 2));
  if (f.reset) PutText(text, c + 3, "#");
  if (!f.played) {
    PutText(text, c + 4, "DID NOT PLAY");
    return text;
  }
  PutText(text, c + 4, TeamName(f.opponent));
  PutEnding(text, c + 28, FixedDecimals(f.won, 1));
  PutEnding(text, c + 33, FixedDecimals(f.lost, 1));
  for (int g = 0; g < games_; ++g) {
    const auto i = static_cast<std::size_t>(g);
    PutText(text, c + kGame + 5 * g, RightAlign(static_cast<double>(f.games[i]), 4));
    if (f.unearned[i]) PutText(text, c + kGame + 5 * g + 4, "*");
  }
  PutText(text, c + kGame + n, RightAlign(static_cast<double>(f.handicap), 4));
  PutText(text, c + 40 + n, RightAlign(static_cast<double>(f.sum), 5));
  if (f.unearnedPins) PutText(text, c + 45 + n, "$");
  PutText(text, c + 46 + n, RightAlign(f.sessionGames, 3));
  PutEnding(text, c + 55 + n, FixedDecimals(f.sessionWon, 1));
  PutEnding(text, c + 62 + n, FixedDecimals(f.sessionLost, 1));
  return text;
}

bool TeamToDate::block(int team) {
  team_ = team;
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  for (const TeamWeekFigures& f : TeamToDateFigures(team, weeks_))
    if (header(weekLine(f))) return false;
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
