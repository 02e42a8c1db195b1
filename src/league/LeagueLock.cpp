#include "league/LeagueLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/FileErrors.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

int heldFd = -1;
pid_t heldBy = 0;  // a child started by fork() shares the lock but must not remove its file
std::string heldBase;  // as normalized by Key

std::string Key(const std::string& base) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(base), ec);
  return (ec ? fs::path(base) : p).lexically_normal().string();
}

std::string HolderText() {
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
  return std::string(program_invocation_short_name) + " (process " + std::to_string(::getpid()) +
         " on " + (host[0] ? host : "this computer") + ")";
}

std::string ReadHolder(int fd) {
  char buf[512];
  const ssize_t n = ::pread(fd, buf, sizeof buf, 0);
  std::string text = n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return text.empty() ? "another program" : text;
}

bool SameFile(int fd, const std::string& path) {
  struct stat open, named;
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

std::string LeagueLockPath(const std::string& base) { return base + ".LCK"; }

bool HoldsLeagueLock(const std::string& base) { return heldFd >= 0 && heldBase == Key(base); }

LockAttempt HoldLeagueLock(const std::string& base) {
  if (HoldsLeagueLock(base)) return {LockResult::Held, {}, 0};
  ReleaseLeagueLock();
  const std::string path = LeagueLockPath(base);
  // The holder that lets go removes the file: a lock taken on a file no longer in the folder is
  // taken again on the new one.
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return {LockResult::Unavailable, {}, ErrorFromErrno(errno)};
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
      const int err = errno;
      LockAttempt refused{LockResult::Refused, ReadHolder(fd), 0};
      ::close(fd);
      if (err == EAGAIN || err == EACCES) return refused;
      return {LockResult::Unavailable, {}, ErrorFromErrno(err)};
    }
    if (!SameFile(fd, path)) {
      ::close(fd);
      continue;
    }
    const std::string holder = HolderText() + "\n";
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, holder.data(), holder.size(), 0) != static_cast<ssize_t>(holder.size())) {
      // The name of the holder is only for messages: the lock holds without it.
    }
    heldFd = fd;
    heldBy = ::getpid();
    heldBase = Key(base);
    // However the program ends normally, the lock file goes with it.
    static const bool releasedAtExit = std::atexit(ReleaseLeagueLock) == 0;
    (void)releasedAtExit;
    return {LockResult::Held, {}, 0};
  }
  return {LockResult::Unavailable, {}, kErrPathFileAccess};
}

void ReleaseLeagueLock() {
  if (heldFd < 0) return;
  if (heldBy == ::getpid()) ::unlink(LeagueLockPath(heldBase).c_str());
  ::close(heldFd);
  heldFd = -1;
  heldBase.clear();
}

}  // namespace tallmark
