#include "league/ArchiveRestore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "common/Text.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

constexpr zip_uint32_t kDosDirectoryAttribute = 0x10;

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

struct Entry {
  std::string name;
  zip_uint64_t size = 0;
};

int CheckEntry(zip_t* za, zip_uint64_t index, Entry& entry) {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(za, index, ZIP_FL_ENC_RAW, &st) < 0) return kErrBadArchive;
  const zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
  if ((st.valid & needed) != needed || st.encryption_method != ZIP_EM_NONE) return kErrBadArchive;
  entry.name = st.name;
  entry.size = st.size;
  if (!IsPlainEntryName(entry.name) || !IsPlainFileEntry(za, index)) return kErrBadArchive;
  return kErrNone;
}

// Copies one entry's data into fd; the data must come out whole, of the size the archive
// states and with a correct checksum.
int CopyEntry(zip_t* za, zip_uint64_t index, zip_uint64_t size, int fd) {
  zip_file_t* zf = zip_fopen_index(za, index, 0);
  if (!zf) return kErrBadArchive;
  char buf[65536];
  zip_uint64_t total = 0;
  int err = kErrNone;
  for (;;) {
    zip_int64_t n = zip_fread(zf, buf, sizeof buf);
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
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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

}  // namespace

bool IsPlainEntryName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || c == '/' || c == '\\' || c == ':') return false;
  }
  return true;
}

StagedRestore::StagedRestore(std::string folder) : folder_(std::move(folder)) {}

StagedRestore::~StagedRestore() {
  if (staging_.empty()) return;
  std::error_code ec;
  fs::remove_all(staging_, ec);
}

int StagedRestore::extract(const std::string& archive) {
  int code = 0;
  zip_t* za = zip_open(FindFileNoCase(archive).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!za) return OpenError(code);

  std::vector<Entry> entries;
  std::set<std::string> seen;
  int err = kErrNone;
  const zip_int64_t count = zip_get_num_entries(za, 0);
  if (count <= 0) err = kErrBadArchive;
  for (zip_int64_t i = 0; err == kErrNone && i < count; ++i) {
    Entry entry;
    err = CheckEntry(za, static_cast<zip_uint64_t>(i), entry);
    if (err == kErrNone && !seen.insert(UpperAscii(entry.name)).second) err = kErrBadArchive;
    entries.push_back(entry);
  }
  if (err == kErrNone) {
    std::string pattern = folder_ + ".restore-XXXXXX";
    if (::mkdtemp(pattern.data())) staging_ = pattern;
    else err = ErrorFromErrno(errno);
  }
  for (zip_int64_t i = 0; err == kErrNone && i < count; ++i) {
    const Entry& entry = entries[static_cast<std::size_t>(i)];
    err = ExtractEntry(za, static_cast<zip_uint64_t>(i), entry.size, staging_ + "/" + entry.name);
    if (err == kErrNone) names_.push_back(entry.name);
  }
  zip_discard(za);
  if (err != kErrNone) names_.clear();
  return err;
}

int StagedRestore::moveIntoPlace() {
  std::vector<std::string> targets;
  for (const std::string& name : names_) {
    const std::string target = FindFileNoCase(folder_ + name);
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(target, ec))) return kErrPathFileAccess;
    targets.push_back(target);
  }
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const std::string source = staging_ + "/" + names_[i];
    if (::rename(source.c_str(), targets[i].c_str()) != 0) return ErrorFromErrno(errno);
  }
  return kErrNone;
}

}  // namespace tallmark
