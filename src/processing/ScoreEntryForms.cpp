// The printed forms of the results window: the question that chooses them and what each holds.
#include "common/Text.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"
#include "common/UserIO.h"

namespace tallmark {

std::optional<PrintRequest> ScoreEntry::askPrintForms() const {
  if (team_ == 0) return std::nullopt;
  MsgAnswer a = userio().message(PrintFormsQuestion(), kPrintFormsTitle, MsgButtons::YesNoCancel,
                                 MsgIcon::Question);
  if (a != MsgAnswer::Yes && a != MsgAnswer::No) return std::nullopt;
  PrintRequest request;
  if (a == MsgAnswer::Yes) request.teams = teams_;
  else request.teams = {static_cast<Integer>(team_)};
  if (!viewingEarlierWeek()) {
    // A cancelled input box answers nothing, which the range check turns into no extra rows.
    std::optional<std::string> typed = userio().input(ExtraRowsPrompt(), kExtraRowsTitle, "0");
    request.extraRows = CheckRange(typed.value_or(""), 0, 0, lg.PlayersPerWeek, 0);
  }
  return request;
}

// A data entry form keeps the players and the handicaps; the scores are left to be written in.
std::string ScoreEntry::FormCell(int gridRow, int col) const {
  if (viewingEarlierWeek()) return cellText(gridRow, col);
  EntryColumnKind kind = column(col).kind;
  if (gridRow <= rowCount()) {
    bool player = kind == EntryColumnKind::PlayerType || kind == EntryColumnKind::PlayerName ||
                  kind == EntryColumnKind::Handicap || kind == EntryColumnKind::Average;
    return player ? cellText(gridRow, col) : std::string();
  }
  bool handicapRow = gridRow - rowCount() == 2;
  if (kind == EntryColumnKind::PlayerName || (handicapRow && kind == EntryColumnKind::Game))
    return cellText(gridRow, col);
  return {};
}

EntryForm ScoreEntry::printedForm(int team, int extraRows) {
  EntryForm form;
  if (team_ == 0) return form;
  // The team asked for is put in place of the team shown while its form is made.
  int keptTeam = team_;
  std::vector<EntryRow> keptRows = rows_;
  bool keptForfeit = shownForfeit_;
  if (team != team_) {
    team_ = team;
    rows_ = LoadRows(team);
    shownForfeit_ = StoredForfeit(rows_);
  }
  form.heading = {"Week " + std::to_string(shown_) + " of " + std::to_string(lg.NumWeeks),
                  TrimRight(lg.PlayerName[lg.Roster[team_][0]]) + " against " + opponentName()};
  for (int c = 0; c < columnCount(); ++c) {
    form.headers.push_back(columnHeader(c));
    form.widths.push_back(columnWidth(c));
  }
  auto addRow = [&](int gridRow) {
    std::vector<std::string> cells;
    for (int c = 0; c < columnCount(); ++c) cells.push_back(gridRow < 0 ? "" : FormCell(gridRow, c));
    form.cells.push_back(std::move(cells));
  };
  for (int j = 1; j <= rowCount(); ++j) addRow(j);
  for (int k = 0; k < extraRows; ++k) addRow(-1);
  for (int k = 1; k <= kEntryTotalRows; ++k) addRow(rowCount() + k);
  if (viewingEarlierWeek())
    form.footing = {"Won: " + NumberText(lg.TeamPointsWeek[TeamColumn(team_)])};
  else
    form.footing = {"Won: __________", "Signed: ______________________________"};
  team_ = keptTeam;
  rows_ = std::move(keptRows);
  shownForfeit_ = keptForfeit;
  return form;
}

}  // namespace tallmark
