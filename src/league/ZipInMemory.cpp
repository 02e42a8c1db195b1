#include "league/ZipInMemory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/SysIO.h"

namespace tallmark {

namespace {

// The whole file in memory from malloc, for libzip to own. Returns 0 or an error number.
int ReadOwned(const std::string& path, void*& data, std::size_t& size) {
  data = nullptr;
  size = 0;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorFromErrno(errno);
  struct stat st;
  int result = ::fstat(fd, &st) == 0 ? kErrNone : ErrorFromErrno(errno);
  if (result == kErrNone && st.st_size > 0) {
    data = std::malloc(static_cast<std::size_t>(st.st_size));
    if (!data) result = ErrorFromErrno(ENOMEM);
  }
  while (result == kErrNone && size < static_cast<std::size_t>(st.st_size)) {
    const ssize_t got = ::read(fd, static_cast<char*>(data) + size, st.st_size - size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) result = ErrorFromErrno(errno);
    if (got <= 0) break;
    size += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (result != kErrNone) std::free(data);
  return result;
}

// Copies what the open source holds to fd. Returns 0 or an error number.
int CopySource(zip_source_t* source, int fd) {
  char buffer[65536];
  for (;;) {
    const zip_int64_t got = zip_source_read(source, buffer, sizeof buffer);
    if (got < 0) return kErrDeviceIO;
    if (got == 0) return kErrNone;
    if (int err = WriteAll(fd, buffer, static_cast<std::size_t>(got))) return err;
  }
}

}  // namespace

ZipInMemory::ZipInMemory() { zip_error_init(&error_); }

ZipInMemory::~ZipInMemory() {
  if (za_) zip_discard(za_);
  if (source_) zip_source_free(source_);
  zip_error_fini(&error_);
}

bool ZipInMemory::create() { return open(nullptr, 0, ZIP_CREATE | ZIP_TRUNCATE); }

bool ZipInMemory::openFile(const std::string& path, int& err) {
  void* data = nullptr;
  std::size_t size = 0;
  err = ReadOwned(path, data, size);
  return err == kErrNone && open(data, size, 0);
}

// libzip owns the bytes: when it writes the archive back it keeps parts of the bytes it read in
// what it wrote, and frees them with it.
bool ZipInMemory::open(void* data, std::size_t size, int flags) {
  source_ = zip_source_buffer_create(data, size, 1, &error_);
  if (!source_) {
    std::free(data);
    return false;
  }
  zip_source_keep(source_);  // the archive's bytes are read back from it after the close
  za_ = zip_open_from_source(source_, flags, &error_);
  if (za_) return true;
  zip_source_free(source_);  // the reference the archive would have taken
  return false;
}

bool ZipInMemory::close() {
  if (!za_) return false;
  if (zip_close(za_) != 0) {
    zip_error_set(&error_, zip_error_code_zip(zip_get_error(za_)),
                  zip_error_code_system(zip_get_error(za_)));
    return false;
  }
  za_ = nullptr;
  return true;
}

bool ZipInMemory::reopen() {
  if (za_ || !source_) return false;
  zip_source_keep(source_);
  za_ = zip_open_from_source(source_, ZIP_RDONLY, &error_);
  if (!za_) zip_source_free(source_);
  return za_ != nullptr;
}

int ZipInMemory::writeFile(const std::string& path) {
  zip_stat_t st;
  if (za_ || !source_ || zip_source_stat(source_, &st) < 0) return kErrDeviceIO;
  if ((st.valid & ZIP_STAT_SIZE) && st.size == 0) return RemoveFile(path);
  std::string temp;
  const int fd = CreateTempBeside(path, temp, 0666);
  if (fd < 0) return ErrorFromErrno(errno);
  struct stat old;
  int result = kErrNone;
  if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
    result = ErrorFromErrno(errno);
  if (result == kErrNone && zip_source_open(source_) < 0) result = kErrDeviceIO;
  if (result == kErrNone) {
    result = CopySource(source_, fd);
    zip_source_close(source_);
  }
  // Flushed before it takes the archive's name, so that a stop never leaves a named archive
  // with missing contents.
  if (result == kErrNone && sysio::Fsync(fd) != 0) result = ErrorFromErrno(errno);
  if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  if (result == kErrNone && sysio::Rename(temp.c_str(), path.c_str()) != 0)
    result = ErrorFromErrno(errno);
  if (result != kErrNone) ::unlink(temp.c_str());
  return result;
}

}  // namespace tallmark
