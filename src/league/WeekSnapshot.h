// What processing a week changed, as it was before, kept beside the league (LEAGUE.U05 for
// week 5) so that the week can be undone. It is written in the same commit as the processed
// week, and holds: the set-up files (.CFG, .IDS, .RST, .MSG) whole as they were in force for the
// week, the blocks of the statistics file the week changed, where the awards log ended (the
// week only adds lines to it), and the week's block of the season results file and its score
// records. Each part of the week itself carries a check value of what the week left in it (of
// the awards log, of the lines it added), so that an undo refuses files changed there since.
// Of the set-up files only the progress of the configuration file (week, session, complete
// count) belongs to the week: an undo keeps every other set-up change made since.
// Older records kept only the set-up files the week changed, checked the whole statistics file,
// and kept the next week's records; they are read as they are.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "league/ConfigFile.h"

namespace tallmark {

class WeekSnapshot {
 public:
  // Reads, through the open transaction, what processing week w may change.
  explicit WeekSnapshot(int week);
  ~WeekSnapshot();
  WeekSnapshot(const WeekSnapshot&) = delete;
  WeekSnapshot& operator=(const WeekSnapshot&) = delete;
  // After the week was processed and the league saved in the open transaction: adds the
  // snapshot file to it.
  void store();

  struct Parts;

 private:
  int week_;
  Parts* before_;
};

// The path of week w's snapshot of the open league.
std::string WeekSnapshotPath(int week);

// The set-up files by extension (".CFG" ...).
struct WeekSetup {
  std::map<std::string, std::string> files;
};

// Puts back, in the open transaction, what processing week w wrote, as it was before, and
// removes the week's snapshot; everything else (set-up changes, the next week's entries) stays.
// keepScores leaves the score records as they are now (reprocessing keeps what was entered and
// corrected). setup, when given, receives the set-up in force for the week (none in older
// records). Returns an empty text when done, otherwise why nothing was changed.
std::string UndoWeekFiles(int week, bool keepScores, WeekSetup* setup = nullptr);

// The progress the configuration file had before week w was processed, from its record.
std::optional<ConfigProgress> WeekRecordProgress(int week);

// After a change of the statistics file that belongs to week w's processing (the start of the
// next session on opening the week after it), in the open transaction: makes week w's record
// put back that change too. statsBefore: the file before the change. A record whose statistics
// were changed otherwise since is left as it is.
void AddStatsChangeToRecord(int week, const std::string& statsBefore);

// The set-up files as they are now; writes them back, keeping the week and session the
// configuration file holds now.
WeekSetup CurrentSetup();
int PutSetup(const WeekSetup& setup);

}  // namespace tallmark
