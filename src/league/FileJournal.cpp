// The commit journal's layout: a heading line, then each change (its kind, the file, for a
// rename the temporary file, for a patch the offset and the bytes), then "E" and a 64-bit
// check value of everything before it. Names are kept without the folder, so that a league
// folder moved after a stop still finishes its commit; reading one back, only the league's own
// file names are taken (a journal is read from a folder that may come from anyone).
#include <cstring>

#include "common/Text.h"
#include "league/FileOverlay.h"
#include "league/LeagueFileSet.h"

namespace tallmark::overlay {

namespace {

constexpr std::string_view kHeading = "TALLMARK COMMIT 1\n";

std::uint64_t CheckValue(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
  return h;
}

void PutNumber(std::string& out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

void PutName(std::string& out, const std::string& path, const std::string& folder) {
  std::string name = path;
  if (name.size() > folder.size() + 1 && name.compare(0, folder.size(), folder) == 0 &&
      name[folder.size()] == '/' && name.find('/', folder.size() + 1) == std::string::npos)
    name = name.substr(folder.size() + 1);
  PutNumber(out, name.size(), 4);
  out += name;
}

class JournalReader {
 public:
  JournalReader(const std::string& bytes, const std::string& folder)
      : bytes_(bytes), folder_(folder) {}
  bool number(std::uint64_t& v, int size) {
    if (pos_ + size > bytes_.size()) return false;
    v = 0;
    for (int i = 0; i < size; ++i)
      v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    pos_ += size;
    return true;
  }
  bool raw(std::string& out) {
    std::uint64_t n = 0;
    if (!number(n, 4) || pos_ + n > bytes_.size()) return false;
    out = bytes_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  // A plain file name of the folder; unsafe is set for anything else.
  bool name(std::string& out, bool& unsafe) {
    if (!raw(out) || out.empty()) return false;
    if (out.find('/') != std::string::npos || out.find('\0') != std::string::npos ||
        out == "." || out == "..")
      unsafe = true;
    out = folder_ + "/" + out;
    return true;
  }
  std::size_t pos() const { return pos_; }
  void skip(std::size_t n) { pos_ += n; }

 private:
  const std::string& bytes_;
  const std::string& folder_;
  std::size_t pos_ = 0;
};

bool ParseChange(JournalReader& in, char kind, Change& c, bool& unsafe) {
  c.kind = static_cast<Change::Kind>(kind);
  if (!in.name(c.target, unsafe)) return false;
  std::uint64_t offset = 0;
  switch (kind) {
    case Change::Rename: return in.name(c.temp, unsafe);
    case Change::Patch:
      if (!in.number(offset, 8)) return false;
      c.offset = static_cast<std::int64_t>(offset);
      return in.raw(c.bytes);
    case Change::Remove: return true;
    default: return false;
  }
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// A change the league named league may make: to one of its own files, from a temporary file
// of that same file.
bool OwnChange(const Change& c, const std::string& league) {
  const std::string target = NameOf(c.target);
  if (!LeagueOwnsName(target, league)) return false;
  if (c.kind != Change::Rename) return true;
  const std::string temp = NameOf(c.temp);
  return LeagueOwnsName(temp, league, true) &&
         UpperAscii(temp.substr(0, target.size())) == UpperAscii(target);
}

}  // namespace

std::string JournalBytes(const std::vector<Change>& changes, const std::string& folder) {
  std::string out(kHeading);
  for (const Change& c : changes) {
    out += static_cast<char>(c.kind);
    PutName(out, c.target, folder);
    if (c.kind == Change::Rename) PutName(out, c.temp, folder);
    if (c.kind == Change::Patch) {
      PutNumber(out, static_cast<std::uint64_t>(c.offset), 8);
      PutNumber(out, c.bytes.size(), 4);
      out += c.bytes;
    }
  }
  out += 'E';
  PutNumber(out, CheckValue(out), 8);
  return out;
}

JournalState ParseJournal(const std::string& bytes, const std::string& folder,
                          const std::string& league, std::vector<Change>& out) {
  out.clear();
  if (bytes.size() < kHeading.size() + 9 || bytes.compare(0, kHeading.size(), kHeading) != 0)
    return JournalState::Incomplete;
  const std::size_t end = bytes.size() - 9;
  if (bytes[end] != 'E') return JournalState::Incomplete;
  JournalReader in(bytes, folder);
  in.skip(end + 1);
  std::uint64_t check = 0;
  if (!in.number(check, 8) || check != CheckValue(std::string_view(bytes).substr(0, end + 1)))
    return JournalState::Incomplete;
  JournalReader changes(bytes, folder);
  changes.skip(kHeading.size());
  bool unsafe = false;
  while (changes.pos() < end) {
    Change c{};
    const char kind = bytes[changes.pos()];
    changes.skip(1);
    if (!ParseChange(changes, kind, c, unsafe)) return JournalState::Incomplete;
    unsafe = unsafe || !OwnChange(c, league);
    out.push_back(std::move(c));
  }
  if (changes.pos() != end) return JournalState::Incomplete;
  if (unsafe) out.clear();
  return unsafe ? JournalState::Unsafe : JournalState::Complete;
}

}  // namespace tallmark::overlay
