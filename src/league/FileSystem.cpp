#include "league/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "common/FileErrors.h"
#include "common/Text.h"
#include "league/FileOverlay.h"
#include "league/FileTransaction.h"
#include "league/SysIO.h"

namespace fs = std::filesystem;

namespace tallmark {

std::string FindFileNoCase(const std::string& path) {
  std::error_code ec;
  fs::path p(path);
  if (fs::exists(p, ec)) return path;
  fs::path dir = p.parent_path();
  if (dir.empty()) dir = ".";
  const std::string wanted = UpperAscii(p.filename().string());
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (UpperAscii(it->path().filename().string()) == wanted) {
      return p.parent_path().empty() ? it->path().filename().string()
                                     : (p.parent_path() / it->path().filename()).string();
    }
  }
  return path;
}

bool FileExists(const std::string& path) {
  if (overlay::HeldFile* held = overlay::Find(path); held && held->whole) return held->exists;
  std::error_code ec;
  return fs::is_regular_file(FindFileNoCase(path), ec);
}

int ReadWholeFile(const std::string& path, std::string& out) {
  out.clear();
  if (overlay::HeldFile* held = overlay::Find(path)) return overlay::ReadWhole(*held, out);
  return overlay::ReadDiskWhole(FindFileNoCase(path), out);
}

int WriteFilesAtomic(const std::vector<FileContents>& files) {
  if (files.empty()) return kErrNone;
  std::string base = files[0].path;
  base = base.substr(0, base.size() - fs::path(base).extension().string().size());
  LeagueTransaction tx(base);
  for (const FileContents& f : files) overlay::ReplaceWhole(*overlay::Find(f.path), f.data);
  return tx.commit();
}

// The process's own number is in the name so that processes started from one another (which
// share a generator's state) never pick the same name.
int CreateTempBeside(const std::string& target, std::string& temp, unsigned mode) {
  static std::mt19937_64 rng{std::random_device{}()};
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(rng() % 1000000ULL);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
}

int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = sysio::Write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return kErrNone;
}

int WriteFileAtomic(const std::string& path, std::string_view data) {
  return WriteFilesAtomic({{path, data}});
}

int AppendToFile(const std::string& path, std::string_view data) {
  if (overlay::HeldFile* held = overlay::Find(path)) return overlay::Append(*held, data);
  int fd = ::open(FindFileNoCase(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return ErrorFromErrno(errno);
  int result = WriteAll(fd, data.data(), data.size());
  if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  return result;
}

RecordFile::RecordFile(std::string path, int recordLength)
    : path_(std::move(path)), length_(recordLength) {}

int RecordFile::read(std::int64_t n, unsigned char* buf) const { return readRange(n, 1, buf); }

int RecordFile::write(std::int64_t n, const unsigned char* buf) const {
  return writeRange(n, 1, buf);
}

int RecordFile::readRange(std::int64_t n, std::int64_t count, unsigned char* buf) const {
  const std::size_t size = static_cast<std::size_t>(count * length_);
  std::memset(buf, 0, size);
  if (n < 1) return kErrBadRecordNumber;
  if (overlay::HeldFile* held = overlay::Find(path_))
    return overlay::ReadRange(*held, (n - 1) * length_, size, buf);
  int fd = ::open(FindFileNoCase(path_).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? kErrNone : ErrorFromErrno(errno);
  off_t offset = static_cast<off_t>((n - 1) * length_);
  std::size_t done = 0;
  int result = kErrNone;
  while (done < size) {
    ssize_t got = ::pread(fd, buf + done, size - done, offset + static_cast<off_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      result = ErrorFromErrno(errno);
      break;
    }
    if (got == 0) break;  // past the end: the rest stays zero
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  return result;
}

int RecordFile::writeRange(std::int64_t n, std::int64_t count, const unsigned char* buf) const {
  if (n < 1) return kErrBadRecordNumber;
  if (overlay::HeldFile* held = overlay::Find(path_))
    return overlay::WriteRange(*held, (n - 1) * length_, static_cast<std::size_t>(count * length_),
                               buf);
  int fd = ::open(FindFileNoCase(path_).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return ErrorFromErrno(errno);
  const std::size_t size = static_cast<std::size_t>(count * length_);
  off_t offset = static_cast<off_t>((n - 1) * length_);
  std::size_t done = 0;
  int result = kErrNone;
  while (done < size) {
    ssize_t put = sysio::PWrite(fd, buf + done, size - done, offset + static_cast<off_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      result = ErrorFromErrno(errno);
      break;
    }
    done += static_cast<std::size_t>(put);
  }
  if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  return result;
}

int RemoveFile(const std::string& path) {
  if (overlay::HeldFile* held = overlay::Find(path)) {
    overlay::Remove(*held);
    return kErrNone;
  }
  LeagueTransaction tx(path);
  overlay::Remove(*overlay::Find(path));
  return tx.commit();
}

std::int64_t FileSize(const std::string& path) {
  if (overlay::HeldFile* held = overlay::Find(path)) return overlay::Size(*held);
  std::error_code ec;
  auto size = fs::file_size(FindFileNoCase(path), ec);
  return ec ? -1 : static_cast<std::int64_t>(size);
}

float GetSingle(const unsigned char* p) {
  std::uint32_t u = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

void PutSingle(unsigned char* p, float v) {
  std::uint32_t u;
  std::memcpy(&u, &v, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}

}  // namespace tallmark
