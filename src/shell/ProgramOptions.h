// The program options file "TALLMARK.INI" in the program folder: the league open last and the
// four option flags.
#pragma once

#include <string>

namespace tallmark {

inline const std::string OptionsFileName = "TALLMARK.INI";

// The path of the options file in the program folder.
std::string OptionsFilePath();

// The value of one key in the options text: the text between the first " = " at or after the
// first occurrence of key (anywhere, case-sensitive) and the next carriage return; def when any
// of the three is missing.
std::string GetOptionValue(const std::string& text, const std::string& key,
                           const std::string& def);

// Reads the options file into DataPath, FileName and the four flags. A league whose
// configuration file is gone leaves no league open (DataPath = ProgramPath). A missing options
// file is not an error. Does not load the league.
void ReadProgramOptions();

// Reads only the "Printer &Margins" flag from the options file, for the command line, which keeps
// its own league and leaves the other options alone.
void ReadPrintMarginsOption();

// The options text as written: six lines "key = value" ending in CR LF.
std::string ProgramOptionsText();
// Replaces the options file. Returns false (after reporting the error) when it failed.
bool WriteProgramOptions();

// A flag as the options file stores it: -Val(v) as a whole number ("1" is True, "0" False).
int OptionFlagValue(const std::string& value);

}  // namespace tallmark
