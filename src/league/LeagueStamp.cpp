#include "league/LeagueStamp.h"

#include <sys/stat.h>

#include <array>

#include "league/FileSystem.h"

namespace tallmark {

namespace {

struct FileStamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long modified = 0;  // nanoseconds
  bool operator==(const FileStamp&) const = default;
};

constexpr std::array<const char*, 4> kNoted = {".CFG", ".IDS", ".RST", ".MSG"};
using Stamps = std::array<FileStamp, kNoted.size()>;

std::string notedBase;
Stamps noted;

Stamps StampsOf(const std::string& base) {
  Stamps out;
  for (std::size_t i = 0; i < kNoted.size(); ++i) {
    struct stat st;
    if (::stat(FindFileNoCase(base + kNoted[i]).c_str(), &st) != 0) continue;
    out[i] = {true, st.st_dev, st.st_ino, st.st_size,
              static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
  }
  return out;
}

}  // namespace

void NoteLeagueFiles(const std::string& base) {
  notedBase = base;
  noted = StampsOf(base);
}

void RenoteLeagueFiles() {
  if (!notedBase.empty()) noted = StampsOf(notedBase);
}

bool LeagueFilesChanged(const std::string& base) {
  return !notedBase.empty() && base == notedBase && StampsOf(base) != noted;
}

}  // namespace tallmark
