#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

const char* kExtensions[] = {".CFG", ".IDS", ".STT", ".RST", ".MSG"};

class LeagueFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSmallLeague(dir.path()); }
  // Forgets the league in memory and points at ACE in the folder again.
  void forget() {
    InitLeagueData();
    lg.ProgramPath = lg.DataPath = dir.path();
    lg.FileName = "ACE";
  }
  std::string read(const std::string& name) const {
    std::string s;
    EXPECT_EQ(ReadWholeFile(dir.file(name), s), 0) << name;
    return s;
  }
  void replaceVersion(const std::string& version) {
    std::string cfg = read("ACE.CFG");
    cfg.replace(0, cfg.find("\r\n"), version);
    ASSERT_EQ(WriteFileAtomic(dir.file("ACE.CFG"), cfg), 0);
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(LeagueFilesTest, SaveAndLoadRoundTripTheWholeLeague) {
  ASSERT_TRUE(SaveLeague());
  std::string before[5];
  for (int i = 0; i < 5; ++i) before[i] = read(std::string("ACE") + kExtensions[i]);
  forget();
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(io.errorsReported(), 0);
  EXPECT_EQ(io.busy, 0);  // the busy pointer was restored
  EXPECT_EQ(lg.LeagueName, "ACE LEAGUE");
  EXPECT_EQ(lg.PlayerName[5], Fixed("JOS\xC9 D\xCD" "AZ", 20));
  EXPECT_EQ(lg.Roster[2][2], 5);
  EXPECT_EQ(lg.SubList[1], 6);
  EXPECT_EQ(lg.PlayerStat[1][kCurrentAverage], 164.3f);
  EXPECT_EQ(lg.BulletinText, "Bowl-off, Friday\r\nBring shoes");
  // Saved again, every file comes out byte for byte the same.
  ASSERT_TRUE(SaveLeague());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(read(std::string("ACE") + kExtensions[i]), before[i]);
}

TEST_F(LeagueFilesTest, LoadReadsTheCurrentSessionsStatistics) {
  lg.NumSessions = 2;
  lg.CurrentSession = 2;
  lg.PlayerStat[1][0] = 188;
  ASSERT_TRUE(SaveLeague());
  std::string stt = read("ACE.STT");
  EXPECT_EQ(stt.size(), (58800u + 7 * 28) * 4);
  forget();
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(lg.PlayerStat[1][0], 188.0f);
}

TEST_F(LeagueFilesTest, FilesAreFoundWithoutRegardToCase) {
  ASSERT_TRUE(SaveLeague());
  for (const char* ext : kExtensions) {
    std::string upper = std::string("ACE") + ext, lower = upper;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::filesystem::rename(dir.file(upper), dir.file(lower));
  }
  forget();
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(io.errorsReported(), 0);
  EXPECT_EQ(lg.Roster[2][1], 4);
  ASSERT_TRUE(SaveLeague());  // writes to the existing lower-case files
  EXPECT_FALSE(std::filesystem::exists(dir.file("ACE.CFG")));
}

TEST_F(LeagueFilesTest, OldVersionIsRefusedWithTheAttentionMessage) {
  ASSERT_TRUE(SaveLeague());
  replaceVersion("\"97.5\"");
  forget();
  EXPECT_EQ(CheckConfigVersion(), VersionCheck::Refused);
  EXPECT_EQ(lg.FileName, NoFileName);
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].title, "ATTENTION");
  EXPECT_EQ(io.shown[0].icon, MsgIcon::Critical);
  EXPECT_EQ(io.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(io.shown[0].text,
            "Your data files were created with version 97.5 of The Tallmark.\r\n\r\n"
            "They cannot be used with version 07.92.\r\n\r\n"
            "You will need to create new files to take advantage of the new features of this "
            "upgraded version.");
  forget();
  EXPECT_FALSE(LoadLeague());
  EXPECT_EQ(lg.LeagueName, "");  // nothing was read
  for (const char* old : {"\"9.0\"", "90", "\"9\""}) {
    replaceVersion(old);
    forget();
    EXPECT_EQ(CheckConfigVersion(), VersionCheck::Refused) << old;
  }
}

TEST_F(LeagueFilesTest, NewerVersionsAreAccepted) {
  ASSERT_TRUE(SaveLeague());
  for (const char* version : {"\"98.1\"", "\"99\"", "\"07.92\"", "98"}) {
    replaceVersion(version);
    forget();
    EXPECT_TRUE(LoadLeague()) << version;
    EXPECT_EQ(lg.LeagueName, "ACE LEAGUE");
  }
  EXPECT_TRUE(io.shown.empty());
}

TEST_F(LeagueFilesTest, NoLeagueOpenReadsAndWritesNothing) {
  forget();
  lg.FileName = NoFileName;
  EXPECT_FALSE(LoadLeague());
  EXPECT_TRUE(SaveLeague());
  EXPECT_TRUE(io.shown.empty());
  EXPECT_EQ(io.busy, 0);
  EXPECT_FALSE(FileExists(dir.file("NOT-OPEN.CFG")));
  EXPECT_FALSE(FileExists(dir.file("ACE.CFG")));
}

TEST_F(LeagueFilesTest, MissingConfigurationLeavesNoLeagueSilently) {
  forget();
  EXPECT_EQ(CheckConfigVersion(), VersionCheck::NoLeague);
  EXPECT_EQ(lg.FileName, NoFileName);
  EXPECT_TRUE(io.shown.empty());
}

TEST_F(LeagueFilesTest, SaveIntoAMissingFolderOrAFileIsReported) {
  lg.DataPath = dir.file("missing/");
  EXPECT_FALSE(SaveLeague());
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown.back().text.find("Path not found"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

  ASSERT_EQ(WriteFileAtomic(dir.file("plain"), "x"), 0);
  lg.DataPath = dir.file("plain/");
  EXPECT_FALSE(SaveLeague());
  EXPECT_EQ(io.errorsReported(), 2);
  EXPECT_EQ(read("plain"), "x");
}

// A file-size limit stands in for a full disk: the identity file (about 90 KB) cannot be
// written while the configuration file (3 KB) can.
TEST_F(LeagueFilesTest, FailedSaveLeavesEveryOldFileIntact) {
  ASSERT_TRUE(SaveLeague());
  std::string before[5];
  for (int i = 0; i < 5; ++i) before[i] = read(std::string("ACE") + kExtensions[i]);
  lg.LeagueName = "CHANGED";
  lg.PlayerName[1] = Fixed("CHANGED", 20);
  lg.Roster[1][2] = 6;

  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 2000;  // smaller than the commit's journal of changed blocks
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool saved = SaveLeague();
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(io.errorsReported(), 1);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(read(std::string("ACE") + kExtensions[i]), before[i]) << kExtensions[i];
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 6);  // the five files and the sport file: no temporary file left behind
}

}  // namespace
}  // namespace tallmark
