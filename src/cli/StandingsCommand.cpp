// tallmark-cli standings: the standings as the main window shows them, as text or JSON.
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "league/Text.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"

namespace tallmark::cli {

namespace {

struct StandingRow {
  int position = 0;
  int team = 0;
  std::string name;  // UTF-8, trailing blanks removed
  float won = 0;
  float lost = 0;
  double pct = 0;
  float scratch = 0;
  float handicap = 0;
};

int TeamOfRecord(int record) {
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t) && lg.Roster[t][0] == record) return t;
  return 0;
}

// Orders the teams as the main window does (points won, then total pins, then team number),
// stores their places and adds up the league average.
std::vector<StandingRow> Standings(Single& leagueAverage) {
  int n = RankPlayers(kMatchPointsWon, 2, 0);
  std::vector<StandingRow> rows;
  double pins = 0, games = 0;
  for (int i = 1; i <= n; ++i) {
    int r = lg.RankIndex[i];
    const auto& stat = lg.PlayerStat[r];
    lg.PlayerStat[r][kGroupOrStanding] = static_cast<Single>(i);
    StandingRow row;
    row.position = i;
    row.team = TeamOfRecord(r);
    row.name = Cp1252ToUtf8(TrimRight(lg.PlayerName[r]));
    row.won = stat[kMatchPointsWon];
    row.lost = stat[kMatchPointsLost];
    double decided = static_cast<double>(row.won) + row.lost;
    row.pct = decided == 0 ? 0 : row.won * 100.0 / decided;
    row.scratch = stat[kTotalPins];
    row.handicap = stat[kTotalPinsHandicap];
    pins += stat[kTotalPins];
    games += stat[kGamesPlayed];
    rows.push_back(row);
  }
  leagueAverage = games == 0 ? 0 : RoundAverage(static_cast<Single>(pins / games));
  return rows;
}

std::string Percent(double pct) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", pct);
  return buf;
}

std::string JsonText(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

void PrintJson(const std::vector<StandingRow>& rows, Single leagueAverage) {
  std::printf("{\n  \"leagueAverage\": %s,\n  \"standings\": [", SingleText(leagueAverage).c_str());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const StandingRow& r = rows[i];
    std::printf("%s\n    {\"position\": %d, \"team\": %d, \"name\": %s, \"won\": %s, \"lost\": %s, "
                "\"pct\": %s, \"scratch\": %s, \"handicap\": %s}",
                i == 0 ? "" : ",", r.position, r.team, JsonText(r.name).c_str(),
                SingleText(r.won).c_str(), SingleText(r.lost).c_str(), Percent(r.pct).c_str(),
                SingleText(r.scratch).c_str(), SingleText(r.handicap).c_str());
  }
  std::printf("%s]\n}\n", rows.empty() ? "" : "\n  ");
}

void PrintTable(const std::vector<StandingRow>& rows, Single leagueAverage) {
  bool withHandicap = lg.HandicapMethod != 1;
  std::string pin = Cp1252ToUtf8(Trim(lg.SportTerm[6]));
  std::printf("League: %s\n", Cp1252ToUtf8(Trim(lg.LeagueName)).c_str());
  std::printf("Week %d of %d, Session %d of %d\n", lg.CurrentWeek, lg.NumWeeks, lg.CurrentSession,
              lg.NumSessions);
  std::printf("%-8s %-20s %5s %5s %7s %14s", "Position", "Team Name", "Won", "Lost", "Percent",
              ("Scratch " + pin).c_str());
  if (withHandicap) std::printf(" %14s", ("Handicap " + pin).c_str());
  std::printf("\n");
  for (const StandingRow& r : rows) {
    std::printf("%8d %-20s %5s %5s %7s %14s", r.position, r.name.c_str(), SingleText(r.won).c_str(),
                SingleText(r.lost).c_str(), Percent(r.pct).c_str(), SingleText(r.scratch).c_str());
    if (withHandicap) std::printf(" %14s", SingleText(r.handicap).c_str());
    std::printf("\n");
  }
  std::printf("Overall League Average: %s\n", SingleText(leagueAverage).c_str());
}

int RunStandings(const std::vector<std::string>& args) {
  Args a(args);
  bool json = a.flag("--json");
  a.finish();
  std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("standings", a.problem());
  if (rest.size() != 1) return UsageError("standings");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  Single leagueAverage = 0;
  std::vector<StandingRow> rows = Standings(leagueAverage);
  if (json)
    PrintJson(rows, leagueAverage);
  else
    PrintTable(rows, leagueAverage);
  return kExitOk;
}

CommandRegistration reg({"standings", "LEAGUE.CFG [--json]",
                         "print the standings as the main window shows them", RunStandings,
                         "--json prints {\"leagueAverage\": N, \"standings\": [{\"position\", "
                         "\"team\", \"name\", \"won\", \"lost\", \"pct\", \"scratch\", "
                         "\"handicap\"}, ...]}.\n"});

}  // namespace

}  // namespace tallmark::cli
