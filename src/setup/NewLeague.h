// A new league's parameters and its build: the sport, the six size boxes of the parameters
// window, and the fresh roster, schedule and lane numbers made when they are accepted.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

struct NewLeagueParams {
  int teams = 0;    // box 0 "Teams"
  int members = 0;  // box 1 "Members": roster positions per team
  int players = 0;  // box 2 "Players": players of a team each week
  int subs = 0;     // box 3 "Subs"
  int weeks = 0;    // box 4 "Weeks"
  int startWeek = 1;  // box 5 "Start Week"
};

// One numeric box of the parameters window.
struct ParameterBox {
  std::string label;
  Integer value = 0;
  Integer minimum = 0;
  Integer maximum = 0;
  std::string explanation;
  // " (minimum to maximum)", shown beside the label.
  std::string rangeText() const;
};

// The boxes of the parameters window, with their values and ranges. The teams box stops at 52,
// the most lane slots a week of the season results file holds.
class ParametersSetup {
 public:
  // Initial values from the league in memory.
  ParametersSetup();
  const std::array<ParameterBox, 6>& boxes() const { return boxes_; }
  // The common range check of box i (step 0 on leaving it, +1 or -1 from its spin button).
  void commit(int box, const std::string& text, Integer step = 0);
  NewLeagueParams params() const;
  // The explanations name the sport's players, verb and gerund: words again after the league's
  // sport changed.
  void refreshTerms();

 private:
  void updateWeekLimits();
  std::array<ParameterBox, 6> boxes_;
};

// Builds the new league from accepted parameters (the parameters window's OK): fresh roster of
// vacancy teams and substitutes, schedule from the template, lane numbers 101.., then saves and
// reloads the league. progress receives percentages as the roster is made.
void BuildNewLeague(const NewLeagueParams& params,
                    const std::function<void(int percent)>& progress = {});

// Sports stored in the program folder's SportsInfo.dat (0 when it is missing), at most 32.
int SportsInFile();
// Makes the program folder's SportsInfo.dat from the shipped sports when it is missing or empty.
void EnsureSportsFile();
// Names of sports 1..SportsInFile(), for the sport list (list index i is sport i + 1); reads the
// league's own sport again at the end so that its terms are current.
std::vector<std::string> FillSportsList();
// Choosing list entry i: the league's sport becomes sport i + 1.
void ChooseSport(int listIndex);

// Creates the minimal file set of a new league named by DataPath and FileName.
bool CreateLeagueFiles();

}  // namespace tallmark
