// The pieces the sample league is built from: its people, its dice and its weeks of scores.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "setup/SampleLeague.h"

namespace tallmark::sample {

struct Bowler {
  const char* name;
  int group;  // 0 and 1: the league's two groups (by default Female, Male)
  int average;
};

struct Team {
  const char* name;
  std::array<Bowler, kSampleMembers> bowlers;
};

const std::array<Team, kSampleTeams>& Teams();
const std::array<Bowler, kSampleSubs>& Subs();
extern const char* const kLeagueName;
extern const char* const kBulletin;

// Names the league, its teams, bowlers (with their phones) and substitutes, its officers and
// bulletin, on the league in memory.
void FillRoster();

// Schedules every week of the season: the weeks after the standard template's round robin repeat
// it. False when a week is left without its teams.
bool FillSchedule();

// A small generator of fixed sequences (a linear congruential one, so that the numbers are the
// same with every compiler and library).
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  // A whole number from low to high, both included.
  int between(int low, int high);
  // A game around the average: the average plus three throws of -25..25, kept within 60..300.
  int gameAround(int average);

 private:
  std::uint32_t next();
  std::uint64_t state_;
};

// The week's date, MM/DD/YY: weekly from Tuesday, September 2, 2025.
std::string WeekDate(int week);

// Enters the scores of the next week through score entry and processes the week. Empty when
// done, else what went wrong.
std::string PlayWeek(Dice& dice);

}  // namespace tallmark::sample
