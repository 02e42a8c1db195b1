#include "reports/PlayerToDate.h"

#include <algorithm>
#include <cmath>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"
#include "reports/SessionWeeks.h"
#include "reports/ToDateFigures.h"

namespace tallmark::reports {

namespace {

// Game g (1-based) starts at column 4 + 5 (g - 1); the series and the session's figures follow.
constexpr int kGame = 4;

class PlayerToDate {
 public:
  PlayerToDate(ReportEngine& e, const std::vector<WeekScores>& weeks) : e_(e), weeks_(weeks) {}
  bool block(int player);

 private:
  bool header(const std::string& text);
  std::string row() const;
  void putFigures(std::string& text, double games, double average, double handicap, double won,
                  double lost) const;
  std::string weekLine(const PlayerWeekFigures& f) const;
  std::string averageLine(const PlayerAverageFigures& t) const;

  ReportEngine& e_;
  const std::vector<WeekScores>& weeks_;
  int games_ = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  int player_ = 0;
};

std::string PlayerToDate::row() const {
  return Blanks(e_.marginSpaces().size() + static_cast<std::size_t>(48 + 5 * games_));
}

bool PlayerToDate::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    const std::string name = IsVacancyName(lg.PlayerName[player_])
                                 ? std::string("*VACANCY")
                                 : TrimRight(lg.PlayerName[player_]);
    // The league and session go on a line of their own: with long names one line would run
    // past the page.
    e_.PrintLine(m + "PAGE" + IntText(e_.pageNumber()) + " -- RECORD TO DATE FOR " + name);
    e_.PrintLine(m + "LEAGUE: " + lg.LeagueName + " -- SESSION" + IntText(ToDateSession()) +
                 " OF" + IntText(lg.NumSessions));
    e_.PrintLine(m + "# = STATISTICS RESET THIS WEEK -- * = UNEARNED GAME");
    e_.BlankLines(1);
    e_.SetReportWidth(50 + 5 * games_);
    const std::string& mc = e_.marginSpaces();
    const int c = static_cast<int>(mc.size());
    std::string over = Blanks(static_cast<std::size_t>(c));
    PutText(over, c + 7 + 5 * games_, "---------- FOR SESSION ----------");
    e_.PrintLine(over);
    e_.PrintLine(mc + "WK " + GameNumbersTitle() + " SRS. " + " GMS  AVG  HCP  WON    LOST  NOTE");
    std::string dashes = mc + "--";
    for (int g = 0; g < games_; ++g) dashes += " ----";
    e_.PrintLine(dashes + " ----- --- ----- --- ------ ------ -----------");
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

void PlayerToDate::putFigures(std::string& text, double games, double average, double handicap,
                              double won, double lost) const {
  const int c = static_cast<int>(e_.marginSpaces().size());
  const int n = 5 * games_;
  PutText(text, c + 10 + n, RightAlign(games, 3));
  PutEnding(text, c + 18 + n, FixedDecimals(static_cast<Single>(average), 1));
  PutText(text, c + 20 + n, RightAlign(handicap, 3));
  PutEnding(text, c + 29 + n, FixedDecimals(static_cast<Single>(won), 1));
  PutEnding(text, c + 36 + n, FixedDecimals(static_cast<Single>(lost), 1));
}

std::string PlayerToDate::weekLine(const PlayerWeekFigures& f) const {
  if (!f.readable) return UnreadWeekLine(e_, f.week, f.damage);
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::string text = row();
  PutText(text, c + 1, RightAlign(f.week, 2));
  if (f.reset) PutText(text, c + 3, "#");
  for (int g = 0; g < games_; ++g) {
    const auto i = static_cast<std::size_t>(g);
    PutText(text, c + kGame + 5 * g, RightAlign(f.games[i], 4));
    if (f.starred[i]) PutText(text, c + kGame + 5 * g + 4, "*");
  }
  PutText(text, c + kGame + 5 * games_, RightAlign(static_cast<double>(f.series), 5));
  putFigures(text, f.sessionGames, f.average, f.handicap, f.won, f.lost);
  PutText(text, c + 38 + 5 * games_, f.note);
  return text;
}

// "AVG": each game column's average over the credited games, then what the statistics hold.
std::string PlayerToDate::averageLine(const PlayerAverageFigures& t) const {
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::string text = row();
  PutText(text, c + 1, "AVG");
  for (int g = 0; g < games_; ++g)
    PutText(text, c + kGame + 5 * g,
            RightAlign(static_cast<double>(t.columnAverages[static_cast<std::size_t>(g)]), 4));
  putFigures(text, t.games, t.average, t.handicap, t.won, t.lost);
  return text;
}

bool PlayerToDate::block(int player) {
  player_ = player;
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  const PlayerToDateLines lines = PlayerToDateFigures(player, weeks_);
  for (const PlayerWeekFigures& f : lines.weeks)
    if (header(weekLine(f))) return false;
  if (header(averageLine(lines.total))) return false;
  e_.EndPage();
  return !e_.aborted();
}

}  // namespace

void BuildPlayerToDate(ReportEngine& engine, const ReportChoices& choices) {
  const std::vector<WeekScores> weeks = LoadSessionWeeks();
  PlayerToDate report(engine, weeks);
  for (int player : choices.players)
    if (!report.block(player)) break;
  ReadWeekResults(lg.CurrentWeek);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
