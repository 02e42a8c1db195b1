// tallmark-cli undo / reprocess: stepping back the last processed week, and processing weeks
// again from their stored score records after a correction.
#include <cstdio>

#include "cli/CaptureUserIO.h"
#include "cli/Commands.h"
#include "league/LeagueData.h"
#include "processing/WeekUndo.h"

namespace tallmark::cli {

namespace {

int RunUndo(const std::vector<std::string>& args) {
  Args a(args);
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad() || rest.size() != 1) return UsageError("undo", a.problem());
  if (int status = OpenLeagueForWriting(rest[0])) return status;
  const int week = lg.CurrentWeek;
  const std::string undone = UndoneText(week);
  const std::string problem = UndoLastWeek();
  if (!problem.empty()) return Failure(problem);
  std::printf("Week %d undone: week %d is the next to process.\n%s\n%s\n", week, week,
              undone.c_str(), KeptText(week).c_str());
  return kExitOk;
}

int RunReprocess(const std::vector<std::string>& args) {
  Args a(args);
  const int from = a.number("--from", 0, 1, kMaxWeeks);
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad() || rest.size() != 1 || from == 0) return UsageError("reprocess", a.problem());
  if (int status = OpenLeagueForWriting(rest[0])) return status;
  const int last = lg.CurrentWeek;
  std::string problem;
  {
    CaptureUserIO io(MsgAnswer::Yes);  // award notices and the like are not for a terminal
    problem = ReprocessFrom(from);
  }
  if (!problem.empty()) return Failure(problem);
  std::printf("Weeks %d to %d processed again.\n%s\n", from, last,
              ReprocessKeptText(last).c_str());
  return kExitOk;
}

CommandRegistration undoReg({"undo", "LEAGUE.CFG",
                             "undo the last processed week: what its processing wrote as it "
                             "was before; its entered scores, the next week's results and "
                             "every set-up change since kept",
                             RunUndo});
CommandRegistration reprocessReg({"reprocess", "LEAGUE.CFG --from WEEK",
                                  "process weeks WEEK to the last processed one again from their "
                                  "stored score records (after corrections), each with the "
                                  "set-up it was first processed with; nothing changes when a "
                                  "week cannot be processed",
                                  RunReprocess});

}  // namespace

}  // namespace tallmark::cli
