#include "league/SportFile.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SportsList.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class SportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.ProgramPath = dir.path();
  }
  std::string sportFile() const {
    std::string s;
    EXPECT_EQ(ReadWholeFile(dir.file("SportsInfo.dat"), s), 0);
    return s;
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST(ProperCase, CapitalisesEachWordAfterABlank) {
  EXPECT_EQ(ProperCase("TEN PIN"), "Ten Pin");
  EXPECT_EQ(ProperCase("ten  pin"), "Ten  Pin");
  EXPECT_EQ(ProperCase("NO-TAP o'NEIL"), "No-tap O'neil");
  EXPECT_EQ(ProperCase("10 PIN"), "10 Pin");
  EXPECT_EQ(ProperCase("\xC9QUIPE"), "\xC9quipe");  // Windows-1252 letters too
  EXPECT_EQ(ProperCase(""), "");
}

TEST_F(SportFileTest, RecordLayoutTermsThenParametersThenAwards) {
  const std::string rec = SportRecord(DefaultSport());
  ASSERT_EQ(rec.size(), 336u);
  EXPECT_EQ(rec.substr(0, 32), Fixed("10 Pin Bowling", 32));
  EXPECT_EQ(rec.substr(9 * 32, 32), Fixed("Frame", 32));
  // 300 = 0x012C, 4, 0, 0; then 75, 100, 275 = 0x0113, 125.
  EXPECT_EQ(rec.substr(320, 16),
            std::string("\x2c\x01\x04\x00\x00\x00\x00\x00\x4b\x00\x64\x00\x13\x01\x7d\x00", 16));
}

TEST_F(SportFileTest, TermsInCapitalsLoadInProperCase) {
  SportInfo caps = DefaultSport();
  caps.terms[0] = "TEN PIN";
  caps.terms[8] = "SERIES";
  std::string rec = SportRecord(caps);
  rec.replace(0, 32, Fixed("  TEN PIN", 32));  // stored in capitals with blanks around
  rec.replace(8 * 32, 32, Fixed("SERIES", 32));
  ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), SportRecord(DefaultSport()) + rec), 0);
  ASSERT_TRUE(ReadSport(2));
  EXPECT_EQ(lg.SportTerm[0], "Ten Pin");
  EXPECT_EQ(lg.SportTerm[8], "Series");
  EXPECT_EQ(lg.CategoryName[2], "High Scratch Series");
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(SportFileTest, RecordPastTheEndGivesEmptyTermsAndZerosWithoutError) {
  ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), ShippedSportsFile()), 0);
  ASSERT_TRUE(ReadSport(9));
  EXPECT_EQ(io.errorsReported(), 0);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(lg.SportTerm[i], "") << i;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lg.GameParam[i], 0);
    EXPECT_EQ(lg.SportAward[i], 0);
  }
  EXPECT_EQ(lg.ClassLimit[0], 0);
  EXPECT_EQ(lg.CategoryName[10], "Total s");
  EXPECT_EQ(lg.CategoryName[5], lg.CategoryName[3]);
}

TEST_F(SportFileTest, MissingFileIsReportedAndTheDefaultSportWrittenAsRecordOne) {
  lg.SportTerm[0] = "Something";
  lg.SportCount = 5;
  EXPECT_FALSE(ReadSport(3));
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown[0].text.find("File not found"), std::string::npos);
  EXPECT_EQ(lg.SportNumber, 1);
  EXPECT_EQ(lg.SportCount, 1);
  EXPECT_EQ(lg.SportTerm[0], "10 Pin Bowling");
  EXPECT_EQ(sportFile(), SportRecord(DefaultSport()));
  // From now on it reads without complaint.
  EXPECT_TRUE(ReadSport(1));
  EXPECT_EQ(io.errorsReported(), 1);
}

TEST_F(SportFileTest, NumberOutsideTheSportsIsABadRecord) {
  ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), ShippedSportsFile()), 0);
  EXPECT_FALSE(ReadSport(0));
  EXPECT_FALSE(ReadSport(33));
  EXPECT_EQ(io.errorsReported(), 2);
  EXPECT_NE(io.shown[0].text.find("Bad record number"), std::string::npos);
  EXPECT_EQ(lg.SportTerm[0], "10 Pin Bowling");
  EXPECT_EQ(sportFile().size(), 4u * 336);  // the file did not grow
}

TEST_F(SportFileTest, WriteSportReplacesOneRecordAndKeepsTheOthers) {
  const std::string shipped = ShippedSportsFile();
  ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), shipped), 0);
  ASSERT_TRUE(ReadSport(2));
  lg.SportTerm[9] = "STRING";
  lg.GameParam[1] = 5;
  ASSERT_TRUE(WriteSport(2));
  const std::string now = sportFile();
  ASSERT_EQ(now.size(), shipped.size());
  EXPECT_EQ(now.substr(0, 336), shipped.substr(0, 336));
  EXPECT_EQ(now.substr(672), shipped.substr(672));
  EXPECT_EQ(now.substr(336 + 9 * 32, 32), Fixed("String", 32));
  ASSERT_TRUE(ReadSport(2));
  EXPECT_EQ(lg.GameParam[1], 5);

  // Writing past the end extends the file; the gap reads as zeros.
  ASSERT_TRUE(WriteSport(6));
  EXPECT_EQ(sportFile().size(), 6u * 336);
}

TEST_F(SportFileTest, ShippedSportsAreGameAndSeriesSportsWithTheirMaxima) {
  const std::string shipped = ShippedSportsFile();
  ASSERT_EQ(shipped.size(), 4u * 336);
  EXPECT_EQ(shipped.substr(0, 336), SportRecord(DefaultSport()));
  ASSERT_EQ(WriteFileAtomic(dir.file("SportsInfo.dat"), shipped), 0);
  const char* names[] = {"10 Pin Bowling", "Candlepin Bowling", "Duckpin Bowling",
                         "9 Pin No Tap Bowling"};
  for (int n = 1; n <= 4; ++n) {
    ASSERT_TRUE(ReadSport(n));
    EXPECT_EQ(lg.SportTerm[0], names[n - 1]);
    EXPECT_EQ(lg.GameParam[0], 300) << names[n - 1];
    EXPECT_GE(lg.GameParam[1], 3);
    EXPECT_LT(lg.SportAward[2], lg.GameParam[0]);   // a scratch award that can be reached
    EXPECT_LT(lg.SportAward[0], lg.SportAward[1]);  // the two levels of pins over average
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(lg.SportTerm[i].empty());
  }
}

TEST_F(SportFileTest, BuildDataFolderHoldsTheShippedSports) {
  std::string built;
  ASSERT_EQ(ReadWholeFile(std::string(TALLMARK_BUILD_DATA_DIR) + "/SportsInfo.dat", built), 0);
  EXPECT_EQ(built, ShippedSportsFile());
}

}  // namespace
}  // namespace tallmark
