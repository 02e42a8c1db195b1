// Player records of the roster: generated names, taking a free record for a new vacancy,
// substitute or team name, and the files that follow a record's place on a team.
#pragma once

#include <string>

#include "league/LeagueData.h"

namespace tallmark {

inline const std::string kDefaultPhone = "999-999-9999";

// The generated name of a roster place, by ScrEntryKind: 3 a vacancy ("*VACANCY 305" for team 3,
// position 5), 1 a substitute ("SUBSTITUTE 7" for position 7 of team 0); any other kind leaves
// the name empty. Phone "999-999-9999", category 1, start average VacancyScore(1).
struct SlotName {
  std::string name;
  std::string phone;
  Integer category = 1;
  Integer startAverage = 0;
};
SlotName MakeSlotName(int position, int team);

// "TEAM 12": the name of a newly added team number t, 20 characters.
std::string NewTeamName(int team);

// Free player records among the stored ones (0..2099).
int FreePlayerRecords();

// Takes the first free record (0..2099), fills it, places it at Roster(team, position) (or
// SubList(position) when team is 0), gives it fresh statistics in every session and, for a
// line-up position of a team, blank score records for the weeks after CurrentWeek.
// Returns the record's index, or -1 when every record is in use (nothing changes then).
int NewPlayerRecord(const std::string& name, const std::string& phone, int position, int team,
                    Integer category, Integer startAverage);

// A new vacancy at the position of the team (ScrEntryKind becomes 3). Returns the index or -1.
int FillVacancy(int position, int team);

// Marks a record free ("?") and counts it out of NumPlayerRecords.
void FreePlayerRecord(int index);

// True when (team, position) is a line-up position whose score records exist: a team in
// 1..100 and a position from 1 to PlayersPerWeek (score records are numbered by line-up
// position, at most MaxPerTeam; a roster position beyond would land on another team's record).
bool HasScoreRecords(int team, int position);

// True when the score record of (week, team, position) holds entered results: a forfeit, or a
// game above 0. The Scr* work record is left as it was.
bool HoldsEnteredResults(int week, int team, int position);

// Writes the Scr* work record as the record of (week, team, position, player) for every week from
// CurrentWeek + 1 to 52, when the place has score records. A record holding entered results is
// kept: those scores belong to the player who bowled them.
void WriteFutureScores(int team, int position, int player);

}  // namespace tallmark
