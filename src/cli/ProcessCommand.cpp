// tallmark-cli process: processes the next week when all its results are complete, as leaving
// the results window with the process button does, without asking.
#include <algorithm>
#include <cstdio>

#include "cli/CaptureUserIO.h"
#include "cli/Commands.h"
#include "league/Backup.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/ScoreEntry.h"

namespace tallmark::cli {

namespace {

constexpr int kExitMissingResults = 3;

std::string AwardsLogPath() { return FindFileNoCase(LeagueBasePath() + ".SPC"); }

std::string Plain(const std::string& text) {
  std::string s(text.size(), '\0');
  s.erase(std::remove_copy(text.begin(), text.end(), s.begin(), '\r'), s.end());
  return Cp1252ToUtf8(s);
}

int PrintMissingResults() {
  std::printf("%s\n%s\n", kMissingResultsTitle, Plain(MissingResultsText()).c_str());
  return kExitMissingResults;
}

int RunProcess(const std::vector<std::string>& args) {
  Args a(args);
  const bool backup = !a.flag("--no-backup");
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("process", a.problem());
  if (rest.size() != 1) return UsageError("process");
  if (int status = OpenLeagueForWriting(rest[0])) return status;

  ScoreEntry entry;
  EntryOpen opened = entry.open();
  if (opened == EntryOpen::SeasonOver) {
    std::printf("The results for all scheduled weeks have been entered.\n");
    return PrintMissingResults();
  }
  if (opened != EntryOpen::Ready)
    return Failure("week " + std::to_string(lg.CurrentWeek + 1) +
                   " has no schedule: every lane slot needs a team");

  const std::int64_t logBefore = std::max<std::int64_t>(FileSize(AwardsLogPath()), 0);
  int week = entry.week();
  EntryLeave left;
  bool backupFailed = false;
  {
    // The backup and process questions are answered Yes.
    CaptureUserIO io(MsgAnswer::Yes);
    ProcessHooks hooks;
    if (backup) {
      hooks.offerBackup = [&] {
        if (OfferBackup()) return true;
        backupFailed = true;
        for (const auto& shown : io.shown)
          if (shown.text.rfind("BACKUP FAILED!", 0) == 0)
            std::fprintf(stderr, "%s\n", Plain(shown.text).c_str());
        return false;
      };
    }
    left = entry.leaveAndProcess(hooks);
  }
  if (backupFailed)
    return Failure("week " + std::to_string(week) +
                   " was not processed (give --no-backup to process without a backup)");
  if (left == EntryLeave::Failed && LastCommitResult() == kErrCommitPending)
    return Failure("week " + std::to_string(week) + ": " + ErrorDescription(kErrCommitPending));
  if (left == EntryLeave::Failed)
    return Failure("week " + std::to_string(week) +
                   " was not processed: the league's files are as they were");
  if (left != EntryLeave::Processed) return PrintMissingResults();

  // The award lines this week added to the end of the log.
  const std::int64_t logAfter = FileSize(AwardsLogPath());
  if (logAfter > logBefore) {
    std::string added(static_cast<std::size_t>(logAfter - logBefore), '\0');
    RecordFile(AwardsLogPath(), 1)
        .readRange(logBefore + 1, logAfter - logBefore, reinterpret_cast<unsigned char*>(added.data()));
    std::printf("%s", Plain(added).c_str());
  }
  std::printf("Week %d processed.\n", week);
  return kExitOk;
}

CommandRegistration reg({"process", "LEAGUE.CFG [--no-backup]",
                         "process the next week when all its results are complete (status 3 "
                         "when results are missing); the week's backup is made first, and a "
                         "failed backup stops it unless --no-backup is given",
                         RunProcess});

}  // namespace

}  // namespace tallmark::cli
