// The league's arithmetic of averages and handicaps.
#pragma once

#include "league/LeagueData.h"

namespace tallmark {

// The value rounded or cut to GameParam(2) decimals per GameParam(3), taken at its shortest
// decimal form first.
Single RoundAverage(Single value);
// Int(10^n * x + (up ? 0.5 : 0)) / 10^n.
Single RoundTo(Single value, int decimals, bool roundUp);
// Conversion of a single to a 16-bit whole number, halves to the even neighbour.
Integer RoundHalfEven(double value);
// Int(): the floor as a 16-bit whole number, held to -32768..32767 (NaN gives 0).
Integer FloorInteger(double value);

// Handicap of average a in group g (0, 1 player groups; 2 teams).
Integer HandicapFor(Integer average, int group);
// Percentage by which the current average exceeds the starting one, one decimal; 0 otherwise.
Single PercentImproved(Integer startAverage, Integer currentAverage);
// Recomputes categories 9, 11 and 13 of player index p of team t after a week.
void UpdatePlayerAverage(int team, int player, Integer handicapSum, Integer averageSum);
// Recomputes the team record's categories 8, 9, 11 and 13 from its roster.
void UpdateTeamFromRoster(int team);
// Class 1..NumClasses of the player's current average.
Integer ClassifyAverage(int player);

// A player's group (category 16 as a whole number), kept within 0..1.
int PlayerGroup(int player);
// The scores that stand in for a vacancy and for an absent regular (every game).
Integer VacancyGameScore(int player);
Integer AbsentGameScore(int player);
// The game score of a forfeiting team's player facing opponent (when the automatic win is off).
Integer ForfeitGameScore(int opponent);

// The entering average taken from the first week: for a player of kind 0..2 with no games played
// whose AvgAfterWeek1 flag is set and whose row total is above 0, Int(total / GamesPerWeek)
// becomes the starting and current average and its handicap the current handicap and
// rowHandicap. Returns true when it applied.
bool ApplyEnteringAverage(int player, Integer kind, long rowTotal, Integer& rowHandicap);

}  // namespace tallmark
