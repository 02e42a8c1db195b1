#include "league/WeekSnapshot.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/FileErrors.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/LeagueFileSet.h"
#include "league/WeekFiles.h"

namespace tallmark {

namespace {

constexpr std::string_view kHeading = "TALLMARK UNDO 1\n";
constexpr std::size_t kBlock = 64;  // the statistics are compared in blocks

// S: a set-up file kept whole, as it was in force when the week was processed; W: the same in
// records that kept only the set-up files the week changed; B: the changed blocks of a file, the
// check value of those blocks (and of what the week added past the file's end); D: the same in
// older records, checked over the whole file; R: a range of a record file; N: the next week's
// range (older records: it is no longer put back); A: a file the week only appends to (the
// awards log), read no further than what it added.
struct Part {
  char kind = 'W';
  std::string ext;
  bool existed = true;
  std::int64_t offset = 0;      // R: where the range starts; D, A: the size before
  std::uint64_t after = 0;      // D, R: check value of the contents after the week; A: of the
                                // bytes the week added
  std::string bytes;            // S, W: the file; R: the range; D: the changed blocks; B: the
                                // size after (8 bytes), then the changed blocks; A: the size
                                // after (8 bytes)
};

std::uint64_t CheckValue(std::string_view bytes) {
  constexpr std::uint64_t kPrime = 1099511628211ULL;
  std::uint64_t h = 14695981039346656037ULL;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t n = bytes.size();
  // Eight bytes a turn: the same value, with a fraction of the loop's own work.
  for (; n >= 8; n -= 8, p += 8) {
#pragma GCC unroll 8
    for (int i = 0; i < 8; ++i) h = (h ^ p[i]) * kPrime;
  }
  for (; n > 0; --n) h = (h ^ *p++) * kPrime;
  return h;
}

void Put(std::string& out, std::uint64_t v, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

struct Reader {
  const std::string& in;
  std::size_t pos = 0;
  bool ok = true;
  std::uint64_t number(int size) {
    if (pos + size > in.size()) ok = false;
    if (!ok) return 0;
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i)
      v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[pos + i])) << (8 * i);
    pos += size;
    return v;
  }
  std::string bytes(std::size_t n) {
    if (pos + n > in.size()) ok = false;
    if (!ok) return {};
    pos += n;
    return in.substr(pos - n, n);
  }
};

std::string PathOf(const std::string& ext) { return LeagueBasePath() + ext; }

std::string ReadRegion(const std::string& ext, std::int64_t offset, std::size_t size) {
  std::string bytes(size, '\0');
  RecordFile(PathOf(ext), 1)
      .readRange(offset + 1, static_cast<std::int64_t>(size),
                 reinterpret_cast<unsigned char*>(bytes.data()));
  return bytes;
}

// A: the size after the week, kept in the part's bytes.
std::uint64_t SizeAfter(const Part& p) { return Reader{p.bytes}.number(8); }

std::string ReadFile(const std::string& ext, bool& exists) {
  std::string data;
  exists = ReadWholeFile(PathOf(ext), data) == kErrNone;
  return data;
}

struct Block {
  std::uint64_t at = 0;
  std::string bytes;
};

// The blocks of after within limit that differ from before, as before holds them, leaving out
// those already listed.
void AddChangedBlocks(std::vector<Block>& list, const std::string& before,
                      const std::string& after, std::size_t limit) {
  for (std::size_t at = 0; at < std::min(before.size(), limit); at += kBlock) {
    const std::size_t n = std::min({kBlock, before.size() - at, limit - at});
    if (at < after.size() && after.compare(at, n, before, at, n) == 0) continue;
    if (std::any_of(list.begin(), list.end(), [at](const Block& b) { return b.at == at; }))
      continue;
    list.push_back({at, before.substr(at, n)});
  }
  std::sort(list.begin(), list.end(), [](const Block& a, const Block& b) { return a.at < b.at; });
}

// The blocks a D or B part lists.
std::vector<Block> BlocksOf(const Part& p) {
  std::vector<Block> list;
  Reader r{p.bytes};
  if (p.kind == 'B') r.number(8);
  while (r.ok && r.pos < p.bytes.size()) {
    Block b;
    b.at = r.number(8);
    b.bytes = r.bytes(r.number(4));
    if (r.ok) list.push_back(std::move(b));
  }
  return list;
}

// B: the check value of what the listed blocks and the part past the size before hold in data.
std::uint64_t BlocksCheck(const Part& p, const std::vector<Block>& list, const std::string& data) {
  std::string seen;
  Put(seen, data.size(), 8);
  for (const Block& b : list)
    if (b.at < data.size()) seen.append(data, b.at, b.bytes.size());
  if (data.size() > static_cast<std::size_t>(p.offset)) seen.append(data, p.offset);
  return CheckValue(seen);
}

// Lists the blocks in a D or B part, with the check value of data as it is after the week.
void SetBlocks(Part& p, const std::vector<Block>& list, const std::string& data) {
  p.bytes.clear();
  if (p.kind == 'B') Put(p.bytes, data.size(), 8);
  for (const Block& b : list) {
    Put(p.bytes, b.at, 8);
    Put(p.bytes, b.bytes.size(), 4);
    p.bytes += b.bytes;
  }
  p.after = p.kind == 'B' ? BlocksCheck(p, list, data) : CheckValue(data);
}

std::string PutBackBlocks(std::string data, const Part& p) {
  const auto size = static_cast<std::size_t>(p.offset);
  if (data.size() < size) data.resize(size, '\0');
  for (const Block& b : BlocksOf(p))
    if (b.at + b.bytes.size() <= data.size()) data.replace(b.at, b.bytes.size(), b.bytes);
  data.resize(size);
  return data;
}

std::string Serialize(int week, const std::vector<Part>& parts) {
  std::string out(kHeading);
  Put(out, static_cast<std::uint64_t>(week), 4);
  for (const Part& p : parts) {
    out += p.kind;
    Put(out, p.ext.size(), 1);
    out += p.ext;
    out += p.existed ? '1' : '0';
    Put(out, static_cast<std::uint64_t>(p.offset), 8);
    Put(out, p.after, 8);
    Put(out, p.bytes.size(), 4);
    out += p.bytes;
  }
  Put(out, CheckValue(out), 8);
  return out;
}

// Whether a part's sizes fit a league file of its kind: a damaged snapshot must not make an undo
// grow a file beyond what a league can have.
bool Plausible(const Part& p) {
  const LeagueFileKind* kind = LeagueFileKindOf("U" + p.ext, "U");
  if (!kind || p.offset < 0) return false;
  std::uint64_t end = static_cast<std::uint64_t>(p.offset);
  if (p.kind == 'R' || p.kind == 'N') end += p.bytes.size();
  if (p.kind == 'A' || p.kind == 'B') end = std::max(end, SizeAfter(p));
  return end <= kind->maxBytes;
}

bool Parse(const std::string& in, int week, std::vector<Part>& parts) {
  if (in.size() < kHeading.size() + 12 || in.compare(0, kHeading.size(), kHeading) != 0)
    return false;
  const std::size_t end = in.size() - 8;
  Reader tail{in, end};
  if (tail.number(8) != CheckValue(std::string_view(in).substr(0, end))) return false;
  Reader r{in, kHeading.size()};
  if (static_cast<int>(r.number(4)) != week) return false;
  while (r.ok && r.pos < end) {
    Part p;
    p.kind = r.bytes(1)[0];
    p.ext = r.bytes(r.number(1));
    p.existed = r.bytes(1) == "1";
    p.offset = static_cast<std::int64_t>(r.number(8));
    p.after = r.number(8);
    p.bytes = r.bytes(r.number(4));
    if (r.ok && !Plausible(p)) return false;
    parts.push_back(std::move(p));
  }
  return r.ok && r.pos == end;
}

constexpr const char* kSetupFiles[] = {".CFG", ".IDS", ".RST", ".MSG"};

// The parts of the week before it is processed (their bytes as they are now).
std::vector<Part> Capture(int week) {
  std::vector<Part> parts;
  auto add = [&parts](char kind, const char* ext, std::int64_t offset) {
    Part p;
    p.kind = kind;
    p.ext = ext;
    p.offset = offset;
    parts.push_back(std::move(p));
  };
  for (const char* ext : kSetupFiles) add('S', ext, 0);
  add('B', ".STT", 0);
  for (Part& p : parts) p.bytes = ReadFile(p.ext, p.existed);
  const std::int64_t logSize = FileSize(PathOf(".SPC"));
  add('A', ".SPC", std::max<std::int64_t>(logSize, 0));
  parts.back().existed = logSize >= 0;
  const int teams = std::min<int>(std::max<int>(lg.LastTeam, lg.NumTeams), kMaxTeams);
  const int players = std::clamp<int>(lg.PlayersPerWeek, 1, 10);
  const std::int64_t block = (std::max(week, 1) - 1) * kLaneSlotsPerWeekBlock;
  add('R', ".SEA", block * kSeasonRecordBytes);
  for (int t = 1; t <= teams; ++t) {
    const std::int64_t first = ScoreRecordNumber(week, t, 1);
    if (first >= 1) add('R', ".scr", (first - 1) * kScoreRecordBytes);
  }
  // Inside a commit the week's records are read in one access, not team by team.
  PrefetchWeek(std::max(week, 1));
  for (Part& p : parts) {
    if (p.kind != 'R') continue;
    const std::size_t size = p.ext == ".SEA" ? kLaneSlotsPerWeekBlock * kSeasonRecordBytes
                                             : players * kScoreRecordBytes;
    p.bytes = ReadRegion(p.ext, p.offset, size);
  }
  return parts;
}

// The contents the part has now (exists: whether its file does).
std::string CurrentOf(const Part& p, bool& exists) {
  exists = true;
  if (p.kind == 'R' || p.kind == 'N') return ReadRegion(p.ext, p.offset, p.bytes.size());
  return ReadFile(p.ext, exists);
}

// A: the check value of what the file holds past its size before the week, up to size.
std::uint64_t AppendedCheck(const Part& p, std::int64_t size) {
  if (size <= p.offset) return CheckValue({});
  return CheckValue(ReadRegion(p.ext, p.offset, static_cast<std::size_t>(size - p.offset)));
}

// Whether a part is as the week left it: A, the file still ends where the week left it, with the
// same bytes added; B, the blocks the week changed and the size; the others, their contents.
bool Unchanged(const Part& p) {
  if (p.kind == 'A') {
    const std::int64_t size = FileSize(PathOf(p.ext));
    return size == static_cast<std::int64_t>(SizeAfter(p)) && AppendedCheck(p, size) == p.after;
  }
  bool exists = true;
  const std::string now = CurrentOf(p, exists);
  if (p.kind == 'B') return now.size() == SizeAfter(p) && BlocksCheck(p, BlocksOf(p), now) == p.after;
  return CheckValue(now) == p.after;
}

// A: what the week appended (false when nothing).
bool KeepAppended(Part& p) {
  const std::int64_t size = FileSize(PathOf(p.ext));
  if (size <= p.offset) return false;
  p.after = AppendedCheck(p, size);
  p.bytes.clear();
  Put(p.bytes, static_cast<std::uint64_t>(size), 8);
  return true;
}

// Cuts the file back to its size before the week.
int CutBack(const Part& p) {
  if (!p.existed) return RemoveFile(PathOf(p.ext));
  bool exists = true;
  std::string data = ReadFile(p.ext, exists);
  data.resize(static_cast<std::size_t>(p.offset), '\0');
  return WriteFileAtomic(PathOf(p.ext), data);
}

// The configuration file as it is now, with the progress it had before the week.
int PutProgressBack(const Part& p) {
  bool exists = true;
  const std::string now = ReadFile(p.ext, exists);
  return WriteFileAtomic(PathOf(p.ext), WithProgress(now, ProgressOf(p.bytes), true));
}

// Puts back what the week wrote. Of the set-up files only the progress of the configuration
// file is the week's; the next week's entries (N) stay.
int PutBack(const Part& p) {
  if (p.kind == 'S' || p.kind == 'W') return p.ext == ".CFG" ? PutProgressBack(p) : kErrNone;
  if (p.kind == 'N') return kErrNone;
  if (p.kind == 'R') {
    return RecordFile(PathOf(p.ext), 1)
        .writeRange(p.offset + 1, static_cast<std::int64_t>(p.bytes.size()),
                    reinterpret_cast<const unsigned char*>(p.bytes.data()));
  }
  if (p.kind == 'A') return CutBack(p);
  if (!p.existed) return RemoveFile(PathOf(p.ext));
  bool exists = true;
  return WriteFileAtomic(PathOf(p.ext), PutBackBlocks(ReadFile(p.ext, exists), p));
}

// The record of week w, read and checked; false when there is none or it is damaged.
bool ReadRecord(int week, std::vector<Part>& parts) {
  std::string data;
  return ReadWholeFile(WeekSnapshotPath(week), data) == kErrNone && Parse(data, week, parts);
}

}  // namespace

struct WeekSnapshot::Parts {
  std::vector<Part> list;
};

std::string WeekSnapshotPath(int week) {
  const std::string digits = std::to_string(week);
  return LeagueBasePath() + ".U" + (digits.size() < 2 ? "0" + digits : digits);
}

WeekSnapshot::WeekSnapshot(int week) : week_(week), before_(new Parts{Capture(week)}) {}

WeekSnapshot::~WeekSnapshot() { delete before_; }

void WeekSnapshot::store() {
  std::vector<Part> kept;
  for (Part& p : before_->list) {
    if (p.kind == 'S') {  // the set-up in force, kept whole for processing the week again
      kept.push_back(std::move(p));
      continue;
    }
    if (p.kind == 'A') {  // the week adds award lines to the log and changes nothing before
      if (KeepAppended(p)) kept.push_back(std::move(p));
      continue;
    }
    bool exists = true;
    const std::string after = CurrentOf(p, exists);
    if (after == p.bytes && exists == p.existed) continue;  // what the week did not change
    if (p.kind == 'B') {
      std::vector<Block> list;
      AddChangedBlocks(list, p.bytes, after, p.bytes.size());
      p.offset = static_cast<std::int64_t>(p.bytes.size());
      SetBlocks(p, list, after);
    } else {
      p.after = CheckValue(after);
    }
    kept.push_back(std::move(p));
  }
  WriteFileAtomic(WeekSnapshotPath(week_), Serialize(week_, kept));
}

std::string UndoWeekFiles(int week, bool keepScores, WeekSetup* setup) {
  std::vector<Part> parts;
  const std::string name = "week " + std::to_string(week);
  if (!ReadRecord(week, parts))
    return "There is no record of how " + name + " was processed, so it cannot be undone.";
  for (const Part& p : parts) {
    if (p.kind == 'S' || p.kind == 'W' || p.kind == 'N' || (keepScores && p.ext == ".scr"))
      continue;
    if (!Unchanged(p))
      return "The league's files were changed after " + name + " was processed (" +
             LeagueBasePath() + p.ext + "), so it cannot be undone.";
  }
  ErrorTrap trap;
  // Reprocessing keeps the score records corrected since as they are now.
  for (const Part& p : parts)
    if (!(keepScores && p.ext == ".scr" && !Unchanged(p))) trap.set(PutBack(p));
  trap.set(RemoveFile(WeekSnapshotPath(week)));
  if (setup)
    for (const Part& p : parts)
      if (p.kind == 'S' && p.existed) setup->files[p.ext] = p.bytes;
  return trap.failed() ? ErrorDescription(trap.number()) : std::string();
}

std::optional<ConfigProgress> WeekRecordProgress(int week) {
  std::vector<Part> parts;
  if (!ReadRecord(week, parts)) return std::nullopt;
  for (const Part& p : parts)
    if ((p.kind == 'S' || p.kind == 'W') && p.ext == ".CFG") return ProgressOf(p.bytes);
  return std::nullopt;
}

void AddStatsChangeToRecord(int week, const std::string& statsBefore) {
  std::vector<Part> parts;
  if (!ReadRecord(week, parts)) return;
  bool exists = true;
  const std::string now = ReadFile(".STT", exists);
  for (Part& p : parts) {
    if (p.ext != ".STT" || (p.kind != 'B' && p.kind != 'D')) continue;
    std::vector<Block> list = BlocksOf(p);
    const bool asLeft = p.kind == 'B' ? BlocksCheck(p, list, statsBefore) == p.after &&
                                            statsBefore.size() == SizeAfter(p)
                                      : CheckValue(statsBefore) == p.after;
    if (!asLeft) return;  // changed since the week: an undo refuses as it would have
    AddChangedBlocks(list, statsBefore, now, static_cast<std::size_t>(p.offset));
    SetBlocks(p, list, now);
    WriteFileAtomic(WeekSnapshotPath(week), Serialize(week, parts));
    return;
  }
}

WeekSetup CurrentSetup() {
  WeekSetup setup;
  for (const char* ext : kSetupFiles) {
    bool exists = true;
    const std::string data = ReadFile(ext, exists);
    if (exists) setup.files[ext] = data;
  }
  return setup;
}

int PutSetup(const WeekSetup& setup) {
  ErrorTrap trap;
  for (const auto& [ext, data] : setup.files) {
    if (ext != ".CFG") {
      trap.set(WriteFileAtomic(PathOf(ext), data));
      continue;
    }
    bool exists = true;
    const ConfigProgress now = ProgressOf(ReadFile(ext, exists));
    trap.set(WriteFileAtomic(PathOf(ext), WithProgress(data, now, false)));
  }
  return trap.number();
}

}  // namespace tallmark
