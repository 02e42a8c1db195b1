// The class limits as the classification window edits them: where each of up to 12 classes
// ends, strictly decreasing, a limit of 0 ending the list. Nothing reaches the league until
// store() (the window's save).
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

class ClassificationSetup {
 public:
  static constexpr int kBoxes = kMaxClasses;  // limits 0..11

  ClassificationSetup();

  Integer limit(int k) const { return limits_[k]; }
  Integer maximum(int k) const { return maxima_[k]; }
  bool enabled(int k) const { return maxima_[k] > 0; }
  int classes() const { return classes_; }
  std::string classesLabel() const { return "Classes: " + std::to_string(classes_); }

  // The common range check of a limit box (step 0 on leaving it, +1 or -1 from its spin
  // button), then the classes are recomputed. Returns the limit the box shows.
  Integer enter(int k, const std::string& text, Integer step);
  // Lowers the limits until they decrease strictly (or become 0) and counts the classes.
  void recompute();

  // The window's save: the limits go into the league; then the user is asked whether every
  // player is to be reclassified now, which writes the current session's statistics.
  void store();
  // The limits alone (the command line asks its question once, after every change).
  void storeLimits();
  // The question's title and text, in the sport's words.
  static std::string ReclassifyTitle();
  static std::string ReclassifyQuestion();

 private:
  std::array<Integer, kBoxes> limits_{};
  std::array<Integer, kBoxes> maxima_{};
  int classes_ = 1;
};

}  // namespace tallmark
