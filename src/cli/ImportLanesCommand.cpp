// tallmark-cli import-lanes: the night's export of a lane scoring system, matched to the
// week's teams and stored as the results window stores typed entries, with a log of what was
// left for the secretary.
#include <cstdio>

#include "cli/Commands.h"
#include "league/ConfigFile.h"
#include "league/FileSystem.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "processing/LaneImport.h"
#include "processing/ScoreEntry.h"

namespace tallmark::cli {

namespace {

const char* kName = "import-lanes";
constexpr int kExitTeamsLeft = 3;

const char* const kHelp =
    "The export is a CSV file with a heading row and one row per bowler (UTF-8 or Windows-1252;\n"
    "comma, semicolon or tab separated). Its columns are found by their headings: the lane\n"
    "(\"Lane\", \"Lane #\", \"Lane No\", \"Ln\"), the bowler (\"Bowler\", \"Name\", \"Player\", or\n"
    "\"First Name\" and \"Last Name\"; \"Last, First\" is understood), the games (\"Game 1\",\n"
    "\"G1\", \"Gm1\", \"Score 1\" ...), and when present \"Team\" (checked against the lane),\n"
    "\"ID\" and \"Date\". --columns lane=N,name=N,games=N-M[,team=N] names them by position.\n"
    "\n"
    "The lane gives the team through the week's lane slots; bowlers are matched by name to the\n"
    "team's roster, then the substitutes. A team with any problem is left as it was and the log\n"
    "says why; teams already entered are left unless --replace is given. Everything is stored\n"
    "in one commit. The log goes to standard output, and to --log FILE when given.\n"
    "\n"
    "Exit status: 0 every team of the week was stored; 3 some teams were left to enter by hand\n"
    "(see the log); 1 nothing could be read or stored; 2 a usage error.\n";

int Run(const std::vector<std::string>& args) {
  Args a(args);
  const int week = a.number("--week", 0, 1, kMaxWeeks);
  const std::string file = a.option("--file");
  const std::string logPath = a.option("--log");
  LaneImportOptions options;
  options.columns = a.option("--columns");
  options.replace = a.flag("--replace");
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError(kName, a.problem());
  if (rest.size() != 1 || file.empty()) return UsageError(kName);
  std::string data;
  if (ReadWholeFile(file, data) != 0) return Failure("cannot read " + file);
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  if (lg.CurrentWeek >= lg.NumWeeks) return Failure(kSeasonDoneText);
  if (week != 0 && week != lg.CurrentWeek + 1)
    return Failure("week " + std::to_string(week) + " cannot be entered: the week to enter is " +
                   std::to_string(lg.CurrentWeek + 1));
  LeagueTransaction tx;  // the teams, the week's date and the league's files in one commit
  ScoreEntry entry;
  if (entry.open() != EntryOpen::Ready)
    return Failure("week " + std::to_string(lg.CurrentWeek + 1) +
                   " has no schedule: every lane slot needs a team");
  const LaneImportResult result = ImportLanes(entry, data, options);
  const std::string log = ImportLogText(result);
  std::fputs(log.c_str(), stdout);
  if (!logPath.empty() && WriteFileAtomic(logPath, log) != 0) Failure("cannot write the log " + logPath);
  if (result.imported == 0) return result.read ? kExitTeamsLeft : kExitFailure;
  entry.leaveWithoutProcessing();
  if (!SaveLeague() || !tx.commitReported())
    return Failure("the league could not be saved; its files are as they were");
  return result.complete() ? kExitOk : kExitTeamsLeft;
}

CommandRegistration registration({
    kName,
    "LEAGUE.CFG --file EXPORT.csv [--week N] [--replace] [--columns ...] [--log LOG.txt]",
    "enter the week's scores from a lane scoring system's export, with a log of what did not "
    "match",
    Run,
    kHelp,
});

}  // namespace

}  // namespace tallmark::cli
