// What the report window's selection panel offers and what a report run was asked for: the
// entries of the teams, weeks, players, sessions and awards lists, and the parsing of a typed
// selection ("1,3-5", "all", players also by name) against those entries.
#pragma once

#include <string>
#include <vector>

namespace tallmark::reports {

enum class SelectionList { Teams, Weeks, Players, Sessions, Awards };

// One entry of a list. value is the team number, week, player record, session or statistic
// category the entry stands for; the teams list's first entry is a heading with value 0 (it is
// the substitutes' entry in the reports that list them).
struct ListEntry {
  std::string text;
  int value = 0;
};

// Everything a report builder is told besides the league: the list selections (values as in
// ListEntry) and the answers to the window's option menus.
struct ReportChoices {
  std::vector<int> teams;
  std::vector<int> weeks;
  std::vector<int> players;
  std::vector<int> sessions;
  std::vector<int> categories;
  bool substitutes = false;     // the teams list's "SUBSTITUTE ..." entry
  bool reportOnTeams = true;    // "Report on Teams or Bowlers"
  bool namesOnRight = false;    // "Print Names on Right or Left"
  bool extraStats = false;      // "Include Extra Statistics"
  int whoseAverages = 0;        // "Who's Averages": 0 players, 1 players and subs, 2 teams
};

// Whether a run has anything to report: something chosen in a list, or no lists to choose from.
bool AnythingSelected(const ReportChoices& choices, bool hasLists);
inline constexpr const char* kNothingToReportText = "There is nothing to report for the selections made.";

// The list's label on the panel ("&TEAMS", "&WEEKS", "S&ESSIONS", "AWAR&DS", "&" + the plural
// player word in capitals) and its tool tip.
std::string ListLabel(SelectionList list);
std::string ListTip(SelectionList list);

// True when the teams list of the report type begins with the substitutes' entry instead of the
// "SELECT ONE OR MORE TEAMS" heading.
bool ListsSubstitutes(int reportType);

// The entries of a list as the window shows them, for the league in memory. The teams list
// starts with its heading (value 0); the weeks list holds the processed weeks; the players list
// the players of the teams in use in roster order, then the substitutes; the sessions list the
// sessions reached so far; the awards list the statistic categories that have a name.
std::vector<ListEntry> ListEntries(SelectionList list, int reportType);

// Parses a typed selection of a list: "all" (every entry but the teams heading), or numbers and
// ranges separated by commas ("1,3-5"); players also by name (blanks around it and case
// ignored). Numbers are team numbers, weeks, player records and sessions; for the awards list
// they are places in the list (1 = first). values receives the entries' values, in list order
// without repeats.
// Returns false with a message naming what does not exist.
bool ParseSelection(SelectionList list, int reportType, const std::string& text,
                    std::vector<int>& values, std::string& problem);

}  // namespace tallmark::reports
