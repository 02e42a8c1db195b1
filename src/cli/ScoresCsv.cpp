#include "cli/ScoresCsv.h"

#include <algorithm>
#include <cstdlib>

#include "league/LeagueData.h"
#include "common/SheetText.h"
#include "common/Text.h"
#include "processing/ScoreEntry.h"

namespace tallmark::cli {

namespace {

bool WholeNumber(const std::string& text, int& value) {
  std::string t = Trim(text);
  if (t.empty() || t.size() > 6) return false;
  for (char c : t)
    if (c < '0' || c > '9') return false;
  value = std::atoi(t.c_str());
  return true;
}

std::string Where(int line) { return "line " + std::to_string(line) + ": "; }

std::string Quoted(const std::string& field) { return "\"" + ShownField(field) + "\""; }

// "#" and a record number, or a name without control characters; else why not.
std::string PlayerProblem(const std::string& player) {
  int index = 0;
  if (!player.empty() && player[0] == '#' && !WholeNumber(player.substr(1), index))
    return Quoted(player) + " is not #INDEX (a record number)";
  if (HasControlCharacter(player)) return "the player's name holds a control character";
  return {};
}

// The lines of the text: each ends in CR LF, LF or CR alone.
std::vector<std::string> Lines(const std::string& data) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t end = data.find_first_of("\r\n", start);
    if (end == std::string::npos) end = data.size();
    lines.push_back(data.substr(start, end - start));
    start = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

// Fields past the first `from`, padded with blanks to count.
std::vector<std::string> Take(const std::vector<std::string>& f, std::size_t from, int count) {
  std::vector<std::string> out(count);
  for (int i = 0; i < count; ++i)
    if (from + i < f.size()) out[i] = Trim(f[from + i]);
  return out;
}

void ReadRow(int line, const std::vector<std::string>& f, int games, int extraStats,
             ScoreSheet& sheet) {
  std::size_t most = 4 + games + 1 + extraStats;
  ScoreRow row;
  row.line = line;
  if (f.size() > most) {
    sheet.problems.push_back(Where(line) + "more than " + std::to_string(most) +
                             " fields (team, position, player, type, " + std::to_string(games) +
                             " games, incomplete, " + std::to_string(extraStats) +
                             " extra statistics)");
    return;
  }
  if (!WholeNumber(f[0], row.team)) {
    sheet.problems.push_back(Where(line) + Quoted(f[0]) + " is not a team number");
    return;
  }
  if (f.size() < 4u + games) {
    sheet.problems.push_back(Where(line) + "fewer than " + std::to_string(games) +
                             " game columns (team, position, player, type, " +
                             std::to_string(games) + " games)");
    return;
  }
  if (!WholeNumber(f[1], row.position)) {
    sheet.problems.push_back(Where(line) + "the position is not a whole number");
    return;
  }
  bool ok = true;
  row.player = Utf8ToCp1252(Trim(f[2]), &ok);
  if (!ok) {
    sheet.problems.push_back(Where(line) + "the player's name has characters a name cannot hold");
    return;
  }
  if (std::string problem = PlayerProblem(row.player); !problem.empty()) {
    sheet.problems.push_back(Where(line) + problem);
    return;
  }
  row.type = f.size() > 3 ? Trim(f[3]) : "";
  row.games = Take(f, 4, games);
  row.incomplete = f.size() > 4u + games ? Trim(f[4 + games]) : "";
  row.extras = Take(f, 5 + games, extraStats);
  sheet.rows.push_back(row);
}

}  // namespace

bool SplitCsvLine(const std::string& line, std::vector<std::string>& fields, char separator) {
  fields.clear();
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  return !quoted;
}

ScoreSheet ParseScoreSheet(const std::string& bytes, int games, int extraStats) {
  ScoreSheet sheet;
  SheetFormat format;
  const std::string data = ReadSheet(bytes, format);
  sheet.format = DescribeSheet(format);
  int line = 0;
  for (std::string text : Lines(data)) {
    ++line;
    std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    std::vector<std::string> f;
    if (!SplitCsvLine(text, f, format.separator)) {
      sheet.problems.push_back(Where(line) + "a quoted field is not closed");
      continue;
    }
    std::string first = Lower(Trim(f[0]));
    if (first == "team") continue;  // the header
    if (first == "date") {
      sheet.hasDate = true;
      sheet.dateLine = line;
      sheet.date = f.size() > 1 ? Trim(f[1]) : "";
    } else if (first == "forfeit") {
      ForfeitLine fl{line, 0};
      if (f.size() != 2 || !WholeNumber(f[1], fl.team))
        sheet.problems.push_back(Where(line) + "a forfeit line is \"forfeit,TEAM\"");
      else
        sheet.forfeits.push_back(fl);
    } else {
      ReadRow(line, f, games, extraStats, sheet);
    }
  }
  if (sheet.problems.empty() && sheet.rows.empty() && sheet.forfeits.empty())
    sheet.problems.push_back(Where(std::max(line, 1)) + "the sheet has no score rows");
  return sheet;
}

int PlayerTypeOfWord(const std::string& word) {
  if (Trim(word).empty()) return kRegular;
  std::vector<std::vector<std::string>> words = {
      {"regular", "r", "reg"}, {"sub", "s", "substitute"}, {"roving sub", "rs", "roving"},
      {"vacancy", "v", "vac"}, {"absent", "a"},            {"forfeit", "f"}};
  for (int t = kRegular; t <= kForfeit; ++t) words[t].push_back(PlayerTypeText(t));
  return ChooseWord(word, words);
}

bool ParseGameList(const std::string& text, int games, std::vector<int>& out) {
  out.clear();
  std::string token;
  auto flush = [&]() {
    if (token.empty()) return true;
    int g = 0;
    if (!WholeNumber(token, g) || g < 1 || g > games) return false;
    out.push_back(g - 1);
    token.clear();
    return true;
  };
  for (char c : text) {
    if (c == ' ' || c == ';' || c == '/') {
      if (!flush()) return false;
    } else {
      token += c;
    }
  }
  return flush();
}

}  // namespace tallmark::cli
