// A week's undo record (SAMPLE.U04, of the last processed week): the week undone from it, then
// the league read through.
#include "FuzzLeague.h"
#include "processing/WeekUndo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::SampleFile(".U04"), data, size);
  if (tallmark::fuzz::OpenAndReadThrough()) tallmark::UndoLastWeek();
  tallmark::fuzz::OpenAndReadThrough();
  return 0;
}
