#include "common/FileErrors.h"

#include <cerrno>

#include "common/UserIO.h"

namespace tallmark {

std::string ErrorDescription(int number) {
  switch (number) {
    case kErrInvalidArgument: return "Invalid procedure call or argument";
    case kErrOverflow: return "Overflow";
    case kErrSubscript: return "Subscript out of range";
    case kErrTypeMismatch: return "Type mismatch";
    case kErrBadFileName: return "Bad file name or number";
    case kErrFileNotFound: return "File not found";
    case kErrDeviceIO: return "Device I/O error";
    case kErrDiskFull: return "Disk full";
    case kErrPastEnd: return "Input past end of file";
    case kErrBadName: return "Bad file name";
    case kErrBadRecordNumber: return "Bad record number";
    case kErrPermissionDenied: return "Permission denied";
    case kErrPathFileAccess: return "Path/File access error";
    case kErrPathNotFound: return "Path not found";
    case kErrBadArchive: return "The backup archive is damaged or unsafe";
    case kErrWeekBlockFull:
      return "A week of the season results file holds at most 52 lane slots (26 lane pairs)";
    case kErrUnreadLeague:
      return "A file of the league could not be read, so nothing was written";
    case kErrCommitPending:
      return "The change is saved but not all of it is in place yet; it is complete or will be "
             "completed when the league is next opened";
    case kErrJournalUnsafe:
      return "The league's unfinished-save journal names files outside the league, so nothing "
             "was applied";
    case kErrReadOnly: return "The league is open read-only, so nothing was written";
    default: return "Application-defined or object-defined error";
  }
}

int ErrorFromErrno(int err) {
  switch (err) {
    case 0: return kErrNone;
    case ENOENT: return kErrFileNotFound;
    case ENOTDIR: return kErrPathNotFound;
    case ENOSPC:
    case EDQUOT: return kErrDiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return kErrPermissionDenied;
    case EISDIR:
    case ENAMETOOLONG: return kErrPathFileAccess;
    default: return kErrDeviceIO;
  }
}

bool ErrorTrap::report() const {
  if (!failed()) return true;
  ReportError(first_);
  return false;
}

}  // namespace tallmark
