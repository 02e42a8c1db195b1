#include "league/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/FileErrors.h"
#include "common/Text.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

TEST(RecordFile, RecordsAreNumberedFromOneAndReadZerosPastTheEnd) {
  test::TempDir dir;
  RecordFile f(dir.file("X.SEA"), 6);
  unsigned char rec[6] = {1, 0, 2, 0, 3, 0};
  ASSERT_EQ(f.write(3, rec), kErrNone);
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(dir.file("X.SEA"), bytes), kErrNone);
  ASSERT_EQ(bytes.size(), 18u);  // records 1 and 2 are a zero gap
  EXPECT_EQ(bytes.substr(12), std::string("\1\0\2\0\3\0", 6));
  unsigned char got[6];
  ASSERT_EQ(f.read(3, got), kErrNone);
  EXPECT_EQ(GetInt16(got + 4), 3);
  ASSERT_EQ(f.read(40000, got), kErrNone);
  EXPECT_EQ(GetInt16(got), 0);
  EXPECT_EQ(f.read(0, got), kErrBadRecordNumber);
  RecordFile missing(dir.file("NONE.SEA"), 6);
  EXPECT_EQ(missing.read(1, got), kErrNone);
}

TEST(RecordFile, LittleEndianFields) {
  unsigned char b[4];
  PutInt16(b, -2);
  EXPECT_EQ(b[0], 0xFE);
  EXPECT_EQ(b[1], 0xFF);
  EXPECT_EQ(GetInt16(b), -2);
  PutSingle(b, 2.5f);  // 0x40200000
  EXPECT_EQ(b[3], 0x40);
  EXPECT_EQ(b[2], 0x20);
  EXPECT_EQ(GetSingle(b), 2.5f);
}

TEST(FileSystem, NamesMatchWithoutRegardToCase) {
  test::TempDir dir;
  ASSERT_EQ(WriteFileAtomic(dir.file("League.Cfg"), "x"), kErrNone);
  EXPECT_EQ(FindFileNoCase(dir.file("LEAGUE.CFG")), dir.file("League.Cfg"));
  EXPECT_TRUE(FileExists(dir.file("league.cfg")));
  // Writing under another case replaces the existing file instead of making a second one.
  ASSERT_EQ(WriteFileAtomic(dir.file("LEAGUE.CFG"), "y"), kErrNone);
  int count = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++count;
  EXPECT_EQ(count, 1);
  std::string got;
  ReadWholeFile(dir.file("League.Cfg"), got);
  EXPECT_EQ(got, "y");
  EXPECT_EQ(FindFileNoCase(dir.file("OTHER.CFG")), dir.file("OTHER.CFG"));
}

TEST(FileSystem, AppendCreatesAndAppends) {
  test::TempDir dir;
  ASSERT_EQ(AppendToFile(dir.file("L.SPC"), "a\r\n"), kErrNone);
  ASSERT_EQ(AppendToFile(dir.file("l.spc"), "b\r\n"), kErrNone);
  std::string got;
  ReadWholeFile(dir.file("L.SPC"), got);
  EXPECT_EQ(got, "a\r\nb\r\n");
  EXPECT_EQ(AppendToFile(dir.file("no/such/L.SPC"), "x"), kErrFileNotFound);
}

TEST(Text, Windows1252AtTheDisplayEdge) {
  std::string cp = "Jos\xE9 M\xFCller \x80 \x96";
  std::string utf8 = Cp1252ToUtf8(cp);
  EXPECT_EQ(utf8, "Jos\xC3\xA9 M\xC3\xBCller \xE2\x82\xAC \xE2\x80\x93");
  bool ok = false;
  EXPECT_EQ(Utf8ToCp1252(utf8, &ok), cp);
  EXPECT_TRUE(ok);
  // A character with no single-byte form is refused (left out and reported).
  EXPECT_EQ(Utf8ToCp1252("A\xE4\xB8\xADZ", &ok), "AZ");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Utf8ToCp1252("A\xC3", &ok), "A");  // cut in the middle of a character
  EXPECT_FALSE(ok);
  EXPECT_EQ(Upper("jos\xE9"), "JOS\xC9");
  EXPECT_EQ(Lower("\xC9T\xC9"), "\xE9t\xE9");
  EXPECT_EQ(Trim("  a b  "), "a b");
}

}  // namespace
}  // namespace tallmark
