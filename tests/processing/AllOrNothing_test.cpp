// Processing a week, undoing it, saving the league, filling the roster from a sheet, restoring a
// backup and starting a new season, each stopped at every write, rename,
// fsync and removal in turn (a child process killed there), and each with the disk full at
// every write in turn: after the next opening the league is exactly the old or the new one,
// and success is never reported for a failure.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "league/ArchiveRestore.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/SysIO.h"
#include "processing/ScoreEntry.h"
#include "processing/WeekUndo.h"
#include "setup/NewSeason.h"
#include "setup/RosterImport.h"
#include "setup/SampleLeague.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace tallmark {
namespace {

using Folder = std::map<std::string, std::string>;  // every file by name

// Every file of the folder but the backup archives, which are made before an operation and
// are not part of the league.
Folder Read(const std::string& dir) {
  Folder files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().filename().string()[0] == '&') continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    files[entry.path().filename().string()] = s.str();
  }
  return files;
}

void Write(const std::string& dir, const Folder& files) {
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().filename().string()[0] != '&') fs::remove(entry.path());
  for (const auto& [name, bytes] : files)
    std::ofstream(dir + name, std::ios::binary) << bytes;
}

bool ProcessWeek5() {
  ScoreEntry entry;
  if (entry.open() != EntryOpen::Ready) return false;
  ProcessHooks hooks;
  hooks.askFirst = false;
  return entry.leaveAndProcess(hooks) == EntryLeave::Processed;
}

bool UndoWeek5() { return UndoLastWeek().empty(); }

bool RenameAndSave() {
  lg.LeagueName = "Renamed League";
  return SaveLeague();
}

// As "tallmark-cli roster" does it: the rows and the league's files in one commit.
bool ImportRosterRows() {
  LeagueTransaction tx;
  return ImportRoster("1,Strikers,1,Ann Lee,Female,555-0101,150,,\n"
                      "2,Spares,2,Bo Diaz,Male,,172,3,\n").ok() &&
         SaveLeague() && tx.commit() == 0;
}

// The archive of week 4 made before the league was renamed.
bool RestoreWeek4() {
  test::ScriptedUserIO io;
  io.answer(MsgAnswer::No);  // no backup of the current files first
  return RestoreBackup([] { return std::optional<std::string>(BackupArchiveName(4)); });
}

bool StartNewSeason() {
  return FreshStart([] { return std::optional<std::string>(lg.DataPath + "NEXT.CFG"); });
}

struct Outcome {
  int status = -1;    // the child's exit status, -1 when it was killed
  long points = 0, writes = 0;
};

class AllOrNothing : public ::testing::Test {
 protected:
  void SetUp() override {
    test::UseProgramFolder(program.path());
    ASSERT_EQ(BuildSampleLeague(dir.path()).result, SampleBuild::Built);
    const std::string week5 = TALLMARK_TEST_DATA_DIR + std::string("/season/week05.csv");
    ASSERT_EQ(test::RunCli(program.path(), {"scores", dir.file("SAMPLE.CFG"), "--week", "5",
                                            "--file", week5}).status, 0);
  }

  // Runs op in a child process on the league as the folder holds it, with the plan.
  Outcome Child(const std::function<bool()>& op, FaultPlan plan) {
    const std::string counts = scratch.file("counts");
    pid_t pid = fork();
    if (pid == 0) {
      lg.DataPath = dir.path();
      lg.FileName = "SAMPLE";
      LoadLeague();
      SetFaultPlan(plan);
      const bool ok = op();
      std::ofstream(counts) << FaultPointsSeen() << ' ' << FaultWritesSeen();
      _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome out;
    if (WIFEXITED(status)) out.status = WEXITSTATUS(status);
    std::ifstream(counts) >> out.points >> out.writes;
    return out;
  }

  // Every stop and every full disk of op leaves the folder as before or as after.
  void CheckEveryPoint(const std::function<bool()>& op) {
    const Folder before = Read(dir.path());
    const Outcome clean = Child(op, {0, 0, false});
    ASSERT_EQ(clean.status, 0);
    const Folder after = Read(dir.path());
    ASSERT_NE(before, after);
    ASSERT_GT(clean.points, 3);
    int old = 0, made = 0;
    auto judge = [&](const std::string& what, const Outcome& o) {
      RecoverInterruptedCommit(dir.path() + "SAMPLE");
      RecoverInterruptedCommit(dir.path() + "NEXT");
      RemoveStaleStaging(dir.path());
      const Folder now = Read(dir.path());
      EXPECT_TRUE(now == before || now == after) << what;
      if (o.status == 0) {
        EXPECT_TRUE(now == after) << what << ": success reported";
      }
      (now == before ? old : made) += 1;
      Write(dir.path(), before);
    };
    Write(dir.path(), before);
    for (long k = 1; k <= clean.points; ++k) {
      const Outcome o = Child(op, {k, 0, false});
      EXPECT_EQ(o.status, -1) << "not stopped at point " << k;
      judge("killed at point " + std::to_string(k), o);
    }
    for (long n = 1; n <= clean.writes; ++n)
      judge("disk full at write " + std::to_string(n), Child(op, {0, n, false}));
    EXPECT_GT(old, 0);
    EXPECT_GT(made, 0);
  }

  test::TempDir program, dir, scratch;
};

TEST_F(AllOrNothing, EveryOperationAtEveryPoint) {
  struct Case {
    const char* name;
    bool (*op)();
    bool (*before)();  // brings the league to the state the operation starts from
  };
  const auto backupThenRename = [] { return MakeBackup(4) && RenameAndSave(); };
  for (const Case& c : {Case{"process", ProcessWeek5, nullptr}, Case{"undo", UndoWeek5, ProcessWeek5},
                        Case{"save", RenameAndSave, nullptr}, Case{"roster", ImportRosterRows, nullptr},
                        Case{"restore", RestoreWeek4, +backupThenRename},
                        Case{"new season", StartNewSeason, nullptr}}) {
    SCOPED_TRACE(c.name);
    if (c.before) {
      ASSERT_EQ(Child(c.before, {}).status, 0);
    }
    CheckEveryPoint(c.op);
  }
}

TEST_F(AllOrNothing, ReplacedFilesKeepTheirPermissions) {
  const std::string cfg = dir.file("SAMPLE.CFG");
  const auto owner = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(cfg, owner);
  lg.DataPath = dir.path();
  lg.FileName = "SAMPLE";
  ASSERT_TRUE(LoadLeague());
  const auto size = fs::file_size(cfg);
  lg.LeagueName = "A Much Longer Name For The League";  // a new size: the file is replaced
  ASSERT_TRUE(SaveLeague());
  EXPECT_NE(fs::file_size(cfg), size);
  EXPECT_EQ(fs::status(cfg).permissions() & fs::perms::all, owner);
}

}  // namespace
}  // namespace tallmark
