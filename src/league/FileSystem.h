// File access shared by every league file: names matched without regard to case, whole files
// replaced atomically, and fixed-length records read and written in place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallmark {

// The existing file whose name matches path's last part without regard to case (the exact name
// first); path itself when there is none, so that a new file gets the name asked for.
std::string FindFileNoCase(const std::string& path);

bool FileExists(const std::string& path);

// Reads a whole file. Returns 0 or an error number (53 when missing).
int ReadWholeFile(const std::string& path, std::string& out);

// Replaces a file with data: written to a temporary file in the same folder, flushed, then
// renamed over the old one, so that a failure leaves the old file whole. Returns 0 or an error
// number (61 disk full, 70 permission denied, 76 path not found...).
int WriteFileAtomic(const std::string& path, std::string_view data);

// One file of a set written together.
struct FileContents {
  std::string path;
  std::string_view data;
};
// Replaces several files together: every file is first written to a temporary file beside it,
// and only when all of them were written are they renamed over the old ones, so that a failure
// (a full disk, a missing folder) leaves every old file as it was. Returns 0 or the first error.
int WriteFilesAtomic(const std::vector<FileContents>& files);

// Removes a file (nothing when it is missing). Returns 0 or an error number.
int RemoveFile(const std::string& path);
// The size of a file in bytes, -1 when it is missing.
std::int64_t FileSize(const std::string& path);

// Creates a new file beside target, named target + ".tmp" + the process's number + "-" + a
// random number, open for writing, with mode (less the umask). Returns its descriptor, or -1
// with errno set.
int CreateTempBeside(const std::string& target, std::string& temp, unsigned mode);

// Writes all of data to an open file descriptor. Returns 0 or an error number.
int WriteAll(int fd, const char* data, std::size_t size);

// Appends data to a file, creating it when missing. Returns 0 or an error number.
int AppendToFile(const std::string& path, std::string_view data);

// Within an open LeagueTransaction (league/FileTransaction.h) all of these read and write what
// the transaction holds, and the disk changes only when it commits.

// A file of fixed-length records numbered from 1, opened for each access. Records past the end
// read as zeros; writing past the end extends the file (the gap reads as zeros).
class RecordFile {
 public:
  RecordFile(std::string path, int recordLength);
  // Reads record n into buf (recordLength bytes). Returns 0 or an error number; a missing file
  // reads as zeros without error.
  int read(std::int64_t n, unsigned char* buf) const;
  int write(std::int64_t n, const unsigned char* buf) const;
  // Reads or writes count consecutive records from record n in one access.
  int readRange(std::int64_t n, std::int64_t count, unsigned char* buf) const;
  int writeRange(std::int64_t n, std::int64_t count, const unsigned char* buf) const;

 private:
  std::string path_;
  int length_;
};

// Little-endian field helpers.
inline std::int16_t GetInt16(const unsigned char* p) {
  return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}
inline void PutInt16(unsigned char* p, std::int16_t v) {
  auto u = static_cast<std::uint16_t>(v);
  p[0] = static_cast<unsigned char>(u & 0xff);
  p[1] = static_cast<unsigned char>(u >> 8);
}
float GetSingle(const unsigned char* p);
void PutSingle(unsigned char* p, float v);

}  // namespace tallmark
