// The parts of SetLeagueOption, one for each set-up window's options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "setup/LeagueOptions.h"

namespace tallmark::options {

struct OptionName {
  std::string full;        // as given, blanks cut
  std::string base;        // without its indices
  std::vector<int> index;  // (i) or (i,j), or the officer's number
};

// "Base", "Base(i)", "Base(i,j)" or "BaseN" for the officers; none when malformed.
std::optional<OptionName> ParseName(const std::string& text);
std::optional<long> WholeNumber(const std::string& text);
std::optional<bool> Flag(const std::string& text);
std::string RangeRefusal(const OptionName& n, long lo, long hi);
std::string FlagRefusal(const OptionName& n);

// Each returns false when the name is not one of its own; otherwise it sets out.refusal or
// changes the option.
bool SetScoringOption(const OptionName& n, const std::string& value, OptionOutcome& out);
bool SetSplitOption(const OptionName& n, const std::string& value, OptionOutcome& out);
bool SetAwardOption(const OptionName& n, const std::string& value, OptionOutcome& out);
bool SetClassOption(const OptionName& n, const std::string& value, OptionOutcome& out);
bool SetNameOption(const OptionName& n, const std::string& value, OptionOutcome& out);
bool SetExtraStatOption(const OptionName& n, const std::string& value, OptionOutcome& out);

}  // namespace tallmark::options
