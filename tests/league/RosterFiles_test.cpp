#include "league/RosterFiles.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/ScriptedUserIO.h"
#include "support/SmallLeague.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
    lines.push_back(text.substr(start, p - start));
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

class RosterFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { test::BuildSmallLeague(dir.path()); }
  std::string read(const char* name) const {
    std::string s;
    EXPECT_EQ(ReadWholeFile(dir.file(name), s), 0);
    return s;
  }
  test::TempDir dir;
  test::ScriptedUserIO io;
};

TEST_F(RosterFilesTest, IdentityFileHas2100PaddedLines) {
  ASSERT_TRUE(WriteIdentities());
  const std::string text = read("ACE.IDS");
  EXPECT_EQ(text, IdentitiesText());
  auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 2100u);
  EXPECT_EQ(lines[0], "\"SHARKS              \",\"999-999-9999\",0,0");
  EXPECT_EQ(lines[1], "\"ANN LEE             \",\"555-1234    \",0,0");
  EXPECT_EQ(lines[2], "\"BOB ROY             \",\"999-999-9999\",-1,9");
  EXPECT_EQ(lines[5], "\"JOS\xC9 D\xCD" "AZ           \",\"999-999-9999\",0,0");  // one byte a letter
  EXPECT_EQ(lines[2099], "\"?                   \",\"            \",0,0");
}

TEST_F(RosterFilesTest, IdentitiesReadBackEqual) {
  ASSERT_TRUE(WriteIdentities());
  const std::string written = IdentitiesText();
  for (int i = 0; i < kMaxPlayerRecords; ++i) lg.PlayerName[i] = "x";
  lg.RecalcGames[2] = 0;
  ASSERT_TRUE(ReadIdentities());
  EXPECT_EQ(lg.PlayerName[1], "ANN LEE             ");
  EXPECT_EQ(lg.PlayerPhone[1], "555-1234    ");
  EXPECT_EQ(lg.RecalcGames[2], 9);
  EXPECT_EQ(IdentitiesText(), written);
}

TEST_F(RosterFilesTest, RosterFileIsOneValueALineTeamsThenSubs) {
  ASSERT_TRUE(WriteRoster());
  auto lines = Lines(read("ACE.RST"));
  ASSERT_EQ(lines.size(), 2101u);  // 100 teams x 21 positions, one substitute
  EXPECT_EQ(lines[0], "0");        // team 1, position 0: the team's name record
  EXPECT_EQ(lines[1], "1");
  EXPECT_EQ(lines[2], "2");
  EXPECT_EQ(lines[21], "3");       // team 2 starts after 21 positions
  EXPECT_EQ(lines[22], "4");
  EXPECT_EQ(lines[23], "5");
  EXPECT_EQ(lines[2100], "6");

  lg.NumSubs = 0;
  EXPECT_EQ(Lines(RosterText()).size(), 2100u);
}

TEST_F(RosterFilesTest, RosterReadsBackAndShortSubListFailsPastEnd) {
  ASSERT_TRUE(WriteRoster());
  lg.Roster[2][2] = 0;
  lg.SubList[1] = 0;
  ASSERT_TRUE(ReadRoster());
  EXPECT_EQ(lg.Roster[2][2], 5);
  EXPECT_EQ(lg.SubList[1], 6);

  lg.NumSubs = 2;  // the file holds one substitute
  lg.SubList[2] = 44;
  EXPECT_FALSE(ReadRoster());
  EXPECT_EQ(io.errorsReported(), 1);
  EXPECT_NE(io.shown.back().text.find("Input past end of file"), std::string::npos);
  EXPECT_EQ(lg.Roster[2][2], 5);  // the roster itself was read
  EXPECT_EQ(lg.SubList[2], 44);
}

TEST_F(RosterFilesTest, PlayerIndexOutsideTheRecordsReadsAsZero) {
  std::string text = RosterText();
  text.replace(text.find("1\r\n"), 3, "9999\r\n");  // team 1, position 1
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.RST"), text), 0);
  EXPECT_FALSE(ReadRoster());
  EXPECT_EQ(lg.Roster[1][1], 0);
  EXPECT_EQ(lg.Roster[1][2], 2);
}

TEST_F(RosterFilesTest, BulletinWithLineBreaksAndCommasReadsBackUnchanged) {
  ASSERT_TRUE(WriteBulletin());
  EXPECT_EQ(read("ACE.MSG"), "\"Bowl-off, Friday\r\nBring shoes\"\r\n");
  lg.BulletinText.clear();
  ASSERT_TRUE(ReadBulletin());
  EXPECT_EQ(lg.BulletinText, "Bowl-off, Friday\r\nBring shoes");
}

TEST_F(RosterFilesTest, MissingFilesAreReportedAndKeepMemory) {
  EXPECT_FALSE(ReadBulletin());
  EXPECT_FALSE(ReadIdentities());
  EXPECT_EQ(io.errorsReported(), 2);
  EXPECT_NE(io.shown[0].text.find("File not found"), std::string::npos);
  EXPECT_EQ(lg.BulletinText, "Bowl-off, Friday\r\nBring shoes");
  EXPECT_EQ(lg.PlayerName[1], "ANN LEE             ");
}

}  // namespace
}  // namespace tallmark
