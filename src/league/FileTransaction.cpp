#include "league/FileTransaction.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "common/FileErrors.h"
#include "league/FileOverlay.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SysIO.h"
#include "common/Text.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

using overlay::Change;

std::unique_ptr<overlay::Held> root;

std::string FolderOf(const std::string& path) {
  std::string folder = fs::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// A new temporary file beside target holding data, with target's permissions (0644 for a new
// file), left open for the fsync; returns 0 or an error number.
int WriteTemp(const std::string& target, std::string_view data, std::string& temp, int& fd) {
  std::error_code ec;
  if (!fs::is_directory(FolderOf(target), ec)) return kErrPathNotFound;
  struct stat st;
  const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  fd = CreateTempBeside(target, temp, 0600);
  if (fd < 0) {
    temp.clear();
    return ErrorFromErrno(errno);
  }
  if (::fchmod(fd, mode) != 0) return ErrorFromErrno(errno);
  return WriteAll(fd, data.data(), data.size());
}

// The patches of each file go through one open file; the files are flushed together at the
// end (their writeback started at once, then one fsync each), so that the disk works on all of
// them in one go.
class PatchWriter {
 public:
  ~PatchWriter() {
    for (int fd : fds_) ::close(fd);
  }
  int write(const Change& c) {
    if (c.target != target_) {
      const int fd = ::open(c.target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
      if (fd < 0) return ErrorFromErrno(errno);
      fds_.push_back(fd);
      target_ = c.target;
    }
    std::size_t done = 0;
    while (done < c.bytes.size()) {
      ssize_t put = sysio::PWrite(fds_.back(), c.bytes.data() + done, c.bytes.size() - done,
                                  static_cast<off_t>(c.offset + done));
      if (put < 0 && errno != EINTR) return ErrorFromErrno(errno);
      if (put > 0) done += static_cast<std::size_t>(put);
    }
    return kErrNone;
  }
  int finish() {
    sysio::StartWriteback(fds_);
    int result = kErrNone;
    for (int fd : fds_) {
      if (result == kErrNone && sysio::Fsync(fd) != 0) result = ErrorFromErrno(errno);
      ::close(fd);
    }
    fds_.clear();
    target_.clear();
    return result;
  }

 private:
  std::vector<int> fds_;
  std::string target_;
};

// Puts the changes in place. A rename whose temporary file is gone was made before a stop.
int Apply(const std::vector<Change>& changes, bool recovering) {
  std::set<std::string> folders;
  PatchWriter patches;
  for (const Change& c : changes) {
    int err = kErrNone;
    if (c.kind == Change::Patch) {
      err = patches.write(c);
    } else if (c.kind == Change::Rename) {
      if (sysio::Rename(c.temp.c_str(), c.target.c_str()) != 0 && !(recovering && errno == ENOENT))
        err = ErrorFromErrno(errno);
    } else if (sysio::Unlink(c.target.c_str()) != 0 && errno != ENOENT) {
      err = ErrorFromErrno(errno);
    }
    if (err != kErrNone) return err;
    if (c.kind != Change::Patch) folders.insert(FolderOf(c.target));
  }
  if (int err = patches.finish()) return err;
  for (const std::string& folder : folders)
    if (sysio::SyncFolder(folder.c_str()) != 0) return ErrorFromErrno(errno);
  return kErrNone;
}

// The changes a transaction holds; whole files go to temporary files (left open in fds).
int Collect(overlay::Held& held, std::vector<Change>& changes, std::vector<int>& fds) {
  for (auto& [key, f] : held.byPath) {
    if (f->removed) {
      if (fs::exists(f->path)) changes.push_back({Change::Remove, f->path, {}, 0, {}});
      continue;
    }
    if (f->replaced) {
      Change c{Change::Rename, f->path, {}, 0, {}};
      int fd = -1;
      int err = WriteTemp(f->path, f->data, c.temp, fd);
      if (fd >= 0) fds.push_back(fd);
      if (!c.temp.empty()) changes.push_back(std::move(c));
      if (err != kErrNone) return err;
      continue;
    }
    for (const auto& [begin, end] : f->dirty) {
      std::string bytes(static_cast<std::size_t>(end - begin), '\0');
      overlay::ReadRange(*f, begin, bytes.size(), reinterpret_cast<unsigned char*>(bytes.data()));
      changes.push_back({Change::Patch, f->path, {}, begin, std::move(bytes)});
    }
  }
  return kErrNone;
}

void Discard(const std::vector<Change>& changes, std::vector<int>& fds,
             const std::string& journalTemp) {
  for (int fd : fds) ::close(fd);
  fds.clear();
  for (const Change& c : changes)
    if (c.kind == Change::Rename) ::unlink(c.temp.c_str());
  if (!journalTemp.empty()) ::unlink(journalTemp.c_str());
}

int SyncAndClose(std::vector<int>& fds) {
  sysio::StartWriteback(fds);
  int result = kErrNone;
  for (int fd : fds) {
    if (result == kErrNone && sysio::Fsync(fd) != 0) result = ErrorFromErrno(errno);
    if (::close(fd) != 0 && result == kErrNone) result = ErrorFromErrno(errno);
  }
  fds.clear();
  return result;
}

int CommitHeld(overlay::Held& held, const std::string& base) {
  if (held.error != kErrNone) return held.error;
  std::vector<Change> changes;
  std::vector<int> fds;
  std::string journalTemp;
  int err = Collect(held, changes, fds);
  const bool single = changes.size() == 1 && changes[0].kind != Change::Patch;
  const std::string journal = base + ".JNL";
  if (err == kErrNone && !single && !changes.empty()) {
    int fd = -1;
    err = WriteTemp(journal, overlay::JournalBytes(changes, FolderOf(journal)), journalTemp, fd);
    if (fd >= 0) fds.push_back(fd);
  }
  if (err == kErrNone) err = SyncAndClose(fds);
  if (err == kErrNone && !single && !changes.empty()) {
    if (sysio::Rename(journalTemp.c_str(), journal.c_str()) != 0) err = ErrorFromErrno(errno);
    else if (sysio::SyncFolder(FolderOf(journal).c_str()) != 0) err = ErrorFromErrno(errno);
  }
  if (err != kErrNone) {
    Discard(changes, fds, journalTemp);
    return err;
  }
  if (changes.empty()) return kErrNone;
  // From here the commit is made: a failure leaves the journal for the next opening to finish.
  if (int applied = Apply(changes, false)) return applied;
  if (single) return kErrNone;
  if (sysio::Unlink(journal.c_str()) != 0 ||
      sysio::SyncFolder(FolderOf(journal).c_str()) != 0)
    return ErrorFromErrno(errno);
  return kErrNone;
}

}  // namespace

LeagueTransaction::LeagueTransaction(std::string journalBase)
    : outer_(root == nullptr), journalBase_(std::move(journalBase)) {
  if (!outer_) return;
  root = std::make_unique<overlay::Held>();
  overlay::SetCurrent(root.get());
}

LeagueTransaction::~LeagueTransaction() {
  if (outer_ && !done_) {
    overlay::SetCurrent(nullptr);
    root.reset();
  }
}

int LeagueTransaction::commit() {
  if (!outer_ || done_) return root && root->error ? root->error : kErrNone;
  done_ = true;
  overlay::SetCurrent(nullptr);
  std::unique_ptr<overlay::Held> held = std::move(root);
  return CommitHeld(*held, journalBase_.empty() ? LeagueBasePath() : journalBase_);
}

bool LeagueTransaction::commitReported() {
  ErrorTrap trap;
  trap.set(commit());
  return trap.report();
}

void LeagueTransaction::rollback() {
  if (root) root->byPath.clear();
}

bool InTransaction() { return root != nullptr; }

void PrefetchRange(const std::string& path, std::int64_t offset, std::int64_t count) {
  overlay::HeldFile* f = overlay::Find(path);
  if (!f || count <= 0) return;
  int err = overlay::Prefetch(*f, offset, static_cast<std::size_t>(count));
  if (err != kErrNone && root->error == kErrNone) root->error = err;
}

Recovery RecoverInterruptedCommit(const std::string& base) {
  // One listing of the folder finds the journal (its name matched without regard to case) and
  // the temporary files.
  const std::string prefix = UpperAscii(fs::path(base).filename().string() + ".");
  std::string journal;
  std::vector<fs::path> temps;
  std::error_code ec;
  for (fs::directory_iterator it(FolderOf(base), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = UpperAscii(it->path().filename().string());
    if (name.rfind(prefix, 0) != 0) continue;
    if (name.size() == prefix.size() + 3 && name.compare(prefix.size(), 3, "JNL") == 0)
      journal = it->path().string();
    else if (name.find(".TMP", prefix.size() - 1) != std::string::npos)
      temps.push_back(it->path());
  }
  Recovery result = Recovery::None;
  std::string bytes;
  if (!journal.empty() && overlay::ReadDiskWhole(journal, bytes) == kErrNone) {
    std::vector<Change> changes;
    const bool complete = overlay::ParseJournal(bytes, FolderOf(journal), changes);
    if (complete && Apply(changes, true) != kErrNone) return Recovery::None;  // tried again later
    ::unlink(journal.c_str());
    result = complete ? Recovery::Finished : Recovery::RolledBack;
  }
  // What the journal put in place is gone from its temporary name.
  for (const fs::path& temp : temps)
    if (::unlink(temp.c_str()) == 0 && result == Recovery::None) result = Recovery::RolledBack;
  if (result != Recovery::None) sysio::SyncFolder(FolderOf(base).c_str());
  return result;
}

}  // namespace tallmark
