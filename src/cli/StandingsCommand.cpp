// tallmark-cli standings: the standings as the main window shows them, as text or JSON.
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "common/Functs.h"
#include "shell/Standings.h"

namespace tallmark::cli {

namespace {


void PrintJson(const std::vector<StandingsEntry>& rows, float leagueAverage) {
  std::printf("{\n  \"leagueAverage\": %s,\n  \"standings\": [",
              JsonNumber(NumberText(leagueAverage)).c_str());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const StandingsEntry& r = rows[i];
    std::string name = Cp1252ToUtf8(TrimRight(lg.PlayerName[r.record]));
    std::printf("%s\n    {\"position\": %d, \"team\": %d, \"name\": %s, \"won\": %s, \"lost\": %s, "
                "\"pct\": %s, \"scratch\": %s, \"handicap\": %s}",
                i == 0 ? "" : ",", r.position, r.team, JsonString(name).c_str(),
                JsonNumber(NumberText(r.won)).c_str(), JsonNumber(NumberText(r.lost)).c_str(),
                JsonNumber(PercentText(r.won, r.lost)).c_str(),
                JsonNumber(NumberText(r.scratch)).c_str(), JsonNumber(NumberText(r.handicap)).c_str());
  }
  std::printf("%s]\n}\n", rows.empty() ? "" : "\n  ");
}

void PrintTable() {
  StandingsTable table = DrawStandings();
  std::printf("%s\n%s, %s\n", Cp1252ToUtf8(TrimRight(table.labels[0])).c_str(),
              table.labels[2].c_str(), table.labels[3].c_str());
  std::printf("%s", Cp1252ToUtf8(StandingsText(table)).c_str());
  std::printf("%s\n", table.labels[5].c_str());
}

int RunStandings(const std::vector<std::string>& args) {
  Args a(args);
  bool json = a.flag("--json");
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("standings", a.problem());
  if (rest.size() != 1) return UsageError("standings");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  // Standings from missing statistics would be zeros: none are printed, and the notice says why.
  const std::optional<Damage> damage = SessionStatsDamage(lg.CurrentSession);
  if (json) {
    float leagueAverage = 0;
    std::vector<StandingsEntry> rows;
    if (!damage) rows = OrderedStandings(leagueAverage);
    PrintJson(rows, leagueAverage);
  } else {
    PrintTable();
  }
  return DamageStatus(damage ? std::vector<std::string>{DamageNotice(*damage)}
                             : std::vector<std::string>{});
}

CommandRegistration reg({"standings", "LEAGUE.CFG [--json]",
                         "print the standings as the main window shows them", RunStandings,
                         "--json prints {\"leagueAverage\": N, \"standings\": [{\"position\", "
                         "\"team\", \"name\", \"won\", \"lost\", \"pct\", \"scratch\", "
                         "\"handicap\"}, ...]}.\n"});

}  // namespace

}  // namespace tallmark::cli
