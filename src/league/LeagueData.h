// The league in memory: one program-wide set of variables that every module reads and writes.
//
// Whole numbers are 16-bit (Integer), statistics and averages single precision (Single),
// flags 16-bit with True = -1. Texts are single-byte Windows-1252 strings; a fixed-length
// text (String*N) is always kept at exactly N characters, blank-padded.
// Arrays are declared with inclusive bounds 0..N, so an array "(0..N)" has N + 1 elements.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/Text.h"

namespace tallmark {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

constexpr Integer True = -1;
constexpr Integer False = 0;

// Limits of the data model.
constexpr int kMaxTeams = 100;
constexpr int kMaxRosterPositions = 20;
constexpr int kMaxPlayerRecords = 2100;   // records 0..2099 are stored, 2100 exists in memory only
constexpr int kMaxWeeks = 52;
constexpr int kMaxGames = 12;
constexpr int kMaxSessions = 12;
constexpr int kMaxClasses = 12;
constexpr int kMaxCustomAwards = 20;
constexpr int kMaxExtraStats = 10;
constexpr int kNumCategories = 29;
constexpr int kMaxSports = 32;
constexpr int kLaneSlotsPerWeekBlock = 52; // lane slots one week's block of the season file holds

// Team number 101 on a lane slot: nobody scheduled yet ("TBD"); 0: a position slot ("POS").
constexpr Integer kTbdTeam = 101;
constexpr Integer kPositionTeam = 0;

// Kinds of entry of a score record.
enum EntryKind : Integer {
  kRegular = 0,
  kSub = 1,
  kRovingSub = 2,
  kVacancy = 3,
  kAbsent = 4,
  kForfeit = 5,
};

// Statistic categories (columns of PlayerStat).
enum Category : int {
  kHighScratchGame = 0,
  kScratchGamesOver = 1,
  kHighScratchSeries = 2,
  kScratchSeriesOver = 3,
  kHighHandicapGame = 4,
  kScratchSeriesOver2 = 5,
  kHighHandicapSeries = 6,
  kMatchPointsWon = 7,
  kStartingAverage = 8,
  kPercentImproved = 9,
  kTotalPins = 10,
  kCurrentAverage = 11,
  kTotalPinsHandicap = 12,
  kCurrentHandicap = 13,
  kGamesPlayed = 14,
  kMatchPointsLost = 15,
  kGroupOrStanding = 16,
  kClassification = 17,
  kFirstExtraStat = 18,   // 18..27: extra statistics 0..9
  kUnusedCategory = 28,
};

template <typename T, int Upper>
using Arr = std::array<T, Upper + 1>;  // an array with inclusive bounds 0..Upper

template <typename T, int Upper1, int Upper2>
using Arr2 = std::array<std::array<T, Upper2 + 1>, Upper1 + 1>;

struct LeagueData {
  // 1. League identity and files
  std::string LeagueName;
  std::string ProgramPath;
  std::string DataPath;
  std::string FileName;
  std::string VersionString;
  Arr<std::string, 4> OfficerName;    // 1..4
  Arr<std::string, 4> OfficerTitle;   // 1..4
  Arr<Integer, 4> OfficerPlayer{};    // 1..4, -1 when none
  std::string BulletinText;

  // 2. Size of the league
  Integer NumTeams = 0;
  Integer LastTeam = 0;
  Integer PlayersPerTeam = 0;
  Integer PlayersPerWeek = 0;
  Integer MaxPerTeam = 10;
  Integer NumSubs = 0;
  Integer MaxSubs = 100;
  Integer NumPlayerRecords = 0;
  Integer NumWeeks = 0;
  Integer StartWeek = 1;
  Integer GamesPerWeek = 3;
  Integer NumLanes = 0;

  // 3. Season progress and schedule
  Integer CurrentWeek = 0;
  Integer CurrentSession = 1;
  Integer CompleteSlots = 0;
  Arr<std::string, 52> WeekDate;      // String*8, 1..52
  Integer OddTeam = False;
  Integer ScheduleEachWeek = False;
  Integer ScheduleWeek = 0;
  Integer ScheduleTemplate = 0;
  std::string ScheduleText;
  Arr<Integer, 100> LaneNumber{};

  // 4. Scoring options; group arrays: 0 and 1 the player groups, 2 the team
  Integer HandicapMethod = 0;
  Integer SeparateGenderScoring = False;
  Arr<Integer, 2> PercentHandicap{};
  Arr<Integer, 2> ScratchBase{};
  Arr<Integer, 2> MaxHandicap{};
  Arr<Integer, 2> AbsenteeLess{};
  Integer AbsenteeIsPercent = False;
  Arr<Integer, 2> VacancyScore{};
  Integer ForfeitRule = True;
  Arr<Integer, 2> ForfeitLess{};
  Integer GamesForNewAverage = 0;
  Integer MatchPointsStanding = False;
  Integer PlayerPointsToTeam = True;
  Integer SortByHandicapTotal = -2;
  Integer UnearnedInTeamStats = 0;
  Integer TeamPointsGame = 1;
  Integer TeamPointsSeries = 1;
  Integer PlayerPointsGame = 1;
  Integer PlayerPointsSeries = 1;
  Integer HighGamePoints = 0;
  Integer HighGameMode = 0;

  // 5. Award options
  Integer TopAwardsListed = 3;
  Integer GamesToQualify = 3;
  Integer SubsQualify = False;
  Integer SeparateGenderAwards = False;
  Integer AdjustHandicapAwards = False;
  Integer NumCustomAwards = 0;
  Arr2<Integer, 3, 20> CustomAward{};   // CustomAward(j, n): element j of award n

  // 6. Split season
  Integer NumSessions = 1;
  Arr<Integer, 12> SplitWeek{};
  Integer StatResetMode = 0;
  Arr<Integer, 12> ClassResetAtSession{};

  // 7. Classifications
  Integer NumClasses = 1;
  Arr<Integer, 12> ClassLimit{};

  // 8. Extra statistics and fees
  Integer NumExtraStats = 0;
  Arr<std::string, 10> ExtraStatAbbrev;   // String*5
  Arr<std::string, 10> ExtraStatName;     // String*20
  Single FeeUnit = 0;

  // 9. Sport
  Integer SportNumber = 0;
  Integer SportCount = 0;
  Arr<std::string, 9> SportTerm;
  Arr<Integer, 3> GameParam{};
  Arr<Integer, 3> SportAward{};

  // 10. Statistic categories
  Arr<std::string, 28> CategoryName;
  Arr<Integer, 28> CategoryCode{};
  Arr<std::string, 3> GroupLabel;

  // 11. Player records
  Arr<std::string, 2100> PlayerName;      // String*20
  Arr<std::string, 2100> PlayerPhone;     // String*12
  Arr<Integer, 2100> AvgAfterWeek1{};
  Arr<Integer, 2100> RecalcGames{};
  Arr2<Single, 2100, 28> PlayerStat{};    // PlayerStat(p, c)

  // 12. Teams and substitutes
  Arr2<Integer, 100, 20> Roster{};        // Roster(t, p)
  Arr<Integer, 100> SubList{};

  // 13. Week data (one week at a time)
  Arr<Integer, 100> LaneTeam{};
  Arr<Single, 100> TeamPointsWeek{};
  Arr<Integer, 100> TeamHandicapWeek{};

  // 14. Score record in work
  Integer ScrNoCreditMask = 0;
  Integer ScrEntryKind = 0;
  Integer ScrHandicap = 0;
  Single ScrPointsWon = 0;
  Arr<Integer, 11> ScrGameScore{};
  Arr<Integer, 10> ScrExtraStat{};
  Integer ScrFlag = False;

  // 15. Work storage of processing
  Arr<Integer, 2100> RankIndex{};
  Arr<Single, 2100> RankValue{};
  Arr2<Single, 12, 1> TeamGame{};
  Arr2<Single, 13, 10> MatchDiff{};
  Integer HighGameValue = 0;
  Integer HighGameTeam = 0;

  // 16. Program options and output settings
  Integer AutoBackup = True;
  Integer ToolTips = True;
  Integer PrintMargins = True;
  Integer AwardPopups = True;
  Integer PrintToPrinter = False;
  Integer PrintToFile = False;
  Integer PrintCopies = 1;
  Integer CopyNumber = 1;
  Integer PrintFromPage = 1;
  Integer PrintToPage = 1;
  Integer ReportNumber = 0;
  Integer GraphNumber = 0;

  // 17. Shared tool-tip texts
  Arr<std::string, 12> AdviceText;
};

// The one league of the program.
extern LeagueData lg;

// Text constants.
inline const std::string NoFileName = "NOT-OPEN";
inline const std::string Spaces10(10, ' ');
inline const std::string Spaces80(80, ' ');

// Sets every variable to its default, as at program start. The program folder is taken from
// ProgramFolder() (see ProgramFolder.h).
void InitLeagueData();

// Sets ClassLimit(0) and the category names built from the sport's words.
void DeriveFromSport();

// Blank-pads or cuts a text to n characters (String*n assignment).
std::string Fixed(std::string_view text, std::size_t n);

// True when a league is open (FileName is not "NOT-OPEN").
bool LeagueOpen();

// Base path of the open league's files: DataPath + FileName.
std::string LeagueBasePath();

// Team t (1..100) is in use when Roster(t, 0) differs from Roster(t, 1).
bool TeamNumberInUse(int t);

// A record whose name begins with "?" is free; one beginning with "*VACANCY" is a vacancy.
bool IsFreeName(const std::string& name);
bool IsVacancyName(const std::string& name);

}  // namespace tallmark
