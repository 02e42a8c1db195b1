// tallmark-cli options: every set-up and scoring option of a league by its data-model name,
// shown, or changed through the rules of the set-up windows.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "league/ConfigFile.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "setup/ClassificationSetup.h"
#include "setup/LeagueOptions.h"
#include "common/UserIO.h"

namespace tallmark::cli {

namespace {

const char* kName = "options";

void PrintOptions(bool json) {
  const std::vector<LeagueOption> options = ListLeagueOptions();
  if (json) std::printf("{");
  for (std::size_t i = 0; i < options.size(); ++i) {
    const LeagueOption& o = options[i];
    const std::string value = Cp1252ToUtf8(o.value);
    if (json)
      std::printf("%s\n  %s: %s", i == 0 ? "" : ",", JsonString(o.name).c_str(),
                  o.text ? JsonString(value).c_str() : value.c_str());
    else
      std::printf("%s = %s\n", o.name.c_str(), value.c_str());
  }
  if (json) std::printf("\n}\n");
}

// Every assignment is applied to the league in memory together with the others; the files are
// written only when all of them were taken.
int SetOptions(const std::vector<std::string>& assignments) {
  std::vector<std::string> refusals;
  std::vector<std::pair<std::string, std::string>> sets;
  for (const std::string& a : assignments) {
    std::string name, value;
    bool ok = true;
    if (!SplitAssignment(a, name, value)) {
      refusals.push_back("not NAME=VALUE: " + a);
      continue;
    }
    value = Utf8ToCp1252(value, &ok);
    if (!ok) {
      refusals.push_back(name + ": the value has characters the league's files cannot hold");
      continue;
    }
    sets.emplace_back(name, value);
  }
  OptionCallOutcome out;
  if (refusals.empty()) out = SetLeagueOptions(sets);
  for (const std::string& r : out.refusals) refusals.push_back(Cp1252ToUtf8(r));
  if (!refusals.empty()) {
    for (const std::string& r : refusals) std::fprintf(stderr, "tallmark-cli options: %s\n", r.c_str());
    return Failure("nothing changed");
  }
  for (const std::string& n : out.notes) std::printf("%s\n", Cp1252ToUtf8(n).c_str());
  if (out.reclassify &&
      AskYesNo(ClassificationSetup::ReclassifyQuestion(), ClassificationSetup::ReclassifyTitle()))
    ClassifyAll();
  if (!SaveLeague()) return Failure("the league could not be saved");
  std::printf("%zu option(s) set\n", assignments.size());
  return kExitOk;
}

int Run(const std::vector<std::string>& args) {
  std::vector<std::string> before, assignments;
  bool setting = false;
  for (const std::string& a : args) {
    if (a == "--set") setting = true;
    else (setting ? assignments : before).push_back(a);
  }
  Args a(before);
  const bool json = a.flag("--json");
  a.finish();
  if (a.bad()) return UsageError(kName, a.problem());
  std::vector<std::string> rest = a.positional();
  if (rest.size() != 1) return UsageError(kName, "give the league's .CFG file");
  if (setting && assignments.empty()) return UsageError(kName, "--set needs NAME=VALUE");
  if (setting && json) return UsageError(kName, "--json only lists the options");
  if (int status = OpenLeague(rest[0], setting)) return status;
  if (!setting) {
    PrintOptions(json);
    return kExitOk;
  }
  return SetOptions(assignments);
}

CommandRegistration registration({
    kName,
    "LEAGUE.CFG [--json] | LEAGUE.CFG --set NAME=VALUE ...",
    "print every set-up and scoring option by its data-model name, or change options through "
    "the rules of the set-up windows",
    Run,
    "Without --set every option is printed as NAME = VALUE (--json: one object). Arrays are\n"
    "named like SplitWeek(2), ClassLimit(1), CustomAward(2,3), GroupLabel(0), ScratchBase(2),\n"
    "ExtraStatName(0); officers as OfficerPlayer1, OfficerName1, OfficerTitle1.\n"
    "\n"
    "--set changes every NAME to its VALUE as one change, in any order, by the rules of the\n"
    "set-up windows: values outside a box's range are refused; a number the rules would store\n"
    "otherwise is refused with the value it would take (split weeks must increase, class\n"
    "limits decrease; AdjustHandicapAwards needs GamesToQualify above GamesPerWeek); a text\n"
    "they change (\"_\" for each double quote) and any other option they change is printed.\n"
    "A negative split week resets statistics there, 53 drops the split; a split whose session\n"
    "has started cannot move; all players may be reclassified. Awards are addressed by their\n"
    "row as listed: CustomAward(0,N)=0 or 1 defines award N (the next after those listed) and\n"
    "turns CustomAward(3,0), the customized awards switch, on; CustomAward(0,N)=2 drops award\n"
    "N and the others close up. Switches take -1 or 0. OfficerName1 names a player or\n"
    "substitute, OfficerPlayer1=-1 leaves the office unused; an empty ExtraStatName(K) deletes\n"
    "statistic K. When any assignment is refused, each refusal is listed, nothing is saved\n"
    "and the status is 1.\n",
});

}  // namespace

}  // namespace tallmark::cli
