#include "processing/WeekUndo.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
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

// A split week changed after week was processed that the undo cannot keep: a session started
// before the week whose start is now at or after it, or one not started then whose start is now
// before it (a start at the week itself is made again on opening it).
std::string SplitConflict(int week) {
  const std::optional<ConfigProgress> before = WeekRecordProgress(week);
  if (!before) return {};
  for (int k = 1; k < lg.NumSessions && k < kMaxSessions; ++k) {
    const int start = std::abs(lg.SplitWeek[k]);
    const bool started = k < before->session;
    if ((started && start >= week) || (!started && start >= 1 && start < week))
      return "Session " + std::to_string(k + 1) + " is now set to start at week " +
             std::to_string(start) + " (SplitWeek(" + std::to_string(k) +
             ")), which undoing " + WeekText(week) + " cannot keep: set it back first. " +
             "Nothing was changed.";
  }
  return {};
}

// The week after week when a session starts with it (its start is undone with week).
bool StartsSession(int week) {
  const int s = lg.CurrentSession;
  return lg.NumSessions > 1 && s >= 1 && s < kMaxSessions && std::abs(lg.SplitWeek[s]) == week + 1;
}

}  // namespace

bool CanUndoWeek() { return LeagueOpen() && lg.CurrentWeek >= lg.StartWeek && lg.CurrentWeek >= 1; }

std::string UndoneText(int week) {
  const std::string w = std::to_string(week);
  std::string text = "Undone: the statistics, season results, points, handicaps and award lines "
                     "of week " + w + ", and the current week";
  if (StartsSession(week)) text += ", with the start of the session that opening week " +
                                   std::to_string(week + 1) + " ran";
  return text + ".";
}

std::string KeptText(int week) {
  return "Kept: the scores entered for week " + std::to_string(week) +
         " (to be corrected and processed again), the results entered for week " +
         std::to_string(week + 1) +
         ", and the set-up, options, names, bulletin, rosters, substitutes and schedule as "
         "they are now.";
}

std::string UndoLastWeek() {
  if (!CanUndoWeek()) return "No week has been processed.";
  const std::string conflict = SplitConflict(lg.CurrentWeek);
  if (!conflict.empty()) return conflict;
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
  const WeekSetup now = CurrentSetup();
  std::vector<WeekSetup> setups(last - week + 1);
  for (int w = last; w >= week; --w) {
    const std::string problem = UndoWeekFiles(w, true, &setups[w - week]);
    if (!problem.empty()) return problem;
  }
  // Each week with the set-up in force when it was first processed (older records kept none:
  // the set-up as it is now), then the set-up as it is now.
  for (int w = week; w <= last; ++w) {
    const WeekSetup& setup = setups[w - week].files.empty() ? now : setups[w - week];
    std::string problem = PutSetup(setup) == kErrNone ? "" : "The set-up could not be written.";
    if (problem.empty()) {
      LoadLeague();
      ForgetProcessedWeek();
      problem = ProcessStoredWeek(w, dates[w - week]);
    }
    if (!problem.empty()) {
      tx.rollback();
      LoadLeague();
      ForgetProcessedWeek();
      return problem + " Nothing was changed.";
    }
  }
  if (PutSetup(now) != kErrNone) {
    tx.rollback();
    LoadLeague();
    ForgetProcessedWeek();
    return "The set-up could not be written. Nothing was changed.";
  }
  return Finish(tx);
}

bool UndoLastWeekAsked() {
  if (!CanUndoWeek()) return false;
  const int w = lg.CurrentWeek;
  const std::string week = std::to_string(w);
  if (!AskYesNo("Undo the processing of week " + week + "?" + NewLine + NewLine +
                    UndoneText(w) + NewLine + NewLine + KeptText(w),
                "UNDO LAST PROCESSED WEEK?"))
    return false;
  const std::string problem = UndoLastWeek();
  MsgBox(problem.empty() ? "Week " + week + " has been undone: week " + week +
                               " is the next to process." + NewLine + NewLine + KeptText(w)
                         : problem,
         "UNDO LAST PROCESSED WEEK");
  return problem.empty();
}

std::string ReprocessKeptText(int last) {
  return "Each week is processed from its stored scores, as corrected, with the set-up in force "
         "when it was first processed. Kept: the set-up, options, names, bulletin, rosters and "
         "schedule as they are now, and the results entered for week " +
         std::to_string(last + 1) + ".";
}

bool ReprocessAsked() {
  if (!CanUndoWeek()) return false;
  const int first = std::max<int>(lg.StartWeek, 1);
  const int lastWeek = lg.CurrentWeek;
  const std::string last = std::to_string(lastWeek);
  std::optional<std::string> answer =
      userio().input("Process again from which week (" + std::to_string(first) + " to " + last +
                         ")? " + ReprocessKeptText(lastWeek),
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
                               " have been processed again." + NewLine + NewLine +
                               ReprocessKeptText(lastWeek)
                         : problem,
         "REPROCESS WEEKS");
  return problem.empty();
}

}  // namespace tallmark
