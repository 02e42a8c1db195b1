// Importing a lane scoring system's export of a night into the week being entered: each row's
// lane gives its team through the week's lane slots, each bowler is matched by name to the
// team's roster or the substitutes, and each team whose rows raise no problem is entered row by
// row through the score entry, exactly as typed entries are. A team with a problem is left as it
// was, with a line in the log saying what to do.
#pragma once

#include <string>
#include <vector>

#include "processing/LaneExport.h"

namespace tallmark {

class ScoreEntry;

struct LaneImportOptions {
  bool replace = false;  // enter again teams already entered (else they are skipped and listed)
  std::string columns;   // "lane=N,name=N,games=N-M[,team=N]", empty: by the headings
};

struct LaneImportResult {
  bool read = false;               // false: the file is no export at all and nothing was stored
  int imported = 0;                // teams stored
  int teams = 0;                   // teams of the week
  std::vector<std::string> notes;  // how the file was read, the columns not used
  std::vector<std::string> log;    // one line per problem, each saying what to do
  bool complete() const { return read && imported == teams; }
};

// Imports the export into the entry's week (the entry is open on it); the teams entered, the
// week's date (from a "Date" column) and the week's record are stored in one commit. The team
// shown before stays shown.
LaneImportResult ImportLanes(ScoreEntry& entry, const std::string& bytes,
                             const LaneImportOptions& options = {});

// "Imported n of m teams".
std::string ImportedText(const LaneImportResult& result);

// The log as a text to print or save: the notes, then the problems (lines end in CR LF).
std::string ImportLogText(const LaneImportResult& result);

}  // namespace tallmark
