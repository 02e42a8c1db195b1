// A season run through the command-line tool: its files byte for byte as the golden copy made
// by the record-at-a-time processing, undo stepping back week by week to the exact files before
// each week (the later weeks' entries kept), and reprocessing after a corrected score equal to processing a copy once.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "league/ConfigFile.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace tallmark {
namespace {

using test::CliResult;

const char* const kExtensions[] = {"CFG", "IDS", "RST", "MSG", "SEA", "scr", "STT", "SPC"};

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

using Files = std::map<std::string, std::string>;

Files LeagueFiles(const std::string& folder) {
  Files files;
  for (const char* ext : kExtensions) files[ext] = Bytes(folder + "SAMPLE." + ext);
  return files;
}

void ExpectSame(const Files& got, const Files& want, const std::string& what) {
  for (const auto& [ext, bytes] : want) EXPECT_TRUE(got.at(ext) == bytes) << what << ": ." << ext;
}

// The files as before week w was processed, but for what was entered for the later weeks, which
// an undo keeps: their season results and score records, and their dates.
void ExpectUndone(const Files& got, const Files& want, int w) {
  for (const char* ext : {"IDS", "RST", "MSG", "STT", "SPC"})
    EXPECT_TRUE(got.at(ext) == want.at(ext)) << "undo of week " << w << ": ." << ext;
  const std::size_t sea = w * 52 * 6, scr = w * 1010 * 44;
  EXPECT_EQ(got.at("SEA").substr(0, sea), want.at("SEA").substr(0, sea)) << w;
  EXPECT_TRUE(got.at("scr").substr(0, scr) == want.at("scr").substr(0, scr)) << w;
  const ConfigProgress a = ProgressOf(got.at("CFG")), b = ProgressOf(want.at("CFG"));
  EXPECT_EQ(std::tie(a.week, a.session, a.complete), std::tie(b.week, b.session, b.complete)) << w;
}

std::string Fnv(const std::string& bytes) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

class SeasonUndo : public ::testing::Test {
 protected:
  void SetUp() override { test::UseProgramFolder(program.path()); }
  CliResult Run(const std::vector<std::string>& args) { return test::RunCli(program.path(), args); }
  std::string Week(int w) {
    char name[32];
    std::snprintf(name, sizeof name, "/season/week%02d.csv", w);
    return TALLMARK_TEST_DATA_DIR + std::string(name);
  }
  // Enters and processes weeks first..last in folder, keeping the files before each processing.
  void PlayWeeks(const std::string& folder, int first, int last) {
    for (int w = first; w <= last; ++w) {
      CliResult r = Run({"scores", folder + "SAMPLE.CFG", "--week", std::to_string(w), "--file", Week(w)});
      ASSERT_EQ(r.status, 0) << r.err;
      before[w] = LeagueFiles(folder);
      r = Run({"process", folder + "SAMPLE.CFG", "--no-backup"});
      ASSERT_EQ(r.status, 0) << r.err;
    }
  }
  test::TempDir program, dir, copy;
  std::map<int, Files> before;
};

TEST_F(SeasonUndo, GoldenSeasonUndoAndReprocess) {
  ASSERT_EQ(Run({"sample", dir.path()}).status, 0);
  PlayWeeks(dir.path(), 5, 12);
  ASSERT_FALSE(HasFailure());

  // Every byte as the golden copy (size and check value of each file).
  std::ifstream golden(TALLMARK_TEST_DATA_DIR + std::string("/season/golden.txt"));
  std::string ext, check;
  std::size_t size = 0;
  int compared = 0;
  while (golden >> ext >> size >> check) {
    const std::string bytes = Bytes(dir.file("SAMPLE." + ext));
    EXPECT_EQ(bytes.size(), size) << ext;
    EXPECT_EQ(Fnv(bytes), check) << ext;
    ++compared;
  }
  EXPECT_EQ(compared, 8);

  // Undo three times, in a copy: the files before weeks 12, 11 and 10 were processed.
  for (const char* e : kExtensions)
    fs::copy_file(dir.file(std::string("SAMPLE.") + e), copy.file(std::string("SAMPLE.") + e));
  for (const char* e : {"U10", "U11", "U12"})
    fs::copy_file(dir.file(std::string("SAMPLE.") + e), copy.file(std::string("SAMPLE.") + e));
  // An awards log changed since the week was processed refuses the undo.
  const std::string log = Bytes(copy.file("SAMPLE.SPC"));
  Put(copy.file("SAMPLE.SPC"), log + "A LINE ADDED LATER\r\n");
  EXPECT_EQ(Run({"undo", copy.file("SAMPLE.CFG")}).status, 1);
  Put(copy.file("SAMPLE.SPC"), log);
  for (int w = 12; w >= 10; --w) {
    CliResult r = Run({"undo", copy.file("SAMPLE.CFG")});
    ASSERT_EQ(r.status, 0) << r.err;
    ExpectUndone(LeagueFiles(copy.path()), before[w], w);
  }
  CliResult refused = Run({"undo", copy.file("SAMPLE.CFG")});  // no snapshot of week 9 here
  EXPECT_EQ(refused.status, 1);
  ExpectUndone(LeagueFiles(copy.path()), before[10], 10);

  const Files season = LeagueFiles(dir.path());
  // A week-10 score corrected in place (team 1, position 1, game 1: 200), then weeks 10-12
  // processed again...
  std::string scores = Bytes(dir.file("SAMPLE.scr"));
  const std::size_t record = (9 * 10 * 101 + 0 * 100 + 1 - 1) * 44;
  scores[record + 9] = static_cast<char>(200);
  scores[record + 10] = 0;
  Put(dir.file("SAMPLE.scr"), scores);
  CliResult r = Run({"reprocess", dir.file("SAMPLE.CFG"), "--from", "10"});
  ASSERT_EQ(r.status, 0) << r.err;

  // ...equal the copy from before week 10 with the stored records put in place, processed week
  // by week; weeks 11 and 12 entered again (for their dates) with their stored records and
  // lane blocks put back.
  test::TempDir ref;
  for (const auto& [e, bytes] : before[10]) Put(ref.file("SAMPLE." + e), bytes);
  auto putBack = [&](const std::string& ext, std::size_t at, std::size_t size, const std::string& from) {
    std::string file = Bytes(ref.file("SAMPLE." + ext));
    file.replace(at, size, from, at, size);
    Put(ref.file("SAMPLE." + ext), file);
  };
  putBack("scr", record, 44, scores);
  for (int w = 10; w <= 12; ++w) {
    if (w > 10) {
      ASSERT_EQ(Run({"scores", ref.file("SAMPLE.CFG"), "--week", std::to_string(w), "--file", Week(w)}).status, 0);
      putBack("scr", (w - 1) * 1010 * 44, 1010 * 44, scores);
      putBack("SEA", (w - 1) * 52 * 6, 52 * 6, before[w].at("SEA"));
    }
    ASSERT_EQ(Run({"process", ref.file("SAMPLE.CFG"), "--no-backup"}).status, 0);
  }
  ExpectSame(LeagueFiles(dir.path()), LeagueFiles(ref.path()), "reprocess");
  EXPECT_NE(Bytes(dir.file("SAMPLE.STT")), season.at("STT"));  // the correction counted
}

}  // namespace
}  // namespace tallmark
