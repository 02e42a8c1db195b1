// Small formatting helpers of the rankings, reports and graphs.
#include "processing/Rankings.h"
#include "shell/Functs.h"

namespace tallmark {

std::string ColumnLetter(int n) { return std::string(1, static_cast<char>('A' - 1 + n)); }

std::string RightAlign(double value, int width) {
  std::string text = NumberText(value);
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace tallmark
