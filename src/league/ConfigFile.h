// The league's configuration file (.CFG), and loading and saving the whole league.
#pragma once

#include <cstdint>
#include <string>

namespace tallmark {

// Each reader and writer runs to its end whatever fails and then reports the first error
// through ReportError; it returns true when there was none.

// Reads DataPath + FileName + ".CFG" into the league variables (and loads the league's sport).
bool ReadConfig();
// Writes that file from memory (and the league's sport record into the sport file).
bool WriteConfig();
// The text of the configuration file written from memory (what WriteConfig stores).
std::string ConfigText();

// What processing a week moves on in the configuration file: the week, the session and the
// count of teams complete for the next week.
struct ConfigProgress {
  std::int16_t week = 0;
  std::int16_t session = 1;
  std::int16_t complete = 0;
};
// The progress a configuration text holds.
ConfigProgress ProgressOf(const std::string& configText);
// The configuration text with its progress replaced by p (the complete count only with complete),
// everything else as it holds it. Neither changes the league in memory.
std::string WithProgress(const std::string& configText, const ConfigProgress& p, bool complete);

enum class VersionCheck { NoLeague, Refused, Accepted };
// Probes the first value of the configuration file: no league (missing file, sets FileName to
// "NOT-OPEN" silently), refused (an old version: shows the "ATTENTION" message, no league) or
// accepted.
VersionCheck CheckConfigVersion();

// Version check, then every league file in order: .CFG, .IDS, .STT (current session), .RST, .MSG.
// Returns true when a league was loaded. With FileName "NOT-OPEN" it does nothing.
bool LoadLeague();
// Writes .CFG, .IDS, .STT (current session), .RST, .MSG. Does nothing with no league open.
bool SaveLeague();

}  // namespace tallmark
