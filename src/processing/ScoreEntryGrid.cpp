// The grid of the results window: its columns, the texts of its cells and typed entries.
#include <algorithm>

#include "common/Text.h"
#include "processing/ScoreEntry.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

constexpr int kFixedColumns = 4;  // type, name, handicap, average

std::string Number(int value) { return std::to_string(value); }

}  // namespace

std::vector<std::string> IncompleteMarkChoices() {
  std::string frame = Trim(lg.SportTerm[9]);
  return {"  " + frame + " Completed", "X Incomplete " + frame + "s"};
}

bool IsIncompleteKey(char key) { return key == kIncompleteKey || key == kIncompleteKey + ('a' - 'A'); }

int ScoreEntry::columnCount() const {
  return kFixedColumns + 2 * lg.GamesPerWeek + 1 + lg.NumExtraStats;
}

EntryColumn ScoreEntry::column(int col) const {
  int games = lg.GamesPerWeek;
  if (col == 0) return {EntryColumnKind::PlayerType};
  if (col == 1) return {EntryColumnKind::PlayerName};
  if (col == 2) return {EntryColumnKind::Handicap};
  if (col == 3) return {EntryColumnKind::Average};
  int g = col - kFixedColumns;
  if (g < 2 * games)
    return {g % 2 == 0 ? EntryColumnKind::Game : EntryColumnKind::Incomplete, g / 2};
  if (g == 2 * games) return {EntryColumnKind::Total};
  return {EntryColumnKind::Extra, g - 2 * games - 1};
}

std::string ScoreEntry::columnHeader(int col) const {
  EntryColumn c = column(col);
  switch (c.kind) {
    case EntryColumnKind::PlayerType: return "Player Type";
    case EntryColumnKind::PlayerName: return "Player Name";
    case EntryColumnKind::Handicap: return "Hcp";
    case EntryColumnKind::Average: return "Avg";
    case EntryColumnKind::Game: return Number(c.index + 1) + "Gm";
    case EntryColumnKind::Incomplete: return "I";
    case EntryColumnKind::Total: return "Total";
    case EntryColumnKind::Extra: return TrimRight(lg.ExtraStatAbbrev[c.index]);
  }
  return {};
}

int ScoreEntry::columnWidth(int col) const {
  switch (column(col).kind) {
    case EntryColumnKind::PlayerType: return 16;
    case EntryColumnKind::PlayerName: return 20;
    case EntryColumnKind::Incomplete: return 2;
    case EntryColumnKind::Total: return 6;
    default: return 5;
  }
}

std::string ScoreEntry::cellText(int gridRow, int col) const {
  EntryColumn c = column(col);
  int n = rowCount();
  if (gridRow >= 1 && gridRow <= n) {
    const EntryRow& r = rows_[gridRow];
    switch (c.kind) {
      case EntryColumnKind::PlayerType: return PlayerTypeText(r.type);
      case EntryColumnKind::PlayerName: return lg.PlayerName[r.player];
      case EntryColumnKind::Handicap: return Number(r.handicap);
      case EntryColumnKind::Average: return Number(r.average);
      case EntryColumnKind::Game: return Number(r.games[c.index]);
      case EntryColumnKind::Incomplete: return r.incomplete(c.index) ? "X" : " ";
      case EntryColumnKind::Total: return Number(r.total());
      case EntryColumnKind::Extra: return Number(r.extra[c.index]);
    }
  }
  int total = gridRow - n;  // 1 sub-total, 2 handicap, 3 total with handicap
  if (team_ == 0 || total < 1 || total > kEntryTotalRows) return {};
  if (c.kind == EntryColumnKind::PlayerName)
    return total == 1 ? kSubTotalCaption : total == 2 ? kHandicapCaption : kTotalWithHandicapCaption;
  int hcp = teamHandicap();
  int sum = 0;
  switch (c.kind) {
    case EntryColumnKind::Game:
      sum = gameSubTotal(c.index);
      return Number(total == 1 ? sum : total == 2 ? hcp : sum + hcp);
    case EntryColumnKind::Total:
      for (int j = 1; j <= n; ++j) sum += rows_[j].total();
      hcp *= lg.GamesPerWeek;
      return Number(total == 1 ? sum : total == 2 ? hcp : sum + hcp);
    case EntryColumnKind::Handicap:
    case EntryColumnKind::Average:
    case EntryColumnKind::Extra:
      if (total != 1) return {};
      for (int j = 1; j <= n; ++j)
        sum += c.kind == EntryColumnKind::Handicap ? rows_[j].handicap
               : c.kind == EntryColumnKind::Average ? rows_[j].average
                                                    : rows_[j].extra[c.index];
      return Number(sum);
    default: return {};
  }
}

CellEditor ScoreEntry::cellEditor(int gridRow, int col) const {
  if (team_ == 0 || gridRow < 1 || gridRow > rowCount()) return CellEditor::None;
  switch (column(col).kind) {
    case EntryColumnKind::PlayerType: return CellEditor::TypeList;
    case EntryColumnKind::PlayerName: return CellEditor::NameList;
    case EntryColumnKind::Incomplete: return CellEditor::MarkList;
    case EntryColumnKind::Game:
    case EntryColumnKind::Extra: return CellEditor::Text;
    default: return CellEditor::None;
  }
}

std::optional<EntryCell> ScoreEntry::nextEntryCell(int gridRow, int col, bool forward) const {
  const int cols = columnCount();
  const int cells = rowCount() * cols;
  const int step = forward ? 1 : -1;
  const int from = std::clamp((gridRow - 1) * cols + col, -1, cells);
  for (int i = from + step; i >= 0 && i < cells; i += step)
    if (cellEditor(i / cols + 1, i % cols) == CellEditor::Text)
      return EntryCell{i / cols + 1, i % cols};
  return std::nullopt;
}

bool ScoreEntry::toggleIncomplete(int gridRow, int col) {
  const EntryColumn c = column(col);
  if ((c.kind != EntryColumnKind::Game && c.kind != EntryColumnKind::Incomplete) || gridRow < 1 ||
      gridRow > rowCount()) {
    Beep();
    return false;
  }
  return setIncomplete(gridRow, c.index, !rows_[gridRow].incomplete(c.index));
}

// A typed entry or a choice from the cell's list, given as its text.
bool ScoreEntry::enterCell(int gridRow, int col, const std::string& text) {
  EntryColumn c = column(col);
  switch (c.kind) {
    case EntryColumnKind::Game: return setScore(gridRow, c.index, Trim(text));
    case EntryColumnKind::Extra: return setExtraStat(gridRow, c.index, Trim(text));
    case EntryColumnKind::Incomplete: {
      std::vector<std::string> marks = IncompleteMarkChoices();
      bool marked = text == marks[1] || Trim(text) == "X" || Trim(text) == "x";
      if (!marked && text != marks[0] && !Trim(text).empty()) break;
      return setIncomplete(gridRow, c.index, marked);
    }
    case EntryColumnKind::PlayerType:
      for (int type = kRegular; type <= kForfeit; ++type)
        if (text == PlayerTypeText(type)) return setPlayerType(gridRow, type);
      break;
    case EntryColumnKind::PlayerName:
      if (gridRow < 1 || gridRow > rowCount()) break;
      for (Integer p : playerChoices(gridRow))
        if (TrimRight(lg.PlayerName[p]) == TrimRight(text)) return choosePlayer(gridRow, p);
      break;
    default: break;
  }
  Beep();
  return false;
}

}  // namespace tallmark
