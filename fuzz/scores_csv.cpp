// The score sheet of "tallmark-cli scores": read, checked against the league and, when every
// line is taken, stored.
#include "FuzzCli.h"
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tallmark::fuzz;
  RestoreSample();
  const std::string sheet = SampleFolder() + "sheet.csv";
  WriteBytes(sheet, data, size);
  RunCommand("scores", {SampleFile(".CFG"), "--week", "5", "--file", sheet});
  return 0;
}
