#include "league/StatsFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ReadErrors.h"

namespace tallmark {

namespace {

constexpr int kStatRecordLength = 4;
constexpr std::size_t kSessionBytes = kSessionStatRecords * kStatRecordLength;
constexpr std::size_t kWholeFileBytes = kSessionBytes * kMaxSessions;

// No statistic of the largest league comes near: a team's pins with handicap over a season are
// at most 52 weeks x 12 games x 10 players x 65534 = 4.1E8.
constexpr float kMostStatistic = 1e9f;

std::string StatsPath() { return LeagueBasePath() + ".STT"; }

bool ValidSession(int s) { return s >= 1 && s <= kMaxSessions; }

// First record of session s (numbered from 1).
long SessionBase(int s) { return (s - 1) * kSessionStatRecords + 1; }

// The bytes of the statistics file, at most the twelve sessions' worth.
int ReadExistingStats(std::string& data) {
  int err = ReadWholeFile(StatsPath(), data);
  if (err == kErrFileNotFound) err = kErrNone;
  if (data.size() > kWholeFileBytes) data.resize(kWholeFileBytes);
  return err;
}

}  // namespace

int StoredStatRecords() {
  int n = std::clamp<int>(lg.NumPlayerRecords, 0, kMaxPlayerRecords);
  for (int p = kMaxPlayerRecords - 1; p >= n; --p)
    if (!IsFreeName(lg.PlayerName[p])) return p + 1;
  return n;
}

bool ReadStats(int session) {
  ErrorTrap trap;
  if (!ValidSession(session)) {
    trap.set(kErrSubscript);
    return ReportReadError(trap, StatsPath());
  }
  const int records = StoredStatRecords();
  std::vector<unsigned char> buf(static_cast<std::size_t>(records) * kStoredStatColumns *
                                 kStatRecordLength);
  if (records > 0)
    trap.set(RecordFile(StatsPath(), kStatRecordLength)
                 .readRange(SessionBase(session), records * kStoredStatColumns, buf.data()));
  if (trap.failed()) return ReportReadError(trap, StatsPath());
  const unsigned char* p = buf.data();
  for (int r = 0; r < records; ++r) {
    for (int c = 0; c < kStoredStatColumns; ++c, p += kStatRecordLength) {
      float v = GetSingle(p);
      if (!std::isfinite(v) || std::fabs(v) > kMostStatistic) {  // a damaged value
        trap.set(kErrOverflow);
        v = 0;
      }
      lg.PlayerStat[r][c] = v;
    }
  }
  return ReportReadError(trap, StatsPath());
}

int StatsFileImage(int session, std::string& image) {
  if (!ValidSession(session)) return kErrSubscript;
  int err = ReadExistingStats(image);
  if (err != kErrNone) return err;
  const std::size_t start = static_cast<std::size_t>(session - 1) * kSessionBytes;
  const int records = StoredStatRecords();
  const std::size_t end =
      start + static_cast<std::size_t>(records) * kStoredStatColumns * kStatRecordLength;
  if (image.size() < end) image.resize(end, '\0');
  auto* p = reinterpret_cast<unsigned char*>(image.data()) + start;
  for (int r = 0; r < records; ++r)
    for (int c = 0; c < kStoredStatColumns; ++c, p += kStatRecordLength)
      PutSingle(p, lg.PlayerStat[r][c]);
  return kErrNone;
}

// The section is written by replacing the whole file, so that a failed write (a full disk)
// leaves every session as it was.
bool WriteStats(int session) {
  ErrorTrap trap;
  std::string image;
  trap.set(StatsFileImage(session, image));
  if (!trap.failed()) trap.set(WriteFileAtomic(StatsPath(), image));
  return trap.report();
}

bool SwitchStats(int oldSession, int newSession) {
  bool written = WriteStats(oldSession);
  bool read = ReadStats(newSession);
  if (ValidSession(newSession)) lg.CurrentSession = static_cast<Integer>(newSession);
  return written && read;
}

bool WriteStatsRowAllSessions(int player) {
  if (!LeagueOpen() || player < 0 || player >= kMaxPlayerRecords) return true;
  unsigned char row[kStoredStatColumns * kStatRecordLength] = {};
  for (int c = 0; c < kStoredStatColumns; ++c)
    PutSingle(&row[c * kStatRecordLength], lg.PlayerStat[player][c]);
  RecordFile file(StatsPath(), kStatRecordLength);
  ErrorTrap trap;
  for (int s = 1; s <= kMaxSessions; ++s)
    trap.set(file.writeRange(SessionBase(s) + player * kStoredStatColumns, kStoredStatColumns, row));
  return trap.report();
}

}  // namespace tallmark
