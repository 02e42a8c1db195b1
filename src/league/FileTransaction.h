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

  // Returns 0 or an error number; after an error nothing held is written, unless the journal
  // was already complete (then the next opening of the league finishes the commit).
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

// Reads ahead count bytes of a file from offset into the open transaction, in one access, so
// that the record reads and writes within them touch no file. Without a transaction it does
// nothing.
void PrefetchRange(const std::string& path, std::int64_t offset, std::int64_t count);

enum class Recovery { None, Finished, RolledBack };
// Finishes or rolls back a commit of the league at base (path without extension) that a
// stopped program left behind, and removes its temporary files.
Recovery RecoverInterruptedCommit(const std::string& base);

}  // namespace tallmark
