// Setting the league and officer names and the extra statistics by name.
#include <cstdlib>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "setup/ExtraStatsSetup.h"
#include "setup/NamesSetup.h"
#include "setup/OptionSetParts.h"
#include "common/Functs.h"

namespace tallmark::options {

namespace {

std::string TooLong(const OptionName& n, std::size_t length) {
  return n.full + " holds at most " + std::to_string(length) + " characters";
}

std::string SetOfficer(NamesSetup& s, int office, const OptionName& n, const std::string& value) {
  if (n.base == "OfficerTitle") {
    if (s.notUsed(office)) return n.full + ": office " + std::to_string(office + 1) + " is not used";
    if (Trim(value).size() > NamesSetup::kTitleLength) return TooLong(n, NamesSetup::kTitleLength);
    s.setTitle(office, value);
    return {};
  }
  int candidate = -1;
  if (n.base == "OfficerPlayer") {
    auto v = WholeNumber(value);
    if (v && *v == -1) {
      s.setNotUsed(office, true);
      return {};
    }
    candidate = v ? s.candidateOf(static_cast<int>(*v)) : -1;
  } else {
    for (std::size_t i = 0; i < s.candidates().size() && candidate < 0; ++i)
      if (Upper(s.candidates()[i].name) == Upper(Trim(value))) candidate = static_cast<int>(i);
  }
  if (candidate < 0)
    return n.full + ": " + value + " is not a player or substitute of the league" +
           (n.base == "OfficerPlayer" ? " (-1: office not used)" : "");
  if (s.notUsed(office)) s.setNotUsed(office, false);
  s.choose(office, candidate);
  return {};
}

std::string SetNames(const OptionName& n, const std::string& value) {
  NamesSetup s;
  if (n.base == "LeagueName") {
    if (Trim(value).size() > NamesSetup::kNameLength) return TooLong(n, NamesSetup::kNameLength);
    s.setLeagueName(value);
  } else {
    std::string refusal = SetOfficer(s, n.index[0] - 1, n, value);
    if (!refusal.empty()) return refusal;
  }
  s.store();
  return {};
}

std::string SetExtraStat(const OptionName& n, const std::string& value) {
  ExtraStatsSetup x;
  const int k = n.index[0];
  if (k > x.count())
    return n.full + ": define the statistics in order (next is " + std::to_string(x.count()) + ")";
  const bool name = n.base == "ExtraStatName";
  const std::size_t length = name ? ExtraStatsSetup::kNameLength : ExtraStatsSetup::kAbbrevLength;
  if (Trim(value).size() > length) return TooLong(n, length);
  if (Trim(value).empty()) {
    if (!name || k == x.count()) return n.full + " cannot be empty";
    x.select(k);
    if (!x.remove()) return "statistic " + std::to_string(k) + " was not deleted";
  } else if (k == x.count() && !x.canAdd()) {
    return "at most 10 extra statistics can be defined";
  } else {
    x.set(k, name ? value : "", name ? "" : value);
  }
  x.store();
  return {};
}

std::string SetFee(const std::string& value) {
  ExtraStatsSetup x;
  for (int k = 0; k < x.count() && !x.feeEnabled(); ++k) x.select(k);
  if (!x.feeEnabled()) return "FeeUnit needs an extra statistic with the abbreviation FEES";
  const std::string t = Trim(value);
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (t.empty() || *end != '\0' || t.find_first_not_of("0123456789.") != std::string::npos ||
      v > ExtraStatsSetup::kMaxFee)
    return "FeeUnit takes an amount from 0 to " + NumberText(ExtraStatsSetup::kMaxFee);
  x.setFee(static_cast<Single>(v));
  x.store();
  return {};
}

}  // namespace

bool SetNameOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  const bool officer = n.base == "OfficerPlayer" || n.base == "OfficerName" ||
                       n.base == "OfficerTitle";
  if (n.base == "LeagueName" && n.index.empty()) {
    out.refusal = SetNames(n, value);
    return true;
  }
  if (!officer || n.index.size() != 1 || n.index[0] < 1 || n.index[0] > 4) return false;
  out.refusal = SetNames(n, value);
  return true;
}

bool SetExtraStatOption(const OptionName& n, const std::string& value, OptionOutcome& out) {
  if (n.base == "NumExtraStats") {
    out.refusal = "NumExtraStats follows from the statistics defined";
    return true;
  }
  if (n.base == "FeeUnit" && n.index.empty()) {
    out.refusal = SetFee(value);
    return true;
  }
  if (n.base != "ExtraStatName" && n.base != "ExtraStatAbbrev") return false;
  if (n.index.size() != 1 || n.index[0] < 0 || n.index[0] >= kMaxExtraStats)
    out.refusal = n.base + " takes a statistic number from 0 to 9";
  else
    out.refusal = SetExtraStat(n, value);
  return true;
}

}  // namespace tallmark::options
