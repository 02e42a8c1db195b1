// Unpacking a backup archive into a league's folder without ever leaving it, and without
// touching any league file until the whole archive has been read and checked.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

// True when an archive entry's name is a plain file name: no folder part, no drive, not "."
// or "..", no control characters.
bool IsPlainEntryName(const std::string& name);

// Extracts an archive of one league into a temporary folder inside the league's folder, reads
// the league there with the league's readers, then moves the files into place in one commit.
// The temporary folder is removed when the object ends (and one that a stopped restore left
// behind, at the next restore in that folder).
class StagedRestore {
 public:
  explicit StagedRestore(std::string folder);
  ~StagedRestore();
  StagedRestore(const StagedRestore&) = delete;
  StagedRestore& operator=(const StagedRestore&) = delete;

  // Checks every entry and extracts them all, checking each one's size and checksum, then
  // reads the league from them. league is the archive's title less its extension ("&EAGUE"):
  // the archive must hold the configuration file "?EAGUE.CFG" and besides it only files of that
  // league (its base name with one of the league's extensions), each plain (no folder, link
  // or encryption), once, and no larger than a league's file of its kind can be. Returns 0 or
  // an error number: kErrFileNotFound for a missing archive, kErrBadArchive for a damaged or
  // unsafe one (problem() then says why).
  int extract(const std::string& archive, const std::string& league);
  // The same, for the league the archive's name gives (its title less the extension).
  int extract(const std::string& archive);
  // Moves the extracted files over the league's files (a file of the same name without regard
  // to case is replaced). Returns 0 or an error number.
  int moveIntoPlace();
  // The names of the files extracted, as the archive holds them.
  const std::vector<std::string>& names() const { return names_; }
  // Why the archive was refused, for the user; empty when it was not.
  const std::string& problem() const { return problem_; }

 private:
  std::string folder_;
  std::string staging_;
  std::vector<std::string> names_;
  std::string base_;  // the league's base name as the archive holds it
  std::string problem_;
};

}  // namespace tallmark
