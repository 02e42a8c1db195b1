#include "league/WeekFiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/ReadErrors.h"
#include "league/FileTransaction.h"
#include "league/SeqFile.h"

namespace tallmark {

namespace {

constexpr int kSeasonRecordLength = kSeasonRecordBytes;
constexpr int kScoreRecordLength = kScoreRecordBytes;

// Offsets of the score record's fields.
constexpr int kOffPlayer = 0;
constexpr int kOffHandicap = 2;
constexpr int kOffPoints = 4;
constexpr int kOffKind = 6;
constexpr int kOffMask = 7;
constexpr int kOffScores = 9;
constexpr int kOffExtra = 33;

std::string SeasonFilePath() { return LeagueBasePath() + ".SEA"; }
std::string ScoreFilePath() { return LeagueBasePath() + ".scr"; }

// First record of a week's block (less one); week 0 and below share week 1's block.
std::int64_t WeekBlockBase(int week) {
  std::int64_t base = (static_cast<std::int64_t>(week) - 1) * kLaneSlotsPerWeekBlock;
  return base < 0 ? 0 : base;
}

// The lane slots a week holds, 2 x NumLanes, never below 0.
int SlotsInUse() { return lg.NumLanes > 0 ? 2 * lg.NumLanes : 0; }

// floor(factor x value) as a 16-bit whole number, taken from the value's shortest decimal form
// so that a value read back from the file (1.3 from 26) is stored again as it was.
std::optional<Integer> ScaledWhole(Single value, int factor) {
  double x = 0;
  if (!std::isfinite(value) || !ParseNumber(SingleText(value), x)) return std::nullopt;
  double scaled = std::floor(x * factor);
  if (scaled > 32767 || scaled < -32768) return std::nullopt;
  return static_cast<Integer>(scaled);
}

bool FitsByte(Integer v) { return v >= 0 && v <= 255; }

// Builds the 44-byte record from the work variables; nullopt when a value cannot be stored.
std::optional<std::array<unsigned char, kScoreRecordLength>> BuildScoreRecord(Integer player) {
  std::optional<Integer> points = ScaledWhole(lg.ScrPointsWon, 20);
  if (!points || !FitsByte(lg.ScrEntryKind)) return std::nullopt;
  for (Integer v : lg.ScrExtraStat)
    if (!FitsByte(v)) return std::nullopt;
  std::array<unsigned char, kScoreRecordLength> rec{};
  PutInt16(&rec[kOffPlayer], player);
  PutInt16(&rec[kOffHandicap], lg.ScrHandicap);
  PutInt16(&rec[kOffPoints], *points);
  rec[kOffKind] = static_cast<unsigned char>(lg.ScrEntryKind);
  PutInt16(&rec[kOffMask], lg.ScrNoCreditMask);
  for (int g = 0; g < kMaxGames; ++g) PutInt16(&rec[kOffScores + 2 * g], lg.ScrGameScore[g]);
  for (int e = 0; e <= kMaxExtraStats; ++e)
    rec[kOffExtra + e] = static_cast<unsigned char>(lg.ScrExtraStat[e]);
  return rec;
}

// A stored score's absolute value; -32768 has none in 16 bits and reads as 0.
Integer AbsoluteScore(Integer v) {
  if (v == -32768) return 0;
  return static_cast<Integer>(std::abs(v));
}

// The roster's player at (team, position), 0 when the pair lies outside the roster.
Integer RosterPlayer(int team, int position) {
  if (team < 0 || team > kMaxTeams || position < 0 || position > kMaxRosterPositions) return 0;
  return lg.Roster[team][position];
}

void CleanScoreRecord(const unsigned char* rec, int team, int position, Integer& player) {
  player = GetInt16(&rec[kOffPlayer]);
  lg.ScrHandicap = GetInt16(&rec[kOffHandicap]);
  lg.ScrPointsWon = static_cast<Single>(GetInt16(&rec[kOffPoints])) / 20;
  lg.ScrEntryKind = rec[kOffKind];
  lg.ScrFlag = lg.ScrEntryKind == kForfeit ? True : False;
  lg.ScrNoCreditMask = GetInt16(&rec[kOffMask]);
  if (player < 0 || player > kMaxPlayerRecords) player = RosterPlayer(team, position);
  if (lg.ScrHandicap > lg.GameParam[0] || lg.ScrHandicap < 0) lg.ScrHandicap = 0;
  if (lg.ScrPointsWon < 0) lg.ScrPointsWon = 0;
  if (lg.ScrEntryKind < kRegular || lg.ScrEntryKind > kForfeit) lg.ScrEntryKind = kRegular;
  const bool forfeitAsZero = lg.ScrFlag != False && lg.ForfeitRule != False;
  for (int g = 0; g < kMaxGames; ++g)
    lg.ScrGameScore[g] = forfeitAsZero ? 0 : AbsoluteScore(GetInt16(&rec[kOffScores + 2 * g]));
  for (int e = 0; e <= kMaxExtraStats; ++e) lg.ScrExtraStat[e] = rec[kOffExtra + e];
}

}  // namespace

std::int32_t ScoreRecordNumber(int week, int team, int position) {
  const std::int64_t n = (static_cast<std::int64_t>(week) - 1) * lg.MaxPerTeam * 101 +
                         (static_cast<std::int64_t>(team) - 1) * 100 + position;
  // Beyond the 32-bit range no record exists: 0 is refused as a bad record number.
  if (n > INT32_MAX || n < INT32_MIN) return 0;
  return static_cast<std::int32_t>(n);
}

bool ReadWeekResults(int week) {
  ErrorTrap trap;
  const int slots = SlotsInUse();
  const int stored = slots < kLaneSlotsPerWeekBlock ? slots : kLaneSlotsPerWeekBlock;
  std::array<unsigned char, kLaneSlotsPerWeekBlock * kSeasonRecordLength> block{};
  if (stored > 0)
    trap.set(RecordFile(SeasonFilePath(), kSeasonRecordLength)
                 .readRange(WeekBlockBase(week) + 1, stored, block.data()));
  for (int i = 1; i <= stored; ++i) {
    const unsigned char* rec = &block[(i - 1) * kSeasonRecordLength];
    lg.LaneTeam[i] = GetInt16(rec);
    lg.TeamPointsWeek[i] = static_cast<Single>(GetInt16(rec + 2)) / 2;
    lg.TeamHandicapWeek[i] = GetInt16(rec + 4);
  }
  // Slots past the week's block cannot be stored: they show as not scheduled.
  for (int i = stored + 1; i <= slots && i <= kMaxTeams; ++i) {
    lg.LaneTeam[i] = kTbdTeam;
    lg.TeamPointsWeek[i] = 0;
    lg.TeamHandicapWeek[i] = 0;
  }
  if (slots > kLaneSlotsPerWeekBlock) trap.set(kErrWeekBlockFull);
  return ReportReadError(trap, SeasonFilePath());
}

bool WriteWeekResults(int week) {
  ErrorTrap trap;
  const int slots = SlotsInUse();
  if (slots > kLaneSlotsPerWeekBlock) {
    // More slots would overwrite the next week's records: nothing is written.
    trap.set(kErrWeekBlockFull);
    return trap.report();
  }
  const RecordFile file(SeasonFilePath(), kSeasonRecordLength);
  const std::int64_t base = WeekBlockBase(week);
  for (int i = 1; i <= slots; ++i) {
    std::optional<Integer> points = ScaledWhole(lg.TeamPointsWeek[i], 2);
    if (!points) {
      trap.set(kErrOverflow);  // this slot keeps its stored record
      continue;
    }
    unsigned char rec[kSeasonRecordLength];
    PutInt16(rec, lg.LaneTeam[i]);
    PutInt16(rec + 2, *points);
    PutInt16(rec + 4, lg.TeamHandicapWeek[i]);
    trap.set(file.write(base + i, rec));
  }
  return trap.report();
}

void PrefetchWeek(int week) {
  const int teams = std::min<int>(std::max<int>(lg.LastTeam, lg.NumTeams), kMaxTeams);
  const std::int64_t first = ScoreRecordNumber(week, 1, 1);
  const std::int64_t last = ScoreRecordNumber(week, teams, std::max<int>(lg.PlayersPerWeek, 1));
  if (first >= 1 && last >= first)
    PrefetchRange(ScoreFilePath(), (first - 1) * kScoreRecordLength,
                  (last - first + 1) * kScoreRecordLength);
  PrefetchRange(SeasonFilePath(), WeekBlockBase(week) * kSeasonRecordLength,
                kLaneSlotsPerWeekBlock * kSeasonRecordLength);
}

bool ReadScore(int week, int team, int position, Integer& player) {
  ErrorTrap trap;
  unsigned char rec[kScoreRecordLength];
  trap.set(RecordFile(ScoreFilePath(), kScoreRecordLength)
               .read(ScoreRecordNumber(week, team, position), rec));
  CleanScoreRecord(rec, team, position, player);
  return ReportReadError(trap, ScoreFilePath());
}

bool WriteScore(int week, int team, int position, Integer player) {
  ErrorTrap trap;
  auto rec = BuildScoreRecord(player);
  if (!rec) {
    trap.set(kErrOverflow);  // a value that does not fit its field: nothing is written
    return trap.report();
  }
  trap.set(RecordFile(ScoreFilePath(), kScoreRecordLength)
               .write(ScoreRecordNumber(week, team, position), rec->data()));
  return trap.report();
}

}  // namespace tallmark
