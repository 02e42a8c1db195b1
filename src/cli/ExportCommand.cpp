// tallmark-cli export: the comma-separated exports of raw scores and final averages.
#include <cstdio>

#include "cli/Commands.h"
#include "league/Exports.h"
#include "league/LeagueData.h"
#include "common/Text.h"

namespace tallmark::cli {

namespace {

// The averages exports by name, in the order of the File menu.
int AveragesIndex(const std::string& kind) {
  if (kind == "bowlers") return 0;
  if (kind == "bowlers-subs") return 1;
  if (kind == "teams") return 2;
  return -1;
}

int RunExport(const std::vector<std::string>& args) {
  Args a(args);
  const std::string code = a.option("--code");
  a.finish();
  const std::vector<std::string> pos = a.positional();
  if (a.bad()) return UsageError("export", a.problem());
  if (pos.size() != 2) return UsageError("export", "wrong number of arguments");
  const std::string& kind = pos[0];
  const int index = AveragesIndex(kind);
  if (kind != "raw" && index < 0) return UsageError("export", "unknown export " + kind);
  if (kind == "raw" && !code.empty()) return UsageError("export", "--code is for averages");
  if (!OpenLeagueFile(pos[1])) return kExitFailure;

  if (kind == "raw") {
    if (!ExportRawScores()) return kExitFailure;
    std::printf("%s\n", RawScoresFileName().c_str());
    return kExitOk;
  }
  std::optional<std::string> leagueCode;
  if (!code.empty()) leagueCode = Utf8ToCp1252(code);
  if (!ExportAverages(index, leagueCode)) return kExitFailure;
  std::printf("%s\n", AveragesFileName(index).c_str());
  return kExitOk;
}

CommandRegistration exportCommand({"export", "raw|bowlers|bowlers-subs|teams LEAGUE.CFG [--code CODE]",
                                   "write raw scores or final averages as a .CSV file beside the league",
                                   &RunExport});

}  // namespace

}  // namespace tallmark::cli
