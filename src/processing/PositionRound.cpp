// A position round: the week's pairing follows the standings, first against second, third
// against fourth, and so on.
#include <algorithm>

#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {

namespace {

int SlotCount() { return std::clamp(2 * lg.NumLanes, 0, kLaneSlotsPerWeekBlock); }

// Places each team in use on the slot of its standing; false when a place is missing, out of
// range or taken twice.
bool FillFromPlaces() {
  int slots = SlotCount();
  for (int k = 1; k <= slots; ++k) lg.LaneTeam[k] = kPositionTeam;
  bool complete = true;
  for (int t = 1; t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    int r = lg.Roster[t][0];
    if (r < 0 || r > kMaxPlayerRecords) continue;
    double place = lg.PlayerStat[r][kGroupOrStanding];
    if (place < 1 || place > slots || place != static_cast<int>(place) ||
        lg.LaneTeam[static_cast<int>(place)] != kPositionTeam) {
      complete = false;
      continue;
    }
    lg.LaneTeam[static_cast<int>(place)] = static_cast<Integer>(t);
  }
  for (int k = 1; k <= slots; ++k)
    if (lg.LaneTeam[k] == kPositionTeam) complete = false;
  return complete;
}

}  // namespace

bool PairByStandings() {
  if (FillFromPlaces()) return true;
  // The stored places are damaged or missing (no week processed yet): order them afresh.
  OrderStandings();
  return FillFromPlaces();
}

}  // namespace tallmark
