// The listing of every set-up and scoring option by its data-model name.
#include <string>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "setup/LeagueOptions.h"
#include "common/Functs.h"

namespace tallmark {

namespace {

class Lister {
 public:
  void number(const std::string& name, double v) { out.push_back({name, NumberText(v), false}); }
  void text(const std::string& name, const std::string& v) {
    out.push_back({name, Trim(v), true});
  }
  void groups(const std::string& name, const Arr<Integer, 2>& values) {
    for (int g = 0; g <= 2; ++g) number(name + "(" + std::to_string(g) + ")", values[g]);
  }
  std::vector<LeagueOption> out;
};

void ListScoring(Lister& l) {
  const std::pair<const char*, Integer*> points[] = {
      {"GamesPerWeek", &lg.GamesPerWeek},     {"PlayerPointsGame", &lg.PlayerPointsGame},
      {"PlayerPointsSeries", &lg.PlayerPointsSeries}, {"TeamPointsGame", &lg.TeamPointsGame},
      {"TeamPointsSeries", &lg.TeamPointsSeries}, {"GamesForNewAverage", &lg.GamesForNewAverage},
      {"HighGamePoints", &lg.HighGamePoints}, {"HighGameMode", &lg.HighGameMode},
      {"HandicapMethod", &lg.HandicapMethod}, {"SortByHandicapTotal", &lg.SortByHandicapTotal},
      {"MatchPointsStanding", &lg.MatchPointsStanding},
      {"UnearnedInTeamStats", &lg.UnearnedInTeamStats},
      {"SeparateGenderScoring", &lg.SeparateGenderScoring}, {"ForfeitRule", &lg.ForfeitRule},
      {"AbsenteeIsPercent", &lg.AbsenteeIsPercent}, {"PlayerPointsToTeam", &lg.PlayerPointsToTeam}};
  for (const auto& [name, target] : points) l.number(name, *target);
  l.groups("ScratchBase", lg.ScratchBase);
  l.groups("PercentHandicap", lg.PercentHandicap);
  l.groups("MaxHandicap", lg.MaxHandicap);
  l.groups("VacancyScore", lg.VacancyScore);
  l.groups("AbsenteeLess", lg.AbsenteeLess);
  l.groups("ForfeitLess", lg.ForfeitLess);
}

void ListSplits(Lister& l) {
  l.number("CurrentSession", lg.CurrentSession);
  l.number("NumSessions", lg.NumSessions);
  for (int k = 1; k <= 11; ++k) l.number("SplitWeek(" + std::to_string(k) + ")", lg.SplitWeek[k]);
  for (int k = 1; k <= 11; ++k)
    l.number("ClassResetAtSession(" + std::to_string(k) + ")", lg.ClassResetAtSession[k]);
  l.number("StatResetMode", lg.StatResetMode);
}

void ListAwards(Lister& l) {
  l.number("TopAwardsListed", lg.TopAwardsListed);
  l.number("GamesToQualify", lg.GamesToQualify);
  for (int j = 0; j <= 3; ++j)
    l.number("CustomAward(" + std::to_string(j) + ",0)", lg.CustomAward[j][0]);
  l.number("SeparateGenderAwards", lg.SeparateGenderAwards);
  l.number("SubsQualify", lg.SubsQualify);
  l.number("AdjustHandicapAwards", lg.AdjustHandicapAwards);
  l.text("GroupLabel(0)", lg.GroupLabel[0]);
  l.text("GroupLabel(1)", lg.GroupLabel[1]);
  l.number("NumCustomAwards", lg.NumCustomAwards);
  for (int n = 1; n <= lg.NumCustomAwards && n <= kMaxCustomAwards; ++n)
    for (int j = 0; j <= 3; ++j)
      l.number("CustomAward(" + std::to_string(j) + "," + std::to_string(n) + ")",
               lg.CustomAward[j][n]);
}

void ListClassesNamesExtras(Lister& l) {
  l.number("NumClasses", lg.NumClasses);
  for (int k = 0; k < kMaxClasses; ++k)
    l.number("ClassLimit(" + std::to_string(k) + ")", lg.ClassLimit[k]);
  l.text("LeagueName", lg.LeagueName);
  for (int k = 1; k <= 4; ++k) {
    const std::string n = std::to_string(k);
    l.number("OfficerPlayer" + n, lg.OfficerPlayer[k]);
    l.text("OfficerName" + n, lg.OfficerName[k]);
    l.text("OfficerTitle" + n, lg.OfficerTitle[k]);
  }
  l.number("NumExtraStats", lg.NumExtraStats);
  for (int k = 0; k < lg.NumExtraStats && k < kMaxExtraStats; ++k) {
    l.text("ExtraStatName(" + std::to_string(k) + ")", lg.ExtraStatName[k]);
    l.text("ExtraStatAbbrev(" + std::to_string(k) + ")", lg.ExtraStatAbbrev[k]);
  }
  l.number("FeeUnit", lg.FeeUnit);
}

}  // namespace

std::vector<LeagueOption> ListLeagueOptions() {
  Lister l;
  ListScoring(l);
  ListSplits(l);
  ListAwards(l);
  ListClassesNamesExtras(l);
  return l.out;
}

bool SplitAssignment(const std::string& text, std::string& name, std::string& value) {
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  name = text.substr(0, eq);
  value = text.substr(eq + 1);
  return true;
}

}  // namespace tallmark
