#include "league/ReadErrors.h"

#include "common/Text.h"

namespace tallmark {

namespace {

int remembered = kErrNone;
std::string rememberedFile;

// The path without its extension, in capitals.
std::string BaseOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return UpperAscii(hasExtension ? path.substr(0, dot) : path);
}

}  // namespace

bool ReportReadError(const ErrorTrap& trap, const std::string& path) {
  if (trap.failed() && remembered == kErrNone) {
    remembered = trap.number();
    rememberedFile = path;
  }
  return trap.report();
}

void ForgetReadError() {
  remembered = kErrNone;
  rememberedFile.clear();
}

int RememberedReadError() { return remembered; }
std::string RememberedReadErrorFile() { return rememberedFile; }

int ReadErrorFor(const std::string& path) {
  if (remembered == kErrNone || BaseOf(path) != BaseOf(rememberedFile)) return kErrNone;
  return remembered;
}

}  // namespace tallmark
