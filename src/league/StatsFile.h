// The statistics file (.STT): PlayerStat rows of every player record for each session.
#pragma once

#include <string>

namespace tallmark {

constexpr int kStoredStatColumns = 28;      // columns 0..27; column 28 is never stored
constexpr long kSessionStatRecords = 58800; // 2100 player records x 28 columns

// Player records stored in a session section: NumPlayerRecords, or more when a record in use
// lies at or above it (so that its statistics are not lost).
int StoredStatRecords();

bool ReadStats(int session);
bool WriteStats(int session);
// Writes the statistics in memory of one player record into every session's section, leaving
// the other records as they are (a new record starts alike in every session).
bool WriteStatsRowAllSessions(int player);

// Writes section oldSession, reads section newSession, sets CurrentSession = newSession.
bool SwitchStats(int oldSession, int newSession);

// The whole statistics file as it is on disk with section session replaced by the statistics in
// memory (the other sessions kept). Returns 0 or an error number (image then unusable).
int StatsFileImage(int session, std::string& image);

}  // namespace tallmark
