// The system calls that change files, counted so that the crash tests can stop the program or
// fail a write at each of them in turn.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <vector>

namespace tallmark {

// What the crash tests ask for: killAt = k stops the process (SIGKILL) at the k-th write,
// rename, fsync or unlink; failWriteAt = n makes the n-th write fail as a full disk does;
// failSyncAt = n makes the n-th fsync (of a file or a folder) fail as a failing disk does.
// 0 = never.
// syncs = false leaves out the fsyncs themselves (still counted), for tests that stop the
// program hundreds of times and need no durability against a power cut.
struct FaultPlan {
  long killAt = 0;
  long failWriteAt = 0;
  bool syncs = true;
  long failSyncAt = 0;
};
void SetFaultPlan(const FaultPlan& plan);
// The points and the writes counted since the last SetFaultPlan.
long FaultPointsSeen();
long FaultWritesSeen();
long FaultSyncsSeen();

namespace sysio {

ssize_t Write(int fd, const void* data, std::size_t size);
ssize_t PWrite(int fd, const void* data, std::size_t size, off_t offset);
int Fsync(int fd);
// Starts writing the files' changed pages to disk without waiting (an fsync still follows), so
// that several files are flushed together.
void StartWriteback(const std::vector<int>& fds);
int Rename(const char* from, const char* to);
int Unlink(const char* path);
// fsync of a folder, so that the renames and removals in it last.
int SyncFolder(const char* path);

}  // namespace sysio

}  // namespace tallmark
