// A writing operation must not write back what a failed read left half-filled. A read error
// met in a file of the open league is reported once and remembered until the league is read
// again whole; meanwhile nothing of that league is written (a commit touching one of its files
// is refused before its first write).
#pragma once

#include <string>

#include "common/FileErrors.h"

namespace tallmark {

// Reports trap's error, if any, through the common handler and remembers it with the file that
// failed (the first one only). True when there was none.
bool ReportReadError(const ErrorTrap& trap, const std::string& path);

// Forgets the remembered error: the league is about to be read again whole.
void ForgetReadError();

// The remembered error (0 when none) and the file it was met in.
int RememberedReadError();
std::string RememberedReadErrorFile();

// The remembered error when path is a file of the league it was met in (the same base name in
// the same folder, whatever the extension and case); 0 otherwise.
int ReadErrorFor(const std::string& path);

}  // namespace tallmark
