// Numbers right-aligned in report fields.
#include "processing/Rankings.h"
#include "common/Functs.h"

namespace tallmark {

std::string RightAlign(double value, int width) {
  std::string text = NumberText(value);
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace tallmark
