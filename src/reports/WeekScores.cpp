#include "reports/WeekScores.h"

#include <algorithm>

#include "league/LeagueDamage.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark::reports {

bool ScoreLine::incomplete() const {
  if (kind == kAbsent) return true;
  for (int g = 0; g < lg.GamesPerWeek && g < 12; ++g)
    if (noCredit(g)) return true;
  return false;
}

long ScoreLine::series() const {
  long sum = 0;
  for (int g = 0; g < lg.GamesPerWeek && g < 12; ++g) sum += games[static_cast<std::size_t>(g)];
  return sum;
}

std::vector<const ScoreLine*> WeekScores::team(int team) const {
  std::vector<const ScoreLine*> found;
  for (const ScoreLine& l : lines)
    if (l.team == team) found.push_back(&l);
  return found;
}

const ScoreLine* WeekScores::player(int record) const {
  for (const ScoreLine& l : lines)
    if (l.player == record) return &l;
  return nullptr;
}

int WeekScores::opponent(int team) const {
  const int slots = std::clamp(2 * lg.NumLanes, 0, kLaneSlotsPerWeekBlock);
  for (int k = 1; k <= slots; ++k) {
    if (laneTeam[k] != team) continue;
    const int other = k % 2 == 1 ? k + 1 : k - 1;
    return other <= slots ? laneTeam[other] : 0;
  }
  return 0;
}

Single WeekScores::pointsWon(int team) const {
  const int column = TeamColumn(team);
  return column >= 1 && column <= kMaxTeams ? points[column] : 0;
}

Integer WeekScores::handicap(int team) const {
  const int column = TeamColumn(team);
  return column >= 1 && column <= kMaxTeams ? teamHandicap[column] : 0;
}

namespace {

WeekScores Damaged(WeekScores& scores, const Damage& damage) {
  scores.readable = false;
  scores.damage = DamageNotice(damage);
  scores.lines.clear();
  scores.laneTeam = {};
  lg.LaneTeam.fill(0);
  return scores;
}

}  // namespace

WeekScores LoadWeekScores(int week) {
  WeekScores scores;
  scores.week = week;
  if (auto damage = WeekResultsDamage(week)) return Damaged(scores, *damage);
  scores.readable = ReadWeekResults(week);
  if (!scores.readable) return scores;
  scores.laneTeam = lg.LaneTeam;
  scores.points = lg.TeamPointsWeek;
  scores.teamHandicap = lg.TeamHandicapWeek;
  const int slots = std::clamp(2 * lg.NumLanes, 0, kLaneSlotsPerWeekBlock);
  if (auto damage = WeekScoresDamage(week, std::vector<int>(&lg.LaneTeam[1], &lg.LaneTeam[1] + slots)))
    return Damaged(scores, *damage);
  const int positions = std::clamp<int>(lg.PlayersPerWeek, 0, kMaxRosterPositions);
  for (int k = 1; k <= slots; ++k) {
    const int team = lg.LaneTeam[k];
    if (team < 1 || team > kMaxTeams || !TeamNumberInUse(team)) continue;
    for (int p = 1; p <= positions; ++p) {
      ScoreLine line;
      line.team = team;
      line.position = p;
      Integer player = 0;
      if (!ReadScore(week, team, p, player)) {
        scores.readable = false;
        scores.lines.clear();
        return scores;
      }
      line.player = player;
      line.kind = lg.ScrEntryKind;
      line.handicap = lg.ScrHandicap;
      line.noCreditMask = lg.ScrNoCreditMask;
      line.pointsWon = lg.ScrPointsWon;
      std::copy_n(lg.ScrGameScore.begin(), 12, line.games.begin());
      std::copy_n(lg.ScrExtraStat.begin(), 11, line.extra.begin());
      scores.lines.push_back(line);
    }
  }
  return scores;
}

}  // namespace tallmark::reports
