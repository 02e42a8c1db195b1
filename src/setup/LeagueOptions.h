// Every set-up and scoring option of the league by its data-model name ("GamesPerWeek",
// "SplitWeek(2)", "CustomAward(2,3)", "OfficerName1"), listed and changed through the same rules
// as the windows that edit them: the command line's view of the set-up windows.
#pragma once

#include <string>
#include <utility>
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

// What SetLeagueOptions did: every refusal (then nothing changed), and every value the rules
// made other than asked or changed besides (each told).
struct OptionCallOutcome {
  std::vector<std::string> refusals;
  std::vector<std::string> notes;
  bool reclassify = false;
};

// Changes every option given (name, value) as one change, in any order: all are applied to the
// options together and checked together. A number the rules would store otherwise (clamped,
// raised, lowered) is refused with the value it would take; a text they change is stored with a
// note. The customized awards are addressed by their row as listed, and defining one turns the
// customized awards on unless CustomAward(3,0) is given too. With any refusal nothing changes.
OptionCallOutcome SetLeagueOptions(const std::vector<std::pair<std::string, std::string>>& sets);

// "NAME=VALUE" split at the first "="; false when there is none or the name is empty.
bool SplitAssignment(const std::string& text, std::string& name, std::string& value);

}  // namespace tallmark
