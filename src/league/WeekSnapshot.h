// What processing a week changed, as it was before, kept beside the league (LEAGUE.U05 for
// week 5) so that the week can be undone. It is written in the same commit as the processed
// week, and holds only what the week changed: the set-up files (.CFG, .IDS, .RST, .MSG) whole,
// the changed parts of the statistics file, where the awards log ended (the week only adds
// lines to it), the week's block of the season results file and the week's score records, and
// the next week's block and records as they were before anything was entered for it. Each part
// of the week itself but the set-up files carries a check value of its contents after the week
// (of the awards log, of the lines it added), so that an undo refuses files changed since.
#pragma once

#include <string>

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

// Puts back, in the open transaction, the files as they were before week w was processed and
// removes the week's snapshot; keepScores leaves the score records as they are now (reprocessing
// keeps what was entered and corrected). Returns an empty text when done, otherwise why nothing
// was changed.
std::string UndoWeekFiles(int week, bool keepScores);

}  // namespace tallmark
