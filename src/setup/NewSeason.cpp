#include "setup/NewSeason.h"

#include "common/FileErrors.h"
#include "common/UserIO.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"

namespace tallmark {

namespace {

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

  SaveAsNewLeague(choose);
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
