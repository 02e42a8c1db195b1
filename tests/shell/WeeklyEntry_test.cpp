// The way into a week's score entry: every lane slot of the week needs a team in use.
#include <gtest/gtest.h>

#include "league/WeekFiles.h"
#include "shell/WeeklyEntry.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

namespace tallmark {
namespace {

TEST(WeeklyEntryFromDisk, EverySlotNeedsATeamInUse) {
  struct Case {
    int slot;
    Integer team;
    std::string says;  // what follows the request for a schedule
  };
  const std::string ask = "Please enter bowling schedule for week 3";
  for (const Case& c : {Case{0, 0, ""}, Case{1, kTbdTeam, ""},
                        Case{3, kTbdTeam, "Lane 3 (slot 3) has no team yet (TBD)."},
                        Case{4, 7, "Lane 4 (slot 4) names team 7, which is not in the league."}}) {
    test::ScriptedUserIO io;
    test::TempDir dir;
    test::BuildTestLeague(dir.path(), "WEEK", 2);
    ReadWeekResults(3);
    if (c.slot > 0) lg.LaneTeam[c.slot] = c.team;
    WriteWeekResults(3);
    ASSERT_TRUE(test::ReloadLeague());
    const bool ready = c.slot == 0;
    EXPECT_EQ(BeginWeeklyEntry({}), ready ? WeeklyEntryStart::Ready : WeeklyEntryStart::NeedsSchedule);
    if (!ready) {
      ASSERT_EQ(io.shown.size(), 1u);
      EXPECT_EQ(io.shown[0].text, c.says.empty() ? ask : ask + NewLine + NewLine + c.says);
    }
    EXPECT_EQ(WeekReadyForEntry(), ready) << c.slot;
  }
}

}  // namespace
}  // namespace tallmark
