// The sample league's season schedule: the standard template's round robin, typed again into the
// lanes and schedule grid for every week the template does not cover, then saved as the window
// saves it.
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "setup/SampleParts.h"
#include "setup/ScheduleOps.h"
#include "setup/ScheduleSetup.h"

namespace tallmark::sample {

bool FillSchedule() {
  const int rounds = lg.ScheduleTemplate;
  if (rounds < 1) return false;
  ScheduleSetup grid;
  grid.open();
  const int slots = 2 * lg.NumLanes;
  for (int w = rounds + 1; w <= lg.NumWeeks; ++w) {
    ReadWeekResults((w - 1) % rounds + 1);
    for (int s = 1; s <= slots; ++s) {
      grid.moveTo(w, s);
      grid.setEditText(SlotText(lg.LaneTeam[s]));
    }
  }
  grid.save();
  for (int w = 1; w <= lg.NumWeeks; ++w) {
    ReadWeekResults(w);
    for (int s = 1; s <= slots; ++s)
      if (lg.LaneTeam[s] < 1 || lg.LaneTeam[s] > lg.NumTeams) return false;
  }
  return true;
}

}  // namespace tallmark::sample
