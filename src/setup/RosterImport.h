// Filling a league's teams from a spreadsheet (comma-separated values, UTF-8), all or nothing.
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
  bool ok() const { return refusals.empty(); }
};

// Checks every row against the league in memory; when none is refused, applies them all (names
// cleaned as the teams window cleans them). Nothing changes when any row is refused.
RosterImportResult ImportRoster(const std::string& csvUtf8);

// The fields of each line of a comma-separated text (quoted fields may hold commas, doubled
// quotes and line breaks). Each entry carries the line number the record starts on.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};
std::vector<CsvRecord> ParseCsv(const std::string& text);

}  // namespace tallmark
