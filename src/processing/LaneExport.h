// Reading a lane scoring system's export of a night: one row per bowler with a heading row,
// columns found by their heading (or named by position), fields as written.
#pragma once

#include <string>
#include <vector>

#include "common/SheetText.h"

namespace tallmark {

// The columns used, 0-based; -1 when absent.
struct LaneColumns {
  int lane = -1;
  int name = -1;   // the whole name, "First Last" or "Last, First"
  int first = -1;  // or a first and a last name column
  int last = -1;
  int team = -1;
  int id = -1;
  int date = -1;
  std::vector<int> games;  // game g (0-based) is in column games[g], -1 when none
};

// One bowler's row. Texts are Windows-1252, trimmed.
struct LaneRow {
  int line = 0;      // the file's line
  std::string lane;  // as written
  std::string name;  // as written (first and last joined by a blank)
  std::string team;
  std::string id;
  std::string date;
  std::vector<std::string> games;  // every game column, blank when not given
};

struct LaneExport {
  SheetFormat format;
  LaneColumns columns;
  std::vector<LaneRow> rows;
  std::vector<std::string> ignored;  // headings of the columns not used, as written
  std::string refusal;               // why the file is no export at all; empty when read
};

// Reads an export. columnsOption, when not empty, names the columns by position,
// "lane=N,name=N,games=N-M[,team=N]" (1-based); the first row is then still the heading.
LaneExport ReadLaneExport(const std::string& bytes, const std::string& columnsOption = {});

// Parses the columns option; false with the reason when it cannot be read.
bool ParseLaneColumns(const std::string& option, LaneColumns& columns, std::string& problem);

}  // namespace tallmark
