// The neutral description of one graph page, as the graph builder makes it and the chart
// drawing shows it: a kind, data sets of values over labelled points, titles, and the look.
#pragma once

#include <string>
#include <vector>

namespace tallmark::graphs {

// The five graphs of the Graphs menu (GraphNumber).
enum class GraphType {
  Rankings = 1,        // statistical rankings: bars per ranked player
  WeeklyPlayers = 2,   // each selected week: high, low and average of each player
  PlayersToDate = 3,   // each selected player: a line over the weeks
  WeeklyTeams = 4,     // each selected week: high, low and average game total of each team
  TeamsToDate = 5,     // each selected team: a line over the weeks
};

enum class GraphKind {
  Bars,     // one group of bars per point, one bar per data set
  Lines,    // one line per data set
  HighLow,  // a high-low stroke per point (sets 0 high and 1 low) and a line for set 2
};

struct DataSet {
  std::string name;            // legend text
  std::vector<double> values;  // one per point
};

struct GraphPage {
  GraphKind kind = GraphKind::Bars;
  std::string title;      // names the graph (and its subject after " | ")
  std::string subtitle;   // date, league, session and week
  std::string xTitle;     // what the points are
  std::vector<std::string> labels;  // one per point
  std::string yTitle;     // what the values are
  std::vector<DataSet> sets;
  // Parts of the league the graph leaves out because they are missing from their files, each
  // as a line ("WEEK 3 COULD NOT BE READ: ...").
  std::vector<std::string> notes;
  bool threeD = false;    // bars drawn with depth
  bool color = false;     // coloured series, else black and white patterns
};

// The choices of the graph window's option frames and of the "Scratch or Handicap Pins" menu.
struct GraphOptions {
  int maxPoints = 0;      // "Max of" number; 0 is "All"
  bool color = false;
  bool threeD = false;
  bool highLow = false;   // "&Line Graph Type": "High-Low" rather than "Average"
  bool handicap = false;  // scores with handicap rather than scratch
};

// What the selection lists chose. Categories are statistic columns (0..27), players record
// indexes, teams team numbers, weeks and sessions numbers from 1.
struct GraphSelection {
  std::vector<int> categories;
  std::vector<int> sessions;
  std::vector<int> weeks;
  std::vector<int> teams;
  std::vector<int> players;
};

}  // namespace tallmark::graphs
