#include "league/SysIO.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace tallmark {

namespace {

FaultPlan plan;
long points = 0;
long writes = 0;
long syncs = 0;

void Point() {
  if (++points == plan.killAt) ::raise(SIGKILL);
}

bool WriteFails() {
  Point();
  if (++writes != plan.failWriteAt) return false;
  errno = ENOSPC;
  return true;
}

bool SyncFails() {
  Point();
  if (++syncs != plan.failSyncAt) return false;
  errno = EIO;
  return true;
}

}  // namespace

void SetFaultPlan(const FaultPlan& p) {
  plan = p;
  points = writes = syncs = 0;
}

long FaultPointsSeen() { return points; }
long FaultWritesSeen() { return writes; }
long FaultSyncsSeen() { return syncs; }

namespace sysio {

ssize_t Write(int fd, const void* data, std::size_t size) {
  if (WriteFails()) return -1;
  return ::write(fd, data, size);
}

ssize_t PWrite(int fd, const void* data, std::size_t size, off_t offset) {
  if (WriteFails()) return -1;
  return ::pwrite(fd, data, size, offset);
}

int Fsync(int fd) {
  if (SyncFails()) return -1;
  return plan.syncs ? ::fdatasync(fd) : 0;
}

void StartWriteback(const std::vector<int>& fds) {
  if (!plan.syncs || fds.size() < 2) return;
  for (int fd : fds) ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

int Rename(const char* from, const char* to) {
  Point();
  return ::rename(from, to);
}

int Unlink(const char* path) {
  Point();
  return ::unlink(path);
}

int SyncFolder(const char* path) {
  int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  int rc = SyncFails() ? -1 : plan.syncs ? ::fsync(fd) : 0;
  ::close(fd);
  return rc;
}

}  // namespace sysio

}  // namespace tallmark
