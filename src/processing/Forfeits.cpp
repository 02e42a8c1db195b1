// A forfeiting team when the automatic win is off: each of its records gets the scores the
// opposing player must beat (the player's average less the forfeit allowance).
#include <algorithm>

#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {

namespace {

// The team on the other slot of the lane pair, or 0.
int OpponentOf(int team) {
  int slots = std::clamp(2 * lg.NumLanes, 0, kLaneSlotsPerWeekBlock);
  for (int k = 1; k <= slots; ++k) {
    if (lg.LaneTeam[k] != team) continue;
    int other = k % 2 == 1 ? k + 1 : k - 1;
    return other <= slots ? lg.LaneTeam[other] : 0;
  }
  return 0;
}

bool Forfeited(int week, int team) {
  Integer player = 0;
  ReadScore(week, team, 1, player);
  return lg.ScrFlag != 0;
}

void SubstituteSlot(int week, int team, int opponent, int slot) {
  Integer rival = 0;
  ReadScore(week, opponent, slot, rival);
  if (lg.ScrFlag) return;
  Integer score = ForfeitGameScore(rival);
  Integer handicap = RoundHalfEven(lg.PlayerStat[rival][kCurrentHandicap]);
  Integer player = 0;
  ReadScore(week, team, slot, player);
  for (int g = 0; g < lg.GamesPerWeek; ++g) lg.ScrGameScore[g] = score;
  lg.ScrHandicap = handicap;
  WriteScore(week, team, slot, player);
}

}  // namespace

void ForfeitScores(int week) {
  bool changed = false;
  for (int t = 1; t <= std::min<int>(lg.LastTeam, kMaxTeams); ++t) {
    if (!TeamInUse(t) || !Forfeited(week, t)) continue;
    int opponent = OpponentOf(t);
    if (!TeamInUse(opponent)) continue;
    for (int slot = 1; slot <= lg.PlayersPerWeek; ++slot) SubstituteSlot(week, t, opponent, slot);
    lg.TeamHandicapWeek[TeamColumn(t)] = lg.TeamHandicapWeek[TeamColumn(opponent)];
    changed = true;
  }
  if (changed) WriteWeekResults(week);
}

}  // namespace tallmark
