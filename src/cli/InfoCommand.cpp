// tallmark-cli info LEAGUE.CFG [--json]: the league as a person (or a script) wants to read it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "league/LeagueDamage.h"
#include "league/LeagueData.h"
#include "common/Text.h"

namespace tallmark::cli {

namespace {

struct PlayerLine {
  int position;
  int index;
  std::string name;
};

struct TeamInfo {
  int number;
  std::string name;
  std::vector<PlayerLine> players;
};

// A stored name for output: padding trimmed, in UTF-8.
std::string Shown(const std::string& text) { return Cp1252ToUtf8(Trim(text)); }

std::string PlayerNameOf(int index) {
  if (index < 0 || index > kMaxPlayerRecords) return {};
  return Shown(lg.PlayerName[index]);
}

std::vector<TeamInfo> Teams() {
  std::vector<TeamInfo> teams;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamNumberInUse(t)) continue;
    TeamInfo team{t, PlayerNameOf(lg.Roster[t][0]), {}};
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p)
      team.players.push_back({p, lg.Roster[t][p], PlayerNameOf(lg.Roster[t][p])});
    teams.push_back(std::move(team));
  }
  return teams;
}

std::vector<PlayerLine> Subs() {
  std::vector<PlayerLine> subs;
  const int last = std::min<int>(lg.NumSubs, static_cast<int>(lg.SubList.size()) - 1);
  for (int k = 1; k <= last; ++k) subs.push_back({k, lg.SubList[k], PlayerNameOf(lg.SubList[k])});
  return subs;
}


std::string JsonPlayer(const char* numberKey, const PlayerLine& p) {
  return std::string("{\"") + numberKey + "\": " + std::to_string(p.position) +
         ", \"index\": " + std::to_string(p.index) + ", \"name\": " + JsonString(p.name) + "}";
}

template <typename T, typename F>
std::string JsonList(const std::vector<T>& items, F each, const std::string& indent) {
  if (items.empty()) return "[]";
  std::string out = "[\n";
  for (std::size_t i = 0; i < items.size(); ++i)
    out += indent + "  " + each(items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
  return out + indent + "]";
}

void PrintJson(const std::vector<Damage>& damage) {
  auto team = [](const TeamInfo& t) {
    return "{\"number\": " + std::to_string(t.number) + ", \"name\": " + JsonString(t.name) +
           ", \"players\": " +
           JsonList(t.players, [](const PlayerLine& p) { return JsonPlayer("position", p); },
                    "    ") +
           "}";
  };
  std::string out = "{\n";
  out += "  \"league\": " + JsonString(Shown(lg.LeagueName)) + ",\n";
  out += "  \"sport\": " + JsonString(Shown(lg.SportTerm[0])) + ",\n";
  out += "  \"currentWeek\": " + std::to_string(lg.CurrentWeek) + ",\n";
  out += "  \"numWeeks\": " + std::to_string(lg.NumWeeks) + ",\n";
  out += "  \"currentSession\": " + std::to_string(lg.CurrentSession) + ",\n";
  out += "  \"numSessions\": " + std::to_string(lg.NumSessions) + ",\n";
  if (!damage.empty())
    out += "  \"damage\": " +
           JsonList(damage, [](const Damage& d) { return JsonString(DamageNotice(d)); }, "  ") +
           ",\n";
  out += "  \"teams\": " + JsonList(Teams(), team, "  ") + ",\n";
  out += "  \"subs\": " +
         JsonList(Subs(), [](const PlayerLine& p) { return JsonPlayer("number", p); }, "  ") +
         "\n}\n";
  std::fputs(out.c_str(), stdout);
}

// "1 team", "2 teams".
std::string Count(int n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

void PrintText() {
  const std::string player = Cp1252ToUtf8(Lower(Trim(lg.SportTerm[4])));
  const std::string players = Cp1252ToUtf8(Lower(Trim(lg.SportTerm[5])));
  std::printf("League: %s\n", Shown(lg.LeagueName).c_str());
  std::printf("Sport: %s\n", Shown(lg.SportTerm[0]).c_str());
  std::printf("Size: %s, %s per team (%d each week), %s\n",
              Count(lg.NumTeams, "team", "teams").c_str(),
              Count(lg.PlayersPerTeam, player, players).c_str(), lg.PlayersPerWeek,
              Count(lg.NumSubs, "substitute", "substitutes").c_str());
  std::printf("Week: %d of %d\n", lg.CurrentWeek, lg.NumWeeks);
  std::printf("Session: %d of %d\n", lg.CurrentSession, lg.NumSessions);
  for (const TeamInfo& t : Teams()) {
    std::printf("\nTeam %d: %s\n", t.number, t.name.c_str());
    for (const PlayerLine& p : t.players) std::printf("  %2d. %s\n", p.position, p.name.c_str());
  }
  const std::vector<PlayerLine> subs = Subs();
  if (subs.empty()) return;
  std::printf("\nSubstitutes:\n");
  for (const PlayerLine& s : subs) std::printf("  %2d. %s\n", s.position, s.name.c_str());
}

int RunInfo(const std::vector<std::string>& args) {
  Args a(args);
  const bool json = a.flag("--json");
  a.finish();
  if (a.bad()) return UsageError("info", a.problem());
  const std::vector<std::string> files = a.positional();
  if (files.size() != 1) return UsageError("info", "one league file (.CFG) is needed");
  if (!OpenLeagueFile(files[0])) return kExitFailure;
  const std::vector<Damage> damage = FindLeagueDamage();
  if (json) PrintJson(damage);
  else PrintText();
  if (damage.empty()) return kExitOk;
  std::fprintf(stderr, "tallmark-cli: %s\n", DamageWarning(damage).c_str());
  return kExitDamaged;
}

CommandRegistration info{{"info", "LEAGUE.CFG [--json]",
                          "Shows a league: its sport, size, week and session, teams and "
                          "substitutes (--json: the same as JSON)",
                          RunInfo}};

}  // namespace

}  // namespace tallmark::cli
