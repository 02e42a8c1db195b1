// The week results and score files: the first byte picks the file the rest replaces.
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kFiles[] = {".SEA", ".scr"};
  if (size < 1) return 0;
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::SampleFile(kFiles[data[0] % 2]), data + 1, size - 1);
  tallmark::fuzz::OpenAndReadThrough();
  return 0;
}
