// Unpacking a backup archive into a league's folder without ever leaving it, and without
// touching any league file until the whole archive has been read and checked.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

// True when an archive entry's name is a plain file name: no folder part, no drive, not "."
// or "..", no control characters.
bool IsPlainEntryName(const std::string& name);

// Extracts an archive into a temporary folder inside the league's folder, then moves the files
// into place. The temporary folder is removed when the object ends.
class StagedRestore {
 public:
  explicit StagedRestore(std::string folder);
  ~StagedRestore();
  StagedRestore(const StagedRestore&) = delete;
  StagedRestore& operator=(const StagedRestore&) = delete;

  // Checks every entry (plain names only, no links or folders, no name twice, nothing
  // encrypted) and extracts them all, checking each one's size and checksum. Returns 0 or an
  // error number: kErrFileNotFound for a missing archive, kErrBadArchive for a damaged or
  // unsafe one.
  int extract(const std::string& archive);
  // Moves the extracted files over the league's files (a file of the same name without regard
  // to case is replaced). Returns 0 or an error number.
  int moveIntoPlace();
  // The names of the files extracted, as the archive holds them.
  const std::vector<std::string>& names() const { return names_; }

 private:
  std::string folder_;
  std::string staging_;
  std::vector<std::string> names_;
};

}  // namespace tallmark
