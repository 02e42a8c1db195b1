// tallmark-cli: the league's operations from the command line, for scripts and headless use.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TerminalUserIO.h"
#include "league/LeagueData.h"

using namespace tallmark;

namespace {

void PrintHelp(std::FILE* out) {
  std::fprintf(out, "usage: tallmark-cli COMMAND [ARGUMENTS]\n"
                    "       tallmark-cli --version\n\ncommands:\n");
  for (const cli::Command& c : cli::AllCommands())
    std::fprintf(out, "  %s %s\n      %s\n", c.name.c_str(), c.usage.c_str(), c.summary.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(stderr);
    return cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(stdout);
    return cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::printf("tallmark-cli %s\n", TALLMARK_VERSION);
    return cli::kExitOk;
  }
  InitLeagueData();
  cli::TerminalUserIO io;
  SetUserIO(&io);
  for (const cli::Command& c : cli::AllCommands()) {
    if (c.name != args[0]) continue;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& a : rest) {
      if (a == "--help" || a == "-h") {
        std::printf("usage: tallmark-cli %s %s\n%s\n", c.name.c_str(), c.usage.c_str(),
                    c.summary.c_str());
        if (!c.help.empty()) std::printf("\n%s", c.help.c_str());
        return cli::kExitOk;
      }
    }
    int status = c.run(rest);
    if (status == cli::kExitOk && io.errorsReported() > 0) status = cli::kExitFailure;
    return status;
  }
  std::fprintf(stderr, "tallmark-cli: unknown command '%s'\n", args[0].c_str());
  PrintHelp(stderr);
  return cli::kExitUsage;
}
