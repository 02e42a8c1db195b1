#include "processing/LaneExport.h"

#include <algorithm>
#include <cctype>

#include "common/Text.h"
#include "league/LeagueData.h"

namespace tallmark {

namespace {

// A heading without regard to case, blanks and punctuation: "Lane #" is "lane".
std::string HeadingKey(const std::string& heading) {
  std::string key;
  for (char c : heading)
    if (std::isalnum(static_cast<unsigned char>(c))) key += static_cast<char>(std::tolower(c));
  return key;
}

bool OneOf(const std::string& key, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return key == w; });
}

// The game number (1-based) of a heading "Game 1", "G1", "Gm1", "Score 1"; 0 when none.
int GameOfHeading(const std::string& key) {
  for (const char* stem : {"game", "gm", "g", "score"}) {
    const std::string s = stem;
    if (key.size() <= s.size() || key.compare(0, s.size(), s) != 0) continue;
    const std::string digits = key.substr(s.size());
    if (digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), ::isdigit)) continue;
    const int g = std::stoi(digits);
    if (g >= 1 && g <= kMaxGames) return g;
  }
  return 0;
}

void SetGame(LaneColumns& c, int game, int column) {
  if (static_cast<int>(c.games.size()) < game) c.games.resize(game, -1);
  if (c.games[game - 1] < 0) c.games[game - 1] = column;
}

// Takes a heading; false when the column is not one the import uses.
bool TakeHeading(LaneColumns& c, const std::string& heading, int column) {
  const std::string key = HeadingKey(heading);
  int* slot = nullptr;
  if (OneOf(key, {"lane", "laneno", "lanenumber", "ln"})) slot = &c.lane;
  else if (OneOf(key, {"bowler", "name", "bowlername", "player", "playername"})) slot = &c.name;
  else if (OneOf(key, {"firstname", "first"})) slot = &c.first;
  else if (OneOf(key, {"lastname", "last", "surname"})) slot = &c.last;
  else if (OneOf(key, {"team", "teamname", "teamno", "teamnumber"})) slot = &c.team;
  else if (OneOf(key, {"id", "bowlerid"})) slot = &c.id;
  else if (key == "date") slot = &c.date;
  if (slot != nullptr && *slot < 0) {
    *slot = column;
    return true;
  }
  if (const int g = GameOfHeading(key); g > 0) {
    SetGame(c, g, column);
    return true;
  }
  return false;
}

bool HasGames(const LaneColumns& c) {
  return std::any_of(c.games.begin(), c.games.end(), [](int col) { return col >= 0; });
}

std::string MissingHeadings(const LaneColumns& c) {
  std::vector<std::string> missing;
  if (c.lane < 0) missing.push_back("lane column (\"Lane\", \"Lane #\", \"Lane No\" or \"Ln\")");
  if (c.name < 0 && (c.first < 0 || c.last < 0))
    missing.push_back("bowler column (\"Bowler\", \"Name\", \"Player\", or \"First Name\" and "
                      "\"Last Name\")");
  if (!HasGames(c)) missing.push_back("game column (\"Game 1\", \"G1\", \"Gm1\" or \"Score 1\")");
  std::string text;
  for (std::size_t i = 0; i < missing.size(); ++i)
    text += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
  return text;
}

std::string Field(const CsvRecord& r, int column) {
  if (column < 0 || column >= static_cast<int>(r.fields.size())) return {};
  return Trim(Utf8ToCp1252(r.fields[column]));
}

bool Blank(const CsvRecord& r) {
  return std::all_of(r.fields.begin(), r.fields.end(),
                     [](const std::string& f) { return Trim(f).empty(); });
}

LaneRow RowOf(const CsvRecord& r, const LaneColumns& c) {
  LaneRow row;
  row.line = r.line;
  row.lane = Field(r, c.lane);
  row.name = c.name >= 0 ? Field(r, c.name) : Trim(Field(r, c.first) + " " + Field(r, c.last));
  row.team = Field(r, c.team);
  row.id = Field(r, c.id);
  row.date = Field(r, c.date);
  for (int col : c.games) row.games.push_back(Field(r, col));
  return row;
}

bool Uses(const LaneColumns& c, int col) {
  for (int used : {c.lane, c.name, c.first, c.last, c.team, c.id, c.date})
    if (used == col) return true;
  return std::find(c.games.begin(), c.games.end(), col) != c.games.end();
}

bool PositiveNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), ::isdigit))
    return false;
  value = std::stoi(text);
  return value >= 1;
}

}  // namespace

bool ParseLaneColumns(const std::string& option, LaneColumns& columns, std::string& problem) {
  columns = LaneColumns{};
  std::size_t start = 0;
  while (start <= option.size()) {
    std::size_t end = option.find(',', start);
    if (end == std::string::npos) end = option.size();
    const std::string item = Trim(option.substr(start, end - start));
    start = end + 1;
    const std::size_t eq = item.find('=');
    const std::string key = Lower(Trim(item.substr(0, eq)));
    const std::string value = eq == std::string::npos ? std::string() : Trim(item.substr(eq + 1));
    int first = 0, last = 0;
    const std::size_t dash = value.find('-');
    bool ok = key == "games" ? PositiveNumber(value.substr(0, dash), first) &&
                                   PositiveNumber(dash == std::string::npos ? value.substr(0, dash)
                                                                            : value.substr(dash + 1),
                                                  last) &&
                                   last >= first && last - first < kMaxGames
                             : PositiveNumber(value, first);
    if (!ok || (key != "games" && !OneOf(key, {"lane", "name", "team"}))) {
      problem = "\"" + item + "\" is not lane=N, name=N, games=N-M or team=N";
      return false;
    }
    if (key == "games")
      for (int g = first; g <= last; ++g) columns.games.push_back(g - 1);
    else
      (key == "lane" ? columns.lane : key == "name" ? columns.name : columns.team) = first - 1;
  }
  if (std::string missing = MissingHeadings(columns); !missing.empty()) {
    problem = "--columns needs lane=N, name=N and games=N-M";
    return false;
  }
  return true;
}

LaneExport ReadLaneExport(const std::string& bytes, const std::string& columnsOption) {
  LaneExport out;
  const std::string text = ReadSheet(bytes, out.format);
  std::vector<CsvRecord> records = SplitSheet(text, out.format.separator);
  records.erase(std::remove_if(records.begin(), records.end(), Blank), records.end());
  if (records.empty()) {
    out.refusal = "the file is empty";
    return out;
  }
  const CsvRecord& heading = records.front();
  if (!columnsOption.empty() && !ParseLaneColumns(columnsOption, out.columns, out.refusal))
    return out;
  LaneColumns byHeading;
  for (int col = 0; col < static_cast<int>(heading.fields.size()); ++col)
    TakeHeading(byHeading, heading.fields[col], col);
  if (columnsOption.empty()) {
    out.columns = byHeading;
  } else {  // the date and the ID are still found by their headings
    out.columns.date = byHeading.date;
    out.columns.id = byHeading.id;
  }
  if (std::string missing = MissingHeadings(out.columns); !missing.empty()) {
    std::string found;
    for (const std::string& h : heading.fields) found += (found.empty() ? "" : ", ") + Trim(h);
    out.refusal = "the heading row (line " + std::to_string(heading.line) + ") has no " + missing +
                  "; headings found: " + (found.empty() ? "none" : found);
    return out;
  }
  for (int col = 0; col < static_cast<int>(heading.fields.size()); ++col)
    if (!Uses(out.columns, col) && !Trim(heading.fields[col]).empty())
      out.ignored.push_back(Trim(Utf8ToCp1252(heading.fields[col])));
  for (std::size_t i = 1; i < records.size(); ++i) out.rows.push_back(RowOf(records[i], out.columns));
  return out;
}

}  // namespace tallmark
