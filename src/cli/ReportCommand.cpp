// tallmark-cli report: any report of the report window as its file destination writes it, or as
// a PDF printed through the same engine. The selections of the window's lists and menus are
// options.
#include <cstdio>

#include "cli/Commands.h"
#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "reports/FixedPageDevice.h"
#include "reports/PdfPageDevice.h"
#include "reports/ReportHtml.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"
#include "shell/ProgramOptions.h"

namespace tallmark::cli {

namespace {

using reports::ReportChoices;
using reports::ReportType;
using reports::SelectionList;

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         UpperAscii(text.substr(text.size() - end.size())) == UpperAscii(end);
}

bool PdfReport(const std::string& path, int type, const ReportChoices& choices,
               std::vector<std::string>& damage) {
  reports::PdfPageDevice device(path);
  reports::ReportEngine engine(device, reports::Destination::Printer, lg.PrintMargins != 0);
  const bool ran = reports::RunPasses(engine, device, 1, [&](reports::ReportEngine& e) {
                     reports::BuildReport(e, type, choices);
                   }) == 1;
  damage = engine.damageNotes();
  return ran;
}

// The list options, each with the list it selects from.
struct ListOption {
  const char* name;
  SelectionList list;
  std::vector<int> ReportChoices::*values;
};
const ListOption kListOptions[] = {
    {"--teams", SelectionList::Teams, &ReportChoices::teams},
    {"--weeks", SelectionList::Weeks, &ReportChoices::weeks},
    {"--players", SelectionList::Players, &ReportChoices::players},
    {"--sessions", SelectionList::Sessions, &ReportChoices::sessions},
    {"--categories", SelectionList::Awards, &ReportChoices::categories},
};

// The options as typed, before the league is open.
struct Typed {
  std::string lists[std::size(kListOptions)];
  std::string whose, names;
  bool extra = false, subs = false;
};

bool Takes(const ReportType& type, SelectionList list) {
  for (SelectionList l : type.lists)
    if (l == list) return true;
  return false;
}

// An option that the report does not ask for; empty when all are fine.
std::string Misplaced(const ReportType& type, const Typed& typed) {
  const std::string name = type.cliName;
  for (std::size_t i = 0; i < std::size(kListOptions); ++i)
    if (!typed.lists[i].empty() && !Takes(type, kListOptions[i].list))
      return std::string(kListOptions[i].name) + " does not apply to the " + name + " report";
  if (!typed.whose.empty() && !(type.asks & reports::kAskWhoseAverages))
    return "--whose applies to the averages report only";
  if (!typed.names.empty() && !(type.asks & reports::kAskNamesSide))
    return "--names applies to the summary report only";
  if (typed.extra && !(type.asks & reports::kAskExtraStats))
    return "--extra-stats does not apply to the " + name + " report";
  if (typed.subs && !(type.number == 9 || type.number == 14))
    return "--subs applies to the rosters and treasurer reports only";
  if (!typed.whose.empty() && typed.whose != "players" && typed.whose != "players-subs" &&
      typed.whose != "teams")
    return "--whose takes players, players-subs or teams";
  if (!typed.names.empty() && typed.names != "left" && typed.names != "right")
    return "--names takes left or right";
  return {};
}

// The choices for the open league; false with a message when a list names what does not exist.
bool Choose(const ReportType& type, const Typed& typed, ReportChoices& c, std::string& problem) {
  for (std::size_t i = 0; i < std::size(kListOptions); ++i) {
    if (!Takes(type, kListOptions[i].list)) continue;
    const std::string text = typed.lists[i].empty() ? "all" : typed.lists[i];
    if (!reports::ParseSelection(kListOptions[i].list, type.number, text, c.*kListOptions[i].values,
                                 problem))
      return false;
  }
  if (typed.subs && lg.NumSubs <= 0) {
    problem = "the league has no substitutes";
    return false;
  }
  c.substitutes = typed.subs;
  c.reportOnTeams = type.number != 11 && type.number != 12;
  c.namesOnRight = typed.names != "left";
  c.extraStats = typed.extra && lg.NumExtraStats > 0;
  c.whoseAverages = typed.whose == "teams" ? 2 : typed.whose == "players-subs" ? 1 : 0;
  return true;
}

std::string TypeNames() {
  std::string names;
  for (const ReportType& t : reports::ReportTypes()) {
    if (!t.build || *t.cliName == '\0') continue;
    names += (names.empty() ? "" : ", ") + std::string(t.cliName);
  }
  return names;
}

int RunReport(const std::vector<std::string>& args) {
  Args a(args);
  const std::string out = a.option("-o");
  const std::string pdf = a.option("--pdf");
  const std::string html = a.option("--html");
  Typed typed;
  for (std::size_t i = 0; i < std::size(kListOptions); ++i)
    typed.lists[i] = a.option(kListOptions[i].name);
  typed.whose = a.option("--whose");
  typed.names = a.option("--names");
  typed.extra = a.flag("--extra-stats");
  typed.subs = a.flag("--subs");
  a.finish();
  const std::vector<std::string> rest = a.positional();
  if (a.bad()) return UsageError("report", a.problem());
  if (rest.size() != 2) return UsageError("report");
  const ReportType* type = reports::FindReportType(rest[1]);
  if (!type || !type->build) return UsageError("report", "the report is one of " + TypeNames());
  if (std::string problem = Misplaced(*type, typed); !problem.empty())
    return UsageError("report", problem);
  if (!out.empty() && !EndsWithNoCase(out, ".txt"))
    return UsageError("report", "The file name must use the extension .TXT");
  if (!html.empty() && !EndsWithNoCase(html, ".html") && !EndsWithNoCase(html, ".htm"))
    return UsageError("report", "the web page's name must use the extension .html");
  if (!OpenLeagueFile(rest[0])) return kExitFailure;
  ReadPrintMarginsOption();
  ReportChoices choices;
  if (std::string problem; !Choose(*type, typed, choices, problem))
    return UsageError("report", problem);

  std::vector<std::string> damage;
  if (!pdf.empty() && !PdfReport(pdf, type->number, choices, damage))
    return Failure("cannot write " + pdf);
  if (!html.empty()) {
    if (int err = reports::WriteReportWebPage(html, type->number, choices, &damage); err != 0)
      return Failure("cannot write " + html + ": " + ErrorDescription(err));
  }
  if (!out.empty() || (pdf.empty() && html.empty())) {
    const std::string text = reports::ReportFileText(type->number, choices, &damage);
    if (out.empty()) {
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (int err = WriteFileAtomic(out, text); err != 0) {
      return Failure("cannot write " + out + ": " + ErrorDescription(err));
    }
  }
  return DamageStatus(damage);
}

const CommandRegistration kReport(
    {"report",
     "LEAGUE.CFG TYPE [selections] [-o FILE.txt] [--pdf FILE.pdf] [--html FILE.html]",
     "a report of the report window as a text file (standard output when no file is named), "
     "a PDF or a web page",
     RunReport,
     "TYPE and the selections it takes (a LIST is numbers and ranges such as 1,3-5, or all, the\n"
     "default; players also by name; categories by their place in the awards list):\n"
     "  standing        the weekly standing sheet            [--extra-stats]\n"
     "  condensed       the condensed standing sheet\n"
     "  summary         statistical summary                  --sessions LIST, --names left|right,\n"
     "                                                       [--extra-stats]\n"
     "  team-weekly     team weekly results                  --teams LIST, --weeks LIST,\n"
     "                                                       [--extra-stats]\n"
     "  player-weekly   player weekly results                --weeks LIST, [--extra-stats]\n"
     "  team-to-date    team results to date                 --teams LIST\n"
     "  player-to-date  player results to date               --players LIST\n"
     "  averages        averages list                        --whose players|players-subs|teams\n"
     "  rankings        statistic rankings                   --categories LIST, --sessions LIST\n"
     "  options         league setup options\n"
     "  awards          special individual awards            --weeks LIST, --players LIST\n"
     "  rosters         team rosters                         --teams LIST, [--subs]\n"
     "  schedule        the season's schedule\n"
     "  treasurer       treasurer's report                   --teams LIST, [--subs]\n"
     "A selection naming a week, team, player, session or category that does not exist, or an\n"
     "option the report does not take, is refused with status 2. --extra-stats is ignored when the league tracks no extra statistics.\n"
     "--html writes the report's text as a UTF-8 web page that needs no other file: each report\n"
     "page in a fixed-width block, one per printed sheet.\n"});

}  // namespace

}  // namespace tallmark::cli
