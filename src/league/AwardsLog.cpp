#include "league/AwardsLog.h"

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Functs.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

std::string AwardsLogPath() { return LeagueBasePath() + ".SPC"; }

}  // namespace

std::string Str(double value) {
  const std::string text = NumberText(value);
  return value >= 0 ? " " + text : text;
}

bool StartAwardsLog() {
  ErrorTrap trap;
  trap.set(WriteFileAtomic(AwardsLogPath(), "SPECIAL AWARDS LOG STARTED ON WEEK" +
                                                Str(lg.CurrentWeek + 1) + NewLine));
  return trap.report();
}

bool AppendAwardsLog(const std::string& text, int week) {
  if (lg.AwardPopups != False) MsgBox(text, "CONGRATULATIONS");
  ErrorTrap trap;
  std::string line;
  line.reserve(text.size() + 20);
  line.append(text).append(" in week").append(Str(week)).append(".").append(NewLine);
  trap.set(AppendToFile(AwardsLogPath(), line));
  return trap.report();
}

}  // namespace tallmark
