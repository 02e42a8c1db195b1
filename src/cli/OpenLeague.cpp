#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "league/LeagueLock.h"
#include "league/ProgramFolder.h"
#include "league/ReadErrors.h"

namespace fs = std::filesystem;

namespace tallmark::cli {

namespace {

// The program folder gets the installed sport and schedule files on first use, as the program
// does at start, so that loading a league finds its sport.
void SeedProgramData() {
  SeedProgramFolder(lg.ProgramPath, InstalledDataFolder("/proc/self/exe"));
}

// Sets DataPath and FileName for the league's .CFG path; false (with a message) when there is
// no such league.
bool SetLeagueNames(const std::string& cfgPath) {
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
  return true;
}

// Passes everything on but the error handler's reports: a writing command says once why it
// stops.
class QuietErrors final : public ForwardingUserIO {
 public:
  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon, std::optional<MsgAnswer> defaultAnswer) override {
    if (title == "PROGRAM ERROR!") return MsgAnswer::Ok;
    return ForwardingUserIO::message(text, title, buttons, icon, defaultAnswer);
  }
};

}  // namespace

bool OpenLeagueFile(const std::string& cfgPath) {
  if (!SetLeagueNames(cfgPath)) return false;
  SetWritesRefused(true);
  if (!LoadLeague()) {
    Failure("cannot open the league " + cfgPath);
    return false;
  }
  return true;
}

int OpenLeagueForWriting(const std::string& cfgPath) {
  if (!SetLeagueNames(cfgPath)) return kExitFailure;
  SetWritesRefused(false);
  const LockAttempt lock = HoldLeagueLock(LeagueBasePath());
  if (lock.result == LockResult::Refused) {
    std::fprintf(stderr, "%s is being changed by %s; nothing was changed\n", cfgPath.c_str(),
                 lock.holder.c_str());
    return kExitLeagueInUse;
  }
  bool loaded = false;
  {
    QuietErrors quiet;
    loaded = LoadLeague();
  }
  if (RememberedReadError() != kErrNone)
    return Failure("cannot read " + RememberedReadErrorFile() + ": " +
                   ErrorDescription(RememberedReadError()) + "; nothing was changed");
  if (!loaded) return Failure("cannot open the league " + cfgPath);
  return kExitOk;
}

int OpenLeague(const std::string& cfgPath, bool writing) {
  if (writing) return OpenLeagueForWriting(cfgPath);
  return OpenLeagueFile(cfgPath) ? kExitOk : kExitFailure;
}

}  // namespace tallmark::cli
