// The commit journal an interrupted save leaves (SAMPLE.JNL), finished or refused when the
// league is next opened by its writer, then the league read through.
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::SampleFile(".JNL"), data, size);
  tallmark::fuzz::OpenAndReadThrough();
  return 0;
}
