// The team handicap of the week while its results are entered, by handicap method.
#include <algorithm>
#include <cmath>

#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"

namespace tallmark {

int ScoreEntry::opponentOf(int team) const {
  for (std::size_t i = 0; i < teams_.size(); ++i) {
    if (teams_[i] != team) continue;
    std::size_t other = i % 2 == 0 ? i + 1 : i - 1;  // slots 2m-1 and 2m play each other
    return other < teams_.size() ? teams_[other] : 0;
  }
  return 0;
}

// The difference method: the team with the lower sum of averages gets the difference,
// per hundred pins, times the team percentage, cut to the team maximum.
static Integer DifferenceHandicap(int ownSum, int opponentSum, bool opponentForfeits) {
  if (ownSum >= opponentSum || opponentForfeits) return 0;
  double h = (opponentSum / 100.0 - ownSum / 100.0) * lg.PercentHandicap[2] + 0.000001;
  const double most = std::max<double>(lg.MaxHandicap[2], 0);
  return static_cast<Integer>(std::clamp(std::floor(h), 0.0, most));
}

// The held sums of the team shown are those of its rows as they stand; those of any other team
// of the week come from its stored rows (read on opening, updated when it is saved), so the
// difference method never depends on which teams were looked at first.
Integer ScoreEntry::TeamHandicapOf(int team) const {
  if (team < 1 || team > kMaxTeams) return 0;
  const TeamHeld& own = held_[team];
  switch (lg.HandicapMethod) {
    case 1: return 0;
    case 0: return static_cast<Integer>(std::clamp(own.handicapSum, -32768, 32767));
    case -1: return HandicapFor(static_cast<Integer>(std::clamp(own.averageSum, 0, 32767)), 2);
    case -2: {
      int opponent = opponentOf(team);
      if (opponent == 0) return 0;
      const TeamHeld& other = held_[opponent];
      return DifferenceHandicap(own.averageSum, other.averageSum, other.forfeit);
    }
    default: return lg.TeamHandicapWeek[TeamColumn(team)];
  }
}

// Stores the team's handicap of the week; with the difference method the opponent's as well,
// since either side's rows decide both.
void ScoreEntry::StoreTeamHandicaps(int team) {
  lg.TeamHandicapWeek[TeamColumn(team)] = TeamHandicapOf(team);
  int opponent = opponentOf(team);
  if (lg.HandicapMethod == -2 && opponent != 0)
    lg.TeamHandicapWeek[TeamColumn(opponent)] = TeamHandicapOf(opponent);
}

}  // namespace tallmark
