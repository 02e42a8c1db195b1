#include "shell/WeeklyEntry.h"

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "common/Functs.h"
#include "common/UserIO.h"

namespace tallmark {

int EntryWeek() { return lg.CurrentWeek + 1; }

WeeklyEntryStart BeginWeeklyEntry(const std::function<void(int week)>& pairPositions) {
  if (lg.CurrentWeek >= lg.NumWeeks) {
    MsgBox("The results for all scheduled weeks have been entered.");
    return WeeklyEntryStart::AllEntered;
  }
  const int week = EntryWeek();
  ReadWeekResults(week);
  if (lg.LaneTeam[1] == kPositionTeam && pairPositions) pairPositions(week);
  if (lg.LaneTeam[1] == kTbdTeam) {
    MsgBox("Please enter " + Lower(lg.SportTerm[3]) + " schedule for week " + NumberText(week));
    return WeeklyEntryStart::NeedsSchedule;
  }
  return WeeklyEntryStart::Ready;
}

bool WeekReadyForEntry() {
  ReadWeekResults(EntryWeek());
  return lg.LaneTeam[1] != kPositionTeam && lg.LaneTeam[1] != kTbdTeam;
}

}  // namespace tallmark
