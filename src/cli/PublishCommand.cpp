// tallmark-cli publish: the league's web folder, as the main window's "Publish to Web Folder..."
// writes it.
#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "common/FileErrors.h"
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
  return kExitOk;
}

const CommandRegistration kPublish(
    {"publish", "LEAGUE.CFG DIR",
     "write the league's web pages into DIR: index.html, the standing sheet and the averages list",
     RunPublish,
     "DIR is made when missing. index.html shows the league's name and week, the standings as the\n"
     "main window orders them, next week's lanes, the week's special awards and the bulletin, and\n"
     "links to " + kStandingSheetPage + " and " + kAveragesPage +
         ", the reports as report --html writes them.\n"
     "The pages are UTF-8 and need nothing else: no scripts, no files fetched. Publishing again\n"
     "replaces all three files together, so a failure leaves the old pages whole.\n"});

}  // namespace

}  // namespace tallmark::cli
