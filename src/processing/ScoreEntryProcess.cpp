// The one call of the weekly processing made by score entry.
#include "processing/ScoreEntry.h"

namespace tallmark {

// Declared by the weekly processing.
void ProcessWeek(int week, const std::function<void(int percent)>& progress);

void RunWeeklyProcessing(int week, const std::function<void(int percent)>& progress) {
  ProcessWeek(week, progress);
}

}  // namespace tallmark
