#include "league/ZipFileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace tallmark {

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

}  // namespace tallmark
