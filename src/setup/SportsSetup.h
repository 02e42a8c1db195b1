// What the sport definitions window does, without the window: the table of every sport of the
// master file, editing a sport's terms and parameters, adding a sport and saving them all.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

struct SportDefinition {
  std::array<std::string, 10> terms;
  std::array<Integer, 8> params{};  // GameParam(0..3), then SportAward(0..3)
};

class SportsSetup {
 public:
  // Reads every sport of the master file into the table and selects the league's sport.
  void load();

  int count() const { return static_cast<int>(sports_.size()); }
  const SportDefinition& sport(int listIndex) const { return sports_[listIndex]; }
  std::vector<std::string> names() const;
  int selected() const { return selected_; }
  void select(int listIndex);

  // Parameter i's window range and tool tip.
  static Integer minimum(int param);
  static Integer maximum(int param);
  static std::string paramToolTip(int param);
  // What term box i holds ("Sport name", "Verb" ...).
  static std::string termLabel(int term);
  // What parameter box i holds, in the selected sport's own words.
  std::string paramLabel(int param) const;
  // Labels of the selected sport: its name + " Parameters" and + " Values".
  std::string parametersLabel() const;
  std::string valuesLabel() const;

  void setTerm(int term, const std::string& text);
  // The common range check (step 0 on leaving the box, +1 or -1 from its spin button).
  void setParam(int param, const std::string& text, Integer step = 0);
  // Combo2: "True" or "False".
  void setRoundUp(bool on);

  // Appends a copy of the selected sport with "New " before each term; refused with the
  // "MAXIMUM REACHED" message at 32 sports. Returns true when added.
  bool addSport();
  // Asks, then writes every sport back to the master file. Either way the league's own sport is
  // read again. Returns true when saved.
  bool save();
  // Closing without saving: the league's own sport is read again.
  void cancel();

 private:
  std::vector<SportDefinition> sports_;
  int selected_ = 0;
};

}  // namespace tallmark
