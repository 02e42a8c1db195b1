#include "FuzzCli.h"

#include <cstdlib>

#include "cli/Commands.h"
#include "league/LeagueData.h"

namespace tallmark::fuzz {

int RunCommand(const std::string& name, const std::vector<std::string>& args) {
  InitLeagueData();
  for (const cli::Command& c : cli::AllCommands())
    if (c.name == name) return c.run(args);
  std::abort();  // a command that does not exist is the target's own fault
}

}  // namespace tallmark::fuzz
