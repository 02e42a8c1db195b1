#include <gtest/gtest.h>

#include "league/RosterFiles.h"
#include "league/StatsFile.h"
#include "setup/LeagueFixture.h"
#include "setup/PlayerRecords.h"
#include "setup/TeamOps.h"

namespace tallmark {
namespace {

using test::LeagueFixture;

TEST(SlotNames, VacancySubstituteAndTeamNamesCarryTheNumberAfterABlank) {
  InitLeagueData();
  lg.ScrEntryKind = kVacancy;
  EXPECT_EQ(MakeSlotName(3, 12).name, "*VACANCY 1203       ");
  EXPECT_EQ(MakeSlotName(5, 3).name, "*VACANCY 305        ");
  EXPECT_EQ(MakeSlotName(5, 3).phone, "999-999-9999");
  EXPECT_EQ(MakeSlotName(5, 3).startAverage, 120);
  lg.ScrEntryKind = kSub;
  EXPECT_EQ(MakeSlotName(7, 0).name, "SUBSTITUTE 7        ");
  lg.ScrEntryKind = kAbsent;
  EXPECT_EQ(MakeSlotName(7, 0).name, "");
  EXPECT_EQ(NewTeamName(12), "TEAM 12             ");
}

TEST(Names, CleaningPadsCutsAndReplacesQuotes) {
  EXPECT_EQ(CleanName("Ann \"Ace\" Smith-Jones-Brown"), "Ann _Ace_ Smith-Jone");
  EXPECT_FALSE(PlayerNameRefusal(CleanName("*VACANCY 3")).empty());
  EXPECT_FALSE(PlayerNameRefusal(CleanName("?Bob")).empty());
  EXPECT_TRUE(PlayerNameRefusal(CleanName("Bob *VACANCY")).empty());
  EXPECT_TRUE(TeamNameRefusal(CleanName("*VACANCY TEAM")).empty());
  EXPECT_FALSE(TeamNameRefusal(CleanName("?")).empty());
}

TEST(TeamOps, DroppedTeamNumberIsReusedByTheNextTeam) {
  LeagueFixture f;
  f.build(10, 4, 3, 0, 12);
  f.io.answer(MsgAnswer::Yes);
  ASSERT_TRUE(DropTeam(5));
  EXPECT_EQ(lg.NumTeams, 9);
  EXPECT_EQ(lg.LastTeam, 10);
  EXPECT_FALSE(TeamNumberInUse(5));
  // The four players became substitutes 1..4, each announced.
  EXPECT_EQ(lg.NumSubs, 4);
  EXPECT_EQ(f.name(lg.SubList[3]), "*VACANCY 503        ");
  EXPECT_EQ(f.io.shown.back().text, "*VACANCY 504        \r\n\r\nis now sub number 4");
  auto t = AddTeam();
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, 5);
  EXPECT_EQ(f.teamName(5), "TEAM 5              ");
  EXPECT_EQ(f.name(lg.Roster[5][4]), "*VACANCY 504        ");
  EXPECT_EQ(lg.NumTeams, 10);
  EXPECT_EQ(lg.LastTeam, 10);
  // Saved and read back, the roster file holds the new team.
  SaveLeague();
  InitLeagueData();
  lg.DataPath = f.dir.path();
  lg.FileName = "LEAGUE";
  lg.ProgramPath = f.dir.path() + "prog/";
  ASSERT_TRUE(LoadLeague());
  EXPECT_EQ(f.teamName(5), "TEAM 5              ");
  EXPECT_EQ(lg.NumSubs, 4);
}

TEST(TeamOps, DroppingTheLastTeamLeavesLastTeamOnTheHighestInUse) {
  LeagueFixture f;
  f.build(10, 2, 2, 0, 10);
  ASSERT_TRUE(DropTeam(9));
  EXPECT_EQ(lg.LastTeam, 10);
  ASSERT_TRUE(DropTeam(10));
  EXPECT_EQ(lg.LastTeam, 8);  // 9 is free too
  EXPECT_EQ(lg.NumTeams, 8);
  EXPECT_EQ(*AddTeam(), 9);
  EXPECT_EQ(lg.LastTeam, 9);
}

TEST(TeamOps, AnsweringNoDropsNothing) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 6);
  f.io.answer(MsgAnswer::No);
  EXPECT_FALSE(DropTeam(2));
  f.io.answer(MsgAnswer::No);
  EXPECT_FALSE(DropPlayer(2, 1));
  EXPECT_TRUE(TeamNumberInUse(2));
  EXPECT_EQ(lg.NumSubs, 0);
  const auto& warning = f.io.shown.back();
  EXPECT_EQ(warning.title, "WARNING");
  EXPECT_EQ(warning.icon, MsgIcon::Critical);
  EXPECT_EQ(warning.text,
            "*VACANCY 201         on team TEAM 2              \r\n\r\n"
            "This player is about to be dropped from the team\r\n"
            "The player will be kept as a substitute bowler\r\n\r\n"
            "ARE YOU SURE YOU WANT TO DO THIS?");
}

TEST(TeamOps, TeamLimits) {
  LeagueFixture f;
  f.build(4, 1, 1, 0, 4);
  // A full count of 100 teams is refused with the maximum message.
  lg.NumTeams = 100;
  EXPECT_FALSE(AddTeam());
  EXPECT_EQ(f.io.shown.back().text, "NUMBER OF TEAMS AT MAXIMUM; CAN'T ADD A TEAM");
  lg.NumTeams = 4;
  // Up to 52 teams are made; the 53rd would not fit a week of the season results file.
  for (int i = 5; i <= 52; ++i) ASSERT_TRUE(AddTeam()) << i;
  int records = lg.NumPlayerRecords;
  EXPECT_FALSE(AddTeam());
  EXPECT_EQ(f.io.shown.back().text, "THE SCHEDULE HAS ROOM FOR 52 TEAMS AT MOST; CAN'T ADD A TEAM");
  EXPECT_EQ(lg.NumTeams, 52);
  EXPECT_EQ(lg.LastTeam, 52);
  EXPECT_EQ(lg.NumPlayerRecords, records);
}

TEST(TeamOps, TeamRefusedWhenItsVacanciesCannotAllBeMade) {
  LeagueFixture f;
  f.build(4, 5, 3, 0, 4);
  // Leave five free records: a team needs six (its name and five vacancies).
  int left = 5;
  for (int i = 0; i < kMaxPlayerRecords; ++i) {
    if (!IsFreeName(lg.PlayerName[i])) continue;
    if (left > 0) {
      --left;
      continue;
    }
    lg.PlayerName[i] = Fixed("TAKEN", 20);
  }
  ASSERT_EQ(FreePlayerRecords(), 5);
  auto roster = lg.Roster;
  EXPECT_FALSE(AddTeam());
  EXPECT_EQ(f.io.shown.back().text, "NUMBER OF BOWLERS AT MAXIMUM; CAN'T ADD A TEAM OF 5 VACANCIES");
  EXPECT_EQ(lg.NumTeams, 4);
  EXPECT_EQ(lg.Roster, roster);
  EXPECT_EQ(FreePlayerRecords(), 5);
  // A substitute still fits.
  EXPECT_TRUE(AddSub());
  EXPECT_EQ(f.name(lg.SubList[1]), "SUBSTITUTE 1        ");
}

TEST(TeamOps, DropWithSubstitutesFullFreesThePlayerAndStillFillsTheVacancy) {
  LeagueFixture f;
  f.build(4, 3, 3, 2, 6);
  lg.MaxSubs = 2;
  int player = lg.Roster[3][2];
  lg.PlayerName[player] = Fixed("Ann Lee", 20);
  int records = lg.NumPlayerRecords;
  ASSERT_TRUE(DropPlayer(3, 2));
  EXPECT_TRUE(f.io.sawTitle("WARNING"));
  EXPECT_EQ(f.io.shown.back().text, "NUMBER OF SUBS AT MAXIMUM; CAN'T KEEP THIS PLAYER AS A SUB");
  EXPECT_EQ(lg.NumSubs, 2);
  for (int k = 1; k <= 2; ++k) EXPECT_NE(lg.SubList[k], player);
  EXPECT_EQ(f.name(lg.Roster[3][2]), "*VACANCY 302        ");
  EXPECT_EQ(lg.NumPlayerRecords, records);  // one freed, one made
  // The freed record is the one the new vacancy took (the first free one).
  EXPECT_EQ(lg.Roster[3][2], player);
  for (int i = 0; i < kMaxPlayerRecords; ++i) EXPECT_NE(lg.PlayerName[i], Fixed("Ann Lee", 20));
}

TEST(TeamOps, DroppedPlayerBecomesASubAndKeepsTheirPastScores) {
  LeagueFixture f;
  f.build(4, 3, 3, 0, 8);
  int player = lg.Roster[2][1];
  lg.PlayerName[player] = Fixed("Bo Diaz", 20);
  f.writeMarker(1, 2, 1, player, 187);
  lg.CurrentWeek = 1;
  ASSERT_TRUE(DropPlayer(2, 1));
  EXPECT_EQ(lg.SubList[1], player);
  int vacancy = lg.Roster[2][1];
  EXPECT_NE(vacancy, player);
  int game = 0;
  EXPECT_EQ(f.scorePlayer(1, 2, 1, &game), player);
  EXPECT_EQ(game, 187);
  EXPECT_EQ(f.scorePlayer(2, 2, 1, &game), vacancy);
  EXPECT_EQ(lg.ScrEntryKind, kVacancy);
  EXPECT_EQ(f.scorePlayer(52, 2, 1), vacancy);
}

TEST(TeamOps, NewRecordGetsFreshStatisticsInEverySession) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 6);
  lg.NumSessions = 2;
  ASSERT_TRUE(AddSub());
  int sub = lg.SubList[1];
  // Handicap of 120 at 80% of (180 - 120) = 48.
  EXPECT_EQ(lg.PlayerStat[sub][kStartingAverage], 120);
  EXPECT_EQ(lg.PlayerStat[sub][kCurrentAverage], 120);
  EXPECT_EQ(lg.PlayerStat[sub][kCurrentHandicap], 48);
  EXPECT_EQ(lg.PlayerStat[sub][kGroupOrStanding], 1);
  float other = lg.PlayerStat[lg.Roster[1][1]][kCurrentAverage];
  lg.PlayerStat.fill({});
  ReadStats(2);
  EXPECT_EQ(lg.PlayerStat[sub][kCurrentAverage], 120);
  EXPECT_EQ(lg.PlayerStat[sub][kCurrentHandicap], 48);
  EXPECT_EQ(lg.PlayerStat[lg.Roster[1][1]][kCurrentAverage], other);
}

TEST(TeamOps, RenameRefusesTheKeywordAndCleansQuotes) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 6);
  int index = lg.Roster[1][1];
  f.io.answerInput(std::string("*VACANCY Joe"));
  EXPECT_FALSE(RenamePlayer(index));
  EXPECT_EQ(f.io.shown.back().text,
            "A name starting with\r\n\r\n*VACANCY\r\n\r\nis a keyword for the program. You "
            "cannot use it.");
  EXPECT_EQ(f.name(index), "*VACANCY 101        ");
  f.io.answerInput(std::string(""));
  EXPECT_FALSE(RenamePlayer(index));
  EXPECT_EQ(f.name(index), "*VACANCY 101        ");
  f.io.answerInput(std::string("Joe \"Big\" Ray"));
  EXPECT_TRUE(RenamePlayer(index));
  EXPECT_EQ(f.name(index), "Joe _Big_ Ray       ");
  const auto& box = f.io.shown.back();
  EXPECT_EQ(box.title, "CHANGE BOWLER NAME");
  EXPECT_EQ(box.text.substr(0, 44), "Enter the new name.\r\nMax of 20 characters.\r\n");
  f.io.answerInput(std::string("The \"Pin\" Pals"));
  EXPECT_TRUE(RenameTeam(1));
  EXPECT_EQ(f.teamName(1), "The _Pin_ Pals      ");
  EXPECT_EQ(f.io.shown.back().title, "CHANGE TEAM NAME");
  f.io.answerInput(std::nullopt);
  EXPECT_FALSE(RenameTeam(1));
  EXPECT_EQ(f.teamName(1), "The _Pin_ Pals      ");
}

TEST(TeamOps, SwapMovesFutureScoreRecordsAndLeavesPastOnes) {
  LeagueFixture f;
  f.build(4, 3, 3, 1, 10);
  int a = lg.Roster[1][2];
  int b = lg.Roster[3][1];
  int sub = lg.SubList[1];
  for (int w = 1; w <= 4; ++w) {  // weeks 1 to 3 hold scores, week 4 blank records
    f.writeMarker(w, 1, 2, a, w < 4 ? 100 + w : 0);
    f.writeMarker(w, 3, 1, b, w < 4 ? 200 + w : 0);
  }
  lg.CurrentWeek = 2;
  SwapPlayers(1, 2, 3, 1);
  EXPECT_EQ(lg.Roster[1][2], b);
  EXPECT_EQ(lg.Roster[3][1], a);
  int game = 0;
  // Weeks 1 and 2 (processed) and week 3 (entered) keep their scores with who bowled them.
  for (int w : {2, 3}) {
    EXPECT_EQ(f.scorePlayer(w, 1, 2, &game), a);
    EXPECT_EQ(game, 100 + w);
    EXPECT_EQ(f.scorePlayer(w, 3, 1, &game), b);
    EXPECT_EQ(game, 200 + w);
  }
  // Later weeks: each place keeps its record under its new occupant.
  EXPECT_EQ(f.scorePlayer(4, 1, 2), b);
  EXPECT_EQ(f.scorePlayer(4, 3, 1), a);
  // A substitute swap: the team place takes the substitute, the player goes to the list.
  SwapPlayers(1, 2, 0, 1);
  EXPECT_EQ(lg.Roster[1][2], sub);
  EXPECT_EQ(lg.SubList[1], b);
  EXPECT_EQ(f.scorePlayer(4, 1, 2), sub);
}

TEST(TeamOps, TwelveTeamsOfTwelveNeverWriteAnotherTeamsScores) {
  // With rosters above ten, roster place 11 of team 11 in week w would be the score record of
  // team 1, line-up place 1, in week w + 1.
  LeagueFixture f;
  f.build(12, 12, 10, 1, 20);
  ASSERT_EQ(ScoreRecordNumber(1, 11, 11), ScoreRecordNumber(2, 1, 1));
  int first = lg.Roster[1][1];
  for (int w = 1; w <= 5; ++w) f.writeMarker(w, 1, 1, first, 150 + w);
  ASSERT_TRUE(DropPlayer(11, 11));
  SwapPlayers(11, 12, 0, 1);
  SwapPlayers(11, 11, 12, 12);
  for (int w = 1; w <= 5; ++w) {
    int game = 0;
    EXPECT_EQ(f.scorePlayer(w, 1, 1, &game), first) << w;
    EXPECT_EQ(game, 150 + w) << w;
  }
  // And the new vacancy's records at line-up places go where they belong.
  ASSERT_TRUE(DropPlayer(11, 10));
  EXPECT_EQ(f.scorePlayer(3, 11, 10), lg.Roster[11][10]);
}

TEST(TeamOps, AfterWeek52NoScoreRecordIsWritten) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 52);
  int a = lg.Roster[1][1];
  f.writeMarker(52, 1, 1, a, 222);
  lg.CurrentWeek = 52;
  SwapPlayers(1, 1, 2, 1);
  ASSERT_TRUE(DropPlayer(1, 1));
  int game = 0;
  EXPECT_EQ(f.scorePlayer(52, 1, 1, &game), a);
  EXPECT_EQ(game, 222);
}

TEST(TeamOps, DetailsOfAPlayer) {
  LeagueFixture f;
  f.build(4, 2, 2, 0, 6);
  int p = lg.Roster[2][1];
  SetStartingAverage(p, 2, 170);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 170);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentHandicap], 8);  // 80% of (180 - 170)
  lg.PlayerStat[p][kGamesPlayed] = 3;
  SetStartingAverage(p, 2, 150);
  EXPECT_EQ(lg.PlayerStat[p][kStartingAverage], 150);
  EXPECT_EQ(lg.PlayerStat[p][kCurrentAverage], 170);
  SetPhone(p, "");
  EXPECT_EQ(lg.PlayerPhone[p], "999-999-9999");
  SetPhone(p, "555-1234");
  EXPECT_EQ(lg.PlayerPhone[p], "555-1234    ");
  SetCategory(p, 2, 0);
  EXPECT_EQ(lg.PlayerStat[p][kGroupOrStanding], 0);
}

}  // namespace
}  // namespace tallmark
