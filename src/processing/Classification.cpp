// Classification of every player and team record by current average.
#include <algorithm>

#include "league/StatsFile.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"

namespace tallmark {

namespace {

void Classify(int p) {
  if (p >= 0 && p <= kMaxPlayerRecords) lg.PlayerStat[p][kClassification] = ClassifyAverage(p);
}

}  // namespace

void ClassifyAll() {
  int perTeam = std::clamp<int>(lg.PlayersPerTeam, 0, kMaxRosterPositions);
  for (int t = 1; t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    for (int slot = 0; slot <= perTeam; ++slot) Classify(lg.Roster[t][slot]);
  }
  int subs = std::clamp<int>(lg.NumSubs, 0, kMaxTeams);
  for (int i = 1; i <= subs; ++i) Classify(lg.SubList[i]);
  WriteStats(lg.CurrentSession);
}

}  // namespace tallmark
