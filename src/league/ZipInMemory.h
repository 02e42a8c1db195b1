// A ZIP archive worked on in memory: read from its file in one piece, changed through libzip,
// and written back in one piece. libzip working on the file itself reads and writes it in
// small pieces, a few thousand system calls for a week's backups.
#pragma once

#include <zip.h>

#include <string>

namespace tallmark {

class ZipInMemory {
 public:
  ZipInMemory();
  ~ZipInMemory();  // unless closed, the changes are dropped
  ZipInMemory(const ZipInMemory&) = delete;
  ZipInMemory& operator=(const ZipInMemory&) = delete;

  // A new archive without files.
  bool create();
  // The archive in the file at path. False when it cannot be read (err: the error number) or
  // is not an archive (err 0; error() says why).
  bool openFile(const std::string& path, int& err);
  // The open archive, for libzip's calls; nullptr when not open.
  zip_t* zip() const { return za_; }
  // Writes the changes into the archive in memory and closes it. False on failure (error()
  // says why; the archive stays open, to be dropped).
  bool close();
  // After close(): opens the archive as written, to copy from.
  bool reopen();
  // After close(): writes the archive to a temporary file beside path and renames it over path,
  // with the permissions of the file it replaces; an archive left without files removes path,
  // as libzip does. Returns 0 or an error number.
  int writeFile(const std::string& path);
  zip_error_t* error() { return &error_; }

 private:
  bool open(void* data, std::size_t size, int flags);

  zip_source_t* source_ = nullptr;
  zip_t* za_ = nullptr;
  zip_error_t error_;
};

}  // namespace tallmark
