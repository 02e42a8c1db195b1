#include "processing/WeekUndo.h"

#include <algorithm>
#include <vector>

#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "common/Text.h"
#include "league/WeekSnapshot.h"
#include "processing/ScoreEntry.h"
#include "processing/WeeklyProcessing.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

std::string WeekText(int week) { return "week " + std::to_string(week); }

// Commits the open transaction; on failure the league is loaded again as the files hold it.
std::string Finish(LeagueTransaction& tx) {
  ErrorTrap trap;
  trap.set(tx.commit());
  const bool written = trap.report();
  LoadLeague();
  ForgetProcessedWeek();
  if (written) return {};
  if (trap.number() == kErrCommitPending) return ErrorDescription(kErrCommitPending) + ".";
  return "The league's files could not be written; they are as they were.";
}

// Processes the week after CurrentWeek from its stored records, as leaving the results window
// with the process button does, without questions.
std::string ProcessStoredWeek(int week, const std::string& date) {
  lg.WeekDate[week] = date;  // the date the week had, which the set-up file before it lacks
  ScoreEntry entry;
  if (entry.open() != EntryOpen::Ready || entry.week() != week)
    return WeekText(week) + " cannot be processed: it has no complete schedule.";
  if (lg.CompleteSlots != 2 * lg.NumLanes) {
    entry.leaveWithoutProcessing();
    return WeekText(week) + " cannot be processed: its results are not complete.";
  }
  ProcessHooks hooks;
  hooks.askFirst = false;
  if (entry.leaveAndProcess(hooks) != EntryLeave::Processed)
    return WeekText(week) + " could not be processed.";
  return {};
}

}  // namespace

bool CanUndoWeek() { return LeagueOpen() && lg.CurrentWeek >= lg.StartWeek && lg.CurrentWeek >= 1; }

std::string UndoLastWeek() {
  if (!CanUndoWeek()) return "No week has been processed.";
  LeagueTransaction tx;
  const std::string problem = UndoWeekFiles(lg.CurrentWeek, false);
  if (!problem.empty()) return problem;
  return Finish(tx);
}

std::string ReprocessFrom(int week) {
  if (!CanUndoWeek()) return "No week has been processed.";
  const int last = lg.CurrentWeek;
  if (week < lg.StartWeek || week < 1 || week > last)
    return "Weeks " + std::to_string(std::max<int>(lg.StartWeek, 1)) + " to " +
           std::to_string(last) + " can be processed again.";
  std::vector<std::string> dates;
  for (int w = week; w <= last; ++w) dates.push_back(lg.WeekDate[w]);
  LeagueTransaction tx;
  for (int w = last; w >= week; --w) {
    const std::string problem = UndoWeekFiles(w, true);
    if (!problem.empty()) return problem;
  }
  LoadLeague();
  ForgetProcessedWeek();
  for (int w = week; w <= last; ++w) {
    const std::string problem = ProcessStoredWeek(w, dates[w - week]);
    if (!problem.empty()) {
      tx.rollback();
      LoadLeague();
      ForgetProcessedWeek();
      return problem + " Nothing was changed.";
    }
  }
  return Finish(tx);
}

bool UndoLastWeekAsked() {
  if (!CanUndoWeek()) return false;
  const std::string week = std::to_string(lg.CurrentWeek);
  if (!AskYesNo("Undo the processing of week " + week + "?" + NewLine + NewLine +
                    "Every league file goes back to how it was just before week " + week +
                    " was processed. The scores entered for week " + week +
                    " stay, to be corrected in the weekly results and processed again.",
                "UNDO LAST PROCESSED WEEK?"))
    return false;
  const std::string problem = UndoLastWeek();
  MsgBox(problem.empty() ? "Week " + week + " has been undone." : problem,
         "UNDO LAST PROCESSED WEEK");
  return problem.empty();
}

bool ReprocessAsked() {
  if (!CanUndoWeek()) return false;
  const int first = std::max<int>(lg.StartWeek, 1);
  const std::string last = std::to_string(lg.CurrentWeek);
  std::optional<std::string> answer =
      userio().input("Process again from which week (" + std::to_string(first) + " to " + last +
                         ")? Each week is processed from its stored scores, as corrected.",
                     "REPROCESS WEEKS", last);
  if (!answer) return false;
  double week = 0;
  if (!ParseNumber(Trim(*answer), week) || week != static_cast<int>(week)) {
    MsgBox("Enter a week number from " + std::to_string(first) + " to " + last + ".",
           "REPROCESS WEEKS");
    return false;
  }
  const std::string problem = ReprocessFrom(static_cast<int>(week));
  MsgBox(problem.empty() ? "Weeks " + std::to_string(static_cast<int>(week)) + " to " + last +
                               " have been processed again."
                         : problem,
         "REPROCESS WEEKS");
  return problem.empty();
}

}  // namespace tallmark
