// Loading and saving the whole league: the version check and every league file in its order.
#include <string>

#include "league/ArchiveRestore.h"
#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/LeagueLock.h"
#include "league/LeagueStamp.h"
#include "league/ReadErrors.h"
#include "league/RosterFiles.h"
#include "league/SeqFile.h"
#include "league/SportFile.h"
#include "league/StatsFile.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

// Files of versions "90" to "97" (and "9.") have a layout this program cannot read. The first
// two characters are compared byte by byte, so "98", "99" and "07.92" pass.
bool IsOldVersion(const std::string& version) {
  return !version.empty() && version[0] == '9' && version.substr(0, 2).compare("98") < 0;
}

void ShowOldVersionMessage(const std::string& version) {
  MsgBox("Your data files were created with version " + version + " of The Tallmark." +
             NewLine + NewLine + "They cannot be used with version " + lg.VersionString + "." +
             NewLine + NewLine +
             "You will need to create new files to take advantage of the new features of this "
             "upgraded version.",
         "ATTENTION", MsgIcon::Critical);
}

// Says what the opening did with a save that a stopped program left unfinished.
void ReportRecovery(Recovery done) {
  if (done == Recovery::Finished)
    MsgBox("The last save of this league was interrupted after it was complete; it has now been "
           "finished.", "ATTENTION");
  else if (done == Recovery::RolledBack)
    MsgBox("The last save of this league was interrupted before it was complete; the league is "
           "as it was before that save.", "ATTENTION");
  else if (done == Recovery::Unsafe)
    MsgBox("The league's folder holds a journal of an unfinished save that names files which are "
           "not this league's own. Nothing of it was applied; it is kept as " +
               DamagedJournalPath(LeagueBasePath()) + " for inspection.",
           "ATTENTION", MsgIcon::Exclamation);
}

std::string readOnlyBase;  // the league the user chose to open read-only

// Takes the writer's lock of the league about to be loaded. False when another program holds
// it and the user would rather not open it read-only.
bool TakeWriterLock() {
  if (!readOnlyBase.empty() && readOnlyBase != LeagueBasePath()) {
    readOnlyBase.clear();
    SetWritesRefused(false);
  }
  if (WritesRefused()) return true;
  const LockAttempt lock = HoldLeagueLock(LeagueBasePath());
  if (lock.result == LockResult::Held) return true;
  static std::string warnedBase;  // said once for each league
  if (lock.result == LockResult::Unavailable) {
    if (warnedBase == LeagueBasePath() || !FileExists(LeagueBasePath() + ".CFG")) return true;
    warnedBase = LeagueBasePath();
    MsgBox("The league's folder cannot be locked (" + ErrorDescription(lock.error) +
               "), so another program could change the league at the same time. Before each "
               "save the files are checked to be those that were read.",
           "ATTENTION", MsgIcon::Exclamation);
    return true;
  }
  if (!AskYesNo("The league " + lg.FileName + " is being changed by " + lock.holder + "." +
                    NewLine + NewLine +
                    "Open it read-only? Nothing of it can be saved until it is opened again "
                    "after the other program has finished.",
                "LEAGUE IN USE"))
    return false;
  readOnlyBase = LeagueBasePath();
  SetWritesRefused(true);
  return true;
}

}  // namespace

VersionCheck CheckConfigVersion() {
  if (!LeagueOpen()) return VersionCheck::NoLeague;
  SeqReader r = SeqReader::Open(LeagueBasePath() + ".CFG");
  const std::string version = r.text();
  if (r.error() != kErrNone) {
    lg.FileName = NoFileName;
    return VersionCheck::NoLeague;
  }
  if (IsOldVersion(version)) {
    ShowOldVersionMessage(version);
    lg.FileName = NoFileName;
    return VersionCheck::Refused;
  }
  return VersionCheck::Accepted;
}

bool LoadLeague() {
  if (LeagueOpen() && !InTransaction()) {
    if (!TakeWriterLock()) {
      lg.FileName = NoFileName;
      return false;
    }
  }
  // Only the writer finishes or removes what an interrupted save left.
  if (LeagueOpen() && !InTransaction() && HoldsLeagueLock(LeagueBasePath())) {
    ReportRecovery(RecoverInterruptedCommit(LeagueBasePath()));
    RemoveStaleStaging(lg.DataPath);
  }
  if (CheckConfigVersion() != VersionCheck::Accepted) return false;
  ForgetReadError();
  BusyPointer busy;
  ReadConfig();
  ReadIdentities();
  ReadStats(lg.CurrentSession);
  ReadRoster();
  ReadBulletin();
  if (!InTransaction()) NoteLeagueFiles(LeagueBasePath());
  return true;
}

// The five files are written as one set: either all of them are replaced or, when one cannot
// be written, none is, so that the league on disk never mixes old and new files.
bool SaveLeague() {
  if (!LeagueOpen()) return true;
  if (LeagueFilesChanged(LeagueBasePath())) {
    MsgBox("The league's files were changed by another program after they were read here, so "
               "nothing was saved: open the league again to see that program's work.",
           "LEAGUE CHANGED", MsgIcon::Critical);
    return false;
  }
  BusyPointer busy;
  LeagueTransaction tx;
  const std::string config = ConfigText();
  bool sportOk = WriteSport(lg.SportNumber);
  const std::string identities = IdentitiesText();
  const std::string roster = RosterText();
  const std::string bulletin = BulletinFileText();
  std::string stats;
  ErrorTrap trap;
  trap.set(StatsFileImage(lg.CurrentSession, stats));
  const std::string base = LeagueBasePath();
  if (!trap.failed())
    trap.set(WriteFilesAtomic({{base + ".CFG", config},
                               {base + ".IDS", identities},
                               {base + ".STT", stats},
                               {base + ".RST", roster},
                               {base + ".MSG", bulletin}}));
  if (!trap.failed() && sportOk) trap.set(tx.commit());
  return trap.report() && sportOk;
}

}  // namespace tallmark
