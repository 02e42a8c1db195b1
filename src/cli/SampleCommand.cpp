// tallmark-cli sample: builds the sample league for a first look at the program.
#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "setup/SampleLeague.h"

namespace fs = std::filesystem;

namespace tallmark::cli {

namespace {

const char* kName = "sample";

int RunSample(const std::vector<std::string>& args) {
  Args a(args);
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError(kName, a.problem());
  if (rest.size() != 1) return UsageError(kName, "give the folder of the sample league");
  std::error_code ec;
  fs::create_directories(rest[0], ec);
  const fs::path folder = fs::absolute(rest[0], ec).lexically_normal();
  SeedProgramFolder(lg.ProgramPath, InstalledDataFolder("/proc/self/exe"));

  const SampleOutcome made = BuildSampleLeague(folder.string());
  switch (made.result) {
    case SampleBuild::Built:
      std::printf("%s\n", made.configPath.c_str());
      return kExitOk;
    case SampleBuild::Exists:
      return Failure("a league " + made.configPath + " exists already; not replaced");
    case SampleBuild::NoFolder:
      return Failure("no folder " + folder.string());
    case SampleBuild::Failed:
      break;
  }
  return Failure("the sample league could not be made: " + made.problem);
}

CommandRegistration registration({
    kName,
    "DIR",
    "build a sample league DIR/SAMPLE.CFG to look around in: 8 named teams of 4 bowlers (3 "
    "bowling each week), 3 substitutes, officers, a bulletin, 30 scheduled weeks, and 4 weeks "
    "of scores entered and processed; an existing sample league is never replaced",
    RunSample,
});

}  // namespace

}  // namespace tallmark::cli
