// tallmark-cli process: processes the next week when all its results are complete, as leaving
// the results window with the process button does, without asking.
#include <cstdio>

#include "cli/CaptureUserIO.h"
#include "cli/Commands.h"
#include "league/Backup.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/ScoreEntry.h"

namespace tallmark::cli {

namespace {

constexpr int kExitMissingResults = 3;

std::string AwardsLogPath() { return FindFileNoCase(LeagueBasePath() + ".SPC"); }

std::string Plain(const std::string& text) {
  std::string s;
  for (char c : text)
    if (c != '\r') s += c;
  return Cp1252ToUtf8(s);
}

int PrintMissingResults() {
  std::printf("%s\n%s\n", kMissingResultsTitle, Plain(MissingResultsText()).c_str());
  return kExitMissingResults;
}

int RunProcess(const std::vector<std::string>& args) {
  Args a(args);
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("process", a.problem());
  if (rest.size() != 1) return UsageError("process");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;

  ScoreEntry entry;
  EntryOpen opened = entry.open();
  if (opened == EntryOpen::SeasonOver) {
    std::printf("The results for all scheduled weeks have been entered.\n");
    return PrintMissingResults();
  }
  if (opened != EntryOpen::Ready)
    return Failure("week " + std::to_string(lg.CurrentWeek + 1) +
                   " has no schedule: every lane slot needs a team");

  std::string logBefore;
  ReadWholeFile(AwardsLogPath(), logBefore);
  int week = entry.week();
  EntryLeave left;
  {
    // The backup and process questions are answered Yes.
    CaptureUserIO io(MsgAnswer::Yes);
    ProcessHooks hooks;
    hooks.offerBackup = OfferBackup;
    left = entry.leaveAndProcess(hooks);
  }
  if (left != EntryLeave::Processed) return PrintMissingResults();

  // The award lines this week added to the log.
  std::string logAfter;
  ReadWholeFile(AwardsLogPath(), logAfter);
  if (logAfter.size() > logBefore.size() && logAfter.compare(0, logBefore.size(), logBefore) == 0)
    std::printf("%s", Plain(logAfter.substr(logBefore.size())).c_str());
  std::printf("Week %d processed.\n", week);
  return kExitOk;
}

CommandRegistration reg({"process", "LEAGUE.CFG",
                         "process the next week when all its results are complete (status 3 "
                         "when results are missing)",
                         RunProcess});

}  // namespace

}  // namespace tallmark::cli
