// Error numbers of file operations, as reported to the user by the common error handler.
#pragma once

#include <string>

namespace tallmark {

enum ErrorNumber : int {
  kErrNone = 0,
  kErrInvalidArgument = 5,    // "Invalid procedure call or argument"
  kErrOverflow = 6,           // "Overflow"
  kErrSubscript = 9,          // "Subscript out of range"
  kErrTypeMismatch = 13,      // "Type mismatch"
  kErrBadFileName = 52,       // "Bad file name or number"
  kErrFileNotFound = 53,      // "File not found"
  kErrDeviceIO = 57,          // "Device I/O error"
  kErrDiskFull = 61,          // "Disk full"
  kErrPastEnd = 62,           // "Input past end of file"
  kErrBadName = 64,           // "Bad file name"
  kErrBadRecordNumber = 63,   // "Bad record number"
  kErrPermissionDenied = 70,  // "Permission denied"
  kErrPathFileAccess = 75,    // "Path/File access error"
  kErrPathNotFound = 76,      // "Path not found"
  kErrBadArchive = 1001,      // "The backup archive is damaged or unsafe"
  kErrWeekBlockFull = 1002,   // a week holds at most 52 lane slots (26 lane pairs)
  kErrUnreadLeague = 1003,    // a file of the league could not be read: nothing is written
  kErrCommitPending = 1004,   // the commit's journal is in place: the change is made, or is
                              // finished at the league's next opening
  kErrJournalUnsafe = 1005,   // a journal names files that are not the league's own
  kErrReadOnly = 1006,        // the league is open read-only
};

// The description shown for an error number.
std::string ErrorDescription(int number);

// The error number for a system errno value.
int ErrorFromErrno(int err);

// Collects the first error of an operation that runs to its end whatever fails, and reports it
// through the common error handler when asked.
class ErrorTrap {
 public:
  void set(int number) {
    if (number != kErrNone && first_ == kErrNone) first_ = number;
  }
  int number() const { return first_; }
  bool failed() const { return first_ != kErrNone; }
  // Calls ReportError with the first error, if any. Returns true when there was none.
  bool report() const;

 private:
  int first_ = kErrNone;
};

}  // namespace tallmark
