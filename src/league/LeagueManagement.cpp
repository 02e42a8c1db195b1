#include "league/LeagueManagement.h"

#include <filesystem>

#include "league/AwardsLog.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/RosterFiles.h"
#include "league/SportFile.h"
#include "league/StatsFile.h"
#include "league/Text.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "shell/UserIO.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

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

void RemoveLeagueFile(const std::string& base, const std::string& extension, ErrorTrap& trap) {
  std::error_code ec;
  const std::string path = FindFileNoCase(base + extension);
  fs::remove(path, ec);
  if (ec) trap.set(ErrorFromErrno(ec.value()));
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

std::string Blanks8() { return std::string(8, ' '); }

void ClearWeekDates() {
  for (int w = 1; w <= kMaxWeeks; ++w) lg.WeekDate[w] = Blanks8();
}

}  // namespace

LeagueNames CurrentNames() { return {lg.DataPath, lg.FileName}; }

void AbandonNewLeague(const LeagueNames& before) {
  ErrorTrap trap;
  const std::string base = LeagueBasePath();
  for (const char* ext : {".CFG", ".RST", ".IDS", ".MSG", ".SEA", ".scr", ".STT", ".SPC"})
    RemoveLeagueFile(base, ext, trap);
  trap.report();
  if (before.fileName == NoFileName) {
    InitLeagueData();
    return;
  }
  RestoreNames(before);
  LoadLeague();
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

namespace {

// Asks for the new league's name until one is given that is not the open league itself, and
// saves the league there. False when the user cancelled the choice: nothing was saved.
bool SaveAsNewLeague(const FileChooser& choose) {
  const std::string oldBase = LeagueBasePath();
  for (;;) {
    std::optional<std::string> chosen = choose();
    if (!chosen) return false;
    const LeagueNames old = CurrentNames();
    SetNamesFromDialog(*chosen);
    const bool same = SameLeague(oldBase, LeagueBasePath());
    RestoreNames(old);
    if (!same && SaveLeagueFilesAs(*chosen)) return true;
    MsgBox("You must select a file name for the new league." + NewLine + NewLine + "Try Again");
  }
}

// Each record keeps its current average (as its new starting average), handicap and group;
// every other statistic starts again at 0.
void CarryRecordForward(int p) {
  auto& row = lg.PlayerStat[p];
  const Single average = row[kCurrentAverage];
  const Single handicap = row[kCurrentHandicap];
  const Single group = row[kGroupOrStanding];
  for (int c = 0; c <= 27; ++c) row[c] = 0;
  row[kStartingAverage] = average;
  row[kCurrentAverage] = average;
  row[kCurrentHandicap] = handicap;
  row[kGroupOrStanding] = group;
}

// The new league's statistics file is a copy of the old one (see SaveLeagueFilesAs), so every
// session is carried forward in place.
void CarryStatisticsForward() {
  for (int s = 1; s <= lg.NumSessions; ++s) {
    ReadStats(s);
    const int records = StoredStatRecords();
    for (int p = 0; p < records; ++p) CarryRecordForward(p);
    WriteStats(s);
  }
}

void ClearScoreWork() {
  lg.ScrNoCreditMask = 0;
  lg.ScrEntryKind = 0;
  lg.ScrPointsWon = 0;
  lg.ScrHandicap = 0;
  lg.ScrFlag = False;
  lg.ScrGameScore.fill(0);
  lg.ScrExtraStat.fill(0);
}

// The new season starts from a score file holding a blank record for every player of every
// team in use, every week. The old scores are removed first, also those of teams or line-up
// positions the blank records do not cover.
void WriteBlankScores() {
  ErrorTrap trap;
  RemoveLeagueFile(LeagueBasePath(), ".scr", trap);
  if (!trap.report()) return;
  ClearScoreWork();
  for (int t = 1; t <= lg.LastTeam; ++t) {
    if (!TeamNumberInUse(t)) continue;
    for (int p = 1; p <= lg.PlayersPerWeek; ++p)
      for (int w = 1; w <= kMaxWeeks; ++w)
        if (!WriteScore(w, t, p, lg.Roster[t][p])) return;
  }
}

void ResetClasses() {
  lg.NumClasses = 1;
  lg.ClassLimit[0] = lg.GameParam[0];
  for (int c = 1; c <= kMaxClasses; ++c) lg.ClassLimit[c] = 0;
  ClassifyAll();
}

}  // namespace

bool FreshStart(const FileChooser& choose) {
  if (!LeagueOpen()) return false;
  MsgAnswer a = userio().message(
      "The setup of the current league will be saved to a new league." + NewLine +
          "Are you sure you want to do this?",
      "FRESH START WITH A NEW LEAGUE?", MsgButtons::YesNo, MsgIcon::Question);
  if (a != MsgAnswer::Yes) return false;
  if (lg.AutoBackup) MakeBackup(lg.CurrentWeek);

  if (!SaveAsNewLeague(choose)) return false;
  {
    BusyPointer busy;
    lg.CurrentWeek = 0;
    lg.CurrentSession = 1;
    lg.StartWeek = 1;
    lg.CompleteSlots = 0;
    CarryStatisticsForward();
    lg.BulletinText.clear();
    WriteBlankScores();
    ResetClasses();
    ClearWeekDates();
    SaveLeague();
  }
  return LoadLeague();
}

}  // namespace tallmark
