// The roster sheet of "tallmark-cli roster": read, checked against the league and, when every
// row is taken, stored.
#include "FuzzCli.h"
#include "FuzzLeague.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tallmark::fuzz;
  RestoreSample();
  const std::string sheet = SampleFolder() + "sheet.csv";
  WriteBytes(sheet, data, size);
  RunCommand("roster", {SampleFile(".CFG"), "--file", sheet});
  return 0;
}
