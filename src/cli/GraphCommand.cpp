// tallmark-cli graph: the graph window's graphs as image files. The drawing is Qt's, in a module
// opened for this command alone (so that the tool's other commands start without Qt), on the
// offscreen platform: no display is needed.
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli/Commands.h"
#include "common/Text.h"
#include "graphs/GraphBuilder.h"
#include "graphs/GraphRules.h"
#include "graphs/gui/GraphFiles.h"
#include "league/LeagueData.h"
#include "processing/Rankings.h"

namespace tallmark::cli {

// The graph module's folder relative to the programs' folder, as the installation lays them out.
#ifndef TALLMARK_MODULES_FROM_BIN
#define TALLMARK_MODULES_FROM_BIN "../lib/tallmark"
#endif

namespace {

using graphs::GraphType;

// The pages as image files, drawn by the graph module; stops at the first failure, with its text
// (or why the module did not open) in problem.
std::vector<std::string> WriteWithModule(const std::vector<graphs::GraphPage>& pages,
                                         const std::string& firstPath, std::string& problem) {
  std::error_code ec;
  const std::filesystem::path module = std::filesystem::read_symlink("/proc/self/exe", ec)
                                           .parent_path() /
                                       TALLMARK_MODULES_FROM_BIN / graphs::kGraphModuleFile;
  // Never closed: Qt does not expect to be unloaded.
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  auto entry = handle ? reinterpret_cast<graphs::GraphModuleEntry>(
                            dlsym(handle, graphs::kGraphModuleEntry))
                      : nullptr;
  std::vector<std::string> written;
  if (!entry) {
    problem = dlerror();
    return written;
  }
  entry(&pages, &firstPath, &problem, &written);
  return written;
}

bool TypeOf(const std::string& name, GraphType& type) {
  static const std::pair<const char*, GraphType> types[] = {
      {"rankings", GraphType::Rankings}, {"weekly-players", GraphType::WeeklyPlayers},
      {"players-to-date", GraphType::PlayersToDate}, {"weekly-teams", GraphType::WeeklyTeams},
      {"teams-to-date", GraphType::TeamsToDate}};
  for (const auto& [text, t] : types)
    if (name == text) return type = t, true;
  return false;
}

// "1,3,5-7" within [low, high]; "all" or no option gives every valid value. Empty on an error.
bool NumberList(const std::string& text, const std::vector<int>& valid, std::vector<int>& out,
                std::string& problem) {
  out.clear();
  if (text.empty() || text == "all") {
    out = valid;
    return true;
  }
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    int first = 0, last = 0;
    char dash = 0;
    std::stringstream in(Trim(item));
    if (!(in >> first)) return problem = "not a number: " + item, false;
    last = first;
    if (in >> dash && (dash != '-' || !(in >> last))) return problem = "not a range: " + item, false;
    if (last < first) return problem = "not a range: " + item, false;
    for (int n = first; n <= last; ++n) {
      if (std::find(valid.begin(), valid.end(), n) == valid.end())
        return problem = "not one to choose: " + std::to_string(n), false;
      out.push_back(n);
    }
  }
  return true;
}

// Players by name as stored (without regard to case) or #INDEX, separated by commas.
bool PlayerList(const std::string& text, const std::vector<int>& valid, std::vector<int>& out,
                std::string& problem) {
  if (text.empty() || text == "all") return out = valid, true;
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    const std::string wanted = Upper(Utf8ToCp1252(Trim(item)));
    int found = -1;
    for (int p : valid)
      if (Upper(Trim(lg.PlayerName[p])) == wanted || "#" + std::to_string(p) == wanted) found = p;
    if (found < 0) return problem = "no such player: " + item, false;
    out.push_back(found);
  }
  return true;
}

// A list option given with nothing in it names nothing: refused rather than taken as all.
std::string EmptyList(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i].rfind("--", 0) == 0 && args[i] != "--max" && Trim(args[i + 1]).empty())
      return args[i] + " names nothing";
  return {};
}

struct Choices {
  std::vector<int> weeks, sessions, categories, teams, players;
};

// What the window's lists offer.
Choices Offered() {
  Choices c;
  for (int w = 1; w <= lg.CurrentWeek; ++w) c.weeks.push_back(w);
  for (int s = 1; s <= std::clamp<int>(lg.NumSessions, 1, kMaxSessions); ++s) c.sessions.push_back(s);
  c.categories = OfferedCategories();
  auto player = [&](int p) {
    if (p >= 0 && p <= kMaxPlayerRecords && !IsFreeName(lg.PlayerName[p]) && !IsVacancyName(lg.PlayerName[p]))
      c.players.push_back(p);
  };
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    c.teams.push_back(t);
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p) player(lg.Roster[t][p]);
  }
  for (int k = 1; k <= lg.NumSubs && k <= 100; ++k) player(lg.SubList[k]);
  return c;
}

int RunGraph(const std::vector<std::string>& args) {
  Args a(args);
  const std::string out = a.option("-o");
  const std::string weeks = a.option("--weeks"), teams = a.option("--teams"),
                    players = a.option("--players"), sessions = a.option("--sessions"),
                    categories = a.option("--categories");
  graphs::GraphOptions options;
  options.handicap = a.flag("--handicap");
  options.highLow = a.flag("--high-low");
  options.color = a.flag("--color");
  options.threeD = a.flag("--3d");
  const int max = a.number("--max", 0, 2, graphs::kMaxGraphValues);
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("graph", a.problem());
  if (const std::string empty = EmptyList(args); !empty.empty()) return UsageError("graph", empty);
  GraphType type{};
  if (rest.size() != 2 || !TypeOf(rest[1], type)) return UsageError("graph");
  if (out.empty()) return UsageError("graph", "name the image file with -o");
  if (graphs::ImageFormatOf(out) == graphs::ImageFormat::Unknown)
    return UsageError("graph", graphs::kImageExtensionMessage);
  const int limit = graphs::PointsLimit(type, options.highLow);
  if (max > limit) return UsageError("graph", "--max is 2 to " + std::to_string(limit) + " for this graph");
  options.maxPoints = max;
  if (!OpenLeagueFile(rest[0])) return kExitFailure;

  const Choices offered = Offered();
  graphs::GraphSelection sel;
  std::string problem;
  const bool ok = NumberList(weeks, offered.weeks, sel.weeks, problem) &&
                  NumberList(teams, offered.teams, sel.teams, problem) &&
                  NumberList(sessions.empty() ? std::to_string(lg.CurrentSession) : sessions,
                             offered.sessions, sel.sessions, problem) &&
                  NumberList(categories, offered.categories, sel.categories, problem) &&
                  PlayerList(players, offered.players, sel.players, problem);
  if (!ok) return UsageError("graph", problem);
  std::vector<graphs::GraphPage> pages;
  std::vector<std::string> damage;
  graphs::BuildGraphs(
      type, sel, options,
      [&](const graphs::GraphPage& p) {
        pages.push_back(p);
        return true;
      },
      &damage);
  if (pages.empty()) return Failure("There is nothing to graph for the selections made.");
  const std::vector<std::string> written = WriteWithModule(pages, out, problem);
  for (const std::string& name : written) std::printf("%s\n", name.c_str());
  if (written.size() < pages.size()) return Failure("cannot write the graph: " + problem);
  return DamageStatus(damage);
}

const CommandRegistration kGraph(
    {"graph",
     "LEAGUE.CFG TYPE [--weeks LIST] [--teams LIST] [--players LIST] [--sessions LIST] "
     "[--categories LIST] [--handicap] [--high-low] [--max N] [--color] [--3d] "
     "-o FILE.(png|bmp|wmf|svg|pdf)",
     "the graphs of the Graphs menu as image files, without a display",
     RunGraph,
     "TYPE is rankings, weekly-players, players-to-date, weekly-teams or teams-to-date.\n"
     "Lists are comma-separated numbers and ranges (1,3,5-7) or all, the default; players are\n"
     "names as stored or #INDEX. --categories takes statistic columns (0 High Scratch Game,\n"
     "2 High Scratch Series, 4 High Handicap Game, 6 High Handicap Series, 7 Match Points Won,\n"
     "9 Average (% Improved), 11 Current Average, 18-27 extra statistics...); --sessions\n"
     "defaults to the current session.\n"
     "--handicap plots scores with handicap, --high-low draws each week's high and low with the\n"
     "average on the to-date graphs, --max N puts at most N points on a graph (2 to 3800, or\n"
     "1267 with three values per point), --color and --3d as the window's options.\n"
     "One file per graph page: with more than one, the names carry a three-digit counter\n"
     "(FILE001.png, FILE002.png ...). The format follows the extension: Windows metafile,\n"
     "bitmap, PNG, SVG or PDF. Each file written is printed.\n"});

}  // namespace

}  // namespace tallmark::cli
