// One writer at a time for a league, across processes. The writer holds an advisory lock on
// the file base + ".LCK" in the league's folder: the lock belongs to the open file, so it ends
// with the process however the process ends, and a crashed program never leaves a league
// locked. The file names its holder (program, process, host) for the message of the writer
// refused. It is no league file: backups and restores leave it out.
#pragma once

#include <string>

namespace tallmark {

enum class LockResult {
  Held,        // this process holds the league's lock now
  Refused,     // another process holds it: holder names it
  Unavailable  // the folder cannot lock (a network folder, a read-only folder): error says why
};

struct LockAttempt {
  LockResult result = LockResult::Unavailable;
  std::string holder;  // "tallmark-cli (process 4711 on host)"
  int error = 0;       // (Unavailable) an error number
};

// Takes the lock of the league at base (path without extension) for this process, letting go of
// any other league's lock it held. Holding it already gives Held at once.
LockAttempt HoldLeagueLock(const std::string& base);

// Lets go of the lock held (none: nothing), removing the lock file.
void ReleaseLeagueLock();

// True when this process holds the lock of the league at base.
bool HoldsLeagueLock(const std::string& base);

std::string LeagueLockPath(const std::string& base);

}  // namespace tallmark
