#include "setup/ScheduleOps.h"

#include <cmath>

#include "league/ScheduleTemplate.h"
#include "league/SeqFile.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

int TemplateSlotTeam(int slot) {
  bool fromTemplate = lg.ScheduleEachWeek == False && lg.ScheduleWeek < lg.ScheduleTemplate;
  if (!fromTemplate) return kTbdTeam;
  int k = lg.NumTeams * lg.ScheduleWeek + slot;  // 1-based character of ScheduleText
  if (k < 1 || k > static_cast<int>(lg.ScheduleText.size())) return kTbdTeam;
  return static_cast<unsigned char>(lg.ScheduleText[k - 1]) - 34;
}

void MoveWeek(int from, int to) {
  ReadWeekResults(from);
  WriteWeekResults(to);
}

// Scored weeks of a league that grew: the new slots show nobody scheduled.
void MarkNewSlotsUnscheduled(int oldLanes) {
  for (int w = lg.StartWeek; w <= lg.CurrentWeek; ++w) {
    ReadWeekResults(w);
    for (int s = 2 * oldLanes + 1; s <= 2 * lg.NumLanes; ++s) {
      lg.LaneTeam[s] = kTbdTeam;
      lg.TeamPointsWeek[s] = 0;
      lg.TeamHandicapWeek[s] = 0;
    }
    WriteWeekResults(w);
  }
}

}  // namespace

bool AddWeek(int week) {
  if (lg.NumWeeks >= kMaxWeeks) {
    MsgBox("NUMBER OF WEEKS AT MAXIMUM; CAN'T ADD ANOTHER WEEK");
    return false;
  }
  lg.TeamPointsWeek.fill(0);
  lg.TeamHandicapWeek.fill(0);
  for (int s = 1; s <= 2 * lg.NumLanes; ++s)
    lg.LaneTeam[s] = static_cast<Integer>(TemplateSlotTeam(s));
  ++lg.ScheduleWeek;
  WriteWeekResults(week);
  ++lg.NumWeeks;
  return true;
}

void SetUpSchedule() {
  BusyPointer busy;
  int oldLanes = lg.NumLanes;
  lg.NumLanes = static_cast<Integer>(lg.NumTeams / 2);
  lg.OddTeam = static_cast<Integer>(-(lg.NumTeams % 2));
  ReadScheduleTemplate();
  int oldWeeks = lg.NumWeeks;
  lg.NumWeeks = lg.CurrentWeek;
  if (oldLanes > 0 && lg.NumLanes > oldLanes && lg.CurrentWeek >= lg.StartWeek)
    MarkNewSlotsUnscheduled(oldLanes);
  for (int w = lg.CurrentWeek + 1; w <= oldWeeks; ++w) AddWeek(w);
}

bool DropWeek(int week) {
  if (week <= lg.CurrentWeek) {
    MsgBox("A WEEK FOR WHICH SCORES HAVE BEEN ENTERED CAN'T BE DROPPED.");
    return false;
  }
  if (week > lg.NumWeeks) return false;
  BusyPointer busy;
  for (int w = week + 1; w <= lg.NumWeeks; ++w) MoveWeek(w, w - 1);
  --lg.NumWeeks;
  return true;
}

bool InsertPositionWeek(int week) {
  if (lg.NumWeeks >= kMaxWeeks) {
    MsgBox("NUMBER OF WEEKS AT MAXIMUM. YOU MUST DROP A WEEK BEFORE A POSITION WEEK CAN BE "
           "INSERTED IN THE SCHEDULE");
    return false;
  }
  if (week < lg.CurrentWeek || week > lg.NumWeeks) {
    MsgBox("A POSITION WEEK CAN'T BE INSERTED BEFORE A WEEK FOR WHICH SCORES HAVE BEEN ENTERED.");
    return false;
  }
  BusyPointer busy;
  for (int w = lg.NumWeeks; w >= week + 1; --w) MoveWeek(w, w + 1);
  for (int s = 1; s <= 2 * lg.NumLanes; ++s) {
    lg.LaneTeam[s] = kPositionTeam;
    lg.TeamPointsWeek[s] = 0;
    lg.TeamHandicapWeek[s] = 0;
  }
  WriteWeekResults(week + 1);
  ++lg.NumWeeks;
  return true;
}

std::string SlotText(int team) {
  if (team <= kPositionTeam) return "POS";
  if (team >= kTbdTeam) return "TBD";
  return std::to_string(team);
}

bool SlotValue(const std::string& text, int& team) {
  std::string t = Upper(Trim(text));
  if (t == "POS") {
    team = kPositionTeam;
    return true;
  }
  if (t == "TBD") {
    team = kTbdTeam;
    return true;
  }
  double v = 0;
  if (!ParseNumber(t, v) || v < -32768 || v > 32767) return false;
  team = static_cast<int>(std::nearbyint(v));
  return true;
}

}  // namespace tallmark
