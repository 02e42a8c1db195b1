// Changes to the league's membership, on the league in memory: dropping and adding players,
// substitutes and teams, renaming, swapping and a player's details. None of these writes the
// roster files (the teams window saves the league when it closes); score and statistics records
// that follow a roster place are written at once.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

// Most teams a league can hold: a week's block of the season results file has 52 lane slots.
constexpr int kMaxScheduledTeams = kLaneSlotsPerWeekBlock;

// Asks, then drops the player at the position: the player becomes a substitute (or is freed when
// the substitutes are full) and the position gets a new vacancy. False when nothing changed.
bool DropPlayer(int team, int position);
// Asks, then drops the whole team: its players become substitutes (or are freed).
bool DropTeam(int team);
// Adds a substitute named "SUBSTITUTE n". False (with a message) when no room is left.
bool AddSub();
// Adds a team of vacancies on the lowest free team number. Returns the number, or nothing (with
// a message) when the league is full or not enough player records are free.
std::optional<int> AddTeam();
// A fresh roster of NumTeams vacancy teams and NumSubs substitutes for a new league; progress
// receives the percentage done.
void RebuildRoster(const std::function<void(int percent)>& progress = {});

// A name as the program stores it: padded and cut to 20 characters, double quotes made "_".
std::string CleanName(const std::string& typed);
// Why a cleaned player name cannot be used: the "*VACANCY" keyword or a leading "?" (which marks
// a free record). Empty when it can.
std::string PlayerNameRefusal(const std::string& cleaned);
std::string TeamNameRefusal(const std::string& cleaned);

// Asks for the new name of the record (a player or substitute), checks it and stores it.
bool RenamePlayer(int index);
// Asks for the new name of the team.
bool RenameTeam(int team);

// Exchanges the player at (team1, position1) with the one at (team2, position2), or with
// substitute position2 when team2 is 0. The score records of the weeks after CurrentWeek stay
// with the places and take the new occupants, except records already holding entered results,
// which stay with the player who bowled them; the teams' averages are recomputed.
void SwapPlayers(int team1, int position1, int team2, int position2);

// A player's details. team is the player's team, 0 for a substitute.
void SetStartingAverage(int index, int team, Integer average);
void SetCategory(int index, int team, Integer category);
void SetPhone(int index, const std::string& phone);
void SetRecalcGames(int index, Integer games);
void SetAvgAfterWeek1(int index, bool on);

// The player term in upper / lower case.
std::string PlayerTermUpper();
std::string PlayerTermLower();
std::string PlayersTermUpper();
std::string PlayersTermLower();

}  // namespace tallmark
