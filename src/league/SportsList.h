// The sports shipped with the program (the first SportsInfo.dat).
#pragma once

#include <string>

namespace tallmark {

// The contents of the SportsInfo.dat shipped with the program: the default sport as record 1,
// then other sports scored in games and series.
std::string ShippedSportsFile();

}  // namespace tallmark
