// Random and cut-off files fed to the readers of week results, score records and schedule
// templates: nothing may crash or hang, and every value read must come out cleaned.
#include <gtest/gtest.h>

#include "league/ReadErrors.h"

#include <random>
#include <string>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ScheduleTemplate.h"
#include "league/WeekFiles.h"
#include "setup/ScheduleGenerator.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

std::string RandomBytes(std::mt19937& random, std::size_t size) {
  std::string data(size, '\0');
  for (char& c : data) c = static_cast<char>(random() & 0xff);
  return data;
}

int Between(std::mt19937& random, int low, int high) {
  return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
}

TEST(WeekFilesFuzz, RandomSeasonAndScoreFilesReadCleaned) {
  test::TempDir dir;
  test::ScriptedUserIO io;
  InitLeagueData();
  lg.DataPath = dir.path();
  lg.FileName = "FUZZ";
  lg.GameParam[0] = 300;
  for (int t = 0; t <= kMaxTeams; ++t)
    for (int p = 0; p <= kMaxRosterPositions; ++p) lg.Roster[t][p] = static_cast<Integer>(p);
  std::mt19937 random(7919);
  for (int round = 0; round < 200; ++round) {
    const std::size_t size = random() % 3 == 0 ? random() % 64 : random() % 50000;
    ForgetReadError();  // the test damages the file itself
    ASSERT_EQ(WriteFileAtomic(dir.file("FUZZ.scr"), RandomBytes(random, size)), 0);
    ASSERT_EQ(WriteFileAtomic(dir.file("FUZZ.SEA"), RandomBytes(random, size / 4)), 0);
    lg.ForfeitRule = random() % 2 ? True : False;
    for (int i = 0; i < 20; ++i) {
      Integer player = -1;
      ReadScore(Between(random, -2, 60), Between(random, -3, 110), Between(random, -3, 25),
                player);
      EXPECT_GE(player, 0);
      EXPECT_LE(player, kMaxPlayerRecords);
      EXPECT_GE(lg.ScrHandicap, 0);
      EXPECT_LE(lg.ScrHandicap, 300);
      EXPECT_GE(lg.ScrPointsWon, 0);
      EXPECT_GE(lg.ScrEntryKind, kRegular);
      EXPECT_LE(lg.ScrEntryKind, kForfeit);
      for (Integer s : lg.ScrGameScore) EXPECT_GE(s, 0);
      for (Integer e : lg.ScrExtraStat) EXPECT_LE(e, 255);
    }
    lg.NumLanes = static_cast<Integer>(Between(random, -5, 60));
    ReadWeekResults(Between(random, -3, 60));
  }
}

TEST(WeekFilesFuzz, RandomAndCutOffScheduleFilesNeverGiveAPartTemplate) {
  test::TempDir dir;
  test::ScriptedUserIO io;
  InitLeagueData();
  lg.ProgramPath = dir.path();
  const std::string shipped = ShippedScheduleFile();
  std::mt19937 random(104729);
  for (int round = 0; round < 300; ++round) {
    std::string data = round % 2 ? shipped.substr(0, random() % shipped.size())
                                 : RandomBytes(random, random() % 2000);
    if (round % 3 == 0 && !data.empty()) data[random() % data.size()] = '"';
    ASSERT_EQ(WriteFileAtomic(dir.file("SCHEDULE.DAT"), data), 0);
    lg.NumTeams = static_cast<Integer>(2 * Between(random, 2, 17));
    ReadScheduleTemplate();
    ASSERT_GE(lg.ScheduleTemplate, 0);
    // Every template week the league may use lies whole within the text.
    ASSERT_LE(static_cast<std::size_t>(lg.ScheduleTemplate) * lg.NumTeams,
              lg.ScheduleText.size());
    for (int w = 0; w < lg.ScheduleTemplate; ++w)
      for (int s = 1; s <= lg.NumTeams; ++s) {
        const int team = TemplateTeam(lg.ScheduleText, lg.NumTeams, w, s);
        ASSERT_TRUE((team >= 1 && team <= lg.NumTeams) || team == kTbdTeam);
      }
  }
}

}  // namespace
}  // namespace tallmark
