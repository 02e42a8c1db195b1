// The program folder's sport file and schedule templates: the first byte picks the file. The
// league's future weeks are scheduled again from the templates and read back.
#include "FuzzLeague.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "setup/ScheduleOps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kFiles[] = {"SportsInfo.dat", "SCHEDULE.DAT"};
  if (size < 1) return 0;
  tallmark::fuzz::RestoreSample();
  tallmark::fuzz::WriteBytes(tallmark::fuzz::ProgramFile(kFiles[data[0] % 2]), data + 1, size - 1);
  if (!tallmark::fuzz::OpenAndReadThrough()) return 0;
  tallmark::SetUpSchedule();
  for (int week = 1; week <= tallmark::lg.NumWeeks; ++week) tallmark::ReadWeekResults(week);
  return 0;
}
