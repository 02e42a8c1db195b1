// The e-mail addresses the secretary keeps for each league, in "MAILTO.INI" in the program
// folder: one line per league, its configuration file's path, " = " and the addresses separated
// by ", ", lines ending in CR LF.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

inline const std::string MailSettingsFileName = "MAILTO.INI";

// The addresses kept for the open league; none when there are none.
std::vector<std::string> LeagueMailAddresses();
// Keeps addresses for the open league (none forgets them), leaving the other leagues' lines as
// they were. Returns 0 or an error number.
int SaveLeagueMailAddresses(const std::vector<std::string>& addresses);

// Addresses typed as a list separated by commas, semicolons or blanks. Returns false with the
// first one that is not an address in problem.
bool ParseMailAddresses(const std::string& text, std::vector<std::string>& addresses,
                        std::string& problem);
// The addresses as the list shows them: separated by ", ".
std::string JoinMailAddresses(const std::vector<std::string>& addresses);

}  // namespace tallmark
