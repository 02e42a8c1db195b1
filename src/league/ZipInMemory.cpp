#include "league/ZipInMemory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "common/FileErrors.h"
#include "league/FileSystem.h"

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

// A new temporary file beside path; returns its descriptor, or -1 with errno set.
int CreateTemp(const std::string& path, std::string& temp) {
  static std::mt19937_64 rng{std::random_device{}()};
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(rng() % 1000000ULL);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  return fd;
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

namespace {

// The state of a ReadFileSource.
struct PiecewiseFile {
  static constexpr std::size_t kPiece = 256 * 1024;
  std::string path;
  struct stat st {};
  int fd = -1;
  std::vector<char> piece;
  std::size_t have = 0, used = 0;  // bytes in piece, and how many of them were handed out
  zip_error_t error;

  zip_int64_t fail(int code) {
    zip_error_set(&error, code, errno);
    return -1;
  }
  zip_int64_t open() {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(ZIP_ER_OPEN);
    piece.resize(kPiece);
    have = used = 0;
    return 0;
  }
  zip_int64_t read(char* out, zip_uint64_t size) {
    if (used == have) {
      ssize_t got;
      do got = ::read(fd, piece.data(), piece.size());
      while (got < 0 && errno == EINTR);
      if (got < 0) return fail(ZIP_ER_READ);
      have = static_cast<std::size_t>(got);
      used = 0;
    }
    const std::size_t n = std::min<std::size_t>(size, have - used);
    std::memcpy(out, piece.data() + used, n);
    used += n;
    return static_cast<zip_int64_t>(n);
  }
  zip_int64_t stat(void* data, zip_uint64_t len) {
    auto* zs = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &error);
    if (!zs) return -1;
    zip_stat_init(zs);
    zs->size = static_cast<zip_uint64_t>(st.st_size);
    zs->mtime = st.st_mtime;
    zs->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return 0;
  }
};

zip_int64_t PiecewiseCallback(void* state, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
  auto* f = static_cast<PiecewiseFile*>(state);
  switch (cmd) {
    case ZIP_SOURCE_OPEN: return f->open();
    case ZIP_SOURCE_READ: return f->read(static_cast<char*>(data), len);
    case ZIP_SOURCE_CLOSE:
      ::close(f->fd);
      f->fd = -1;
      return 0;
    case ZIP_SOURCE_STAT: return f->stat(data, len);
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&f->error, data, len);
    case ZIP_SOURCE_FREE:
      if (f->fd >= 0) ::close(f->fd);
      zip_error_fini(&f->error);
      delete f;
      return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                            ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                            -1);
    default:
      zip_error_set(&f->error, ZIP_ER_OPNOTSUPP, 0);
      return -1;
  }
}

}  // namespace

zip_source_t* ReadFileSource(zip_t* za, const std::string& path) {
  auto* f = new PiecewiseFile;
  f->path = path;
  zip_error_init(&f->error);
  zip_source_t* source = nullptr;
  if (::stat(path.c_str(), &f->st) == 0 && S_ISREG(f->st.st_mode))
    source = zip_source_function(za, PiecewiseCallback, f);
  if (!source) {
    zip_error_fini(&f->error);
    delete f;
  }
  return source;
}

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
  const int fd = CreateTemp(path, temp);
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
  if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  if (result == kErrNone && ::rename(temp.c_str(), path.c_str()) != 0)
    result = ErrorFromErrno(errno);
  if (result != kErrNone) ::unlink(temp.c_str());
  return result;
}

}  // namespace tallmark
