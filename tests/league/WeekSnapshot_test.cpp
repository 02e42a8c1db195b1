#include "league/WeekSnapshot.h"

#include <gtest/gtest.h>

#include <cstdint>

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

}  // namespace
}  // namespace tallmark
