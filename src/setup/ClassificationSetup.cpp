#include "setup/ClassificationSetup.h"

#include <algorithm>

#include "common/Text.h"
#include "processing/Rankings.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

ClassificationSetup::ClassificationSetup() {
  const Integer top = std::max<Integer>(lg.GameParam[0], 0);
  for (int k = 0; k < kBoxes; ++k) limits_[k] = std::clamp(lg.ClassLimit[k], Integer{0}, top);
  maxima_[0] = top;
  recompute();
}

void ClassificationSetup::recompute() {
  classes_ = 1;
  for (int k = 1; k < kBoxes; ++k) {
    while (limits_[k] >= limits_[k - 1] && limits_[k] >= 1) --limits_[k];
    if (limits_[k] > 0) ++classes_;
    maxima_[k] = static_cast<Integer>(std::max(limits_[k - 1] - 1, 0));
  }
}

Integer ClassificationSetup::enter(int k, const std::string& text, Integer step) {
  if (k < 0 || k >= kBoxes) return 0;
  if (!enabled(k)) return limits_[k];
  limits_[k] = CheckRange(text, limits_[k], 0, maxima_[k], step);
  recompute();
  return limits_[k];
}

std::string ClassificationSetup::ReclassifyTitle() { return "RECLASSIFY " + Upper(lg.SportTerm[5]); }

std::string ClassificationSetup::ReclassifyQuestion() {
  return "Do you want to reclassify all " + Lower(lg.SportTerm[5]) + " now?";
}

void ClassificationSetup::store() {
  storeLimits();
  if (AskYesNo(ReclassifyQuestion(), ReclassifyTitle())) ClassifyAll();
}

void ClassificationSetup::storeLimits() {
  recompute();
  lg.NumClasses = static_cast<Integer>(classes_);
  for (int k = 0; k < kBoxes; ++k) lg.ClassLimit[k] = limits_[k];
}

}  // namespace tallmark
