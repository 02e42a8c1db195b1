// Processing a week, undoing it, saving the league, filling the roster from a sheet, restoring a
// backup and starting a new season, each stopped at every write, rename,
// fsync and removal in turn (a child process killed there), each with the disk full at every
// write in turn and each with every fsync failing in turn: after the next opening the league is
// exactly the old or the new one, and success is never reported for a failure. Two writers at
// once, a journal naming files outside the folder and damaged files under writing commands.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "league/ArchiveRestore.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/FileTransaction.h"
#include "league/LeagueLock.h"
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
// are not part of the league, and the writer's lock file.
Folder Read(const std::string& dir) {
  Folder files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().filename().string()[0] == '&' || entry.path().extension() == ".LCK") continue;
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
  long points = 0, writes = 0, syncs = 0;
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
      std::ofstream(counts) << FaultPointsSeen() << ' ' << FaultWritesSeen() << ' '
                            << FaultSyncsSeen();
      _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Outcome out;
    if (WIFEXITED(status)) out.status = WEXITSTATUS(status);
    std::ifstream(counts) >> out.points >> out.writes >> out.syncs;
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
    for (long n = 1; n <= clean.syncs; ++n)
      judge("fsync failed at " + std::to_string(n), Child(op, {0, 0, false, n}));
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


// A writer that took the league in a child process and waits there before changing it.
class HeldWriter {
 public:
  HeldWriter(const std::string& dir, bool (*op)()) {
    ReleaseLeagueLock();  // this process holds nothing while the child writes
    if (::pipe(ready_) != 0 || ::pipe(go_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      lg.DataPath = dir;
      lg.FileName = "SAMPLE";
      char c = LoadLeague() ? 1 : 0;
      if (::write(ready_[1], &c, 1) != 1 || ::read(go_[0], &c, 1) != 1) _exit(2);
      _exit(op() ? 0 : 1);
    }
    char c = 0;
    held_ = ::read(ready_[0], &c, 1) == 1 && c == 1;
  }
  bool held() const { return held_; }
  pid_t pid() const { return pid_; }
  int finish() {
    char c = 1;
    int status = 0;
    if (::write(go_[1], &c, 1) != 1 || waitpid(pid_, &status, 0) != pid_) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  int ready_[2] = {-1, -1}, go_[2] = {-1, -1};
  pid_t pid_ = -1;
  bool held_ = false;
};

TEST_F(AllOrNothing, SecondWriterIsRefusedAndTheLeagueIsOneSerialResult) {
  const std::string cfg = dir.file("SAMPLE.CFG");
  const std::string week5 = TALLMARK_TEST_DATA_DIR + std::string("/season/week05.csv");
  const Folder before = Read(dir.path());
  HeldWriter writer(dir.path(), ProcessWeek5);
  ASSERT_TRUE(writer.held());
  const std::string holder = "(process " + std::to_string(writer.pid()) + " on ";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"undo", cfg}, {"scores", cfg, "--week", "5", "--file", week5},
        {"process", cfg}}) {
    const test::CliResult r = test::RunCli(program.path(), args);
    EXPECT_EQ(r.status, 5) << args[0];
    EXPECT_NE(r.err.find(holder), std::string::npos) << r.err;
  }
  EXPECT_EQ(test::RunCli(program.path(), {"info", cfg}).status, 0);  // a reader runs beside
  {
    // The window: cancelled, then opened read-only, where nothing can be saved.
    test::ScriptedUserIO io;
    io.answer(MsgAnswer::No);
    io.answer(MsgAnswer::Yes);
    lg.DataPath = dir.path();
    lg.FileName = "SAMPLE";
    EXPECT_FALSE(LoadLeague());
    lg.FileName = "SAMPLE";
    ASSERT_TRUE(LoadLeague());
    ASSERT_GE(io.shown.size(), 2u);
    EXPECT_NE(io.shown[0].text.find(holder), std::string::npos);
    lg.LeagueName = "Renamed League";
    EXPECT_FALSE(SaveLeague());
    SetWritesRefused(false);
  }
  EXPECT_EQ(Read(dir.path()), before);
  EXPECT_EQ(writer.finish(), 0);
  EXPECT_NE(Read(dir.path()), before);
  EXPECT_EQ(test::RunCli(program.path(), {"undo", cfg}).status, 0);
  EXPECT_EQ(Read(dir.path()), before);  // processed once, then undone
  ReleaseLeagueLock();
  EXPECT_FALSE(std::filesystem::exists(dir.file("SAMPLE.LCK")));  // each holder took its file
}

// A journal in the layout a commit writes, naming what the test asks for.
std::string CraftedJournal(const std::vector<std::pair<char, std::string>>& changes) {
  std::string out = "TALLMARK COMMIT 1\n";
  auto put = [&out](std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
  };
  for (const auto& [kind, name] : changes) {
    out += kind;
    put(name.size(), 4);
    out += name;
    if (kind == 'P') {
      put(0, 8);
      put(1, 4);
      out += 'X';
    }
  }
  out += 'E';
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : out) h = (h ^ c) * 1099511628211ULL;
  put(h, 8);
  return out;
}

TEST_F(AllOrNothing, JournalNamingAnythingButTheLeaguesFilesIsKeptAside) {
  const std::string victim = scratch.file("victim");
  const std::string scratchName = fs::path(scratch.path()).parent_path().filename().string();
  std::ofstream(dir.file("OTHER.CFG")) << "other";
  for (const std::string& named : {victim, "../" + scratchName + "/victim", std::string("OTHER.CFG")}) {
    SCOPED_TRACE(named);
    std::ofstream(victim) << "keep";
    const Folder before = Read(dir.path());
    const std::string journal = CraftedJournal({{'P', "SAMPLE.MSG"}, {'D', named}});
    std::ofstream(dir.file("SAMPLE.JNL"), std::ios::binary) << journal;
    test::ScriptedUserIO io;
    lg.DataPath = dir.path();
    lg.FileName = "SAMPLE";
    ASSERT_TRUE(LoadLeague());
    Folder after = Read(dir.path());
    EXPECT_EQ(after["SAMPLE.JNL.damaged"], journal);
    after.erase("SAMPLE.JNL.damaged");
    EXPECT_EQ(after, before);
    EXPECT_TRUE(fs::exists(victim));
    ASSERT_FALSE(io.shown.empty());
    EXPECT_NE(io.shown[0].text.find("SAMPLE.JNL.damaged"), std::string::npos);
    fs::remove(dir.file("SAMPLE.JNL.damaged"));
  }
}

TEST_F(AllOrNothing, DamagedFileStopsWritingCommandsBeforeAnyWrite) {
  const std::string cfg = dir.file("SAMPLE.CFG");
  const Folder entered = Read(dir.path());
  ASSERT_EQ(Child(ProcessWeek5, {}).status, 0);
  const Folder processed = Read(dir.path());
  for (const char* ext : {".IDS", ".RST", ".CFG"})
    for (const auto& [command, start] : {std::pair{"process", &entered}, {"undo", &processed}}) {
      SCOPED_TRACE(std::string(command) + ext);
      Folder damaged = *start;
      damaged[std::string("SAMPLE") + ext] = "";
      Write(dir.path(), damaged);
      const test::CliResult r = test::RunCli(program.path(), {command, cfg});
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
      EXPECT_EQ(Read(dir.path()), damaged);
    }
}

}  // namespace
}  // namespace tallmark
