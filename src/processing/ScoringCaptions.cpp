#include "processing/ScoringCaptions.h"

#include <array>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/ScoringOptions.h"

namespace tallmark {
namespace {

const std::string kTipEnd = " (F1). ";

// A sport term as it may stand inside a caption: lower case, "&" kept as a plain character.
std::string Term(int index) {
  std::string term;
  for (char c : Lower(lg.SportTerm[index])) {
    term += c;
    if (c == '&') term += '&';
  }
  return term;
}

std::string HighGameCaption(const ScoringOptions& options) {
  return std::string("point(s) for h&igh ") + (options.highGameTeam() ? "team" : "individual") +
         " " + (options.highGameHandicap() ? "handicap " : "scratch ") + "game in each week";
}

}  // namespace

std::string ScoringCaption() { return "GENERAL LEAGUE SCORING PARAMETERS"; }

std::string PointCaption(int box, const ScoringOptions& options) {
  const std::string player = Term(4);
  const std::string series = Term(8);
  switch (box) {
    case 0: return "G&ames " + Term(2) + " in " + "the " + series + " each week";
    case 1: return "point(s) for each &game won by " + player;
    case 2: return "point(s) for winning the &" + series + " by " + player;
    case 3: return "point(s) for each game &won by team";
    case 4: return "point(s) for winning the " + series + " b&y team";
    case 5: return "Ga&mes must be " + Term(2) + " to establish new average";
    default: return HighGameCaption(options);
  }
}

std::string GroupRowCaption(int row, const ScoringOptions& options) {
  static const std::array<std::string, ScoringOptions::kGroupRows> kCaptions = {
      "&1. SCRATCH SCORE: no handicap if average is over this.",
      "&2. HANDICAP PERCENTAGE: used to compute the handicap.",
      "&3. MAXIMUM HANDICAP: handicap cannot be greater than this.",
      "&4. VACANCY SCORE: used if team can't fill it's roster.",
      "&5. ABSENTEE SCORE: score used is average minus this number.",
      "&6. WIN FORFEIT SCORE: must exceed average minus this to win forfeit."};
  if (row == ScoringOptions::kAbsenteeRow && options.switchOn(ScoringOptions::kAbsenteePercent))
    return "&5. ABSENTEE SCORE: score used is average minus this percent.";
  return kCaptions[row];
}

std::string GroupHeading(int g) { return g == 2 ? "TEAM" : Upper(lg.GroupLabel[g]); }

std::string MethodCaption(int choice) {
  static const std::array<std::string, ScoringOptions::kMethods> kCaptions = {
      "Scratch League", "Individual", "Team (Standard Method)", "Team (Difference Method)"};
  return kCaptions[choice];
}

std::string SwitchCaption(int box) {
  switch (box) {
    case 0: return "So&rt Stats and Awards with Handicap";
    case 1: return "Match &Point League";
    case 2: return "Cre&dit Team with Unearned " + lg.SportTerm[6] + "s";
    case 3: return "Di&fferent Scoring: " + lg.GroupLabel[0] + "/" + lg.GroupLabel[1];
    case 4: return "A&uto Win if Opposing Team Forfeits";
    case 5: return "Use Percentage for Absentee Score";
    default: return lg.SportTerm[4] + " Match Points Awarded to Team";
  }
}

std::string DifferenceMethodMessage() {
  return "You will need to use the OPPONENT button when entering scores to have the handicap "
         "computed correctly. See the help file for more information.";
}

std::string PointTip(int box) {
  const std::string players = Lower(lg.SportTerm[5]);
  switch (box) {
    case 0: return "How many games make up each week's " + Lower(lg.SportTerm[8]) + kTipEnd;
    case 1:
    case 2: return "Points each of the " + players + " wins in a match point league" + kTipEnd;
    case 3:
    case 4: return "Points the team wins against its opponent" + kTipEnd;
    case 5: return "Games each new " + Lower(lg.SportTerm[4]) +
                   " plays on the starting average before a new average counts" + kTipEnd;
    default: return "Extra points for the week's highest game; 0 for none" + kTipEnd;
  }
}

std::string GroupRowTip(int row) {
  static const std::array<std::string, ScoringOptions::kGroupRows> kTips = {
      "Averages at or above this score get no handicap",
      "The handicap is this percentage of the difference between scratch score and average",
      "No handicap is greater than this",
      "Each game of a vacancy counts this score",
      "An absent player is given the average less this",
      "A player whose opponent forfeits must beat the average less this to win"};
  return kTips[row] + kTipEnd;
}

std::string MethodTip(int choice) {
  static const std::array<std::string, ScoringOptions::kMethods> kTips = {
      "No handicaps at all", "Each player has a handicap; the team's is the sum",
      "The team's handicap is computed from its combined average",
      "The team's handicap is entered from the difference to its opponent"};
  return kTips[choice] + ". " + lg.AdviceText[2] + kTipEnd;
}

std::string SwitchTip(int box) {
  static const std::array<std::string, ScoringOptions::kSwitches> kTips = {
      "Rank statistics and awards by totals with handicap",
      "Players win points against the opposing player in their slot",
      "Count vacancy and absentee scores in the team's statistics",
      "Give each group its own handicap and substitute scores",
      "A team whose opponent forfeits wins every point without beating any score",
      "The absentee score is a percentage of the average rather than a number",
      "Points won by the players are added to the team's points"};
  return kTips[box] + kTipEnd;
}

std::string HighGameTip() { return "Which game earns the high game points" + kTipEnd; }
std::string TabsTip() { return "Click on each TAB to set all your scoring options"; }
std::string OkTip() { return "Click here to exit and save your selections."; }
std::string CancelTip() { return "Click here to exit without saving your selections."; }

}  // namespace tallmark
