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
#include "league/LeagueFileSet.h"
#include "league/LeagueStamp.h"
#include "league/ReadErrors.h"
#include "league/SysIO.h"
#include "common/Text.h"

namespace fs = std::filesystem;

namespace tallmark {

namespace {

using overlay::Change;

std::unique_ptr<overlay::Held> root;
bool writesRefused = false;
int lastCommit = kErrNone;

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

// Why nothing may be written, decided before anything is: a file of a league that could not be
// read whole, or a league open read-only. The raw scores export (.CSV) is what reading
// commands make of a league, and no part of its records.
int Refusal(const overlay::Held& held) {
  for (const auto& [key, f] : held.byPath) {
    if (!f->replaced && !f->removed && f->dirty.empty()) continue;
    const std::string name = fs::path(f->path).filename().string();
    if (UpperAscii(fs::path(name).extension().string()) == ".CSV") continue;
    if (writesRefused && LeagueOwnsName(name, lg.FileName)) return kErrReadOnly;
    if (ReadErrorFor(f->path) != kErrNone) return kErrUnreadLeague;
  }
  return kErrNone;
}

// One whole file replaced without a journal: once the rename is made, the change is made.
int ApplySingle(const Change& c) {
  if (c.kind == Change::Rename && sysio::Rename(c.temp.c_str(), c.target.c_str()) != 0) {
    const int err = ErrorFromErrno(errno);
    ::unlink(c.temp.c_str());
    return err;
  }
  if (c.kind == Change::Remove && sysio::Unlink(c.target.c_str()) != 0 && errno != ENOENT)
    return ErrorFromErrno(errno);
  return sysio::SyncFolder(FolderOf(c.target).c_str()) == 0 ? kErrNone : kErrCommitPending;
}

// Takes out of changes those to files that are not the league's own in its folder (the program
// folder's sport file): they are put in place on their own, before the league's, so that a
// journal names the league's files only.
std::vector<Change> TakeOutside(std::vector<Change>& changes, const std::string& base) {
  const std::string folder = FolderOf(base);
  const std::string league = fs::path(base).filename().string();
  std::vector<Change> own, outside;
  for (Change& c : changes) {
    const bool mine = FolderOf(c.target) == folder &&
                      LeagueOwnsName(fs::path(c.target).filename().string(), league);
    (mine ? own : outside).push_back(std::move(c));
  }
  changes = std::move(own);
  return outside;
}

int CommitHeld(overlay::Held& held, const std::string& base) {
  if (held.error != kErrNone) return held.error;
  if (int refused = Refusal(held)) return refused;
  const std::string journal = base + ".JNL";
  // A journal still in place is a commit not yet finished: a new one would take its place.
  if (FileExists(journal)) return kErrCommitPending;
  std::vector<Change> changes;
  std::vector<int> fds;
  std::string journalTemp;
  int err = Collect(held, changes, fds);
  std::vector<Change> outside = TakeOutside(changes, base);
  const bool single = changes.size() == 1 && changes[0].kind != Change::Patch;
  if (err == kErrNone && !single && !changes.empty()) {
    int fd = -1;
    err = WriteTemp(journal, overlay::JournalBytes(changes, FolderOf(journal)), journalTemp, fd);
    if (fd >= 0) fds.push_back(fd);
  }
  if (err == kErrNone) err = SyncAndClose(fds);
  if (err == kErrNone && !outside.empty()) err = Apply(outside, false);
  bool journalDurable = true;
  if (err == kErrNone && !single && !changes.empty()) {
    if (sysio::Rename(journalTemp.c_str(), journal.c_str()) != 0) err = ErrorFromErrno(errno);
    else journalDurable = sysio::SyncFolder(FolderOf(journal).c_str()) == 0;
  }
  if (err != kErrNone) {
    Discard(outside, fds, {});
    Discard(changes, fds, journalTemp);
    return err;
  }
  if (changes.empty()) return kErrNone;
  if (single) return ApplySingle(changes[0]);
  // From here the commit is made: its temporary files go only by being put in place, and a
  // failure leaves the journal for the next opening to finish.
  if (Apply(changes, false) != kErrNone) return kErrCommitPending;
  if (sysio::Unlink(journal.c_str()) != 0 || sysio::SyncFolder(FolderOf(journal).c_str()) != 0 ||
      !journalDurable)
    return kErrCommitPending;
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
  const std::string base = journalBase_.empty() ? LeagueBasePath() : journalBase_;
  lastCommit = CommitHeld(*held, base);
  if (lastCommit == kErrNone || lastCommit == kErrCommitPending) RenoteLeagueFiles();
  return lastCommit;
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

int LastCommitResult() { return lastCommit; }

void PrefetchRange(const std::string& path, std::int64_t offset, std::int64_t count) {
  overlay::HeldFile* f = overlay::Find(path);
  if (!f || count <= 0) return;
  int err = overlay::Prefetch(*f, offset, static_cast<std::size_t>(count));
  if (err != kErrNone && root->error == kErrNone) root->error = err;
}

std::string DamagedJournalPath(const std::string& base) { return base + ".JNL.damaged"; }

void SetWritesRefused(bool refused) { writesRefused = refused; }
bool WritesRefused() { return writesRefused; }

Recovery RecoverInterruptedCommit(const std::string& base) {
  // One listing of the folder finds the journal (its name matched without regard to case) and
  // the temporary files: the commits' and the backup archives' (these go without a word).
  const std::string league = fs::path(base).filename().string();
  const std::string prefix = UpperAscii(league + ".");
  std::string journal;
  std::vector<fs::path> temps, archiveTemps;
  std::error_code ec;
  for (fs::directory_iterator it(FolderOf(base), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string file = it->path().filename().string();
    const std::string name = UpperAscii(file);
    if (name == prefix + "JNL") journal = it->path().string();
    else if (name.rfind(prefix + "JNL.TMP", 0) == 0 || LeagueOwnsName(file, league, true))
      (name[0] == '&' ? archiveTemps : temps).push_back(it->path());
  }
  Recovery result = Recovery::None;
  std::string bytes;
  if (!journal.empty() && overlay::ReadDiskWhole(journal, bytes) == kErrNone) {
    std::vector<Change> changes;
    const overlay::JournalState state = overlay::ParseJournal(
        bytes, FolderOf(journal), fs::path(base).filename().string(), changes);
    if (state == overlay::JournalState::Complete && Apply(changes, true) != kErrNone)
      return Recovery::None;  // tried again at the next opening
    if (state == overlay::JournalState::Unsafe) {
      if (sysio::Rename(journal.c_str(), DamagedJournalPath(base).c_str()) != 0)
        return Recovery::Unsafe;
    } else {
      ::unlink(journal.c_str());
    }
    result = state == overlay::JournalState::Complete ? Recovery::Finished
             : state == overlay::JournalState::Unsafe ? Recovery::Unsafe
                                                      : Recovery::RolledBack;
  }
  for (const fs::path& temp : archiveTemps) ::unlink(temp.c_str());
  // What the journal put in place is gone from its temporary name.
  for (const fs::path& temp : temps)
    if (::unlink(temp.c_str()) == 0 && result == Recovery::None) result = Recovery::RolledBack;
  if (result != Recovery::None) sysio::SyncFolder(FolderOf(base).c_str());
  return result;
}

}  // namespace tallmark
