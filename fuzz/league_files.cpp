// The league load: the first byte picks which of the league's own files the rest replaces.
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kFiles[] = {".CFG", ".IDS", ".RST", ".MSG", ".SPC"};
  if (size < 1) return 0;
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::SampleFile(kFiles[data[0] % 5]), data + 1, size - 1);
  tallmark::fuzz::OpenAndReadThrough();
  return 0;
}
