// A backup archive given to "tallmark-cli restore", and the league it brings back read through.
#include "FuzzCli.h"
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tallmark::fuzz;
  RestoreSample();
  const std::string archive = SampleFolder() + "&AMPLE.Z05";
  WriteBytes(archive, data, size);
  if (RunCommand("restore", {archive}) == 0) OpenAndReadThrough();
  return 0;
}
