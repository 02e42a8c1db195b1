// tallmark-cli new-season, backup and restore.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/Commands.h"
#include "league/Backup.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/LeagueLock.h"
#include "setup/NewSeason.h"

namespace fs = std::filesystem;

namespace tallmark::cli {

namespace {

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(path), ec);
  return ec ? path : p.lexically_normal().string();
}

// Takes exactly count positional arguments and no options.
bool Positional(const std::string& name, const std::vector<std::string>& args, std::size_t count,
                std::vector<std::string>& out, int& status) {
  Args a(args);
  a.finish();
  out = a.positional();
  if (a.bad() || out.size() != count) {
    status = UsageError(name, a.bad() ? a.problem() : "wrong number of arguments");
    return false;
  }
  return true;
}

int RunNewSeason(const std::vector<std::string>& args) {
  std::vector<std::string> pos;
  int status = kExitOk;
  if (!Positional("new-season", args, 2, pos, status)) return status;
  const std::string target = WithLeagueExtension(AbsolutePath(pos[1]));
  std::error_code ec;
  if (!fs::is_directory(fs::path(target).parent_path(), ec))
    return Failure("no folder " + fs::path(target).parent_path().string());
  // What a stopped new-season left of this target is finished or removed first, by its writer.
  const std::string targetBase = target.substr(0, target.size() - 4);
  const LockAttempt lock = HoldLeagueLock(targetBase);
  if (lock.result == LockResult::Refused)
    return Failure(target + " is being made by " + lock.holder);
  RecoverInterruptedCommit(targetBase);
  if (FileExists(target)) return Failure(target + " already exists; choose a new name");
  if (int status = OpenLeagueForWriting(pos[0])) return status;
  bool asked = false;
  FileChooser choose = [&]() -> std::optional<std::string> {
    if (asked) {
      std::fprintf(stderr, "tallmark-cli: the new league cannot be %s\n", target.c_str());
      std::exit(kExitFailure);
    }
    asked = true;
    return target;
  };
  if (!FreshStart(choose)) return Failure("no new season was started");
  std::printf("%s\n", target.c_str());
  return kExitOk;
}

int RunBackup(const std::vector<std::string>& args) {
  std::vector<std::string> pos;
  int status = kExitOk;
  if (!Positional("backup", args, 1, pos, status)) return status;
  if (int status = OpenLeagueForWriting(pos[0])) return status;
  if (!MakeBackup(lg.CurrentWeek)) return kExitFailure;
  std::printf("%s\n", BackupArchiveName(lg.CurrentWeek).c_str());
  return kExitOk;
}

int RunRestore(const std::vector<std::string>& args) {
  std::vector<std::string> pos;
  int status = kExitOk;
  if (!Positional("restore", args, 1, pos, status)) return status;
  const std::string archive = AbsolutePath(pos[0]);
  if (!FileExists(archive)) return Failure("no archive " + archive);
  // The league the archive belongs to is opened first, so that its current files can be
  // backed up before they are replaced.
  const std::string folder = fs::path(archive).parent_path().string() + "/";
  const std::string title = fs::path(archive).filename().string();
  const std::string base = title.size() >= 4 ? title.substr(0, title.size() - 4) : std::string();
  const std::string config = FindLeagueConfig(folder, base);
  if (!config.empty())
    if (int status = OpenLeagueForWriting(folder + config)) return status;
  if (!RestoreBackup([&]() -> std::optional<std::string> { return archive; }))
    return kExitFailure;
  if (LeagueOpen()) std::printf("%s\n", (LeagueBasePath() + ".CFG").c_str());
  return kExitOk;
}

CommandRegistration newSeason({"new-season", "LEAGUE.CFG DIR/NEWNAME",
                               "start the next season as a new league, averages carried forward",
                               &RunNewSeason});
CommandRegistration backup({"backup", "LEAGUE.CFG",
                            "back up the league's files to the archive of its current week",
                            &RunBackup});
CommandRegistration restore({"restore", "ARCHIVE",
                             "restore a backup archive (.Z00..Z52) over its league's files",
                             &RunRestore});

}  // namespace

}  // namespace tallmark::cli
