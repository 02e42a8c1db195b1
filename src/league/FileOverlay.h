// What an open transaction holds of each file it touched (used by the file layer only).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallmark::overlay {

struct HeldFile {
  std::string path;             // the file's real path
  bool whole = false;           // data holds the whole file
  bool exists = true;           // (whole) the file exists
  bool replaced = false;        // written whole: replaced at commit
  bool removed = false;         // removed at commit
  std::string data;             // (whole) the contents
  std::map<std::int64_t, std::string> known;   // (not whole) byte ranges read or written
  std::map<std::int64_t, std::int64_t> dirty;  // written ranges, begin -> end, merged
  std::int64_t diskSize = -2;   // (not whole) the size on disk once asked (-1 missing)
};

// One change of the commit.
struct Change {
  enum Kind : char { Rename = 'R', Patch = 'P', Remove = 'D' } kind;
  std::string target;   // the file changed
  std::string temp;     // (Rename) the temporary file put in its place
  std::int64_t offset = 0;  // (Patch) where bytes go
  std::string bytes;
};

// The open transaction's files; nullptr when none is open.
struct Held {
  std::map<std::string, std::unique_ptr<HeldFile>> byPath;  // by the path the caller gave
  int error = 0;  // the first error of a read made for the transaction
};
Held* Current();
void SetCurrent(Held* held);

// Reads a whole file from disk, whatever the transaction holds. Returns 0 or an error number.
int ReadDiskWhole(const std::string& path, std::string& out);

// The held file for path (read from disk as needed); nullptr without a transaction.
HeldFile* Find(const std::string& path);
int ReadWhole(HeldFile& f, std::string& out);
void ReplaceWhole(HeldFile& f, std::string_view data);
int Append(HeldFile& f, std::string_view data);
void Remove(HeldFile& f);
int Prefetch(HeldFile& f, std::int64_t offset, std::size_t size);
int ReadRange(HeldFile& f, std::int64_t offset, std::size_t size, unsigned char* buf);
int WriteRange(HeldFile& f, std::int64_t offset, std::size_t size, const unsigned char* buf);
// -1 when the file does not exist.
std::int64_t Size(HeldFile& f);

// Journal of a commit: its bytes, and the changes read back from them. Incomplete: cut short
// or damaged (a stop while it was written); Unsafe: whole, but naming anything but the own
// files (LeagueOwnsName) of the league named league in folder; then out is empty.
enum class JournalState { Complete, Incomplete, Unsafe };
std::string JournalBytes(const std::vector<Change>& changes, const std::string& folder);
JournalState ParseJournal(const std::string& bytes, const std::string& folder,
                          const std::string& league, std::vector<Change>& out);

}  // namespace tallmark::overlay
