// Comma-separated exports beside the league's files: final averages (for the association) and
// every player's raw scores week by week.
#pragma once

#include <optional>
#include <string>

namespace tallmark {

// The averages file of export index 0, 1 or 2: DataPath + FileName with its first two
// characters replaced by "$" and the export number + ".CSV" (LEAGUE -> $1AGUE.CSV).
std::string AveragesFileName(int index);
// The raw scores file: DataPath + FileName + ".CSV".
std::string RawScoresFileName();

// A name as exported: one that a spreadsheet would take for a formula (beginning with "=",
// "+", "-" or "@") gets a leading single quote.
std::string SpreadsheetSafe(const std::string& name);

// File menu "Export Averages": 0 the bowlers, 1 the bowlers and substitutes, 2 the teams.
// Asks for confirmation and (unless code is given) for the league code. Returns true when the
// file was written.
bool ExportAverages(int index, const std::optional<std::string>& code = std::nullopt);

// File menu "Raw Scores": every score record of weeks StartWeek..CurrentWeek, one line each.
bool ExportRawScores();

}  // namespace tallmark
