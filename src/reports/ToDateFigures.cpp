#include "reports/ToDateFigures.h"

#include <algorithm>
#include <cmath>

#include "processing/Averages.h"
#include "processing/WeeklyProcessing.h"
#include "reports/ReportCommon.h"
#include "reports/SessionWeeks.h"

namespace tallmark::reports {

namespace {

int Games() { return std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames); }

bool ResetWeek(int week, bool teams) {
  return week == SessionStartWeek(ToDateSession()) && StatsResetAtStart(ToDateSession(), teams);
}

// The week's figures of a team that played; adds them to the session's running figures.
void TeamWeek(TeamWeekFigures& f, const WeekScores& week, int team,
              const std::vector<const ScoreLine*>& lines, TeamWeekFigures& session) {
  const int games = Games();
  f.played = true;
  f.won = week.pointsWon(team);
  f.lost = static_cast<Single>(TeamPointsAtStake() - f.won);
  f.opponent = week.opponent(team);
  long series = 0;
  for (int g = 0; g < games; ++g) {
    long total = 0;
    bool unearned = false;
    for (const ScoreLine* l : lines) {
      total += l->games[static_cast<std::size_t>(g)];
      unearned = unearned || l->unearned() || l->noCredit(g);
      f.unearnedPins = f.unearnedPins || l->unearned();
    }
    f.games.push_back(total);
    f.unearned.push_back(unearned);
    series += total;
  }
  f.handicap = static_cast<long>(week.handicap(team)) * games;
  f.sum = series + f.handicap;
  if (lines.front()->kind != kForfeit) session.sessionGames += games;
  session.sessionWon += f.won;
  session.sessionLost += f.lost;
  f.sessionGames = session.sessionGames;
  f.sessionWon = session.sessionWon;
  f.sessionLost = session.sessionLost;
}

}  // namespace

std::vector<TeamWeekFigures> TeamToDateFigures(int team, const std::vector<WeekScores>& weeks) {
  std::vector<TeamWeekFigures> out;
  TeamWeekFigures session;
  for (const WeekScores& week : weeks) {
    TeamWeekFigures f;
    f.week = week.week;
    f.readable = week.readable;
    if (!week.readable) f.damage = week.damage;
    if (week.readable) {
      f.reset = ResetWeek(week.week, true);
      const std::vector<const ScoreLine*> lines = week.team(team);
      if (!lines.empty()) TeamWeek(f, week, team, lines, session);
    }
    out.push_back(std::move(f));
  }
  return out;
}

namespace {

// The session so far of one player: credited games and their pins, points, per game column the
// credited games and pins.
struct PlayerSession {
  int games = 0;
  long pins = 0;
  Single won = 0, lost = 0;
  std::vector<long> columnPins, columnGames;
};

PlayerWeekFigures PlayerWeek(const WeekScores& week, const ScoreLine& line, PlayerSession& s) {
  const int games = Games();
  PlayerWeekFigures f;
  f.week = week.week;
  f.reset = ResetWeek(week.week, false);
  const bool forfeit = line.kind == kForfeit;
  for (int g = 0; g < games; ++g) {
    const int score = line.games[static_cast<std::size_t>(g)];
    const bool credited = line.kind <= kRovingSub && !line.noCredit(g);
    f.games.push_back(score);
    f.starred.push_back(!credited && !forfeit);
    f.series += score;
    if (!credited) continue;
    // Only the games the statistics credit count in the running average.
    ++s.games;
    s.pins += score;
    s.columnPins[static_cast<std::size_t>(g)] += score;
    ++s.columnGames[static_cast<std::size_t>(g)];
  }
  if (!(forfeit && lg.ForfeitRule != 0)) {
    s.won += line.pointsWon;
    s.lost += static_cast<Single>(PlayerPointsAtStake() - line.pointsWon);
  }
  f.sessionGames = s.games;
  f.average = s.games > 0 ? RoundAverage(static_cast<Single>(s.pins) / s.games) : 0;
  f.handicap = line.handicap;
  f.won = s.won;
  f.lost = s.lost;
  f.note = line.kind == kVacancy ? "VACANT"
           : line.kind == kAbsent ? "ABSENT"
           : forfeit              ? "FORFEIT"
                                  : "";
  return f;
}

}  // namespace

PlayerToDateLines PlayerToDateFigures(int player, const std::vector<WeekScores>& weeks) {
  const auto games = static_cast<std::size_t>(Games());
  PlayerSession s;
  s.columnPins.assign(games, 0);
  s.columnGames.assign(games, 0);
  PlayerToDateLines out;
  for (const WeekScores& week : weeks) {
    if (!week.readable) {
      PlayerWeekFigures f;
      f.week = week.week;
      f.readable = false;
      f.damage = week.damage;
      out.weeks.push_back(std::move(f));
    } else if (const ScoreLine* line = week.player(player)) {
      out.weeks.push_back(PlayerWeek(week, *line, s));
    }
  }
  for (std::size_t g = 0; g < games; ++g) {
    const long n = s.columnGames[g];
    const Single avg = n > 0 ? RoundAverage(static_cast<Single>(s.columnPins[g]) / n) : 0;
    out.total.columnAverages.push_back(static_cast<long>(std::floor(avg)));
  }
  out.total.games = s.games;
  out.total.average = s.games > 0 ? RoundAverage(static_cast<Single>(s.pins) / s.games) : 0;
  out.total.handicap = std::nearbyint(lg.PlayerStat[player][kCurrentHandicap]);
  out.total.won = s.won;
  out.total.lost = s.lost;
  return out;
}

}  // namespace tallmark::reports
