#include "league/SeqFile.h"

#include <gtest/gtest.h>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

TEST(SeqFile, WriterGroupsValuesOnCrlfLines) {
  SeqWriter w;
  w.text("07.92").endLine();
  w.text(Fixed("ACE LEAGUE", 12)).integer(1).integer(-1).single(2.5f).single(0).endLine();
  w.single(1.3f).single(-3).single(0.1f).endLine();
  EXPECT_EQ(w.data(), "\"07.92\"\r\n\"ACE LEAGUE  \",1,-1,2.5,0\r\n1.3,-3,0.1\r\n");
}

TEST(SeqFile, ReaderReadsValueByValueWhateverTheLines) {
  SeqReader r("\"a, b\",12,  -3\r\n 2.5\r\n\"multi\r\nline\",7,\r\n,x\r\n");
  EXPECT_EQ(r.text(), "a, b");
  EXPECT_EQ(r.integer(), 12);
  EXPECT_EQ(r.integer(), -3);
  EXPECT_FLOAT_EQ(r.single(), 2.5f);
  EXPECT_EQ(r.text(), "multi\r\nline");
  EXPECT_EQ(r.integer(), 7);
  EXPECT_EQ(r.integer(), 0);  // empty value before the comma
  EXPECT_EQ(r.text(), "x");
  EXPECT_EQ(r.error(), kErrNone);
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.text(), "");
  EXPECT_EQ(r.error(), kErrPastEnd);
}

TEST(SeqFile, ReaderRecordsBadNumbersAndGoesOn) {
  SeqReader r("abc,40000,2.5,3.5,1E2\r\n");
  EXPECT_EQ(r.integer(), 0);
  EXPECT_EQ(r.error(), kErrTypeMismatch);
  EXPECT_EQ(r.integer(), 0);      // overflow of a 16-bit value
  EXPECT_EQ(r.integer(), 2);      // halves go to the even neighbour
  EXPECT_EQ(r.integer(), 4);
  EXPECT_EQ(r.integer(), 100);
  EXPECT_EQ(r.error(), kErrTypeMismatch);  // the first error is kept
}

TEST(SeqFile, SinglesInShortestForm) {
  EXPECT_EQ(SingleText(0.0f), "0");
  EXPECT_EQ(SingleText(-0.0f), "0");
  EXPECT_EQ(SingleText(2.5f), "2.5");
  EXPECT_EQ(SingleText(179.99f), "179.99");
  EXPECT_EQ(SingleText(164.3f), "164.3");
  EXPECT_EQ(SingleText(12.0f), "12");
  EXPECT_EQ(SingleText(200000.0f), "200000");  // plain decimal, never an exponent
  EXPECT_EQ(SingleText(0.00001f), "0.00001");
}

TEST(SeqFile, AtomicSaveKeepsOldFileWhenFolderIsMissing) {
  test::TempDir dir;
  SeqWriter w;
  w.integer(5).endLine();
  EXPECT_EQ(w.save(dir.file("A.CFG")), kErrNone);
  std::string got;
  EXPECT_EQ(ReadWholeFile(dir.file("a.cfg"), got), kErrNone);  // found without regard to case
  EXPECT_EQ(got, "5\r\n");
  EXPECT_EQ(w.save(dir.file("missing/A.CFG")), kErrPathNotFound);
  EXPECT_EQ(ReadWholeFile(dir.file("NOPE.CFG"), got), kErrFileNotFound);
}

}  // namespace
}  // namespace tallmark
