#include "league/SportFile.h"

#include <string_view>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "common/Text.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

std::string SportFilePath() { return lg.ProgramPath + "SportsInfo.dat"; }

// A term field without the blanks around it; a record past the end of the file holds zero bytes,
// which read as an empty term.
std::string TermOfField(std::string_view field) {
  std::size_t end = field.find_last_not_of(std::string_view(" \0", 2));
  if (end == std::string_view::npos) return {};
  std::size_t begin = field.find_first_not_of(' ');
  return std::string(field.substr(begin, end - begin + 1));
}

SportInfo SportOfRecord(const unsigned char* rec) {
  SportInfo s;
  const char* text = reinterpret_cast<const char*>(rec);
  for (int i = 0; i < 10; ++i)
    s.terms[i] = ProperCase(TermOfField({text + i * kSportTermLength, kSportTermLength}));
  for (int i = 0; i < 4; ++i) {
    s.params[i] = GetInt16(rec + 320 + 2 * i);
    s.awards[i] = GetInt16(rec + 328 + 2 * i);
  }
  return s;
}

void UseSport(const SportInfo& s) {
  for (int i = 0; i < 10; ++i) lg.SportTerm[i] = s.terms[i];
  for (int i = 0; i < 4; ++i) {
    lg.GameParam[i] = s.params[i];
    lg.SportAward[i] = s.awards[i];
  }
}

SportInfo CurrentSport() {
  SportInfo s;
  for (int i = 0; i < 10; ++i) s.terms[i] = lg.SportTerm[i];
  for (int i = 0; i < 4; ++i) {
    s.params[i] = lg.GameParam[i];
    s.awards[i] = lg.SportAward[i];
  }
  return s;
}

// The maximum score and the category names built from the sport's words.

bool ValidSportNumber(int n) { return n >= 1 && n <= kMaxSports; }

// Reads record n; returns 0 or an error number.
int GetSportRecord(int n, unsigned char* rec) {
  if (!FileExists(SportFilePath())) return kErrFileNotFound;
  if (!ValidSportNumber(n)) return kErrBadRecordNumber;
  return RecordFile(SportFilePath(), kSportRecordLength).read(n, rec);
}

}  // namespace

std::string ProperCase(const std::string& text) {
  std::string s = Lower(text);
  for (std::size_t i = 0; i < s.size(); ++i)
    if (i == 0 || s[i - 1] == ' ') s[i] = Upper(std::string_view(&s[i], 1))[0];
  return s;
}

SportInfo DefaultSport() {
  return {{"10 Pin Bowling", "Bowl", "Bowled", "Bowling", "Bowler", "Bowlers", "Pin", "Lane",
           "Series", "Frame"},
          {300, 4, 0, 0},
          {75, 100, 275, 125}};
}

std::string SportRecord(const SportInfo& sport) {
  std::string rec;
  for (const std::string& term : sport.terms) rec += Fixed(ProperCase(term), kSportTermLength);
  rec.resize(kSportRecordLength, '\0');
  auto* p = reinterpret_cast<unsigned char*>(rec.data());
  for (int i = 0; i < 4; ++i) {
    PutInt16(p + 320 + 2 * i, sport.params[i]);
    PutInt16(p + 328 + 2 * i, sport.awards[i]);
  }
  return rec;
}

std::string SportRecord() { return SportRecord(CurrentSport()); }

bool ReadSport(int n) {
  unsigned char rec[kSportRecordLength];
  int err = GetSportRecord(n, rec);
  bool ok = err == kErrNone;
  if (ok) {
    UseSport(SportOfRecord(rec));
  } else {
    ReportError(err);
    lg.SportCount = 1;
    lg.SportNumber = 1;
    UseSport(DefaultSport());
    WriteSport(1);
  }
  DeriveFromSport();
  return ok;
}

// The sport file is small: it is replaced whole, so that a failed write leaves it as it was.
bool WriteSport(int n) {
  ErrorTrap trap;
  if (!ValidSportNumber(n)) {
    trap.set(kErrBadRecordNumber);
    return trap.report();
  }
  std::string data;
  int err = ReadWholeFile(SportFilePath(), data);
  if (err != kErrFileNotFound) trap.set(err);
  if (!trap.failed()) {
    std::size_t offset = static_cast<std::size_t>(n - 1) * kSportRecordLength;
    if (data.size() < offset + kSportRecordLength) data.resize(offset + kSportRecordLength, '\0');
    data.replace(offset, kSportRecordLength, SportRecord());
    trap.set(WriteFileAtomic(SportFilePath(), data));
  }
  return trap.report();
}

}  // namespace tallmark
