#include "setup/EditorChecks.h"

#include "common/Functs.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "processing/RangeChecks.h"

namespace tallmark {

namespace {

// Digits with at most one full stop, every digit a zero ("0", "00", "0.0", ".0").
bool IsTypedZero(const std::string& text) {
  bool digit = false;
  int points = 0;
  for (char c : text) {
    if (c == '0') digit = true;
    else if (c == '.') ++points;
    else return false;
  }
  return digit && points <= 1;
}

}  // namespace

void ShowCorrectionNotice() {
  MsgBox("Changes made using the form displayed next can only be undone by re-loading the data "
         "from the disk files.",
         "IMPORTANT NOTICE", MsgIcon::Information);
}

Single CheckCorrection(const std::string& text, Single previous, Single maximum, Integer step,
                       bool round) {
  const std::string value = Trim(text);
  if (!IsTypedZero(value)) return CheckRangeDecimal(value, previous, 0, maximum, step, round);
  // 0 plus the step, kept within the box's range as the common check keeps it.
  Single result = step;
  if (result > maximum) {
    result = maximum;
    Beep();
  }
  if (result < 0) {
    result = 0;
    Beep();
  }
  return result;
}

std::string CorrectionText(Single value) { return NumberText(value); }

}  // namespace tallmark
