// Every set-up and scoring option of the league by its data-model name ("GamesPerWeek",
// "SplitWeek(2)", "CustomAward(2,3)", "OfficerName1"), listed and changed through the same rules
// as the windows that edit them: the command line's view of the set-up windows.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

struct LeagueOption {
  std::string name;
  std::string value;  // a number, or the text (league characters, blanks cut)
  bool text = false;
};

// Every option of the open league, in the order of the windows.
std::vector<LeagueOption> ListLeagueOptions();

// What SetLeagueOption did besides changing the option.
struct OptionOutcome {
  std::string refusal;      // empty when the value was taken
  std::string note;         // a rule changed what was asked (e.g. a switch left off)
  bool reclassify = false;  // the class limits changed
};

// Changes one option in memory as its window's OK would. A value the window would not take, an
// unknown name, or an option that cannot change now is refused and changes nothing.
OptionOutcome SetLeagueOption(const std::string& name, const std::string& value);

// "NAME=VALUE" split at the first "="; false when there is none or the name is empty.
bool SplitAssignment(const std::string& text, std::string& name, std::string& value);

}  // namespace tallmark
