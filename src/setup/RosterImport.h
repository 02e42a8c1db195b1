// Filling a league's teams from a spreadsheet, all or nothing. The sheet may be UTF-8 or
// Windows-1252, separated by commas, semicolons or tabs (detected from its first row).
//
// One row per roster place: team number, team name, position, player name, group, phone,
// starting average, games before recalculation, average-after-week-1 flag. Team 0 names the
// substitutes (position = substitute number). Empty fields after the player name keep what the
// place holds; an empty team name keeps the team's name. A first row whose team field is not a
// number is taken as the heading.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

struct RosterImportResult {
  std::vector<std::string> refusals;  // "line N: reason", in file order
  int rowsApplied = 0;
  std::string format;  // how the sheet was read: "Windows-1252, semicolon-separated"
  bool ok() const { return refusals.empty(); }
};

// Checks every row against the league in memory; when none is refused, applies them all (names
// cleaned as the teams window cleans them). Nothing changes when any row is refused.
RosterImportResult ImportRoster(const std::string& sheetBytes);

}  // namespace tallmark
