#include "league/ConfigFile.h"

#include <algorithm>
#include <memory>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ReadErrors.h"
#include "league/SeqFile.h"
#include "league/SportFile.h"

namespace tallmark {

namespace {

std::string ConfigPath() { return LeagueBasePath() + ".CFG"; }

// Lane numbers and customized awards stored: the counts, within their arrays.
int StoredLanes() { return std::clamp<int>(lg.NumTeams, 0, kMaxTeams); }
int StoredAwardColumns() { return std::min<int>(lg.NumCustomAwards, kMaxCustomAwards); }

// Players of a team each week (MaxPerTeam): the layout of the score file allows no more.
constexpr int kMaxPlayersPerWeek = 10;

void WriteHeader(SeqWriter& w) {
  w.text(lg.VersionString).endLine();
  w.text(lg.LeagueName).integer(lg.SportNumber).integer(lg.SportCount).endLine();
  for (int i = 1; i <= 4; ++i)
    w.integer(lg.OfficerPlayer[i]).text(lg.OfficerName[i]).text(lg.OfficerTitle[i]).endLine();
}

void WriteCounts(SeqWriter& w) {
  w.integer(lg.PlayersPerTeam).integer(lg.NumTeams).integer(lg.NumSubs);
  w.integer(lg.HandicapMethod).endLine();
  w.integer(lg.OddTeam).integer(lg.NumPlayerRecords).integer(lg.LastTeam);
  w.integer(lg.CurrentWeek).integer(lg.NumWeeks).integer(lg.GamesPerWeek).endLine();
  w.integer(lg.NumLanes).single(lg.FeeUnit).integer(lg.SeparateGenderScoring);
  w.integer(lg.StartWeek).integer(lg.PrintCopies).integer(lg.ScheduleEachWeek).endLine();
  w.integer(lg.NumSessions).integer(lg.CurrentSession).integer(lg.CompleteSlots);
  w.integer(lg.GamesForNewAverage).integer(lg.TeamPointsGame).integer(lg.PlayerPointsGame);
  w.endLine();
  w.integer(lg.PlayersPerWeek).integer(lg.SortByHandicapTotal).integer(lg.UnearnedInTeamStats);
  w.integer(lg.AbsenteeIsPercent).integer(lg.TeamPointsSeries).integer(lg.PlayerPointsSeries);
  w.endLine();
  w.integer(lg.TopAwardsListed).integer(lg.GamesToQualify).integer(lg.SubsQualify);
  w.integer(lg.SeparateGenderAwards).integer(lg.AdjustHandicapAwards).endLine();
  w.integer(lg.MatchPointsStanding).integer(lg.PlayerPointsToTeam).integer(lg.MaxPerTeam);
  w.integer(lg.MaxSubs).integer(lg.NumCustomAwards).endLine();
  w.integer(lg.HighGamePoints).integer(lg.HighGameMode).integer(lg.ForfeitRule);
  w.integer(lg.NumClasses).integer(lg.StatResetMode).integer(lg.NumExtraStats).endLine();
  w.text(lg.GroupLabel[0]).text(lg.GroupLabel[1]).endLine();
}

void WriteTables(SeqWriter& w) {
  for (int i = 0; i <= 11; ++i) {
    w.integer(lg.SplitWeek[i]).endLine();
    w.integer(lg.ClassResetAtSession[i]).endLine();
  }
  for (int i = 0; i <= 12; ++i) w.integer(lg.ClassLimit[i]).endLine();
  for (int i = 0; i <= 9; ++i)
    w.text(Fixed(lg.ExtraStatAbbrev[i], 5)).text(Fixed(lg.ExtraStatName[i], 20)).endLine();
  for (int g = 0; g <= 2; ++g) {
    w.integer(lg.PercentHandicap[g]).integer(lg.ScratchBase[g]).endLine();
    w.integer(lg.AbsenteeLess[g]).integer(lg.VacancyScore[g]).endLine();
    w.integer(lg.MaxHandicap[g]).integer(lg.ForfeitLess[g]).endLine();
  }
  for (int s = 1; s <= StoredLanes(); ++s) w.integer(lg.LaneNumber[s]).endLine();
  for (int n = 0; n <= StoredAwardColumns(); ++n)
    for (int j = 0; j <= 3; ++j) w.integer(lg.CustomAward[j][n]).endLine();
  for (int wk = 1; wk <= kMaxWeeks; ++wk) w.text(Fixed(lg.WeekDate[wk], 8)).endLine();
}


// Reads values into the league's variables: a value that fails to read leaves its variable as it
// was, and a count outside what the league can hold is replaced (and the error kept).
class ConfigReader {
 public:
  explicit ConfigReader(SeqReader& r) : r_(r) {}

  void integer(Integer& into) {
    Integer v = r_.integer();
    if (r_.lastOk()) into = v;
  }
  // A whole number that must lie within lo..hi; fallback replaces one outside.
  void integer(Integer& into, int lo, int hi, Integer fallback) {
    Integer v = r_.integer();
    if (!r_.lastOk()) return;
    if (v < lo || v > hi) {
      r_.setError(kErrSubscript);
      v = fallback;
    }
    into = v;
  }
  void single(Single& into) {
    Single v = r_.single();
    if (r_.lastOk()) into = v;
  }
  void text(std::string& into) {
    std::string v = r_.text();
    if (r_.lastOk()) into = std::move(v);
  }
  void fixed(std::string& into, std::size_t n) {
    std::string v = r_.text();
    if (r_.lastOk()) into = Fixed(v, n);
  }

 private:
  SeqReader& r_;
};

void ReadHeader(SeqReader& r, ConfigReader& in) {
  r.text();  // the version, checked before loading
  in.text(lg.LeagueName);
  in.integer(lg.SportNumber);
  in.integer(lg.SportCount, 0, kMaxSports, 1);
  ReadSport(lg.SportNumber);
  for (int i = 1; i <= 4; ++i) {
    in.integer(lg.OfficerPlayer[i], -1, kMaxPlayerRecords, -1);
    in.text(lg.OfficerName[i]);
    in.text(lg.OfficerTitle[i]);
  }
}

// The counts bound the arrays every part of the program walks, so each is held to its limits.
void ReadCounts(ConfigReader& in) {
  in.integer(lg.PlayersPerTeam, 0, kMaxRosterPositions, 0);
  in.integer(lg.NumTeams, 0, kMaxTeams, 0);
  in.integer(lg.NumSubs, 0, static_cast<int>(lg.SubList.size()) - 1, 0);
  in.integer(lg.HandicapMethod, -2, 1, 0);
  in.integer(lg.OddTeam);
  in.integer(lg.NumPlayerRecords, 0, kMaxPlayerRecords, 0);
  in.integer(lg.LastTeam, 0, kMaxTeams, 0);
  in.integer(lg.CurrentWeek, 0, kMaxWeeks, 0);
  in.integer(lg.NumWeeks, 0, kMaxWeeks, 0);
  in.integer(lg.GamesPerWeek, 1, kMaxGames, 3);
  in.integer(lg.NumLanes, 0, kMaxTeams / 2, 0);
  in.single(lg.FeeUnit);
  in.integer(lg.SeparateGenderScoring);
  in.integer(lg.StartWeek, 1, kMaxWeeks, 1);
  in.integer(lg.PrintCopies);
  in.integer(lg.ScheduleEachWeek);
  in.integer(lg.NumSessions, 1, kMaxSessions, 1);
  in.integer(lg.CurrentSession, 1, kMaxSessions, 1);
  in.integer(lg.CompleteSlots, 0, kMaxTeams, 0);
  in.integer(lg.GamesForNewAverage);
  in.integer(lg.TeamPointsGame);
  in.integer(lg.PlayerPointsGame);
  in.integer(lg.PlayersPerWeek, 0, kMaxPlayersPerWeek, 0);
  in.integer(lg.SortByHandicapTotal);
  in.integer(lg.UnearnedInTeamStats);
  in.integer(lg.AbsenteeIsPercent);
  in.integer(lg.TeamPointsSeries);
  in.integer(lg.PlayerPointsSeries);
  in.integer(lg.TopAwardsListed);
  in.integer(lg.GamesToQualify);
  in.integer(lg.SubsQualify);
  in.integer(lg.SeparateGenderAwards);
  in.integer(lg.AdjustHandicapAwards);
  in.integer(lg.MatchPointsStanding);
  in.integer(lg.PlayerPointsToTeam);
  in.integer(lg.MaxPerTeam, 1, kMaxPlayersPerWeek, kMaxPlayersPerWeek);
  in.integer(lg.MaxSubs, 0, static_cast<int>(lg.SubList.size()) - 1, 100);
  in.integer(lg.NumCustomAwards, -32768, kMaxCustomAwards, 0);  // negative: none stored
  in.integer(lg.HighGamePoints);
  in.integer(lg.HighGameMode, 0, 3, 0);
  in.integer(lg.ForfeitRule);
  in.integer(lg.NumClasses, 1, kMaxClasses, 1);
  in.integer(lg.StatResetMode, 0, 2, 0);
  in.integer(lg.NumExtraStats, 0, kMaxExtraStats, 0);
  in.text(lg.GroupLabel[0]);
  in.text(lg.GroupLabel[1]);
}

void ReadTables(ConfigReader& in) {
  for (int i = 0; i <= 11; ++i) {
    in.integer(lg.SplitWeek[i]);
    in.integer(lg.ClassResetAtSession[i]);
  }
  for (int i = 0; i <= 12; ++i) in.integer(lg.ClassLimit[i]);
  for (int i = 0; i <= 9; ++i) {
    in.fixed(lg.ExtraStatAbbrev[i], 5);
    in.fixed(lg.ExtraStatName[i], 20);
    lg.CategoryName[kFirstExtraStat + i] = lg.ExtraStatName[i];
  }
  long handicapSum = 0;
  for (int g = 0; g <= 2; ++g) {
    in.integer(lg.PercentHandicap[g]);
    in.integer(lg.ScratchBase[g]);
    handicapSum += lg.ScratchBase[g] + lg.PercentHandicap[g];
    in.integer(lg.AbsenteeLess[g]);
    in.integer(lg.VacancyScore[g]);
    in.integer(lg.MaxHandicap[g]);
    in.integer(lg.ForfeitLess[g]);
  }
  if (handicapSum == 0) lg.HandicapMethod = 1;  // no handicap anywhere: a scratch league
  for (int s = 1; s <= StoredLanes(); ++s) in.integer(lg.LaneNumber[s]);
  for (int n = 0; n <= StoredAwardColumns(); ++n)
    for (int j = 0; j <= 3; ++j) in.integer(lg.CustomAward[j][n]);
  for (int wk = 1; wk <= kMaxWeeks; ++wk) in.fixed(lg.WeekDate[wk], 8);
}

}  // namespace

namespace {

// Reads a configuration text into the league's variables; returns 0 or the first error number.
int ReadConfigFrom(SeqReader& r) {
  ConfigReader in(r);
  ReadHeader(r, in);
  ReadCounts(in);
  ReadTables(in);
  return r.error();
}

// Runs work with the league's variables read from a configuration text, and puts the variables
// back as they were afterwards.
template <typename Work>
void WithConfigText(const std::string& text, Work work) {
  auto saved = std::make_unique<LeagueData>(lg);
  SeqReader r(text);
  ReadConfigFrom(r);
  work();
  lg = *saved;
}

}  // namespace

bool ReadConfig() {
  SeqReader r = SeqReader::Open(ConfigPath());
  ErrorTrap trap;
  trap.set(ReadConfigFrom(r));
  return ReportReadError(trap, ConfigPath());
}

ConfigProgress ProgressOf(const std::string& configText) {
  ConfigProgress p;
  WithConfigText(configText, [&p] {
    p.week = lg.CurrentWeek;
    p.session = lg.CurrentSession;
    p.complete = lg.CompleteSlots;
  });
  return p;
}

std::string WithProgress(const std::string& configText, const ConfigProgress& p, bool complete) {
  std::string text;
  WithConfigText(configText, [&] {
    lg.CurrentWeek = p.week;
    lg.CurrentSession = p.session;
    if (complete) lg.CompleteSlots = p.complete;
    text = ConfigText();
  });
  return text;
}

std::string ConfigText() {
  SeqWriter w;
  WriteHeader(w);
  WriteCounts(w);
  WriteTables(w);
  return w.data();
}

bool WriteConfig() {
  const std::string text = ConfigText();
  bool sportOk = WriteSport(lg.SportNumber);
  ErrorTrap trap;
  trap.set(WriteFileAtomic(ConfigPath(), text));
  return trap.report() && sportOk;
}

}  // namespace tallmark
