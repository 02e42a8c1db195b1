#include "shell/WeeklyEntry.h"

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "common/Functs.h"
#include "common/UserIO.h"

namespace tallmark {

int EntryWeek() { return lg.CurrentWeek + 1; }

namespace {

// The first lane slot of the week read that holds no team in use (TBD, a position slot left
// unpaired, a dropped team's number); 0 when every slot has its team.
int UnscheduledSlot() {
  for (int s = 1; s <= 2 * lg.NumLanes && s <= kMaxTeams; ++s) {
    const int t = lg.LaneTeam[s];
    if (t < 1 || t > kMaxTeams || !TeamNumberInUse(t)) return s;
  }
  return 0;
}

std::string SlotProblem(int slot) {
  const int t = lg.LaneTeam[slot];
  const std::string where = lg.SportTerm[7] + " " + NumberText(lg.LaneNumber[slot]) + " (slot " +
                            NumberText(slot) + ")";
  if (t == kTbdTeam) return where + " has no team yet (TBD).";
  if (t == kPositionTeam) return where + " is a position slot that is not paired.";
  return where + " names team " + NumberText(t) + ", which is not in the league.";
}

}  // namespace

WeeklyEntryStart BeginWeeklyEntry(const std::function<void(int week)>& pairPositions) {
  if (lg.CurrentWeek >= lg.NumWeeks) {
    MsgBox("The results for all scheduled weeks have been entered.");
    return WeeklyEntryStart::AllEntered;
  }
  const int week = EntryWeek();
  ReadWeekResults(week);
  if (lg.LaneTeam[1] == kPositionTeam && pairPositions) pairPositions(week);
  const std::string ask = "Please enter " + Lower(lg.SportTerm[3]) + " schedule for week " +
                          NumberText(week);
  if (lg.LaneTeam[1] == kTbdTeam) {
    MsgBox(ask);
    return WeeklyEntryStart::NeedsSchedule;
  }
  if (const int slot = UnscheduledSlot(); slot > 0) {
    MsgBox(ask + NewLine + NewLine + SlotProblem(slot));
    return WeeklyEntryStart::NeedsSchedule;
  }
  return WeeklyEntryStart::Ready;
}

bool WeekReadyForEntry() {
  ReadWeekResults(EntryWeek());
  return lg.LaneTeam[1] != kPositionTeam && UnscheduledSlot() == 0;
}

}  // namespace tallmark
