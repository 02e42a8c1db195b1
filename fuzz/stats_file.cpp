// The statistics file, read through to the standings and the standing sheet.
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::SampleFile(".STT"), data, size);
  tallmark::fuzz::OpenAndReadThrough();
  return 0;
}
