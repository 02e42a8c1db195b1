// The way into a week's score entry from the main menu: which week, its pairing, and whether a
// schedule has to be entered first.
#pragma once

#include <functional>

namespace tallmark {

enum class WeeklyEntryStart {
  AllEntered,     // every scheduled week has its results (message shown)
  NeedsSchedule,  // the week has no schedule yet (message shown): open the schedule first
  Ready,          // the week is paired: open the results window
};

// Reads week CurrentWeek + 1; a position week is paired by the standings through
// pairPositions(week) first.
WeeklyEntryStart BeginWeeklyEntry(const std::function<void(int week)>& pairPositions);

// After the schedule window: reads the week again; true when it is now paired.
bool WeekReadyForEntry();

// The week being entered: CurrentWeek + 1.
int EntryWeek();

}  // namespace tallmark
