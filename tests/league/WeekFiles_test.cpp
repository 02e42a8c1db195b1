#include "league/WeekFiles.h"

#include <gtest/gtest.h>

#include <string>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

class WeekFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitLeagueData();
    lg.DataPath = dir.path();
    lg.FileName = "ACE";
  }
  std::string Bytes(const std::string& name) {
    std::string data;
    ReadWholeFile(dir.file(name), data);
    return data;
  }
  static std::string Le16(int v) {
    return {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff)};
  }
  void ClearScoreWork() {
    lg.ScrHandicap = lg.ScrEntryKind = lg.ScrNoCreditMask = 0;
    lg.ScrPointsWon = 0;
    lg.ScrGameScore.fill(0);
    lg.ScrExtraStat.fill(0);
  }

  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(WeekFilesTest, SeasonRecordsSitInTheirWeeksBlockByteForByte) {
  lg.NumLanes = 2;
  const Integer teams[] = {3, 1, 101, 0};
  const Single points[] = {2.5f, 1.5f, 0, 7};
  const Integer handicaps[] = {100, -5, 0, 300};
  for (int i = 0; i < 4; ++i) {
    lg.LaneTeam[i + 1] = teams[i];
    lg.TeamPointsWeek[i + 1] = points[i];
    lg.TeamHandicapWeek[i + 1] = handicaps[i];
  }
  ASSERT_TRUE(WriteWeekResults(2));
  // Week 2 owns records 53..104: slot i at byte (52 + i - 1) x 6. Points are stored doubled:
  // 2.5 -> 5, 1.5 -> 3, 7 -> 14.
  const std::string expected = std::string(312, '\0') + Le16(3) + Le16(5) + Le16(100) +
                               Le16(1) + Le16(3) + Le16(-5) + Le16(101) + Le16(0) + Le16(0) +
                               Le16(0) + Le16(14) + Le16(300);
  EXPECT_EQ(Bytes("ACE.SEA"), expected);

  lg.LaneTeam.fill(0);
  lg.TeamPointsWeek.fill(0);
  lg.TeamHandicapWeek.fill(0);
  ASSERT_TRUE(ReadWeekResults(2));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lg.LaneTeam[i + 1], teams[i]);
    EXPECT_EQ(lg.TeamPointsWeek[i + 1], points[i]);
    EXPECT_EQ(lg.TeamHandicapWeek[i + 1], handicaps[i]);
  }
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(WeekFilesTest, WeekZeroReadsWeekOneAndTheRestOfTheBlockKeepsItsRecords) {
  lg.NumLanes = 3;
  for (int i = 1; i <= 6; ++i) lg.LaneTeam[i] = static_cast<Integer>(i);
  ASSERT_TRUE(WriteWeekResults(1));
  lg.NumLanes = 2;
  for (int i = 1; i <= 6; ++i) lg.LaneTeam[i] = static_cast<Integer>(10 + i);
  ASSERT_TRUE(WriteWeekResults(0));  // the same block as week 1
  EXPECT_EQ(Bytes("ACE.SEA").size(), 36u);

  lg.NumLanes = 3;
  lg.LaneTeam.fill(0);
  ASSERT_TRUE(ReadWeekResults(0));
  const Integer expected[] = {11, 12, 13, 14, 5, 6};  // slots 5, 6 untouched by the 2-lane write
  for (int i = 0; i < 6; ++i) EXPECT_EQ(lg.LaneTeam[i + 1], expected[i]);
  lg.LaneTeam.fill(0);
  ASSERT_TRUE(ReadWeekResults(1));
  EXPECT_EQ(lg.LaneTeam[1], 11);
}

TEST_F(WeekFilesTest, MoreThan52SlotsAreNeverWrittenIntoTheNextWeek) {
  lg.NumLanes = 26;  // 52 slots: the whole block
  for (int i = 1; i <= 54; ++i) lg.LaneTeam[i] = static_cast<Integer>(i);
  ASSERT_TRUE(WriteWeekResults(2));
  EXPECT_EQ(Bytes("ACE.SEA").size(), 104u * 6);
  const std::string before = Bytes("ACE.SEA");

  lg.NumLanes = 27;
  EXPECT_FALSE(WriteWeekResults(1));
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown.back().text.find("52 lane slots"), std::string::npos);
  EXPECT_EQ(Bytes("ACE.SEA"), before);  // nothing written, week 2 intact

  // Reading such a week loads the block and shows the slots past it as not scheduled.
  EXPECT_FALSE(ReadWeekResults(1));
  EXPECT_EQ(lg.LaneTeam[52], 0);
  EXPECT_EQ(lg.LaneTeam[53], kTbdTeam);
  EXPECT_EQ(lg.LaneTeam[54], kTbdTeam);
}

TEST_F(WeekFilesTest, ScoreRecordIs44BytesWithKindAtSixAndMaskAtSeven) {
  lg.ScrHandicap = 45;
  lg.ScrPointsWon = 2.5f;  // stored as 50
  lg.ScrEntryKind = kSub;
  lg.ScrNoCreditMask = 5;
  lg.ScrGameScore[0] = 180;
  lg.ScrGameScore[1] = 201;
  lg.ScrGameScore[11] = 300;
  lg.ScrExtraStat[0] = 3;
  lg.ScrExtraStat[10] = 255;
  ASSERT_TRUE(WriteScore(1, 2, 3, 517));
  // Record (1-1) x 10 x 101 + (2-1) x 100 + 3 = 103, at byte 102 x 44 = 4488.
  std::string rec = Le16(517) + Le16(45) + Le16(50) + '\x01' + Le16(5) + Le16(180) + Le16(201);
  for (int g = 2; g < 11; ++g) rec += Le16(0);
  rec += Le16(300) + '\x03' + std::string(9, '\0') + '\xff';
  ASSERT_EQ(rec.size(), 44u);
  EXPECT_EQ(Bytes("ACE.scr"), std::string(4488, '\0') + rec);

  ClearScoreWork();
  Integer player = -1;
  ASSERT_TRUE(ReadScore(1, 2, 3, player));
  EXPECT_EQ(player, 517);
  EXPECT_EQ(lg.ScrHandicap, 45);
  EXPECT_EQ(lg.ScrPointsWon, 2.5f);
  EXPECT_EQ(lg.ScrEntryKind, kSub);
  EXPECT_EQ(lg.ScrFlag, False);
  EXPECT_EQ(lg.ScrNoCreditMask, 5);
  EXPECT_EQ(lg.ScrGameScore[1], 201);
  EXPECT_EQ(lg.ScrGameScore[11], 300);
  EXPECT_EQ(lg.ScrExtraStat[10], 255);
}

TEST_F(WeekFilesTest, RecordNeverWrittenReadsAsPlayerZeroRegularWithNoScores) {
  Integer player = -1;
  lg.ScrGameScore.fill(99);
  lg.ScrEntryKind = kVacancy;
  ASSERT_TRUE(ReadScore(3, 4, 1, player));  // no file yet
  EXPECT_EQ(player, 0);
  EXPECT_EQ(lg.ScrEntryKind, kRegular);
  for (Integer s : lg.ScrGameScore) EXPECT_EQ(s, 0);

  lg.ScrGameScore[0] = 200;
  ASSERT_TRUE(WriteScore(5, 1, 1, 7));  // the file exists, record 3/4/1 lies in its gap
  lg.ScrGameScore.fill(99);
  ASSERT_TRUE(ReadScore(3, 4, 1, player));
  EXPECT_EQ(player, 0);
  EXPECT_EQ(lg.ScrGameScore[0], 0);
  EXPECT_EQ(io.errorsReported(), 0);
}

TEST_F(WeekFilesTest, ForfeitScoresStayOnDiskAndReadAsZeroOnlyUnderTheRule) {
  lg.ScrEntryKind = kForfeit;
  lg.ScrGameScore[0] = 150;
  lg.ScrGameScore[1] = 160;
  ASSERT_TRUE(WriteScore(1, 1, 1, 12));
  EXPECT_EQ(Bytes("ACE.scr").substr(9, 4), Le16(150) + Le16(160));

  Integer player = 0;
  lg.ForfeitRule = True;
  ASSERT_TRUE(ReadScore(1, 1, 1, player));
  EXPECT_EQ(lg.ScrFlag, True);
  EXPECT_EQ(lg.ScrGameScore[0], 0);
  EXPECT_EQ(lg.ScrGameScore[1], 0);

  lg.ForfeitRule = False;
  ASSERT_TRUE(ReadScore(1, 1, 1, player));
  EXPECT_EQ(lg.ScrFlag, True);
  EXPECT_EQ(lg.ScrEntryKind, kForfeit);
  EXPECT_EQ(lg.ScrGameScore[0], 150);
  EXPECT_EQ(lg.ScrGameScore[1], 160);
}

TEST_F(WeekFilesTest, ReadingCleansStoredValues) {
  lg.Roster[4][2] = 77;
  lg.GameParam[0] = 300;
  // A hand-made damaged record: player 3000, handicap 301, points -20, kind 9, scores -150
  // and -32768.
  std::string rec = Le16(3000) + Le16(301) + Le16(-20) + '\x09' + Le16(0) + Le16(-150) +
                    Le16(-32768) + std::string(20, '\0') + std::string(11, '\x07');
  const std::int32_t n = ScoreRecordNumber(1, 4, 2);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.scr"), std::string((n - 1) * 44, '\0') + rec), 0);
  Integer player = 0;
  ASSERT_TRUE(ReadScore(1, 4, 2, player));
  EXPECT_EQ(player, 77);  // out of 0..2100: the roster's player
  EXPECT_EQ(lg.ScrHandicap, 0);
  EXPECT_EQ(lg.ScrPointsWon, 0);
  EXPECT_EQ(lg.ScrEntryKind, kRegular);
  EXPECT_EQ(lg.ScrGameScore[0], 150);  // negative scores read positive
  EXPECT_EQ(lg.ScrGameScore[1], 0);    // -32768 has no positive 16-bit value
  EXPECT_EQ(lg.ScrExtraStat[10], 7);

  // A negative handicap is cleaned too; one at the maximum is kept.
  rec.replace(2, 2, Le16(-1));
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.scr"), std::string((n - 1) * 44, '\0') + rec), 0);
  ASSERT_TRUE(ReadScore(1, 4, 2, player));
  EXPECT_EQ(lg.ScrHandicap, 0);
  rec.replace(2, 2, Le16(300));
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.scr"), std::string((n - 1) * 44, '\0') + rec), 0);
  ASSERT_TRUE(ReadScore(1, 4, 2, player));
  EXPECT_EQ(lg.ScrHandicap, 300);
}

TEST_F(WeekFilesTest, PointsAreStoredAsTwentiethsCutDown) {
  Integer player = 0;
  lg.ScrPointsWon = 1.33f;  // 26.6 -> 26, which reads back as 1.3
  ASSERT_TRUE(WriteScore(1, 1, 1, 1));
  EXPECT_EQ(Bytes("ACE.scr").substr(4, 2), Le16(26));
  ASSERT_TRUE(ReadScore(1, 1, 1, player));
  EXPECT_FLOAT_EQ(lg.ScrPointsWon, 1.3f);
  // Writing the 1.3 read back keeps 26 (not 25 from 1.2999999 x 20).
  ASSERT_TRUE(WriteScore(1, 1, 1, 1));
  EXPECT_EQ(Bytes("ACE.scr").substr(4, 2), Le16(26));
}

TEST_F(WeekFilesTest, LateRecordOfALargeLeagueLiesAbove32767) {
  // Week 40, team 8, position 3: 39 x 1010 + 7 x 100 + 3 = 40093.
  EXPECT_EQ(ScoreRecordNumber(40, 8, 3), 40093);
  EXPECT_EQ(ScoreRecordNumber(2, 1, 1), 1011);
  lg.MaxPerTeam = 12;
  EXPECT_EQ(ScoreRecordNumber(2, 1, 1), 12 * 101 + 1);
  lg.MaxPerTeam = 10;

  lg.ScrGameScore[2] = 289;
  ASSERT_TRUE(WriteScore(40, 8, 3, 2000));
  const std::string data = Bytes("ACE.scr");
  ASSERT_EQ(data.size(), 40093u * 44);
  EXPECT_EQ(data.substr(40092u * 44, 2), Le16(2000));
  ClearScoreWork();
  Integer player = 0;
  ASSERT_TRUE(ReadScore(40, 8, 3, player));
  EXPECT_EQ(player, 2000);
  EXPECT_EQ(lg.ScrGameScore[2], 289);
}

TEST_F(WeekFilesTest, ValuesOutsideAByteAreRefusedAndNothingIsWritten) {
  lg.ScrGameScore[0] = 111;
  ASSERT_TRUE(WriteScore(1, 1, 1, 5));
  const std::string before = Bytes("ACE.scr");

  lg.ScrGameScore[0] = 222;
  lg.ScrExtraStat[4] = 256;
  EXPECT_FALSE(WriteScore(1, 1, 1, 5));
  lg.ScrExtraStat[4] = -1;
  EXPECT_FALSE(WriteScore(1, 1, 1, 5));
  lg.ScrExtraStat[4] = 0;
  lg.ScrEntryKind = 300;
  EXPECT_FALSE(WriteScore(1, 1, 1, 5));
  lg.ScrEntryKind = -1;
  EXPECT_FALSE(WriteScore(1, 1, 1, 5));
  EXPECT_EQ(Bytes("ACE.scr"), before);
  ASSERT_EQ(io.errorsReported(), 4);
  EXPECT_NE(io.shown[0].text.find("Overflow"), std::string::npos);

  // Week results whose doubled points do not fit 16 bits keep their stored record.
  lg.NumLanes = 1;
  lg.LaneTeam[1] = 4;
  lg.LaneTeam[2] = 5;
  lg.TeamPointsWeek[1] = 20000;
  EXPECT_FALSE(WriteWeekResults(1));
  EXPECT_EQ(Bytes("ACE.SEA"), std::string(6, '\0') + Le16(5) + Le16(0) + Le16(0));
}

}  // namespace
}  // namespace tallmark
