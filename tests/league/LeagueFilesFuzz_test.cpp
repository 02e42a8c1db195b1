// Damaged, truncated and random files fed to every reader of the league files: the readers must
// neither crash nor hang, must leave every count inside its limits, and must not write the
// league's files back.
#include <gtest/gtest.h>

#include "league/ReadErrors.h"

#include <cmath>
#include <random>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/RosterFiles.h"
#include "league/SportFile.h"
#include "league/StatsFile.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::string mutate(const std::string& good) {
    switch (below(4)) {
      case 0: return randomBytes(below(4000));
      case 1: return good.substr(0, below(static_cast<int>(good.size()) + 1));
      case 2: return flipBytes(good);
      default: return spliceSyntax(good);
    }
  }

 private:
  std::string randomBytes(int n) {
    std::string s(static_cast<std::size_t>(n), '\0');
    for (char& c : s) c = static_cast<char>(below(256));
    return s;
  }
  std::string flipBytes(std::string s) {
    if (s.empty()) return s;
    for (int i = below(20) + 1; i > 0; --i)
      s[static_cast<std::size_t>(below(static_cast<int>(s.size())))] = static_cast<char>(below(256));
    return s;
  }
  // The characters the text format gives meaning to, and numbers of every size.
  std::string spliceSyntax(std::string s) {
    static const char* pieces[] = {"\"", ",", "\r\n", "\r", "\n", "-32768", "32767", "99999",
                                   "1E30", "-", ".", "\x1a", "", "-1", "2100", "101"};
    for (int i = below(10) + 1; i > 0; --i) {
      std::size_t at = s.empty() ? 0 : static_cast<std::size_t>(below(static_cast<int>(s.size())));
      s.insert(at, pieces[below(16)]);
    }
    return s;
  }
  std::mt19937 rng_;
};

void ExpectLeagueWithinLimits() {
  EXPECT_TRUE(lg.NumTeams >= 0 && lg.NumTeams <= kMaxTeams);
  EXPECT_TRUE(lg.LastTeam >= 0 && lg.LastTeam <= kMaxTeams);
  EXPECT_TRUE(lg.NumSubs >= 0 && lg.NumSubs <= 100);
  EXPECT_TRUE(lg.NumPlayerRecords >= 0 && lg.NumPlayerRecords <= kMaxPlayerRecords);
  EXPECT_TRUE(lg.PlayersPerTeam >= 0 && lg.PlayersPerTeam <= kMaxRosterPositions);
  EXPECT_TRUE(lg.PlayersPerWeek >= 0 && lg.PlayersPerWeek <= 10);
  EXPECT_TRUE(lg.CurrentSession >= 1 && lg.CurrentSession <= kMaxSessions);
  EXPECT_TRUE(lg.NumSessions >= 1 && lg.NumSessions <= kMaxSessions);
  EXPECT_TRUE(lg.CurrentWeek >= 0 && lg.CurrentWeek <= kMaxWeeks);
  EXPECT_TRUE(lg.NumLanes >= 0 && 2 * lg.NumLanes <= kMaxTeams);
  EXPECT_TRUE(lg.NumCustomAwards <= kMaxCustomAwards);
  EXPECT_TRUE(lg.NumExtraStats >= 0 && lg.NumExtraStats <= kMaxExtraStats);
  EXPECT_TRUE(lg.GamesPerWeek >= 1 && lg.GamesPerWeek <= kMaxGames);
  for (int t = 1; t <= kMaxTeams; ++t)
    for (int p = 0; p <= kMaxRosterPositions; ++p)
      ASSERT_TRUE(lg.Roster[t][p] >= 0 && lg.Roster[t][p] <= kMaxPlayerRecords);
  for (int k = 1; k <= 100; ++k) ASSERT_TRUE(lg.SubList[k] >= 0 && lg.SubList[k] <= kMaxPlayerRecords);
  for (int i = 0; i < kMaxPlayerRecords; ++i) {
    ASSERT_EQ(lg.PlayerName[i].size(), 20u);
    ASSERT_EQ(lg.PlayerPhone[i].size(), 12u);
    for (int c = 0; c < 28; ++c) ASSERT_TRUE(std::isfinite(lg.PlayerStat[i][c]));
  }
  for (int w = 1; w <= kMaxWeeks; ++w) ASSERT_EQ(lg.WeekDate[w].size(), 8u);
}

class LeagueFilesFuzz : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSmallLeague(dir.path());
    lg.NumSessions = 3;
    ASSERT_TRUE(SaveLeague());
    for (int i = 0; i < 5; ++i) ReadWholeFile(dir.file(std::string("ACE") + ext[i]), good[i]);
    ReadWholeFile(dir.file("SportsInfo.dat"), goodSport);
    io.defaultAnswer = MsgAnswer::Ok;  // the error handler's "continue"
  }
  void restore() {
    for (int i = 0; i < 5; ++i) WriteFileAtomic(dir.file(std::string("ACE") + ext[i]), good[i]);
    WriteFileAtomic(dir.file("SportsInfo.dat"), goodSport);
  }
  void load() {
    InitLeagueData();
    lg.ProgramPath = lg.DataPath = dir.path();
    lg.FileName = "ACE";
    LoadLeague();
  }
  const char* ext[5] = {".CFG", ".IDS", ".STT", ".RST", ".MSG"};
  std::string good[5], goodSport;
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(LeagueFilesFuzz, EveryLeagueFileDamagedInTurn) {
  Mutator m(20240904);
  for (int round = 0; round < 250; ++round) {
    restore();
    const int which = round % 5;
    const std::string path = dir.file(std::string("ACE") + ext[which]);
    const std::string bad = m.mutate(good[which]);
    ForgetReadError();  // the test damages the file itself
    ASSERT_EQ(WriteFileAtomic(path, bad), 0);
    load();
    ExpectLeagueWithinLimits();
    std::string after;
    ReadWholeFile(path, after);
    ASSERT_EQ(after, bad) << "round " << round << ": a damaged file was written back";
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_FALSE(io.aborted);
}

TEST_F(LeagueFilesFuzz, DamagedSportFile) {
  Mutator m(77);
  for (int round = 0; round < 100; ++round) {
    ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), m.mutate(goodSport)), 0);
    for (int n : {1, 2, 4, 5, 32}) {
      ReadSport(n);
      for (int i = 0; i < 10; ++i) ASSERT_LE(lg.SportTerm[i].size(), 32u);
      ASSERT_EQ(lg.ClassLimit[0], lg.GameParam[0]);
    }
  }
}

TEST_F(LeagueFilesFuzz, EveryFileDamagedAtOnce) {
  Mutator m(5);
  for (int round = 0; round < 60; ++round) {
    for (int i = 0; i < 5; ++i)
      WriteFileAtomic(dir.file(std::string("ACE") + ext[i]), m.mutate(good[i]));
    load();
    ExpectLeagueWithinLimits();
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tallmark
