// Comparing a bowler's name as someone else wrote it with the name the league holds.
#pragma once

#include <string>

namespace tallmark {

// "Last, First" turned to "First Last"; any other name as it is.
std::string FirstNameFirst(const std::string& name);

// The name without regard to case, repeated blanks and "Last, First" order (Windows-1252).
std::string ExactNameKey(const std::string& name);

// Looser still: accents, punctuation and the order of the words do not count either
// ("MUÑOZ JOSE" and "José Muñoz" have the same key).
std::string LooseNameKey(const std::string& name);

}  // namespace tallmark
