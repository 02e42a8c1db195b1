// The one call of the weekly processing made by score entry.
#include "processing/ScoreEntry.h"

namespace tallmark {

// Declared with the weekly processing.
bool ProcessWeek(int week, const std::function<void(int percent)>& progress);

bool RunWeeklyProcessing(int week, const std::function<void(int percent)>& progress) {
  return ProcessWeek(week, progress);
}

}  // namespace tallmark
