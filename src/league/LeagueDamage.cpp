#include "league/LeagueDamage.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "common/Text.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "league/WeekFiles.h"

namespace tallmark {

namespace {

constexpr std::int64_t kStatRowBytes = kStoredStatColumns * 4;
constexpr std::int64_t kSessionBytes = kSessionStatRecords * 4;

std::string FilePath(const char* extension) { return LeagueBasePath() + extension; }

constexpr std::int64_t kUnreadable = -2;

// The size of the file; -1 when it is missing, kUnreadable when it is there but cannot be read
// (a folder, no permission). A file the open change holds is read from memory.
std::int64_t ReadableSize(const std::string& path) {
  const std::string found = FindFileNoCase(path);
  std::error_code ec;
  if (FileSize(path) >= 0 && !std::filesystem::is_directory(found, ec)) {
    const int fd = ::open(found.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) ::close(fd);
    if (fd >= 0 || !std::filesystem::exists(found, ec)) return FileSize(path);
  }
  return std::filesystem::exists(found, ec) ? kUnreadable : -1;
}

Damage Missing(DamagedPart part, int number, const char* extension) {
  const std::string path = FilePath(extension);
  return {part, number, std::filesystem::path(FindFileNoCase(path)).filename(),
          ReadableSize(path) == kUnreadable};
}

// A league held only in memory (no configuration file on disk) has no files to be damaged.
bool OnDisk() { return FileExists(FindFileNoCase(FilePath(".CFG"))); }

bool Processed(int week) {
  return week >= 1 && week <= lg.CurrentWeek && week <= kMaxWeeks && OnDisk();
}

int SlotsStored() { return std::clamp(2 * static_cast<int>(lg.NumLanes), 0, kLaneSlotsPerWeekBlock); }

// The teams on week w's lane slots as the season results file holds them.
std::vector<int> SlotTeams(int week) {
  const int slots = SlotsStored();
  std::vector<unsigned char> block(static_cast<std::size_t>(slots) * kSeasonRecordBytes + 1);
  RecordFile(FilePath(".SEA"), kSeasonRecordBytes)
      .readRange((static_cast<std::int64_t>(week) - 1) * kLaneSlotsPerWeekBlock + 1, slots,
                 block.data());
  std::vector<int> teams;
  for (int k = 0; k < slots; ++k) teams.push_back(GetInt16(&block[static_cast<std::size_t>(k) * kSeasonRecordBytes]));
  return teams;
}

bool BlockStored(int week) {
  const std::int64_t needed =
      ((static_cast<std::int64_t>(week) - 1) * kLaneSlotsPerWeekBlock + SlotsStored()) *
      kSeasonRecordBytes;
  return ReadableSize(FilePath(".SEA")) >= needed;
}

}  // namespace

std::optional<Damage> WeekResultsDamage(int week) {
  if (!Processed(week) || BlockStored(week)) return std::nullopt;
  return Missing(DamagedPart::WeekResults, week, ".SEA");
}

std::optional<Damage> WeekScheduleDamage(int week) {
  if (Processed(week)) return WeekResultsDamage(week);
  const bool ahead = lg.ScheduleEachWeek == 0 && week >= std::max<int>(lg.StartWeek, 1) &&
                     week <= std::min<int>(lg.NumWeeks, kMaxWeeks) && OnDisk();
  if (!ahead || BlockStored(week)) return std::nullopt;
  return Missing(DamagedPart::WeekSchedule, week, ".SEA");
}

std::optional<Damage> WeekScoresDamage(int week, const std::vector<int>& teams) {
  if (!Processed(week)) return std::nullopt;
  std::int64_t last = 0;
  const int positions = std::clamp<int>(lg.PlayersPerWeek, 0, kMaxRosterPositions);
  for (int team : teams)
    if (team >= 1 && team <= kMaxTeams && TeamNumberInUse(team) && positions > 0)
      last = std::max<std::int64_t>(last, ScoreRecordNumber(week, team, positions));
  if (last == 0 || ReadableSize(FilePath(".scr")) >= last * kScoreRecordBytes) return std::nullopt;
  return Missing(DamagedPart::WeekScores, week, ".scr");
}

std::optional<Damage> SessionStatsDamage(int session) {
  if (lg.CurrentWeek < 1 || session < 1 ||
      session > std::min<int>(lg.CurrentSession, kMaxSessions) || !OnDisk())
    return std::nullopt;
  const std::int64_t needed = (session - 1) * kSessionBytes + StoredStatRecords() * kStatRowBytes;
  if (ReadableSize(FilePath(".STT")) >= needed) return std::nullopt;
  return Missing(DamagedPart::SessionStats, session, ".STT");
}

std::vector<Damage> FindLeagueDamage() {
  std::vector<Damage> found;
  if (!LeagueOpen()) return found;
  for (int w = 1; Processed(w); ++w) {
    if (auto d = WeekResultsDamage(w)) found.push_back(*d);
    else if (auto s = WeekScoresDamage(w, SlotTeams(w))) found.push_back(*s);
  }
  for (int w = lg.CurrentWeek + 1; w <= std::min<int>(lg.NumWeeks, kMaxWeeks); ++w)
    if (auto d = WeekScheduleDamage(w)) {
      found.push_back(*d);
      break;
    }
  for (int s = 1; s <= std::min<int>(lg.CurrentSession, kMaxSessions); ++s)
    if (auto d = SessionStatsDamage(s)) found.push_back(*d);
  return found;
}

std::string DamageNotice(const Damage& d) {
  const std::string file = UpperAscii(d.file);
  const std::string n = std::to_string(d.number);
  const std::string what = d.part == DamagedPart::SessionStats ? "SESSION " : "WEEK ";
  if (d.unreadable) return what + n + " COULD NOT BE READ: " + file + " CANNOT BE OPENED";
  switch (d.part) {
    case DamagedPart::WeekResults:
      return "WEEK " + n + " COULD NOT BE READ: ITS RESULTS ARE MISSING FROM " + file;
    case DamagedPart::WeekScores:
      return "WEEK " + n + " COULD NOT BE READ: ITS SCORES ARE MISSING FROM " + file;
    case DamagedPart::WeekSchedule:
      return "WEEK " + n + " COULD NOT BE READ: ITS SCHEDULE IS MISSING FROM " + file;
    case DamagedPart::SessionStats:
      return "SESSION " + n + " COULD NOT BE READ: ITS STATISTICS ARE MISSING FROM " + file;
  }
  return {};
}

std::string DamageWarning(const std::vector<Damage>& damage) {
  std::string text = "Part of this league's records is missing from its files:\n";
  for (const Damage& d : damage) text += DamageNotice(d) + "\n";
  return text +
         "Reports leave these parts out. Choose File > Restore Backup to bring back a backup "
         "made before the damage.";
}

}  // namespace tallmark
