// Changes to league files made all or nothing.
//
// While a LeagueTransaction is open, every write of the file layer (whole files, records,
// appends, removals) is held in memory, and every read of the file layer sees what is held.
// commit() then puts it all on disk in one step: whole files go to temporary files beside their
// targets, the set of renames and record writes goes to a commit journal (LEAGUE.JNL) made
// durable first, and only then are the files changed. Whatever moment the program stops, the
// next opening of the league finishes a commit whose journal is complete, or removes the
// temporary files of one that never reached it.
#pragma once

#include <cstdint>
#include <string>

namespace tallmark {

class LeagueTransaction {
 public:
  // journalBase: the league path without extension beside which the journal is written; empty
  // for the league open now. A transaction opened inside another joins it: its commit() leaves
  // the writing to the outer one.
  explicit LeagueTransaction(std::string journalBase = {});
  ~LeagueTransaction();  // without commit(): everything held is dropped
  LeagueTransaction(const LeagueTransaction&) = delete;
  LeagueTransaction& operator=(const LeagueTransaction&) = delete;

  // Returns 0 or an error number; after an error nothing held is written, except for
  // kErrCommitPending: the journal was in place, so the change is made or the next opening of
  // the league finishes it. A held file of a league that met a read error since it was loaded
  // (league/ReadErrors.h) refuses the whole commit before anything is written.
  int commit();
  // commit(), with an error reported through the common handler. True when written.
  bool commitReported();
  // Drops everything held (the outer transaction's too).
  void rollback();
  bool outermost() const { return outer_; }

 private:
  bool outer_;
  bool done_ = false;
  std::string journalBase_;
};

bool InTransaction();

// The result of the last outermost commit (0 or an error number): kErrCommitPending tells a
// caller that the change is made, or will be at the next opening, whatever failed after.
int LastCommitResult();

// Reads ahead count bytes of a file from offset into the open transaction, in one access, so
// that the record reads and writes within them touch no file. Without a transaction it does
// nothing.
void PrefetchRange(const std::string& path, std::int64_t offset, std::int64_t count);

// While set, every commit that would change a file is refused (kErrReadOnly): a league opened
// read-only.
void SetWritesRefused(bool refused);
bool WritesRefused();

enum class Recovery { None, Finished, RolledBack, Unsafe };
// Finishes or rolls back a commit of the league at base (path without extension) that a
// stopped program left behind, and removes its temporary files. A journal that names anything
// but the league's own files in its folder is applied in no part: it is kept aside as
// base + ".JNL.damaged" (Unsafe).
Recovery RecoverInterruptedCommit(const std::string& base);

// The name a journal kept aside gets.
std::string DamagedJournalPath(const std::string& base);

}  // namespace tallmark
