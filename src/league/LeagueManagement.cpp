#include "league/LeagueManagement.h"

#include <filesystem>

#include "league/AwardsLog.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/RosterFiles.h"
#include "league/SportFile.h"
#include "league/StatsFile.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "common/UserIO.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

struct LeagueNames {
  std::string dataPath;
  std::string fileName;
};

LeagueNames CurrentNames() { return {lg.DataPath, lg.FileName}; }

void RestoreNames(const LeagueNames& names) {
  lg.DataPath = names.dataPath;
  lg.FileName = names.fileName;
}

// True when two base paths name the same league (the same files, whatever the case).
bool SameLeague(const std::string& a, const std::string& b) {
  std::error_code ec;
  auto normal = [&](const std::string& p) {
    return UpperAscii(fs::absolute(fs::path(p), ec).lexically_normal().string());
  };
  if (normal(a) == normal(b)) return true;
  const std::string cfgA = FindFileNoCase(a + ".CFG");
  const std::string cfgB = FindFileNoCase(b + ".CFG");
  return fs::exists(cfgA, ec) && fs::exists(cfgB, ec) && fs::equivalent(cfgA, cfgB, ec);
}

// Copies one league file from oldBase to newBase. A missing source leaves no file of that
// extension under the new name either, so no stale records of another league remain there.
void CopyLeagueFile(const std::string& oldBase, const std::string& newBase,
                    const std::string& extension, ErrorTrap& trap) {
  const std::string source = FindFileNoCase(oldBase + extension);
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) {
    RemoveLeagueFile(newBase, extension, trap);
    return;
  }
  std::string data;
  int err = ReadWholeFile(source, data);
  if (err == kErrNone) err = WriteFileAtomic(newBase + extension, data);
  trap.set(err);
}

}  // namespace

void RemoveLeagueFile(const std::string& base, const std::string& extension, ErrorTrap& trap) {
  std::error_code ec;
  const std::string path = FindFileNoCase(base + extension);
  fs::remove(path, ec);
  if (ec) trap.set(ErrorFromErrno(ec.value()));
}

void ClearWeekDates() {
  for (int w = 1; w <= kMaxWeeks; ++w) lg.WeekDate[w] = std::string(8, ' ');
}

void SetNamesFromDialog(const std::string& chosenPath) {
  const std::size_t slash = chosenPath.find_last_of('/');
  const std::string title = slash == std::string::npos ? chosenPath : chosenPath.substr(slash + 1);
  lg.DataPath = slash == std::string::npos ? "./" : chosenPath.substr(0, slash + 1);
  lg.FileName = title.size() >= 4 ? title.substr(0, title.size() - 4) : std::string();
}

std::string WithLeagueExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
  if (title.size() > 4 && UpperAscii(title.substr(title.size() - 4)) == ".CFG") return path;
  return path + ".CFG";
}

bool CreateNewFiles() {
  BusyPointer busy;
  ErrorTrap trap;
  // These files are written a record at a time; an older league of the same name must not
  // leave its records behind in them.
  for (const char* ext : {".SEA", ".scr", ".STT"}) RemoveLeagueFile(LeagueBasePath(), ext, trap);
  trap.report();

  bool ok = !trap.failed();
  // With no league opened yet there is no sport either: the league takes the first one.
  if (lg.SportNumber < 1) {
    lg.SportNumber = 1;
    ok &= ReadSport(1);
  }
  lg.CompleteSlots = 0;
  lg.NumPlayerRecords = 1;
  lg.CurrentWeek = static_cast<Integer>(lg.StartWeek - 1);
  lg.PlayerName[0] = Fixed("?", 20);
  ok &= WriteIdentities();
  lg.NumSessions = 1;
  for (int s = 1; s <= kMaxSessions; ++s) ok &= WriteStats(s);
  ClearWeekDates();
  lg.NumTeams = 1;
  ok &= WriteRoster();
  lg.NumLanes = 1;
  ok &= WriteWeekResults(1);
  lg.BulletinText = " ";
  ok &= WriteBulletin();
  lg.LeagueName = "NEW";
  ok &= WriteConfig();
  ok &= StartAwardsLog();
  return ok;
}

bool NewLeagueFiles(const std::string& chosenPath) {
  const LeagueNames old = CurrentNames();
  SetNamesFromDialog(chosenPath);
  if (FileExists(LeagueBasePath() + ".CFG")) {
    MsgAnswer a = userio().message("Overwrite the existing file with a new file", "WARNING",
                                   MsgButtons::YesNo, MsgIcon::Exclamation);
    if (a != MsgAnswer::Yes) {
      RestoreNames(old);
      return false;
    }
  }
  if (old.fileName != NoFileName) {
    RestoreNames(old);
    SaveLeague();
    SetNamesFromDialog(chosenPath);
  }
  CreateNewFiles();
  LoadLeague();
  return true;
}

bool OpenLeagueFiles(const std::string& chosenPath) {
  if (chosenPath.size() >= 3) {
    const std::string dosFile = chosenPath.substr(0, chosenPath.size() - 3) + "SCH";
    if (FileExists(dosFile)) {
      MsgBox("The files from the DOS version of this program are not compatible with the "
             "Windows version. The data will not be loaded.",
             {}, MsgIcon::Critical);
      return false;
    }
  }
  if (LeagueOpen()) SaveLeague();
  SetNamesFromDialog(chosenPath);
  return LoadLeague();
}

bool SaveLeagueFiles() { return SaveLeague(); }

bool SaveLeagueFilesAs(const std::string& chosenPath) {
  if (!LeagueOpen()) return false;
  const std::string oldBase = LeagueBasePath();
  SetNamesFromDialog(chosenPath);
  const std::string newBase = LeagueBasePath();
  if (SameLeague(oldBase, newBase)) return SaveLeague();

  ErrorTrap trap;
  // The statistics of every session go along; SaveLeague then brings the current one up to date.
  CopyLeagueFile(oldBase, newBase, ".STT", trap);
  bool ok = SaveLeague();
  {
    BusyPointer busy;
    for (const char* ext : {".SEA", ".SCR", ".SPC"}) CopyLeagueFile(oldBase, newBase, ext, trap);
  }
  return trap.report() && ok;
}

// Asks for the new league's name until one is given that is not the open league itself, and
// saves the league there.
void SaveAsNewLeague(const FileChooser& choose) {
  const std::string oldBase = LeagueBasePath();
  for (;;) {
    std::optional<std::string> chosen = choose();
    if (chosen) {
      const LeagueNames old = CurrentNames();
      SetNamesFromDialog(*chosen);
      const bool same = SameLeague(oldBase, LeagueBasePath());
      RestoreNames(old);
      if (!same && SaveLeagueFilesAs(*chosen)) return;
    }
    MsgBox("You must select a file name for the new league." + NewLine + NewLine + "Try Again");
  }
}

}  // namespace tallmark
