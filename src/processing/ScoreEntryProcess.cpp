// The one call of the weekly processing made by score entry.
#include "processing/ScoreEntry.h"
#include "processing/WeeklyProcessing.h"

namespace tallmark {

bool RunWeeklyProcessing(int week, const std::function<void(int percent)>& progress) {
  return ProcessWeek(week, progress);
}

}  // namespace tallmark
