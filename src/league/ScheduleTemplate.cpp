#include "league/ScheduleTemplate.h"

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"

namespace tallmark {

namespace {

constexpr int kFewestTemplateTeams = 4;
constexpr int kMostTemplateTeams = 34;

std::string ScheduleFilePath() { return lg.ProgramPath + "SCHEDULE.DAT"; }

bool TemplateApplies() {
  return lg.NumTeams >= kFewestTemplateTeams && lg.NumTeams <= kMostTemplateTeams &&
         lg.NumTeams % 2 == 0 && FileExists(ScheduleFilePath());
}

// Weeks are entered by hand, every new week starting as "TBD".
void UseNoTemplate() {
  lg.ScheduleWeek = 0;
  lg.ScheduleTemplate = 0;
  lg.ScheduleEachWeek = True;
}

// Every slot of the weeks used names one of the league's teams 1..teams.
bool TeamsInRange(const std::string& text, int teams, long weeks) {
  for (long i = 0; i < weeks * teams; ++i) {
    const int team = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) - 34;
    if (team < 1 || team > teams) return false;
  }
  return true;
}

}  // namespace

bool ReadScheduleTemplate() {
  if (!TemplateApplies()) {
    UseNoTemplate();
    return true;
  }
  SeqReader in = SeqReader::Open(ScheduleFilePath());
  lg.ScheduleText = in.text();
  for (int n = kFewestTemplateTeams; n <= lg.NumTeams; n += 2) {
    lg.ScheduleTemplate = in.integer();
    lg.ScheduleText = in.text();
  }
  // Only the weeks the text holds in full can be used.
  const auto complete = static_cast<long>(lg.ScheduleText.size() / lg.NumTeams);
  if (lg.ScheduleTemplate < 0) lg.ScheduleTemplate = 0;
  if (lg.ScheduleTemplate > complete) lg.ScheduleTemplate = static_cast<Integer>(complete);
  int err = in.error();
  if (err == kErrNone && !TeamsInRange(lg.ScheduleText, lg.NumTeams, lg.ScheduleTemplate))
    err = kErrSubscript;
  if (err != kErrNone) {
    // A damaged file gives no template rather than a part of one.
    UseNoTemplate();
    lg.ScheduleText.clear();
    ErrorTrap trap;
    trap.set(err);
    return trap.report();
  }
  lg.ScheduleWeek = lg.CurrentWeek;
  lg.ScheduleEachWeek = False;
  return true;
}

int TemplateTeam(const std::string& text, int teams, int week, int slot) {
  if (teams < 1 || week < 0 || slot < 1 || slot > teams) return kTbdTeam;
  const long index = static_cast<long>(teams) * week + slot - 1;
  if (index >= static_cast<long>(text.size())) return kTbdTeam;
  const int team = static_cast<unsigned char>(text[static_cast<std::size_t>(index)]) - 34;
  return team >= 1 && team <= teams ? team : kTbdTeam;
}

}  // namespace tallmark
