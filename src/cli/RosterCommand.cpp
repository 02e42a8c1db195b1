// tallmark-cli roster: fills a league's teams from a spreadsheet.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "common/FileErrors.h"
#include "league/FileTransaction.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "setup/RosterImport.h"

namespace tallmark::cli {

namespace {

const char* kName = "roster";

int Run(const std::vector<std::string>& args) {
  Args a(args);
  std::string file = a.option("--file");
  a.finish();
  if (a.bad()) return UsageError(kName, a.problem());
  std::vector<std::string> rest = a.positional();
  if (rest.size() != 1) return UsageError(kName, "give the league's .CFG file");
  if (file.empty()) return UsageError(kName, "--file is required");

  std::string csv;
  if (ReadWholeFile(file, csv) != 0) return Failure("cannot read " + file);
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  LeagueTransaction tx;  // the roster's records and the league's files in one commit
  RosterImportResult result = ImportRoster(csv);
  if (!result.ok()) {
    for (const std::string& r : result.refusals)
      std::fprintf(stderr, "%s: %s\n", file.c_str(), r.c_str());
    return Failure("nothing changed: " + std::to_string(result.refusals.size()) +
                   " row(s) refused (the sheet was read as " + result.format + ")");
  }
  if (!SaveLeague()) return Failure("the league could not be saved");
  ErrorTrap trap;
  trap.set(tx.commit());
  if (!trap.report()) return Failure("the league could not be saved; its files are as they were");
  std::printf("%d roster place(s) filled\n", result.rowsApplied);
  return kExitOk;
}

CommandRegistration registration({
    kName,
    "LEAGUE.CFG --file ROSTER.CSV",
    "fill the league's teams from a spreadsheet (CSV: UTF-8 or Windows-1252, comma, semicolon "
    "or tab separated), one row per place: team number, team name, position, name, group "
    "(F, M, W allowed), phone, starting average, games before recalc, average after week 1 "
    "(yes/no, Y/N); team 0 is the substitutes; empty fields after the name keep what is there; "
    "a first row that does not start with a number is a heading; nothing is changed when any "
    "row is refused",
    Run,
});

}  // namespace

}  // namespace tallmark::cli
