// The statistics file (.STT): PlayerStat rows of every player record for each session.
#pragma once

namespace tallmark {

// Player records stored in a session section: NumPlayerRecords, or more when a record in use
// lies at or above it (so that its statistics are not lost).
int StoredStatRecords();

bool ReadStats(int session);
bool WriteStats(int session);
// Writes section oldSession, reads section newSession, sets CurrentSession = newSession.
bool SwitchStats(int oldSession, int newSession);

}  // namespace tallmark
