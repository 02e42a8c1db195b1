// The team standings of the open league as the main window shows them: the grid's header and
// rows, and the five labels around it. Also used by the command-line standings.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tallmark {

enum class CellAlign { Left, Centre, Right };

struct StandingsColumn {
  std::string header;
  int width;          // in characters
  CellAlign align;    // of the cells; headers are centred
};

struct StandingsTable {
  std::vector<StandingsColumn> columns;
  std::vector<std::vector<std::string>> rows;  // one per team, best first
  // Label1(0..5): league, data files, week, session, clock (left empty here), league average.
  std::array<std::string, 6> labels;
};

// One team's line of the standings.
struct StandingsEntry {
  int position;
  int team;     // team number
  int record;   // the team's name record
  float won, lost, scratch, handicap;
};

// Orders the teams (points won, then total score), stores each team's position in category 16
// and returns them best first, with the overall league average.
std::vector<StandingsEntry> OrderedStandings(float& leagueAverage);

// The same as the table the main window shows. Texts are the league's single-byte texts.
StandingsTable DrawStandings();

// won x 100 / (won + lost) with two decimals; "0.00" when no points were decided.
std::string PercentText(float won, float lost);
// A number with two decimals, halves rounded away from zero at its shortest decimal form.
std::string FixedTwo(float value);

// The table as plain text: a header line and one line per team, columns at their widths.
std::string StandingsText(const StandingsTable& table);

}  // namespace tallmark
