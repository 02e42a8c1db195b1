#include "league/FileOverlay.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/FileErrors.h"
#include "league/FileSystem.h"

namespace tallmark::overlay {

namespace {

// Reads size bytes at offset from disk; bytes past the end (or of a missing file) are zeros.
int ReadDisk(const std::string& path, std::int64_t offset, std::string& out, std::size_t size) {
  out.assign(size, '\0');
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? kErrNone : ErrorFromErrno(errno);
  std::size_t done = 0;
  int result = kErrNone;
  while (done < size) {
    ssize_t got = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) result = ErrorFromErrno(errno);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  return result;
}

void MarkDirty(HeldFile& f, std::int64_t begin, std::int64_t end) {
  auto it = f.dirty.upper_bound(begin);
  if (it != f.dirty.begin() && std::prev(it)->second >= begin &&
      (it == f.dirty.end() || it->first > end)) {
    auto& last = std::prev(it)->second;  // within or just after a written range: it grows
    last = std::max(last, end);
    return;
  }
  if (it != f.dirty.begin() && std::prev(it)->second >= begin) {
    --it;
    begin = it->first;
  }
  while (it != f.dirty.end() && it->first <= end) {
    end = std::max(end, it->second);
    it = f.dirty.erase(it);
  }
  f.dirty[begin] = end;
}

// Where the new range meets only the known range before it (appends to a log, records read or
// written one after another), that range grows in place instead of being copied whole.
bool ExtendKnown(HeldFile& f, std::map<std::int64_t, std::string>::iterator next,
                 std::int64_t offset, const std::string& bytes, bool overwrite) {
  const std::int64_t end = offset + static_cast<std::int64_t>(bytes.size());
  if (next == f.known.begin() || (next != f.known.end() && next->first <= end)) return false;
  auto prev = std::prev(next);
  std::string& s = prev->second;
  const std::int64_t prevEnd = prev->first + static_cast<std::int64_t>(s.size());
  if (prevEnd < offset) return false;
  const auto at = static_cast<std::size_t>(offset - prev->first);
  if (overwrite) {
    if (s.size() < at + bytes.size()) s.resize(at + bytes.size());
    s.replace(at, bytes.size(), bytes);
  } else if (end > prevEnd) {
    s.append(bytes, static_cast<std::size_t>(prevEnd - offset), std::string::npos);
  }
  return true;
}

// Adds a known range; where it meets ranges already known, the newer bytes win when
// overwrite is set (a write) and the older ones otherwise (a read from disk).
void AddKnown(HeldFile& f, std::int64_t offset, std::string bytes, bool overwrite) {
  std::int64_t begin = offset, end = offset + static_cast<std::int64_t>(bytes.size());
  auto it = f.known.upper_bound(begin);
  if (ExtendKnown(f, it, offset, bytes, overwrite)) return;
  if (it != f.known.begin() &&
      std::prev(it)->first + static_cast<std::int64_t>(std::prev(it)->second.size()) >= begin)
    --it;
  if (it == f.known.end() || it->first > end) {
    f.known.emplace_hint(it, offset, std::move(bytes));  // meets nothing known
    return;
  }
  std::vector<std::pair<std::int64_t, std::string>> met;
  while (it != f.known.end() && it->first <= end) {
    met.emplace_back(it->first, std::move(it->second));
    it = f.known.erase(it);
  }
  for (const auto& [o, s] : met) {
    begin = std::min(begin, o);
    end = std::max(end, o + static_cast<std::int64_t>(s.size()));
  }
  std::string merged(static_cast<std::size_t>(end - begin), '\0');
  auto put = [&](std::int64_t o, const std::string& s) { merged.replace(o - begin, s.size(), s); };
  if (!overwrite) put(offset, bytes);
  for (const auto& [o, s] : met) put(o, s);
  if (overwrite) put(offset, bytes);
  f.known[begin] = std::move(merged);
}

// The known range holding [offset, offset + size), or nullptr.
const std::pair<const std::int64_t, std::string>* KnownRange(const HeldFile& f,
                                                              std::int64_t offset,
                                                              std::size_t size) {
  auto it = f.known.upper_bound(offset);
  if (it == f.known.begin()) return nullptr;
  --it;
  if (it->first + static_cast<std::int64_t>(it->second.size()) <
      offset + static_cast<std::int64_t>(size))
    return nullptr;
  return &*it;
}

// Reads the whole file under what is known of it.
int MakeWhole(HeldFile& f) {
  if (f.whole) return kErrNone;
  std::string data;
  int err = ReadDiskWhole(f.path, data);
  if (err != kErrNone && err != kErrFileNotFound) return err;
  f.exists = err == kErrNone || !f.dirty.empty();
  // Only the written ranges: the rest of what is known is the disk's, or zeros past its end.
  for (const auto& [b, e] : f.dirty) {
    const auto* range = KnownRange(f, b, static_cast<std::size_t>(e - b));
    if (data.size() < static_cast<std::size_t>(e)) data.resize(static_cast<std::size_t>(e), '\0');
    data.replace(static_cast<std::size_t>(b), static_cast<std::size_t>(e - b),
                 range->second, static_cast<std::size_t>(b - range->first),
                 static_cast<std::size_t>(e - b));
  }
  f.data = std::move(data);
  f.known.clear();
  f.whole = true;
  return kErrNone;
}

Held* held = nullptr;

}  // namespace

int ReadDiskWhole(const std::string& path, std::string& out) {
  out.clear();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrorFromErrno(errno);
  // Straight into the text, sized from the file, so that a file takes two reads.
  struct stat st;
  out.resize(::fstat(fd, &st) == 0 && st.st_size > 0 ? st.st_size + 1 : 65536);
  std::size_t have = 0;
  int result = kErrNone;
  for (;;) {
    if (have == out.size()) out.resize(2 * out.size());
    ssize_t n = ::read(fd, out.data() + have, out.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) result = ErrorFromErrno(errno);
    if (n <= 0) break;
    have += static_cast<std::size_t>(n);
  }
  out.resize(have);
  ::close(fd);
  return result;
}

Held* Current() { return held; }

void SetCurrent(Held* h) { held = h; }

HeldFile* Find(const std::string& path) {
  if (!held) return nullptr;
  auto it = held->byPath.find(path);
  if (it != held->byPath.end()) return it->second.get();
  const std::string real = FindFileNoCase(path);
  for (auto& [key, file] : held->byPath)
    if (file->path == real) return file.get();
  auto file = std::make_unique<HeldFile>();
  file->path = real;
  HeldFile* result = file.get();
  held->byPath.emplace(path, std::move(file));
  return result;
}

int ReadWhole(HeldFile& f, std::string& out) {
  if (int err = MakeWhole(f)) return err;
  if (!f.exists) return kErrFileNotFound;
  out = f.data;
  return kErrNone;
}

void ReplaceWhole(HeldFile& f, std::string_view data) {
  // A file of the same size gets only its changed blocks written (through the journal), so that
  // saving a league rewrites neither unchanged files nor the unchanged parts of large ones.
  constexpr std::size_t kBlock = 4096;
  if (!f.replaced && !f.removed && MakeWhole(f) == kErrNone && f.exists &&
      f.data.size() == data.size()) {
    for (std::size_t at = 0; at < data.size(); at += kBlock) {
      const std::size_t n = std::min(kBlock, data.size() - at);
      if (f.data.compare(at, n, data.data() + at, n) == 0) continue;
      f.data.replace(at, n, data.data() + at, n);
      MarkDirty(f, static_cast<std::int64_t>(at), static_cast<std::int64_t>(at + n));
    }
    return;
  }
  f.whole = f.exists = f.replaced = true;
  f.removed = false;
  f.data.assign(data);
  f.known.clear();
  f.dirty.clear();
}

int Append(HeldFile& f, std::string_view data) {
  // A log is appended to where it ends, without reading it.
  if (!f.whole)
    return WriteRange(f, std::max<std::int64_t>(Size(f), 0), data.size(),
                      reinterpret_cast<const unsigned char*>(data.data()));
  if (!f.exists) f.data.clear();
  const auto begin = static_cast<std::int64_t>(f.data.size());
  f.data.append(data);
  f.exists = true;
  if (f.removed) f.removed = false, f.replaced = true;
  if (!f.replaced) MarkDirty(f, begin, static_cast<std::int64_t>(f.data.size()));
  return kErrNone;
}

void Remove(HeldFile& f) {
  f.whole = f.removed = true;
  f.exists = f.replaced = false;
  f.data.clear();
  f.known.clear();
  f.dirty.clear();
}

int Prefetch(HeldFile& f, std::int64_t offset, std::size_t size) {
  if (f.whole || KnownRange(f, offset, size)) return kErrNone;
  std::string bytes;
  if (int err = ReadDisk(f.path, offset, bytes, size)) return err;
  AddKnown(f, offset, std::move(bytes), false);
  return kErrNone;
}

int ReadRange(HeldFile& f, std::int64_t offset, std::size_t size, unsigned char* buf) {
  if (f.whole) {
    std::memset(buf, 0, size);
    if (offset < static_cast<std::int64_t>(f.data.size()))
      f.data.copy(reinterpret_cast<char*>(buf), size, static_cast<std::size_t>(offset));
    return kErrNone;
  }
  if (!KnownRange(f, offset, size)) {
    std::string bytes;
    if (int err = ReadDisk(f.path, offset, bytes, size)) return err;
    AddKnown(f, offset, std::move(bytes), false);
  }
  const auto* range = KnownRange(f, offset, size);
  std::memcpy(buf, range->second.data() + (offset - range->first), size);
  return kErrNone;
}

int WriteRange(HeldFile& f, std::int64_t offset, std::size_t size, const unsigned char* buf) {
  const auto end = offset + static_cast<std::int64_t>(size);
  if (f.whole) {
    if (!f.exists) f.data.clear();
    if (static_cast<std::int64_t>(f.data.size()) < end) f.data.resize(end, '\0');
    std::memcpy(f.data.data() + offset, buf, size);
    f.exists = true;
    if (f.removed) f.removed = false, f.replaced = true;
  } else if (const auto* range = KnownRange(f, offset, size)) {
    std::memcpy(const_cast<char*>(range->second.data()) + (offset - range->first), buf, size);
  } else {
    AddKnown(f, offset, std::string(reinterpret_cast<const char*>(buf), size), true);
  }
  if (!f.replaced) MarkDirty(f, offset, end);
  return kErrNone;
}

std::int64_t Size(HeldFile& f) {
  if (!f.whole) {
    if (f.diskSize == -2) {
      struct stat st;
      f.diskSize = ::stat(f.path.c_str(), &st) == 0 ? st.st_size : -1;
    }
    std::int64_t size = f.diskSize;
    if (!f.dirty.empty()) size = std::max(size, std::prev(f.dirty.end())->second);
    return size;
  }
  return f.exists ? static_cast<std::int64_t>(f.data.size()) : -1;
}

}  // namespace tallmark::overlay
