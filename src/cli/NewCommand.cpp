// tallmark-cli new: creates a league as the new-league parameters window does.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "common/Text.h"
#include "setup/NewLeague.h"
#include "setup/TeamOps.h"

namespace tallmark::cli {

namespace {

const char* kName = "new";

std::string RunningProgram() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

// Splits DIR/NAME (a ".cfg" ending is optional) into the league's folder and base name.
bool SplitLeaguePath(const std::string& path, std::string& folder, std::string& name) {
  std::filesystem::path p(path);
  name = p.filename().string();
  if (name.size() > 4 && UpperAscii(name.substr(name.size() - 4)) == ".CFG")
    name.resize(name.size() - 4);
  std::string parent = p.parent_path().string();
  folder = (parent.empty() ? std::string(".") : parent) + "/";
  return !name.empty() && name != "." && name != "..";
}

struct Options {
  NewLeagueParams params;
  int sport = 0;
};

bool ReadOptions(Args& a, Options& o) {
  o.params.teams = a.number("--teams", 0, 2, kMaxScheduledTeams);
  o.params.members = a.number("--roster", 0, 1, kMaxRosterPositions);
  o.params.players = a.number("--players", 0, 1, lg.MaxPerTeam > 0 ? lg.MaxPerTeam : 10);
  o.params.subs = a.number("--subs", -1, 0, lg.MaxSubs > 0 ? lg.MaxSubs : 100);
  o.params.weeks = a.number("--weeks", 0, 1, kMaxWeeks);
  o.params.startWeek = a.number("--start", 1, 1, kMaxWeeks);
  o.sport = a.number("--sport", 0, 1, kMaxSports);
  return !a.bad();
}

std::string MissingOption(const Options& o) {
  if (o.params.teams == 0) return "--teams is required";
  if (o.params.members == 0) return "--roster is required";
  if (o.params.players == 0) return "--players is required";
  if (o.params.subs < 0) return "--subs is required";
  if (o.params.weeks == 0) return "--weeks is required";
  if (o.params.startWeek > o.params.weeks) return "--start cannot be after the last week";
  return {};
}

int Run(const std::vector<std::string>& args) {
  Args a(args);
  Options o;
  ReadOptions(a, o);
  a.finish();
  if (a.bad()) return UsageError(kName, a.problem());
  std::vector<std::string> rest = a.positional();
  if (rest.size() != 1) return UsageError(kName, "give the new league as DIR/NAME");
  if (std::string missing = MissingOption(o); !missing.empty()) return UsageError(kName, missing);

  std::string folder, name;
  if (!SplitLeaguePath(rest[0], folder, name)) return UsageError(kName, "bad league name");
  if (!std::filesystem::is_directory(folder)) return Failure("no folder " + folder);
  if (FileExists(FindFileNoCase(folder + name + ".CFG")))
    return Failure("a league " + folder + name + ".CFG exists already; not replaced");

  SeedProgramFolder(lg.ProgramPath, InstalledDataFolder(RunningProgram()));
  std::vector<std::string> sports = FillSportsList();
  if (o.sport > static_cast<int>(sports.size()))
    return Failure("there is no sport " + std::to_string(o.sport) + " (the sport file holds " +
                   std::to_string(sports.size()) + ")");
  ChooseSport(o.sport > 0 ? o.sport - 1 : 0);
  lg.DataPath = folder;
  lg.FileName = name;
  if (!CreateLeagueFiles() || !LoadLeague()) return Failure("cannot create the league files");
  BuildNewLeague(o.params);
  std::printf("created %s%s.CFG: %d teams of %d, %d playing each week, %d substitutes, "
              "weeks %d to %d (%s)\n",
              folder.c_str(), name.c_str(), lg.NumTeams, lg.PlayersPerTeam, lg.PlayersPerWeek,
              lg.NumSubs, lg.StartWeek, lg.NumWeeks, Cp1252ToUtf8(Trim(lg.SportTerm[0])).c_str());
  return kExitOk;
}

CommandRegistration registration({
    kName,
    "DIR/NAME --teams N --roster N --players N --subs N --weeks N [--start N] [--sport N]",
    "create a league of N teams named TEAM 1.. of vacancies (2 to 52 teams, roster 1 to 20, "
    "players each week 1 to 10), with substitutes, the schedule from the standard template and "
    "lane numbers 101 up; --start is the first week (default 1), --sport the sport's number in "
    "SportsInfo.dat (default the first)",
    Run,
});

}  // namespace

}  // namespace tallmark::cli
