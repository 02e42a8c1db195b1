#include "league/WeekSnapshot.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

std::uint64_t Fnv(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
  return h;
}

void Put(std::string& out, std::uint64_t v, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

// Week 1's snapshot holding one part: the awards log had sizeBefore bytes, and the week added
// up to sizeAfter the bytes whose check value is added.
std::string AppendedLogSnapshot(std::uint64_t sizeBefore, std::uint64_t sizeAfter,
                                std::string_view added) {
  std::string s = "TALLMARK UNDO 1\n";
  Put(s, 1, 4);
  s += "A";
  Put(s, 4, 1);
  s += ".SPC1";
  Put(s, sizeBefore, 8);
  Put(s, Fnv(added), 8);
  Put(s, 8, 4);
  Put(s, sizeAfter, 8);
  Put(s, Fnv(s), 8);
  return s;
}

// The log is cut back to where the week found it; a size no awards log can have makes the
// snapshot damaged, and nothing is changed.
TEST(WeekSnapshotTest, UndoCutsTheAwardsLogBackAndRefusesImpossibleSizes) {
  test::TempDir dir;
  InitLeagueData();
  lg.DataPath = dir.path();
  lg.FileName = "ACE";
  const std::string log = "OLD\r\nWEEK 1 AWARD\r\n";
  struct Case {
    std::uint64_t before;
    std::string expectedLog;
  };
  for (const Case& c : {Case{5, "OLD\r\n"}, Case{std::uint64_t{1} << 40, log}}) {
    ASSERT_EQ(WriteFileAtomic(dir.file("ACE.SPC"), log), 0);
    const std::string added = c.before < log.size() ? log.substr(c.before) : "";
    ASSERT_EQ(WriteFileAtomic(dir.file("ACE.U01"), AppendedLogSnapshot(c.before, log.size(), added)), 0);
    const std::string refusal = UndoWeekFiles(1, false);
    std::string now;
    ReadWholeFile(dir.file("ACE.SPC"), now);
    EXPECT_EQ(now, c.expectedLog) << c.before;
    EXPECT_EQ(refusal.empty(), c.expectedLog != log) << refusal;
  }
}

// One part of a snapshot in its layout: kind, extension, whether the file existed, offset, check
// value, bytes.
void PutPart(std::string& s, char kind, const std::string& ext, std::uint64_t offset,
             std::uint64_t after, const std::string& bytes) {
  s += kind;
  Put(s, ext.size(), 1);
  s += ext + "1";
  Put(s, offset, 8);
  Put(s, after, 8);
  Put(s, bytes.size(), 4);
  s += bytes;
}

// A record in the layout of older versions (the set-up files the week changed kept whole, the
// statistics checked whole, the next week's records as before its entry): the week's own parts
// are put back; the set-up changed since, but for the configuration file's progress, and the
// next week's entry stay.
TEST(WeekSnapshotTest, OlderRecordsUndoWhatTheWeekWroteAndKeepTheRest) {
  test::TempDir dir;
  InitLeagueData();
  lg.DataPath = dir.path();
  lg.FileName = "ACE";
  lg.CompleteSlots = 8;
  const std::string cfgBefore = ConfigText();
  lg.CurrentWeek = 1;
  lg.CompleteSlots = 0;
  lg.LeagueName = "Renamed Since";
  const std::string cfgNow = ConfigText();
  const std::string statsBefore(128, 'b'), statsNow = std::string(64, 'a') + std::string(64, 'b');
  const std::string entered = "ENTERED FOR WEEK 2";
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.CFG"), cfgNow), 0);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.RST"), "NEW ROSTER"), 0);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.STT"), statsNow), 0);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.scr"), entered), 0);
  std::string s = "TALLMARK UNDO 1\n", block;
  Put(s, 1, 4);
  PutPart(s, 'W', ".CFG", 0, 0, cfgBefore);
  PutPart(s, 'W', ".RST", 0, 0, "OLD ROSTER");
  Put(block, 0, 8);
  Put(block, 64, 4);
  PutPart(s, 'D', ".STT", 128, Fnv(statsNow), block + statsBefore.substr(0, 64));
  PutPart(s, 'N', ".scr", 0, 0, std::string(entered.size(), '\0'));
  Put(s, Fnv(s), 8);
  ASSERT_EQ(WriteFileAtomic(dir.file("ACE.U01"), s), 0);

  EXPECT_EQ(UndoWeekFiles(1, false), "");
  std::string cfg, rst, stt, scr;
  ReadWholeFile(dir.file("ACE.CFG"), cfg);
  ReadWholeFile(dir.file("ACE.RST"), rst);
  ReadWholeFile(dir.file("ACE.STT"), stt);
  ReadWholeFile(dir.file("ACE.scr"), scr);
  EXPECT_EQ(cfg, WithProgress(cfgNow, ConfigProgress{0, 1, 8}, true));
  EXPECT_NE(cfg.find("Renamed Since"), std::string::npos);
  EXPECT_EQ(rst, "NEW ROSTER");
  EXPECT_EQ(stt, statsBefore);
  EXPECT_EQ(scr, entered);
  EXPECT_LT(FileSize(dir.file("ACE.U01")), 0);
}

}  // namespace
}  // namespace tallmark
