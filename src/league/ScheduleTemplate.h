// The standard schedule templates of the program folder (SCHEDULE.DAT).
#pragma once

#include <string>

namespace tallmark {

// Sets ScheduleText, ScheduleTemplate, ScheduleWeek and ScheduleEachWeek for NumTeams.
bool ReadScheduleTemplate();

// Team of lane slot s (1-based) in template week k (0-based) of a template for n teams: the
// character code minus 34. A slot the text does not hold, or a character that is no team 1..n,
// gives 101 ("TBD").
int TemplateTeam(const std::string& text, int teams, int week, int slot);

}  // namespace tallmark
