#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "common/Text.h"

namespace fs = std::filesystem;

namespace tallmark::cli {

namespace {

// The program folder gets the installed sport and schedule files on first use, as the program
// does at start, so that loading a league finds its sport.
void SeedProgramData() {
  SeedProgramFolder(lg.ProgramPath, InstalledDataFolder("/proc/self/exe"));
}

}  // namespace

bool OpenLeagueFile(const std::string& cfgPath) {
  fs::path given(cfgPath);
  if (UpperAscii(given.extension().string()) != ".CFG") {
    Failure("not a league configuration file (.CFG): " + cfgPath);
    return false;
  }
  const std::string found = FindFileNoCase(cfgPath);
  std::error_code ec;
  if (!fs::is_regular_file(found, ec)) {
    Failure("cannot open " + cfgPath + ": File not found");
    return false;
  }
  fs::path path = fs::absolute(found, ec);
  if (ec) path = found;
  SeedProgramData();
  lg.DataPath = path.parent_path().string() + "/";
  lg.FileName = path.stem().string();
  if (!LoadLeague()) {
    Failure("cannot open the league " + cfgPath);
    return false;
  }
  return true;
}

}  // namespace tallmark::cli
