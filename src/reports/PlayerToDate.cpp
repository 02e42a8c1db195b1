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
  void putFigures(std::string& text, int games, Single average, double handicap) const;
  std::string weekLine(const WeekScores& week, const ScoreLine& line);
  std::string averageLine() const;

  ReportEngine& e_;
  const std::vector<WeekScores>& weeks_;
  int games_ = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  int player_ = 0;
  // The session so far: credited games and their pins, points won and lost; per game column the
  // credited games and pins, for the "AVG" line.
  int earnedGames_ = 0;
  long earnedPins_ = 0;
  Single won_ = 0, lost_ = 0;
  std::vector<long> columnPins_, columnGames_;
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

void PlayerToDate::putFigures(std::string& text, int games, Single average, double handicap) const {
  const int c = static_cast<int>(e_.marginSpaces().size());
  const int n = 5 * games_;
  PutText(text, c + 10 + n, RightAlign(games, 3));
  PutEnding(text, c + 18 + n, FixedDecimals(average, 1));
  PutText(text, c + 20 + n, RightAlign(handicap, 3));
  PutEnding(text, c + 29 + n, FixedDecimals(won_, 1));
  PutEnding(text, c + 36 + n, FixedDecimals(lost_, 1));
}

std::string PlayerToDate::weekLine(const WeekScores& week, const ScoreLine& line) {
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::string text = row();
  PutText(text, c + 1, RightAlign(week.week, 2));
  if (week.week == SessionStartWeek(ToDateSession()) && StatsResetAtStart(ToDateSession(), false))
    PutText(text, c + 3, "#");
  const bool forfeit = line.kind == kForfeit;
  long series = 0;
  for (int g = 0; g < games_; ++g) {
    const int score = line.games[static_cast<std::size_t>(g)];
    const bool credited = line.kind <= kRovingSub && !line.noCredit(g);
    PutText(text, c + kGame + 5 * g, RightAlign(score, 4));
    if (!credited && !forfeit) PutText(text, c + kGame + 5 * g + 4, "*");
    series += score;
    if (!credited) continue;
    // Only the games the statistics credit count in the running average.
    ++earnedGames_;
    earnedPins_ += score;
    columnPins_[static_cast<std::size_t>(g)] += score;
    ++columnGames_[static_cast<std::size_t>(g)];
  }
  PutText(text, c + kGame + 5 * games_, RightAlign(static_cast<double>(series), 5));
  if (!(forfeit && lg.ForfeitRule != 0)) {
    won_ += line.pointsWon;
    lost_ += static_cast<Single>(PlayerPointsAtStake() - line.pointsWon);
  }
  const Single average =
      earnedGames_ > 0 ? RoundAverage(static_cast<Single>(earnedPins_) / earnedGames_) : 0;
  putFigures(text, earnedGames_, average, line.handicap);
  const char* note = line.kind == kVacancy ? "VACANT"
                     : line.kind == kAbsent ? "ABSENT"
                     : forfeit              ? "FORFEIT"
                                            : "";
  PutText(text, c + 38 + 5 * games_, note);
  return text;
}

// "AVG": the session's figures on the week lines' basis: each game column's average over the
// session's credited games and the running games, average, points won and lost, with averages
// kept as the league keeps them (rounded or cut to its decimals), then the current handicap.
std::string PlayerToDate::averageLine() const {
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::string text = row();
  PutText(text, c + 1, "AVG");
  for (int g = 0; g < games_; ++g) {
    const long n = columnGames_[static_cast<std::size_t>(g)];
    const Single avg =
        n > 0 ? RoundAverage(static_cast<Single>(columnPins_[static_cast<std::size_t>(g)]) / n) : 0;
    PutText(text, c + kGame + 5 * g, RightAlign(std::floor(avg), 4));
  }
  const Single average =
      earnedGames_ > 0 ? RoundAverage(static_cast<Single>(earnedPins_) / earnedGames_) : 0;
  putFigures(text, earnedGames_, average, std::nearbyint(lg.PlayerStat[player_][kCurrentHandicap]));
  return text;
}

bool PlayerToDate::block(int player) {
  player_ = player;
  earnedGames_ = 0;
  earnedPins_ = 0;
  won_ = lost_ = 0;
  columnPins_.assign(static_cast<std::size_t>(games_), 0);
  columnGames_.assign(static_cast<std::size_t>(games_), 0);
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  for (const WeekScores& week : weeks_) {
    if (!week.readable) {
      if (header(UnreadWeekLine(e_, week))) return false;
      continue;
    }
    const ScoreLine* line = week.player(player);
    if (line && header(weekLine(week, *line))) return false;
  }
  if (header(averageLine())) return false;
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
