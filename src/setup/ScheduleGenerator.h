// The standard schedule templates shipped with the program (SCHEDULE.DAT).
#pragma once

#include <string>
#include <vector>

namespace tallmark {

// The contents of SCHEDULE.DAT: a first text, then for each even team count 4..34 the number of
// template weeks (52) and the template text of the season schedule.
std::string ShippedScheduleFile();

// One week of a standard schedule: team numbers (1-based) by lane slot, slots 2p-1 and 2p
// playing each other on lane pair p.
using TemplateWeek = std::vector<int>;

// The standard schedule for an even number of teams (4 or more): a full round robin of
// teams - 1 weeks in which every team plays every other once, each team once a week, with the
// matches spread over the lane pairs so that each team plays on every lane pair once or twice
// wherever the count allows it.
std::vector<TemplateWeek> StandardSchedule(int teams);

// The standard schedule repeated to fill a season of the longest length (52 weeks): each
// repetition of the round robin moves every match one lane pair on and, every other time, swaps
// the two sides of each pair, so that a long season keeps the lanes spread.
std::vector<TemplateWeek> SeasonSchedule(int teams);

// The schedule as template text: one character a lane slot, the team number plus 34.
std::string TemplateText(const std::vector<TemplateWeek>& weeks);

}  // namespace tallmark
