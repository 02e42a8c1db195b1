// tallmark-cli scores: one week's entries from a comma-separated sheet, stored as the results
// window stores them. The sheet is first tried without storing anything; only when every line
// is taken is the league opened again and the sheet entered for good.
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "cli/CaptureUserIO.h"
#include "cli/Commands.h"
#include "cli/ScoresCsv.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "common/Text.h"
#include "processing/ScoreEntry.h"
#include "common/Functs.h"

namespace tallmark::cli {

namespace {

const char* const kScoresHelp =
    "The sheet is a text file of comma-, semicolon- or tab-separated values (UTF-8 or\n"
    "Windows-1252, detected):\n"
    "\n"
    "  date,MM/DD/YY          the week's date (optional)\n"
    "  forfeit,TEAM           TEAM forfeits the week (no rows may be given for it)\n"
    "  TEAM,POSITION,PLAYER,TYPE,GAME 1,...,GAME N,INCOMPLETE,EXTRA 1,...,EXTRA K\n"
    "\n"
    "One row per team and line-up position (1 to the players per week), with a column for each\n"
    "game. PLAYER is the name as stored or #INDEX (the record number); blank keeps the player\n"
    "listed in that row. TYPE is Regular (the default), Sub, Roving Sub, Vacancy, Absent or\n"
    "Forfeit (or R, S, RS, V, A, F); Forfeit is refused in a row, as in the results window: use a forfeit line. N is the\n"
    "league's games per week; a blank game is 0, except in Vacancy and Absent rows, which keep\n"
    "their computed score. INCOMPLETE lists the game numbers not completed, separated by blanks\n"
    "(\"2 3\"). K is the league's number of extra statistics (0 to 63, blank is 0). Blank lines,\n"
    "lines starting with # and a header line starting with \"team\" are skipped. Lines end in\n"
    "CR LF, LF or CR. A sheet with no row and no forfeit line is refused.\n"
    "\n"
    "Every rule of the results window applies. A refused row is reported with its line number and\n"
    "then nothing at all is stored. Teams not named keep what was stored before, so a week can be\n"
    "entered in several runs.\n";

std::string OneLine(const std::string& text) {
  std::string s;
  for (char c : text) {
    if (c == '\r') continue;
    s += c == '\n' ? ' ' : c;
  }
  return s;
}

std::string Where(const ScoreRow& row) {
  return "line " + std::to_string(row.line) + " (team " + std::to_string(row.team) +
         ", position " + std::to_string(row.position) + "): ";
}

// Enters a sheet into the open league's next week.
class SheetEntry {
 public:
  SheetEntry(const ScoreSheet& sheet, bool storing) : sheet_(sheet), entry_(storing) {}

  // Returns the refusals, each naming its line.
  std::vector<std::string> run() {
    EntryOpen opened = entry_.open();
    if (opened != EntryOpen::Ready) {
      refusals_.push_back(opened == EntryOpen::NoSchedule
                              ? "week " + std::to_string(lg.CurrentWeek + 1) +
                                    " has no schedule: every lane slot needs a team"
                              : "The results for all scheduled weeks have been entered.");
      return refusals_;
    }
    EnterDate();
    for (const ForfeitLine& f : sheet_.forfeits) EnterForfeit(f);
    for (const ScoreRow& row : sheet_.rows) EnterRow(row);
    return refusals_;
  }

  ScoreEntry& entry() { return entry_; }

 private:
  bool Plays(int team) const {
    const auto& t = entry_.teams();
    return std::find(t.begin(), t.end(), team) != t.end();
  }

  void EnterDate() {
    if (!sheet_.hasDate) return;
    if (!IsValidDate(sheet_.date)) {
      refusals_.push_back("line " + std::to_string(sheet_.dateLine) + ": \"" + sheet_.date +
                          "\" is not a date (MM/DD/YY)");
      return;
    }
    entry_.setDate(sheet_.date);
  }

  void EnterForfeit(const ForfeitLine& f) {
    std::string where = "line " + std::to_string(f.line) + ": ";
    if (!Plays(f.team)) {
      refusals_.push_back(where + "team " + std::to_string(f.team) + " does not play in week " +
                          std::to_string(entry_.week()));
      return;
    }
    forfeits_.insert(f.team);
    entry_.selectTeam(f.team);
    entry_.setForfeit(true);
  }

  // Reports a refused step: the window's own messages, or the text given when it only beeps.
  bool Check(bool ok, const ScoreRow& row, const std::string& silent) {
    if (ok) return true;
    bool said = false;
    for (const auto& m : io_.shown) {
      refusals_.push_back(Where(row) + OneLine(m.text));
      said = true;
    }
    if (!said) refusals_.push_back(Where(row) + silent);
    io_.clear();
    return false;
  }

  bool RowFits(const ScoreRow& row) {
    std::string problem;
    if (!Plays(row.team))
      problem = "team " + std::to_string(row.team) + " does not play in week " +
                std::to_string(entry_.week());
    else if (row.position < 1 || row.position > lg.PlayersPerWeek)
      problem = "the position must be from 1 to " + std::to_string(lg.PlayersPerWeek);
    else if (forfeits_.count(row.team))
      problem = "team " + std::to_string(row.team) + " forfeits this week; its rows cannot be entered";
    else if (!given_.insert({row.team, row.position}).second)
      problem = "this position of the team is given twice";
    if (problem.empty()) return true;
    refusals_.push_back(Where(row) + problem);
    return false;
  }

  // The player named by the row among the choices of its list.
  bool FindPlayer(const ScoreRow& row, Integer& found) {
    std::vector<Integer> choices = entry_.playerChoices(row.position);
    std::vector<Integer> hits;
    if (row.player[0] == '#') {
      int index = std::atoi(row.player.c_str() + 1);
      for (Integer p : choices)
        if (p == index) hits.push_back(p);
    } else {
      for (Integer p : choices)
        if (TrimRight(lg.PlayerName[p]) == row.player) hits.push_back(p);
    }
    if (hits.size() == 1) {
      found = hits[0];
      return true;
    }
    std::string list = Trim(entry_.playerListTitle(row.position));
    refusals_.push_back(Where(row) + "\"" + ShownField(Cp1252ToUtf8(row.player)) + "\" " +
                        (hits.empty() ? "is not on the list " + list
                                      : "names more than one player; give #INDEX"));
    return false;
  }

  bool EnterPlayerAndType(const ScoreRow& row, int type) {
    int pos = row.position;
    if (row.player.empty())
      return Check(entry_.setPlayerType(pos, type), row, "the player type is refused");
    // The player is chosen from the list of the type that owns it: subs and roving subs from
    // their own lists, everybody else from the team's members.
    int listType = type == kSub || type == kRovingSub ? type : kRegular;
    if (!Check(entry_.setPlayerType(pos, listType), row, "the player type is refused")) return false;
    Integer player = 0;
    if (!FindPlayer(row, player)) return false;
    if (!Check(entry_.choosePlayer(pos, player), row, "the player is refused")) return false;
    auto& mine = players_[row.team];
    if (!mine.insert(player).second) {
      refusals_.push_back(Where(row) + Cp1252ToUtf8(TrimRight(lg.PlayerName[player])) +
                          " is already in another position of the team");
      return false;
    }
    if (listType == type) return true;
    return Check(entry_.setPlayerType(pos, type), row, "the player type is refused");
  }

  void EnterScores(const ScoreRow& row, int type) {
    for (int g = 0; g < lg.GamesPerWeek; ++g) {
      std::string text = row.games[g];
      if (text.empty()) {
        if (type == kVacancy || type == kAbsent) continue;
        text = "0";
      }
      Check(entry_.setScore(row.position, g, text), row,
            "game " + std::to_string(g + 1) + ": \"" + text + "\" is not a score from 0 to " +
                std::to_string(lg.GameParam[0]));
    }
    std::vector<int> marked;
    if (!ParseGameList(row.incomplete, lg.GamesPerWeek, marked)) {
      refusals_.push_back(Where(row) + "\"" + row.incomplete +
                          "\" is not a list of game numbers from 1 to " +
                          std::to_string(lg.GamesPerWeek));
    } else {
      for (int g = 0; g < lg.GamesPerWeek; ++g) {
        bool on = std::find(marked.begin(), marked.end(), g) != marked.end();
        Check(entry_.setIncomplete(row.position, g, on), row, "the incomplete mark is refused");
      }
    }
    for (int k = 0; k < lg.NumExtraStats; ++k) {
      std::string text = row.extras[k].empty() ? "0" : row.extras[k];
      Check(entry_.setExtraStat(row.position, k, text), row, "the extra statistic is refused");
    }
  }

  void EnterRow(const ScoreRow& row) {
    if (!RowFits(row)) return;
    int type = PlayerTypeOfWord(row.type);
    if (type < 0) {
      refusals_.push_back(Where(row) + "\"" + ShownField(row.type) +
                          "\" is not a player type (Regular, Sub, Roving Sub, Vacancy, Absent, "
                          "Forfeit)");
      return;
    }
    if (entry_.currentTeam() != row.team) entry_.selectTeam(row.team);
    io_.clear();
    if (!EnterPlayerAndType(row, type)) return;
    std::vector<Integer> choices = entry_.playerChoices(row.position);
    Integer player = entry_.row(row.position).player;
    if (std::find(choices.begin(), choices.end(), player) == choices.end()) {
      refusals_.push_back(Where(row) + Cp1252ToUtf8(TrimRight(lg.PlayerName[player])) +
                          " is not on the list " + Trim(entry_.playerListTitle(row.position)) +
                          "; name the player");
      return;
    }
    EnterScores(row, type);
  }

  const ScoreSheet& sheet_;
  ScoreEntry entry_;
  CaptureUserIO io_;
  std::vector<std::string> refusals_;
  std::set<int> forfeits_;
  std::set<std::pair<int, int>> given_;
  std::map<int, std::set<Integer>> players_;
};

int PrintRefusals(const std::vector<std::string>& refusals, const std::string& format) {
  for (const std::string& r : refusals) std::fprintf(stderr, "tallmark-cli scores: %s\n", r.c_str());
  std::fprintf(stderr, "tallmark-cli scores: nothing was stored (the sheet was read as %s)\n",
               format.c_str());
  return kExitFailure;
}

int RunScores(const std::vector<std::string>& args) {
  Args a(args);
  int week = a.number("--week", 0, 1, kMaxWeeks);
  std::string file = a.option("--file");
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("scores", a.problem());
  if (rest.size() != 1 || week == 0 || file.empty()) return UsageError("scores");
  std::string data;
  if (ReadWholeFile(file, data) != 0) return Failure("cannot read " + file);
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  if (lg.CurrentWeek >= lg.NumWeeks)
    return Failure("The results for all scheduled weeks have been entered.");
  if (week != lg.CurrentWeek + 1)
    return Failure("week " + std::to_string(week) + " cannot be entered: the week to enter is " +
                   std::to_string(lg.CurrentWeek + 1));
  ScoreSheet sheet = ParseScoreSheet(data, lg.GamesPerWeek, lg.NumExtraStats);
  if (!sheet.problems.empty()) return PrintRefusals(sheet.problems, sheet.format);
  {
    SheetEntry trial(sheet, false);
    std::vector<std::string> refusals = trial.run();
    if (!refusals.empty()) return PrintRefusals(refusals, sheet.format);
  }
  // Every line is taken: open the league again (the trial changed memory only) and store.
  InitLeagueData();
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  SheetEntry entry(sheet, true);
  std::vector<std::string> refusals = entry.run();
  for (const std::string& r : refusals) std::fprintf(stderr, "tallmark-cli scores: %s\n", r.c_str());
  entry.entry().leaveWithoutProcessing();
  SaveLeague();
  std::printf("Week %d: %s\n", week, entry.entry().statusText().c_str());
  return refusals.empty() ? kExitOk : kExitFailure;
}

CommandRegistration reg({"scores", "LEAGUE.CFG --week N --file SCORES.CSV",
                         "store one week's scores, as the results window does", RunScores,
                         kScoresHelp});

}  // namespace

}  // namespace tallmark::cli
