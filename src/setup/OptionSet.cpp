// Changing one set-up or scoring option by its data-model name, through the editing class of
// the window that owns it, so that the command line obeys the windows' rules.
#include <cstdlib>
#include <optional>
#include <string>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/ScoringOptions.h"
#include "setup/AwardOptions.h"
#include "setup/ClassificationSetup.h"
#include "setup/CustomAwards.h"
#include "setup/ExtraStatsSetup.h"
#include "setup/LeagueOptions.h"
#include "setup/NamesSetup.h"
#include "setup/OptionSetParts.h"
#include "setup/SplitSeasonSetup.h"

namespace tallmark {

namespace options {

std::optional<long> WholeNumber(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  char* end = nullptr;
  const long v = std::strtol(t.c_str(), &end, 10);
  if (*end != '\0' || v < -32768 || v > 32767) return std::nullopt;
  return v;
}

std::optional<bool> Flag(const std::string& text) {
  const std::string t = Lower(Trim(text));
  if (t == "-1" || t == "-2" || t == "1" || t == "true" || t == "yes" || t == "on") return true;
  if (t == "0" || t == "false" || t == "no" || t == "off") return false;
  return std::nullopt;
}

std::string RangeRefusal(const OptionName& n, long lo, long hi) {
  return n.full + " takes a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
}

std::string FlagRefusal(const OptionName& n) {
  return n.full + " is a switch: -1 (or 1, true) to turn it on, 0 (or false) to turn it off";
}

// "Base", "Base(i)", "Base(i,j)" or "BaseN" for the officers.
std::optional<OptionName> ParseName(const std::string& text) {
  OptionName n;
  n.full = Trim(text);
  const std::size_t open = n.full.find('(');
  if (open == std::string::npos) {
    n.base = n.full;
    if (n.base.rfind("Officer", 0) == 0 && !n.base.empty() && n.base.back() >= '1' &&
        n.base.back() <= '4') {
      n.index.push_back(n.base.back() - '0');
      n.base.pop_back();
    }
    return n;
  }
  if (n.full.back() != ')') return std::nullopt;
  n.base = n.full.substr(0, open);
  std::string inside = n.full.substr(open + 1, n.full.size() - open - 2);
  while (true) {
    const std::size_t comma = inside.find(',');
    auto v = WholeNumber(inside.substr(0, comma));
    if (!v) return std::nullopt;
    n.index.push_back(static_cast<int>(*v));
    if (comma == std::string::npos) break;
    inside = inside.substr(comma + 1);
  }
  return n;
}

}  // namespace options

OptionOutcome SetLeagueOption(const std::string& name, const std::string& value) {
  using namespace options;
  OptionOutcome out;
  auto n = ParseName(name);
  if (!n) {
    out.refusal = "unknown option name " + name;
    return out;
  }
  for (auto setter : {SetScoringOption, SetSplitOption, SetAwardOption, SetClassOption,
                      SetNameOption, SetExtraStatOption}) {
    if (setter(*n, value, out)) return out;
  }
  out.refusal = "unknown option " + n->full;
  return out;
}

}  // namespace tallmark
