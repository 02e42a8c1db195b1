// Weekly score entry: the rules of the results window, without the window.
//
// A ScoreEntry works on the week after the last processed one. It holds the rows of one team at
// a time (the "current team"); choosing another team saves the current one first, as the window
// does. Every edit returns whether it was taken; a refusal that the window explains with a
// message box shows that message through UserIO, the others beep. A grid window drives it cell
// by cell (columns, cellText, cellEditor, enterCell, the player lists); the command-line tool
// drives it row by row (setPlayerType, choosePlayer, setScore, setIncomplete, setExtraStat).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "league/LeagueData.h"

namespace tallmark {

// Texts of the six player types (index = EntryKind).
const std::string& PlayerTypeText(int type);

// One line-up position of the team shown.
struct EntryRow {
  Integer player = 0;
  Integer type = kRegular;
  Integer handicap = 0;      // the player's current handicap, whole
  Integer average = 0;       // the player's current average, whole
  Arr<Integer, 11> games{};  // game scores 0..GamesPerWeek-1
  Integer incompleteMask = 0;  // bit g: game g was not completed
  Arr<Integer, 10> extra{};  // extra statistics 0..NumExtraStats-1

  bool incomplete(int game) const { return (incompleteMask >> game) & 1; }
  int total() const;  // the row's games added up
};

// What a grid column holds.
enum class EntryColumnKind { PlayerType, PlayerName, Handicap, Average, Game, Incomplete, Total, Extra };
struct EntryColumn {
  EntryColumnKind kind;
  int index = 0;  // the game (0-based) or the extra statistic
};
// How a cell is edited: not at all, as typed text, or by choosing from a list.
enum class CellEditor { None, Text, TypeList, NameList, MarkList };
// The two choices of an incomplete mark: completed, then incomplete.
std::vector<std::string> IncompleteMarkChoices();
// The key that sets and clears a game's incomplete mark from its score cell (either case).
constexpr char kIncompleteKey = 'X';
bool IsIncompleteKey(char key);
// A cell of the grid: grid row (1.. the players) and column.
struct EntryCell {
  int gridRow = 0;
  int col = 0;
};

// Total rows below the rows of the players.
constexpr int kEntryTotalRows = 3;
extern const char* const kSubTotalCaption;         // "           SUB TOTAL"
extern const char* const kHandicapCaption;         // "            HANDICAP"
extern const char* const kTotalWithHandicapCaption;  // " TOTAL WITH HANDICAP"

// What opening the week found.
enum class EntryOpen {
  Ready,       // the week's teams can be entered
  NoLeague,    // no league is open
  SeasonOver,  // every scheduled week has been processed
  NoSchedule,  // a lane slot of the week has no team in use (still "TBD")
};

// What leaving the entry did.
enum class EntryLeave {
  Kept,         // results stored, not processed (cancel, missing results, or No)
  Processed,    // the week was processed and the league saved and loaded again
  Failed,       // the backup asked for or a write failed: nothing was processed
};

// What the "PRINT DATA ENTRY FORMS" question chose: the teams to print, and the blank rows added
// below the players of each form.
struct PrintRequest {
  std::vector<Integer> teams;
  int extraRows = 0;
};

// One printed form of a team: its heading lines, the grid (headers, widths in characters, rows
// of cells) and the lines below it.
struct EntryForm {
  std::vector<std::string> heading;
  std::vector<std::string> headers;
  std::vector<int> widths;
  std::vector<std::vector<std::string>> cells;
  std::vector<std::string> footing;
};

// Hooks of leaving with the process button.
struct ProcessHooks {
  // Before anything else; none: no backup. False stops the processing (a failed backup).
  std::function<bool()> offerBackup;
  std::function<void(int percent)> progress;  // the progress of the processing
  bool askFirst = true;                       // the "process now?" question
};

class ScoreEntry {
 public:
  // Without storing, nothing is written to any file (a trial run that only checks entries).
  explicit ScoreEntry(bool storing = true) : storing_(storing) {}

  // Opens week CurrentWeek + 1: the split-season restart when the week starts the next session,
  // the week's pairing (a position round paired by the standings), every team's completeness.
  EntryOpen open();
  // When every scheduled week has been processed: opens the last week to be looked at and
  // printed only (the recap sheets of the season's last week). False when no week was processed.
  bool openLastProcessedWeek();
  int week() const { return week_; }
  // Teams of the week in lane-slot order.
  const std::vector<Integer>& teams() const { return teams_; }
  int teamsOfWeek() const { return static_cast<int>(teams_.size()); }
  // The team on the other slot of the team's lane pair; 0 when none.
  int opponentOf(int team) const;

  // Shows the team's rows; the team shown before is saved first. False for a team not playing.
  bool selectTeam(int team);
  int currentTeam() const { return team_; }
  // Stores the current team's rows (score records, completeness, the week's record).
  void saveCurrentTeam();

  // Rows 1..PlayersPerWeek of the current team.
  int rowCount() const { return static_cast<int>(rows_.size()) - 1; }
  const EntryRow& row(int slot) const { return rows_.at(slot); }

  // Row edits. Each returns true when the entry was taken.
  bool setPlayerType(int slot, int type);
  // Title and contents of the name list of the row's type.
  std::string playerListTitle(int slot) const;
  std::vector<Integer> playerChoices(int slot) const;
  bool choosePlayer(int slot, Integer player);
  bool setScore(int slot, int game, const std::string& text);
  bool setIncomplete(int slot, int game, bool marked);
  bool setExtraStat(int slot, int stat, const std::string& text);
  // The "&Forfeit" box of the current team.
  void setForfeit(bool on);
  bool forfeited() const { return viewingEarlierWeek() ? shownForfeit_ : held_.at(team_).forfeit; }

  // The current team's handicap of the week, complete flag, and column totals.
  // (An earlier week shows the handicap stored with its results.)
  Integer teamHandicap() const;
  bool teamComplete() const;
  int gameSubTotal(int game) const;
  // "Results entered for n of the m teams".
  std::string statusText() const;

  // The grid: columns, headers, widths in characters, cell texts (grid rows 1..rowCount() are
  // the players, the next three the totals), the editor of a cell and typed entries.
  int columnCount() const;
  EntryColumn column(int col) const;
  std::string columnHeader(int col) const;
  int columnWidth(int col) const;
  std::string cellText(int gridRow, int col) const;
  CellEditor cellEditor(int gridRow, int col) const;
  bool enterCell(int gridRow, int col, const std::string& text);
  // Fast entry: Tab, Shift+Tab and Return go to the next (previous) cell that takes typed
  // entries, along the row and then to the next row, passing the type, name, incomplete-mark
  // and computed columns. Nothing after the last (before the first) such cell: there Tab
  // leaves the grid.
  std::optional<EntryCell> nextEntryCell(int gridRow, int col, bool forward) const;
  // The incomplete-mark key on a score or mark cell: the game's mark turns over.
  bool toggleIncomplete(int gridRow, int col);

  // The date box; stored in WeekDate(week) when leaving.
  void setDate(const std::string& date) { date_ = date; }
  const std::string& date() const { return date_; }

  // The week shown: the entry week, or an earlier week looked at (and printed) read-only.
  int shownWeek() const { return shown_; }
  bool viewingEarlierWeek() const { return shown_ != week_; }
  // Weeks that can be shown: 1..week().
  std::vector<int> weeksToShow() const;
  // Shows week 1..week(): an earlier week's lane slots and stored rows, or the entry week again
  // with its teams as stored. The entry week's team shown is saved first. The team shown stays
  // when it plays in the week shown, otherwise the week's first team is shown.
  bool showWeek(int week);
  // The date of the week shown.
  std::string shownDate() const;
  // Labels: "Results for week n of m", the lane pair of the team shown, its opponent's name.
  std::string weekText() const;
  std::string laneText() const;
  std::string opponentName() const;

  // "&Print Form" / "&Print Results": the question, and for data entry forms the number of
  // extra blank rows. Nothing when cancelled.
  std::optional<PrintRequest> askPrintForms() const;
  // The printed form of a team of the week shown: a data entry form for the entry week (players
  // and handicaps, the scores left blank to be written in), the stored results of an earlier
  // week. The team shown stays shown and nothing is stored.
  EntryForm printedForm(int team, int extraRows);

  // Leaving with the process button: processes the week when every team is complete and the
  // user agrees; otherwise leaves the results stored but unprocessed.
  EntryLeave leaveAndProcess(const ProcessHooks& hooks = {});
  // Leaving with "&Cancel": the results stay stored; the statistics of the session that was
  // current on opening are back in memory.
  void leaveWithoutProcessing();

 private:
  static bool ProcessAndSave(int week, const std::function<void(int percent)>& progress);
  // What the entry holds for each team of the week: its forfeit mark and the sums of its rows'
  // averages and handicaps.
  struct TeamHeld {
    bool forfeit = false;
    int averageSum = 0;
    int handicapSum = 0;
  };

  // The statistics of a player before the entering average of the first week was taken.
  struct EnteringSaved {
    int team = 0;  // the team whose rows gave the average
    Single starting = 0, current = 0, handicap = 0;
  };

  std::vector<EntryRow> LoadRows(int team);
  void TakeEnteringAverages(int team, const std::vector<EntryRow>& rows);
  void RestoreEnteringAverages();
  void RefreshRow(EntryRow& r);
  void RefreshRows();
  void Hold(int team, const std::vector<EntryRow>& rows);
  static bool StoredForfeit(const std::vector<EntryRow>& rows);
  bool Editable(int slot) const;
  void FillUnearned(EntryRow& r);
  Integer TeamHandicapOf(int team) const;
  static bool RowsComplete(const std::vector<EntryRow>& rows, bool forfeit);
  void StoreTeamHandicaps(int team);
  void CountComplete();
  void SumCompleteFlags();
  void StoreDate();
  bool ReadTeams(int week);
  void ShowRows(int team);
  std::string FormCell(int gridRow, int col) const;

  bool storing_;
  bool closedSeason_ = false;  // only processed weeks are shown
  int week_ = 0;
  int shown_ = 0;              // the week shown; week_ while entering
  bool shownForfeit_ = false;  // the forfeit of the team shown in an earlier week
  int openingSession_ = 1;
  std::vector<Integer> teams_;
  int team_ = 0;
  std::vector<EntryRow> rows_;  // index 0 unused
  std::string date_;
  std::vector<TeamHeld> held_ = std::vector<TeamHeld>(kMaxTeams + 1);
  std::map<int, EnteringSaved> entering_;
};

// The split-season restart that opening a week starting the next session applies: restarted
// statistics when the split says so, reclassification when asked, CurrentSession + 1. The
// statistics of the session left are written first and the restarted ones stored as the next
// session's (only when storing). Returns true when a new session began.
bool ApplySessionStart(int week, bool storing);

// A score as typed: a whole number of digits within 0..maximum; false for anything else.
bool ParseWhole(const std::string& text, int maximum, int& value);

// The sum of averages of a team's rows, each addition rounded to a whole number.
int RowAverageSum(const std::vector<EntryRow>& rows);

// Runs the weekly processing of week (the one place score entry calls it).
// Returns false when the week was refused (not the next one, or already processed).
bool RunWeeklyProcessing(int week, const std::function<void(int percent)>& progress);

// The message texts of the entry.
std::string MissingResultsText();
extern const char* const kMissingResultsTitle;   // "MISSING RESULTS"
extern const char* const kProcessTitle;          // "PROCESS WEEKLY RESULTS"
extern const char* const kProcessQuestion;
extern const char* const kVacancyRefusal;
extern const char* const kForfeitRefusal;
extern const char* const kRovingVacancyRefusal;
std::string NoSubstitutesText();
extern const char* const kExtraStatRefusal;
extern const char* const kPrintFormsTitle;       // "PRINT DATA ENTRY FORMS"
std::string PrintFormsQuestion();
extern const char* const kExtraRowsTitle;        // "ADD EXTRA BLANK ROWS"
std::string ExtraRowsPrompt();
extern const char* const kChooseFromListText;
extern const char* const kSeasonDoneText;  // "The results for all scheduled weeks have been entered."

// Tool tips of the results window.
enum class EntryTip {
  Process, Cancel, Opponent, PrintForm, PlayerType, PlayerName, Scores, Incomplete,
  IncompleteBox, Forfeit, Status, AverageAfterWeek1
};
std::string EntryTipText(EntryTip tip);
// "&Incomplete " with the plural frame term.
std::string IncompleteBoxCaption();

}  // namespace tallmark
