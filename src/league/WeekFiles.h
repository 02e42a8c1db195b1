// The season results file (.SEA: each week's lane slots, points and team handicaps) and the
// player score file (.scr: one record per week, team and line-up position), read and written a
// record at a time.
#pragma once

#include <cstdint>

#include "league/LeagueData.h"

namespace tallmark {

// Bytes of a season results record and of a score record.
constexpr int kSeasonRecordBytes = 6;
constexpr int kScoreRecordBytes = 44;

// Record number of the score record of week w, team t, line-up position p (32-bit).
std::int32_t ScoreRecordNumber(int week, int team, int position);

// Fills LaneTeam, TeamPointsWeek and TeamHandicapWeek (indexes 1..2 x NumLanes) from week w's
// block; week 0 reads week 1. A week's block holds 52 slots: slots past it read as "TBD" and
// the error is reported.
bool ReadWeekResults(int week);
// Writes those indexes back; the rest of the block keeps its contents. More than 52 slots would
// overwrite the next week: then nothing is written and the error is reported. A slot whose
// doubled points do not fit 16 bits keeps its stored record (error 6).
bool WriteWeekResults(int week);

// Reads one score record into the Scr* work variables, cleaning the values as it goes;
// player receives the record's player index (Roster(t, p) when the stored one is out of range).
// A stored score of -32768 has no positive 16-bit value and reads as 0.
bool ReadScore(int week, int team, int position, Integer& player);
// Writes the Scr* work variables as one score record. A kind or extra statistic that does not fit
// a byte, or points whose twentieths do not fit 16 bits, is refused (error 6) and nothing is
// written. Points are taken at their shortest decimal form, so 1.3 read back is stored as 26.
bool WriteScore(int week, int team, int position, Integer player);

// Within an open transaction: reads week w's score records and season results block from disk
// in one access each, so that the week's record reads and writes touch no file.
void PrefetchWeek(int week);

}  // namespace tallmark
