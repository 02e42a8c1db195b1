// The comma-separated sheet of one week's scores read by "tallmark-cli scores".
//
//   date,MM/DD/YY                      the week's date (optional)
//   forfeit,TEAM                       the team forfeits the week
//   TEAM,POSITION,PLAYER,TYPE,GAME 1,...,GAME N,INCOMPLETE,EXTRA 1,...,EXTRA K
//
// One row per team and line-up position, with a field for each of the league's games (blank
// for a score not given). PLAYER is the name as stored or "#index" (blank keeps the player
// listed in the row); TYPE is Regular, Sub, Roving Sub, Vacancy, Absent or Forfeit;
// INCOMPLETE lists the game numbers not completed, separated by blanks. Lines end in CR LF, LF
// or CR. Blank lines, lines starting with "#" and a header line starting with "team" are
// skipped. Fields may be quoted ("Doe, John") with "" for a quote inside. A sheet without a
// row or forfeit line is refused.
#pragma once

#include <string>
#include <vector>

namespace tallmark::cli {

struct ScoreRow {
  int line = 0;
  int team = 0;
  int position = 0;
  std::string player;  // Windows-1252
  std::string type;
  std::vector<std::string> games;   // GamesPerWeek fields
  std::string incomplete;
  std::vector<std::string> extras;  // NumExtraStats fields, blank when not given
};

struct ForfeitLine {
  int line = 0;
  int team = 0;
};

struct ScoreSheet {
  bool hasDate = false;
  int dateLine = 0;
  std::string date;
  std::vector<ForfeitLine> forfeits;
  std::vector<ScoreRow> rows;
  std::vector<std::string> problems;  // lines that could not be read, "line N: ..."
  std::string format;                 // how the sheet was read: "UTF-8, comma-separated"
};

// Splits one line into its fields (quotes as above); false when a quote is not closed.
bool SplitCsvLine(const std::string& line, std::vector<std::string>& fields, char separator = ',');

// Reads the sheet of a league with the given games per week and extra statistics.
// The sheet may be UTF-8 or Windows-1252, separated by commas, semicolons or tabs (detected from
// its first line that is not blank or a comment).
ScoreSheet ParseScoreSheet(const std::string& bytes, int games, int extraStats);

// The player type of a word of the sheet (also the window's own texts and short forms: R, S,
// RS, V, A); -1 when unknown.
int PlayerTypeOfWord(const std::string& word);

// The game numbers of an INCOMPLETE field (1-based in the sheet, 0-based here); false when a
// value is not a game number.
bool ParseGameList(const std::string& text, int games, std::vector<int>& out);

}  // namespace tallmark::cli
