// Creating, opening, saving and copying leagues, and starting a new season from the open one.
//
// Choosing a file is the caller's business (the main window's file dialog, the command-line
// tool's arguments): these operations take the chosen .cfg path, or a chooser to call again
// until a name is given.
#pragma once

#include <functional>
#include <optional>
#include <string>

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

// The league open now: its folder and base name (FileName NoFileName when none is open).
struct LeagueNames {
  std::string dataPath;
  std::string fileName;
};
LeagueNames CurrentNames();

// Cancelling a new league's parameters: the new league's files are removed and the league
// open before File "New" is loaded again (none when none was open).
void AbandonNewLeague(const LeagueNames& before);

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

// Setup menu "New Season": saves the set-up of the open league as a new league (chosen through
// choose, asked again until a new name is given), carrying each record's current average
// forward as its starting average and clearing everything else of the season. Returns false
// when the user declined, cancelled the choice of the name, or no league is open (the league is
// then as it was).
bool FreshStart(const FileChooser& choose);

}  // namespace tallmark
