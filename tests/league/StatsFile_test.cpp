#include "league/StatsFile.h"

#include <gtest/gtest.h>

#include "league/ReadErrors.h"

#include <cstring>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class StatsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSmallLeague(dir.path()); }
  std::string file() const {
    std::string s;
    EXPECT_EQ(ReadWholeFile(dir.file("ACE.STT"), s), 0);
    return s;
  }
  // The single stored at 1-based record n.
  static float RecordValue(const std::string& data, long n) {
    return GetSingle(reinterpret_cast<const unsigned char*>(data.data()) + (n - 1) * 4);
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(StatsFileTest, SectionHoldsRecordsInUseTwentyEightColumnsEach) {
  ASSERT_TRUE(WriteStats(1));
  const std::string data = file();
  ASSERT_EQ(data.size(), 7u * 28 * 4);
  // Record of player p, column c in session 1: 1 + p x 28 + c.
  EXPECT_EQ(RecordValue(data, 1 + 1 * 28 + 0), 201.0f);
  EXPECT_EQ(RecordValue(data, 1 + 1 * 28 + 11), 164.3f);
  EXPECT_EQ(RecordValue(data, 1 + 6 * 28 + 27), 2.5f);
  // 201 as a little-endian single: 0x43490000.
  EXPECT_EQ(data.substr(28 * 4, 4), std::string("\x00\x00\x49\x43", 4));
}

TEST_F(StatsFileTest, SessionTwoStartsAtRecord58801AndKeepsSessionOne) {
  ASSERT_TRUE(WriteStats(1));
  lg.PlayerStat[0][0] = 7;
  lg.PlayerStat[1][0] = 0;
  ASSERT_TRUE(WriteStats(2));
  const std::string data = file();
  ASSERT_EQ(data.size(), (58800u + 7 * 28) * 4);
  EXPECT_EQ(RecordValue(data, 58801), 7.0f);
  EXPECT_EQ(RecordValue(data, 1 + 1 * 28), 201.0f);  // session 1 untouched
  EXPECT_EQ(RecordValue(data, 58800 + 1 + 1 * 28), 0.0f);

  ASSERT_TRUE(ReadStats(1));
  EXPECT_EQ(lg.PlayerStat[1][0], 201.0f);
  EXPECT_EQ(lg.PlayerStat[0][0], 0.0f);
  ASSERT_TRUE(ReadStats(2));
  EXPECT_EQ(lg.PlayerStat[0][0], 7.0f);
}

TEST_F(StatsFileTest, SwitchStatsWritesOldSessionAndReadsNew) {
  lg.PlayerStat[4][kGamesPlayed] = 12;
  ASSERT_TRUE(SwitchStats(1, 3));
  EXPECT_EQ(lg.CurrentSession, 3);
  EXPECT_EQ(lg.PlayerStat[4][kGamesPlayed], 0.0f);  // never written: zeros
  ASSERT_TRUE(SwitchStats(3, 1));
  EXPECT_EQ(lg.PlayerStat[4][kGamesPlayed], 12.0f);
}

TEST_F(StatsFileTest, RecordInUseAboveTheCountIsStoredToo) {
  EXPECT_EQ(StoredStatRecords(), 7);
  lg.PlayerName[10] = Fixed("LATE JOINER", 20);  // a record reused above NumPlayerRecords
  lg.PlayerStat[10][kTotalPins] = 1480;
  EXPECT_EQ(StoredStatRecords(), 11);
  ASSERT_TRUE(WriteStats(1));
  EXPECT_EQ(file().size(), 11u * 28 * 4);
  lg.PlayerStat[10][kTotalPins] = 0;
  ASSERT_TRUE(ReadStats(1));
  EXPECT_EQ(lg.PlayerStat[10][kTotalPins], 1480.0f);
}

TEST_F(StatsFileTest, DamagedValuesReadAsZeroAndAreReported) {
  ASSERT_TRUE(WriteStats(1));
  std::string data = file();
  // A NaN, an infinity, -3.4E38 and 1.5E9, beyond any statistic a league reaches.
  for (const char* damaged : {"\x00\x00\xc0\x7f", "\x00\x00\x80\x7f", "\xff\xff\x7f\xff",
                              "\x00\xd0\xb2\x4e"}) {
    std::memcpy(&data[(1 + 1 * 28 + 0 - 1) * 4], damaged, 4);
    ForgetReadError();  // the test damages the file itself
    ASSERT_EQ(WriteFileAtomic(dir.file("ACE.STT"), data), 0);
    io.shown.clear();
    lg.PlayerStat[1][0] = 5;
    EXPECT_FALSE(ReadStats(1));
    EXPECT_EQ(io.errorsReported(), 1);
    EXPECT_EQ(lg.PlayerStat[1][0], 0.0f);
    EXPECT_EQ(lg.PlayerStat[1][11], 164.3f);
  }
}

TEST_F(StatsFileTest, SessionOutsideOneToTwelveIsRefused) {
  EXPECT_FALSE(ReadStats(0));
  EXPECT_FALSE(WriteStats(13));
  EXPECT_EQ(io.errorsReported(), 2);
  EXPECT_FALSE(FileExists(dir.file("ACE.STT")));
}

}  // namespace
}  // namespace tallmark
