#include "league/ArchiveRestore.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "common/FileErrors.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/LeagueFileSet.h"
#include "league/RosterFiles.h"
#include "league/StatsFile.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

constexpr zip_uint32_t kDosDirectoryAttribute = 0x10;
const std::string kStagingPrefix = ".restore-";

// Only ordinary files: no links, folders, devices or pipes.
bool IsPlainFileEntry(zip_t* za, zip_uint64_t index) {
  zip_uint8_t opsys = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(za, index, 0, &opsys, &attributes) < 0) return false;
  if (opsys == ZIP_OPSYS_UNIX) {
    const zip_uint32_t type = (attributes >> 16) & S_IFMT;
    return type == 0 || type == S_IFREG;
  }
  return (attributes & kDosDirectoryAttribute) == 0;
}

// An entry's name as a message shows it: league file names are plain ASCII.
std::string Shown(const std::string& name) {
  std::string ascii = name;
  for (char& c : ascii)
    if (static_cast<unsigned char>(c) >= 128) c = '?';
  return "\"" + ShownField(ascii) + "\"";
}

struct Entry {
  std::string name;
  zip_uint64_t size = 0;
};

// Why an entry cannot be restored, or nothing.
std::string EntryProblem(zip_t* za, zip_uint64_t index, Entry& entry) {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(za, index, ZIP_FL_ENC_RAW, &st) < 0) return "An entry cannot be read.";
  const zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
  if ((st.valid & needed) != needed) return "An entry cannot be read.";
  entry.name = st.name;
  entry.size = st.size;
  if (st.encryption_method != ZIP_EM_NONE) return Shown(entry.name) + " is encrypted.";
  if (!IsPlainEntryName(entry.name) || !IsPlainFileEntry(za, index))
    return Shown(entry.name) + " is not a plain file name.";
  return {};
}

// The base name of the league the archive holds: that of its configuration file "?" + the
// league's name less its first character + ".CFG".
std::string LeagueBase(const std::vector<Entry>& entries, const std::string& league) {
  if (league.empty()) return {};
  const std::string wanted = UpperAscii(league.substr(1) + ".CFG");
  for (const Entry& e : entries)
    if (e.name.size() == wanted.size() + 1 && UpperAscii(e.name.substr(1)) == wanted)
      return e.name.substr(0, e.name.size() - 4);
  return {};
}

// Every entry must be a file of that league, once, within the size its kind can have.
std::string LeagueFilesProblem(const std::vector<Entry>& entries, const std::string& base) {
  std::set<std::string> seen;
  for (const Entry& e : entries) {
    const LeagueFileKind* kind = LeagueFileKindOf(e.name, base);
    if (!kind) return Shown(e.name) + " is not a file of the league " + base + ".";
    if (!seen.insert(UpperAscii(e.name)).second) return Shown(e.name) + " is there twice.";
    if (e.size > kind->maxBytes)
      return Shown(e.name) + " is larger than a league's " + kind->extension + " file can be.";
  }
  return {};
}

// Copies one entry's data into fd; the data must come out whole, of the size the archive
// states and with a correct checksum. No more than size + 1 bytes are read.
int CopyEntry(zip_t* za, zip_uint64_t index, zip_uint64_t size, int fd) {
  zip_file_t* zf = zip_fopen_index(za, index, 0);
  if (!zf) return kErrBadArchive;
  char buf[65536];
  zip_uint64_t total = 0;
  int err = kErrNone;
  for (;;) {
    const zip_uint64_t wanted = std::min<zip_uint64_t>(sizeof buf, size + 1 - total);
    zip_int64_t n = zip_fread(zf, buf, wanted);
    if (n < 0) {
      err = kErrBadArchive;
      break;
    }
    if (n == 0) break;
    total += static_cast<zip_uint64_t>(n);
    if (total > size) {
      err = kErrBadArchive;
      break;
    }
    err = WriteAll(fd, buf, static_cast<std::size_t>(n));
    if (err != kErrNone) break;
  }
  if (zip_fclose(zf) != 0 && err == kErrNone) err = kErrBadArchive;
  if (err == kErrNone && total != size) err = kErrBadArchive;
  return err;
}

int ExtractEntry(zip_t* za, zip_uint64_t index, zip_uint64_t size, const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return ErrorFromErrno(errno);
  int err = CopyEntry(za, index, size, fd);
  if (err == kErrNone && ::fsync(fd) != 0) err = ErrorFromErrno(errno);
  if (::close(fd) != 0 && err == kErrNone) err = ErrorFromErrno(errno);
  return err;
}

int OpenError(int code) {
  switch (code) {
    case ZIP_ER_NOENT: return kErrFileNotFound;
    case ZIP_ER_OPEN:
    case ZIP_ER_READ: return kErrPathFileAccess;
    default: return kErrBadArchive;
  }
}

// Temporary folders of restores whose program has stopped: ".restore-" + its process number.
void RemoveStaleStaging(const std::string& folder) {
  std::error_code ec;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kStagingPrefix, 0) != 0 || !it->is_directory(ec) || it->is_symlink(ec)) continue;
    const long pid = std::atol(name.c_str() + kStagingPrefix.size());
    if (pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      stale.push_back(it->path());
  }
  for (const fs::path& p : stale) fs::remove_all(p, ec);
}

// Reads the league at folder + base with the league's readers, quietly, and puts the league
// in memory back as it was. Whatever a reader would write (a sport it cannot find) is held in
// a transaction that is dropped. True when every file read without an error.
bool LeagueReads(const std::string& folder, const std::string& base) {
  auto saved = std::make_unique<LeagueData>(lg);
  UserIO* io = SetUserIO(nullptr);
  LeagueTransaction dropped(folder + base);
  lg.DataPath = folder;
  lg.FileName = base;
  bool ok = CheckConfigVersion() == VersionCheck::Accepted;
  ok = ok && ReadConfig();
  ok = ok && ReadIdentities();
  ok = ok && ReadStats(lg.CurrentSession);
  ok = ok && ReadRoster();
  ok = ok && ReadBulletin();
  SetUserIO(io);
  lg = *saved;
  return ok;
}

}  // namespace

bool IsPlainEntryName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127 || c == '/' || c == '\\' || c == ':') return false;
  }
  return true;
}

StagedRestore::StagedRestore(std::string folder) : folder_(std::move(folder)) {}

StagedRestore::~StagedRestore() {
  if (staging_.empty()) return;
  std::error_code ec;
  fs::remove_all(staging_, ec);
}

int StagedRestore::extract(const std::string& archive, const std::string& league) {
  int code = 0;
  zip_t* za = zip_open(FindFileNoCase(archive).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!za) return OpenError(code);

  std::vector<Entry> entries;
  const zip_int64_t count = zip_get_num_entries(za, 0);
  if (count <= 0) problem_ = "The archive holds no files.";
  for (zip_int64_t i = 0; problem_.empty() && i < count; ++i) {
    entries.emplace_back();
    problem_ = EntryProblem(za, static_cast<zip_uint64_t>(i), entries.back());
  }
  if (problem_.empty()) {
    base_ = LeagueBase(entries, league);
    if (base_.empty())
      problem_ = "The archive holds no league configuration file (?" +
                 ShownField(league.empty() ? "" : league.substr(1)) + ".CFG).";
    else
      problem_ = LeagueFilesProblem(entries, base_);
  }
  int err = problem_.empty() ? kErrNone : kErrBadArchive;
  if (err == kErrNone) {
    RemoveStaleStaging(folder_);
    std::string pattern = folder_ + kStagingPrefix + std::to_string(::getpid()) + "-XXXXXX";
    if (::mkdtemp(pattern.data())) staging_ = pattern;
    else err = ErrorFromErrno(errno);
  }
  for (std::size_t i = 0; err == kErrNone && i < entries.size(); ++i) {
    err = ExtractEntry(za, i, entries[i].size, staging_ + "/" + entries[i].name);
    if (err == kErrNone) names_.push_back(entries[i].name);
  }
  zip_discard(za);
  if (err == kErrNone && !LeagueReads(staging_ + "/", base_)) {
    problem_ = "The league's files in it cannot be read.";
    err = kErrBadArchive;
  }
  if (err != kErrNone) names_.clear();
  return err;
}

int StagedRestore::extract(const std::string& archive) {
  const std::string title = fs::path(archive).filename().string();
  return extract(archive, title.size() > 4 ? title.substr(0, title.size() - 4) : std::string());
}

int StagedRestore::moveIntoPlace() {
  std::vector<std::string> targets;
  for (const std::string& name : names_) {
    const std::string target = FindFileNoCase(folder_ + name);
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(target, ec))) return kErrPathFileAccess;
    targets.push_back(target);
  }
  if (names_.empty()) return kErrNone;
  // Every file in one commit, journaled beside the league the archive holds.
  LeagueTransaction tx(folder_ + base_);
  std::string data;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (int err = ReadWholeFile(staging_ + "/" + names_[i], data)) return err;
    if (int err = WriteFileAtomic(targets[i], data)) return err;
  }
  return tx.commit();
}

}  // namespace tallmark
