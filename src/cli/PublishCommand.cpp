// tallmark-cli publish: the league's web folder, as the main window's "Publish to Web Folder..."
// writes it.
#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "common/FileErrors.h"
#include "league/LeagueDamage.h"
#include "shell/Publish.h"

namespace tallmark::cli {

namespace {

int RunPublish(const std::vector<std::string>& args) {
  Args a(args);
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("publish", a.problem());
  if (rest.size() != 2) return UsageError("publish");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  if (int err = PublishToFolder(rest[1]); err != 0)
    return Failure("cannot write the pages into " + rest[1] + ": " + ErrorDescription(err));
  std::printf("%s\n", (std::filesystem::path(rest[1]) / "index.html").lexically_normal().c_str());
  // The pages name any damaged part in its place; the status says so too.
  std::vector<std::string> notices;
  for (const Damage& d : FindLeagueDamage()) notices.push_back(DamageNotice(d));
  return DamageStatus(notices);
}

const CommandRegistration kPublish(
    {"publish", "LEAGUE.CFG DIR",
     "write the league's web site into DIR: index, team and bowler pages, schedule, reports",
     RunPublish,
     "DIR is made when missing. index.html shows the league's name, week and date, the standings\n"
     "as the main window orders them, next week's lanes, the week's special awards and the\n"
     "bulletin, and links to every other page: " + kStandingSheetPage + ", " + kAveragesPage +
         ",\n" + kSchedulePage + " and " + kAwardsPage +
         " (the reports as report --html writes them),\n"
     "team-N.html for each team (roster, record to date, next week's match) and bowler-N.html for\n"
     "each player who bowled this session (games to date, highs, a graph of the averages), named\n"
     "by team number and player record so that links keep working from week to week.\n"
     "The pages are UTF-8 and need nothing else: no scripts, no files fetched. Publishing again\n"
     "replaces all the files together, so a failure leaves the old pages whole.\n"});

}  // namespace

}  // namespace tallmark::cli
