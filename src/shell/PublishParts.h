// Pieces the published pages share: their style sheet, sections and tables, and next week's
// pairs on their lanes.
#pragma once

#include <string>
#include <vector>

namespace tallmark::publish {

// The style sheet of the league's pages. Wide tables scroll inside their own box on a narrow
// screen, never the page.
extern const char* const kPageStyle;

// A page of the site: the frame, the league's name over the heading, and a link back to the index.
std::string Page(const std::string& title, const std::string& heading, const std::string& body);

std::string Section(const std::string& id, const std::string& heading, const std::string& body);

// A table cell: text (Windows-1252, escaped here) or markup; numbers are right-aligned.
struct Cell {
  std::string html;
  bool number = false;
};
Cell TextCell(const std::string& cp1252);
Cell NumberCell(const std::string& text);
Cell LinkCell(const std::string& href, const std::string& cp1252);

struct Table {
  std::string caption;  // Windows-1252; none when empty
  std::vector<Cell> head;
  std::vector<std::vector<Cell>> rows;
  std::vector<std::vector<Cell>> foot;
};
// The table in a box of its own that scrolls sideways when the screen is narrower than it.
std::string TableHtml(const Table& t);

// One lane pair of next week: the lanes as markup ("101&#8211;102") and its two teams (team
// numbers; 0 for a position still open and 101 for nobody yet).
struct LanePair {
  std::string lanesHtml;
  int first = 0, second = 0;
};
struct NextWeek {
  int week = 0;
  bool over = false;       // the season has no next week
  bool scheduled = false;  // its lanes hold teams
  std::vector<LanePair> pairs;
};
// Next week's pairs, a position round paired by the standings. Memory holds the current week's
// lane slots again afterwards.
NextWeek NextWeekPairs();
// A lane slot's team as the standing sheet names it ("POS", "TBD" or the team's name).
std::string SlotTeam(int team);

}  // namespace tallmark::publish
