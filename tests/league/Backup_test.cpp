#include "league/Backup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <filesystem>

#include "league/ArchiveRestore.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

namespace fs = std::filesystem;

// Every entry of an archive with its data.
std::map<std::string, std::string> ArchiveContents(const std::string& path) {
  std::map<std::string, std::string> entries;
  int code = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (!za) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st);
    std::string data(st.size, '\0');
    zip_file_t* f = zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0);
    zip_fread(f, data.data(), st.size);
    zip_fclose(f);
    entries[st.name] = data;
  }
  zip_discard(za);
  return entries;
}

// The size of an entry as packed in the archive.
zip_uint64_t PackedSize(const std::string& path, const char* name) {
  int code = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, &code);
  zip_stat_t st;
  const bool found = za && zip_stat(za, name, 0, &st) == 0;
  if (za) zip_discard(za);
  return found ? st.comp_size : 0;
}

struct TestEntry {
  std::string name;
  std::string data;
  bool link = false;
  bool stored = false;  // not compressed, so that its bytes can be found in the archive
};

void WriteZip(const std::string& path, const std::vector<TestEntry>& entries) {
  int code = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  ASSERT_NE(za, nullptr);
  for (const TestEntry& e : entries) {
    zip_source_t* src = zip_source_buffer(za, e.data.data(), e.data.size(), 0);
    zip_int64_t idx = zip_file_add(za, e.name.c_str(), src, 0);
    ASSERT_GE(idx, 0) << e.name;
    const auto i = static_cast<zip_uint64_t>(idx);
    if (e.link) zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16);
    if (e.stored) zip_set_file_compression(za, i, ZIP_CM_STORE, 0);
  }
  ASSERT_EQ(zip_close(za), 0);
}

// The league's own files (backup archives left out).
std::map<std::string, std::string> LeagueFiles(const std::string& folder) {
  auto files = test::FolderFiles(folder);
  for (auto it = files.begin(); it != files.end();)
    it = it->first[0] == '&' ? files.erase(it) : std::next(it);
  return files;
}

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    test::BuildTestLeague(dir.path(), "LEAGUE", 3);
    SetNamesFromDialog(dir.file("LEAGUE.CFG"));
    ASSERT_TRUE(LoadLeague());
    io.shown.clear();
  }
  std::string archive(int w) const {
    return dir.file("&EAGUE.Z" + std::string(w < 10 ? "0" : "") + std::to_string(w));
  }
  // Restores the archive path, answering the first question with answer.
  bool Restore(const std::string& path, MsgAnswer answer = MsgAnswer::No) {
    io.answer(answer);
    return RestoreBackup([&] { return std::optional<std::string>(path); });
  }
  bool ShownText(const std::string& text) const {
    for (const auto& m : io.shown)
      if (m.text == text) return true;
    return false;
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(BackupTest, ArchiveNamesReplaceTheFirstCharacter) {
  EXPECT_EQ(BackupArchiveName(0), dir.file("&EAGUE.Z00"));
  EXPECT_EQ(BackupArchiveName(5), dir.file("&EAGUE.Z05"));
  EXPECT_EQ(BackupArchiveName(52), dir.file("&EAGUE.Z52"));
}

TEST_F(BackupTest, BackupOfWeekZeroHoldsEveryLeagueFile) {
  ASSERT_TRUE(MakeBackup(0));
  EXPECT_TRUE(ShownText("Created backup file: " + archive(0)));
  const auto entries = ArchiveContents(archive(0));
  EXPECT_EQ(entries, LeagueFiles(dir.path()));
  EXPECT_EQ(entries.count("LEAGUE.scr"), 1u);
  EXPECT_EQ(entries.count("LEAGUE.SPC"), 1u);
}

TEST_F(BackupTest, BackupOfWeekThreeRefreshesTheEarlierArchivesScoreFile) {
  for (int w = 0; w <= 2; ++w) ASSERT_TRUE(MakeBackup(w));
  fs::remove(archive(1));
  const std::string oldConfig = test::FileText(dir.file("LEAGUE.CFG"));

  // Week 3's scores change, and so does the configuration.
  lg.ScrGameScore.fill(0);
  lg.ScrGameScore[0] = 289;
  WriteScore(3, 2, 2, lg.Roster[2][2]);
  lg.LeagueName = "LATER NAME";
  SaveLeague();
  ASSERT_TRUE(MakeBackup(3));

  const std::string scr = test::FileText(dir.file("LEAGUE.scr"));
  for (int w : {0, 2}) {
    const auto entries = ArchiveContents(archive(w));
    EXPECT_EQ(entries.at("LEAGUE.scr"), scr) << w;
    EXPECT_EQ(entries.at("LEAGUE.CFG"), oldConfig) << w;  // only the score file is refreshed
    EXPECT_EQ(entries.size(), LeagueFiles(dir.path()).size());
    // Copied as week 3's archive packs it, not packed again.
    EXPECT_EQ(PackedSize(archive(w), "LEAGUE.scr"), PackedSize(archive(3), "LEAGUE.scr"));
  }
  EXPECT_FALSE(FileExists(archive(1)));  // a missing archive is not made up
  EXPECT_EQ(ArchiveContents(archive(3)), LeagueFiles(dir.path()));
}

TEST_F(BackupTest, NoLeagueOpenMakesNoBackup) {
  lg.FileName = NoFileName;
  EXPECT_FALSE(MakeBackup(0));
  ASSERT_EQ(io.shown.size(), 1u);
  EXPECT_EQ(io.shown[0].text, "No data files open. Backup not created.");
  io.shown.clear();
  OfferBackup();
  EXPECT_TRUE(io.shown.empty());
}

TEST_F(BackupTest, OfferBackupAsksOnlyWhenAutoBackupIsOff) {
  lg.AutoBackup = True;
  OfferBackup();
  EXPECT_FALSE(io.sawTitle("CREATE BACKUP?"));
  EXPECT_TRUE(FileExists(archive(3)));
  fs::remove(archive(3));

  lg.AutoBackup = False;
  io.answer(MsgAnswer::No);
  OfferBackup();
  ASSERT_EQ(io.shown.back().title, "CREATE BACKUP?");
  EXPECT_EQ(io.shown.back().text,
            "A backup of your data files is recommended at this time. Do you want to create one?");
  EXPECT_FALSE(FileExists(archive(3)));
  io.answer(MsgAnswer::Yes);
  OfferBackup();
  EXPECT_TRUE(FileExists(archive(3)));
}

TEST_F(BackupTest, RestoreRoundTripIsEqualByteForByte) {
  ASSERT_TRUE(MakeBackup(3));
  const auto original = LeagueFiles(dir.path());
  lg.LeagueName = "CHANGED";
  SaveLeague();
  lg.ScrGameScore[0] = 7;
  WriteScore(3, 1, 1, lg.Roster[1][1]);
  fs::remove(dir.file("LEAGUE.SPC"));
  fs::create_directory(dir.file(".restore-999999999-left"));  // of a restore that was killed
  io.shown.clear();

  ASSERT_TRUE(Restore(archive(3)));
  EXPECT_EQ(io.shown[0].title, "BACKUP CURRENT DATA FILES?");
  EXPECT_EQ(io.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_TRUE(ShownText("Restored backup file: " + archive(3)));
  EXPECT_EQ(LeagueFiles(dir.path()), original);
  EXPECT_EQ(lg.FileName, "LEAGUE");  // the "?" undid the "&"
  EXPECT_EQ(lg.LeagueName, "TUESDAY MIXED");
  for (const auto& e : fs::directory_iterator(dir.path()))
    EXPECT_FALSE(e.is_directory() && e.path().filename() != "program") << e.path();
}

TEST_F(BackupTest, RestoringTheCurrentWeeksArchiveAfterBackingUpStillRestoresIt) {
  ASSERT_TRUE(MakeBackup(3));
  const auto original = LeagueFiles(dir.path());
  lg.LeagueName = "CHANGED";
  SaveLeague();
  const auto changed = LeagueFiles(dir.path());

  // The backup of the current files (week 3) goes to the very archive being restored.
  ASSERT_TRUE(Restore(archive(3), MsgAnswer::Yes));
  EXPECT_EQ(LeagueFiles(dir.path()), original);
  EXPECT_EQ(ArchiveContents(archive(3)), changed);
}

TEST_F(BackupTest, CancelledRestoreChangesNothing) {
  const auto before = test::FolderFiles(dir.path());
  io.answer(MsgAnswer::Cancel);
  EXPECT_FALSE(RestoreBackup([] { return std::optional<std::string>("/nowhere.Z00"); }));
  io.answer(MsgAnswer::Yes);
  EXPECT_FALSE(RestoreBackup([] { return std::optional<std::string>(); }));
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
  EXPECT_EQ(lg.FileName, "LEAGUE");
}

TEST_F(BackupTest, RestoreOfAFileWithoutAZExtensionFails) {
  ASSERT_TRUE(MakeBackup(3));
  fs::copy_file(archive(3), dir.file("&EAGUE.A03"));
  lg.LeagueName = "CHANGED";
  SaveLeague();
  const auto before = test::FolderFiles(dir.path());

  EXPECT_FALSE(Restore(dir.file("&EAGUE.A03")));
  EXPECT_TRUE(ShownText("Restore failed. Error: Bad file name"));
  EXPECT_EQ(test::FolderFiles(dir.path()), before);
  EXPECT_EQ(lg.DataPath, dir.path());
  EXPECT_EQ(lg.FileName, "LEAGUE");
  EXPECT_EQ(lg.LeagueName, "CHANGED");
}

TEST_F(BackupTest, RestoreFindsALeagueWhateverItsFirstCharacter) {
  test::TempDir other;
  test::BuildTestLeague(other.path(), "BOWL", 2);
  ASSERT_TRUE(MakeBackup(2));
  const auto original = LeagueFiles(other.path());
  for (const auto& [name, data] : original) fs::remove(other.file(name));

  InitLeagueData();
  test::UseProgramFolder(other.file("program/"));
  ASSERT_TRUE(Restore(other.file("&OWL.Z02")));
  EXPECT_EQ(lg.DataPath, other.path());
  EXPECT_EQ(lg.FileName, "BOWL");
  EXPECT_EQ(lg.CurrentWeek, 2);
  EXPECT_EQ(LeagueFiles(other.path()), original);
}

TEST(ArchiveEntryNames, OnlyPlainFileNamesPass) {
  EXPECT_TRUE(IsPlainEntryName("LEAGUE.CFG"));
  EXPECT_TRUE(IsPlainEntryName("..LEAGUE"));
  for (const char* bad : {"", ".", "..", "../x", "a/b", "/etc/passwd", "a\\b", "C:x", "x\ny"})
    EXPECT_FALSE(IsPlainEntryName(bad)) << bad;
}

class HostileArchiveTest : public BackupTest {
 protected:
  // Restoring the archive fails with the message and leaves every file as it was.
  void ExpectRefused(const std::string& path, const std::string& why = {}) {
    const auto before = test::FolderFiles(dir.path());
    io.shown.clear();
    EXPECT_FALSE(Restore(path));
    ASSERT_FALSE(io.shown.empty());
    const std::string& text = io.shown.back().text;
    EXPECT_EQ(text.rfind("Restore failed. Error: The backup archive is damaged or unsafe", 0), 0u);
    EXPECT_NE(text.find(why), std::string::npos) << text;
    EXPECT_EQ(test::FolderFiles(dir.path()), before);
    for (const auto& e : fs::directory_iterator(dir.path()))
      EXPECT_FALSE(e.is_directory() && e.path().filename() != "program") << e.path();
    EXPECT_EQ(lg.FileName, "LEAGUE");
    EXPECT_EQ(lg.LeagueName, "TUESDAY MIXED");
  }
  // An archive whose first entry would replace the configuration file.
  void ExpectEntryRefused(const TestEntry& hostile, const std::string& why = {}) {
    WriteZip(archive(7), {{"LEAGUE.CFG", "replaced"}, hostile});
    ExpectRefused(archive(7), why);
  }
  // The entries of a good backup of week 3, data by name.
  std::map<std::string, std::string> GoodEntries() {
    EXPECT_TRUE(MakeBackup(3));
    auto entries = ArchiveContents(archive(3));
    fs::remove(archive(3));
    return entries;
  }
  static void WriteEntries(const std::string& path,
                           const std::map<std::string, std::string>& entries) {
    std::vector<TestEntry> list;
    for (const auto& [name, data] : entries) list.push_back({name, data});
    WriteZip(path, list);
  }
};

TEST_F(HostileArchiveTest, EntryClimbingOutOfTheFolder) {
  const std::string name = "../" + fs::path(dir.path()).parent_path().filename().string() + "-x";
  ExpectEntryRefused(TestEntry{name, "escaped"});
  EXPECT_FALSE(fs::exists(dir.file(name)));
}

TEST_F(HostileArchiveTest, EntryWithAnAbsolutePath) {
  const std::string target = dir.file("program/abs-target");
  ExpectEntryRefused(TestEntry{target, "escaped"});
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(HostileArchiveTest, EntryWithAFolderPart) {
  ExpectEntryRefused(TestEntry{"program/LEAGUE.CFG", "nested"});
  ExpectEntryRefused(TestEntry{"sub\\LEAGUE.CFG", "nested"});
  EXPECT_FALSE(fs::exists(dir.file("program/LEAGUE.CFG")));
}

TEST_F(HostileArchiveTest, SymbolicLinkEntry) {
  ExpectEntryRefused(TestEntry{"LEAGUE.IDS", "/etc/passwd", /*link=*/true});
}

TEST_F(HostileArchiveTest, SameNameTwice) { ExpectEntryRefused(TestEntry{"league.cfg", "again"}); }

TEST_F(HostileArchiveTest, TruncatedArchive) {
  ASSERT_TRUE(MakeBackup(3));
  std::string data = test::FileText(archive(3));
  ASSERT_EQ(WriteFileAtomic(archive(4), data.substr(0, data.size() / 2)), 0);
  ExpectRefused(archive(4));
}

TEST_F(HostileArchiveTest, DamagedEntryData) {
  const std::string payload(4000, 'Q');
  WriteZip(archive(5), {{"LEAGUE.CFG", "replaced"}, {"LEAGUE.IDS", payload, false, true}});
  std::string data = test::FileText(archive(5));
  const std::size_t at = data.find(payload);
  ASSERT_NE(at, std::string::npos);
  data[at + 100] = 'R';  // the checksum no longer matches
  ASSERT_EQ(WriteFileAtomic(archive(5), data), 0);
  ExpectRefused(archive(5));
}

TEST_F(HostileArchiveTest, NotAnArchiveAtAll) {
  ASSERT_EQ(WriteFileAtomic(archive(6), "just some text\r\n"), 0);
  ExpectRefused(archive(6));
}

TEST_F(HostileArchiveTest, OnlyTheLeaguesOwnFilesAreRestored) {
  const auto entries = GoodEntries();
  for (const std::string name : {".bashrc", "TALLMARK.INI", "SCHEDULE.DAT", "BOWL.CFG",
                                 "XEAGUE.IDS", "LEAGUE.IDS.bak", "../LEAGUE.IDS"}) {
    auto hostile = entries;
    hostile[name] = "hostile";
    WriteEntries(archive(8), hostile);
    const bool plain = name.find('/') == std::string::npos;
    ExpectRefused(archive(8), "\"" + name + "\" is not a " +
                                  (plain ? "file of the league LEAGUE." : "plain file name."));
  }
  auto withoutConfig = entries;
  withoutConfig.erase("LEAGUE.CFG");
  WriteEntries(archive(8), withoutConfig);
  ExpectRefused(archive(8), "no league configuration file (?EAGUE.CFG)");
}

TEST_F(HostileArchiveTest, EntriesLargerThanALeagueCanHoldAreRefusedUnread) {
  auto entries = GoodEntries();
  auto big = entries;
  big["LEAGUE.MSG"] = std::string(2000, 'x');  // a bulletin holds 960
  WriteEntries(archive(8), big);
  ExpectRefused(archive(8), "\"LEAGUE.MSG\" is larger than a league's .MSG file can be.");

  // A bomb: 2 MB of zeros whose headers state 2 GiB, and the same stating 100 bytes.
  entries["LEAGUE.STT"] = std::string(2'000'000, '\0');
  WriteEntries(archive(8), entries);
  const std::string zip = test::FileText(archive(8));
  for (std::string stated : {std::string("\0\0\0\x80", 4), std::string("d\0\0\0", 4)}) {
    std::string bomb = zip;
    for (std::size_t at; (at = bomb.find(std::string("\x80\x84\x1e\0", 4))) != std::string::npos;)
      bomb.replace(at, 4, stated);  // 2,000,000 in the local and the central header
    ASSERT_EQ(WriteFileAtomic(archive(9), bomb), 0);
    ExpectRefused(archive(9), stated[0] ? "" : "is larger than a league's .STT file can be.");
  }
}

TEST_F(HostileArchiveTest, AnArchiveWhoseLeagueDoesNotLoadIsRefused) {
  auto entries = GoodEntries();
  const std::string config = entries["LEAGUE.CFG"];
  for (const std::string& bad : {std::string("replaced"), config.substr(0, config.size() / 2)}) {
    entries["LEAGUE.CFG"] = bad;
    WriteEntries(archive(8), entries);
    ExpectRefused(archive(8), "The league's files in it cannot be read.");
  }
}

}  // namespace
}  // namespace tallmark
