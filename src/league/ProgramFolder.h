// The program folder: where the options file, SportsInfo.dat and SCHEDULE.DAT live.
#pragma once

#include <string>

namespace tallmark {

// $TALLMARK_HOME when set, else ~/.local/share/Tallmark/ (XDG_DATA_HOME respected), always
// ending in "/".
std::string ProgramFolder();

// The folder of the data installed with the program, found from the running program's path
// (<bin>/../share/tallmark with the usual layout). Empty when there is none.
std::string InstalledDataFolder(const std::string& programFile);

// Creates the program folder when missing and copies in each installed data file it does not
// have yet. Returns false when the folder cannot be created.
bool SeedProgramFolder(const std::string& programFolder, const std::string& installedFolder);

}  // namespace tallmark
