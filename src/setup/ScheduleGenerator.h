// The standard schedule templates shipped with the program (SCHEDULE.DAT).
#pragma once

#include <string>

namespace tallmark {

// The contents of SCHEDULE.DAT: a first text, then for each even team count 4..34 the number of
// template weeks and the template text.
std::string ShippedScheduleFile();

}  // namespace tallmark
