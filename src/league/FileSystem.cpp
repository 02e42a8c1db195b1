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
  std::error_code ec;
  return fs::is_regular_file(FindFileNoCase(path), ec);
}

int ReadWholeFile(const std::string& path, std::string& out) {
  out.clear();
  int fd = ::open(FindFileNoCase(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorFromErrno(errno);
  char buf[65536];
  int result = kErrNone;
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      result = ErrorFromErrno(errno);
      break;
    }
    if (n == 0) break;
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return result;
}

namespace {


std::string TempNameFor(const std::string& target) {
  static std::mt19937_64 rng{std::random_device{}()};
  return target + ".tmp" + std::to_string(rng() % 1000000000ULL);
}

}  // namespace

namespace {

// Writes data to a new temporary file beside target; returns 0 or an error number.
int WriteTemporary(const std::string& target, std::string_view data, std::string& temp) {
  fs::path dir = fs::path(target).parent_path();
  std::error_code ec;
  if (!dir.empty() && !fs::is_directory(dir, ec)) return kErrPathNotFound;
  temp = TempNameFor(target);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    temp.clear();
    return ErrorFromErrno(errno);
  }
  int result = WriteAll(fd, data.data(), data.size());
  if (result == kErrNone && ::fsync(fd) != 0) result = ErrorFromErrno(errno);
  if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  return result;
}

}  // namespace

int WriteFilesAtomic(const std::vector<FileContents>& files) {
  std::vector<std::string> targets, temps(files.size());
  int result = kErrNone;
  for (std::size_t i = 0; i < files.size() && result == kErrNone; ++i) {
    targets.push_back(FindFileNoCase(files[i].path));
    result = WriteTemporary(targets[i], files[i].data, temps[i]);
  }
  if (result != kErrNone) {
    for (const std::string& temp : temps)
      if (!temp.empty()) ::unlink(temp.c_str());
    return result;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (::rename(temps[i].c_str(), targets[i].c_str()) != 0) {
      if (result == kErrNone) result = ErrorFromErrno(errno);
      ::unlink(temps[i].c_str());
    }
  }
  return result;
}

int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
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
  int fd = ::open(FindFileNoCase(path_).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return ErrorFromErrno(errno);
  const std::size_t size = static_cast<std::size_t>(count * length_);
  off_t offset = static_cast<off_t>((n - 1) * length_);
  std::size_t done = 0;
  int result = kErrNone;
  while (done < size) {
    ssize_t put = ::pwrite(fd, buf + done, size - done, offset + static_cast<off_t>(done));
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
