// Creating, opening, saving and copying leagues.
//
// Choosing a file is the caller's business (the main window's file dialog, the command-line
// tool's arguments): these operations take the chosen .cfg path, or a chooser to call again
// until a name is given.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/FileErrors.h"

namespace tallmark {

// Asks for a file; nullopt when the user cancelled.
using FileChooser = std::function<std::optional<std::string>()>;

// FileName = the chosen file's title less its last four characters (".cfg");
// DataPath = the chosen path less its title (keeping the trailing "/").
void SetNamesFromDialog(const std::string& chosenPath);

// The path with ".CFG" appended when its title has no ".cfg" ending (the dialog's default
// extension).
std::string WithLeagueExtension(const std::string& path);

// Writes a minimal file set for the names now in DataPath and FileName. Files of a league
// of that name that would otherwise keep old records (.SEA, .scr, .STT) are removed first.
bool CreateNewFiles();

// File menu "New": asks before replacing an existing league of the chosen name, saves the open
// league, creates the new files and loads them. Returns false when the user answered No (then
// nothing has changed).
bool NewLeagueFiles(const std::string& chosenPath);

// File menu "Open": refuses a league of the old DOS version (a file with "SCH" in place of the
// last three characters beside the chosen one), otherwise saves the open league and loads the
// chosen one. Returns true when a league was loaded.
bool OpenLeagueFiles(const std::string& chosenPath);

// File menu "Save".
bool SaveLeagueFiles();

// File menu "Save As": saves the open league under the chosen name and copies its season
// results, score, statistics and awards log files there; the new name is then the open league.
// Returns false when no league is open.
bool SaveLeagueFilesAs(const std::string& chosenPath);

// Asks through choose for a new league's name until one is given that is not the open league
// itself, and saves the open league there.
void SaveAsNewLeague(const FileChooser& choose);

// Blanks every week's date.
void ClearWeekDates();

// Removes the league file base + extension (any case); a failure is set in trap.
void RemoveLeagueFile(const std::string& base, const std::string& extension, ErrorTrap& trap);

}  // namespace tallmark
