// Backups of the league's files as ZIP archives beside them, one per week, and their restore.
#pragma once

#include <string>
#include <vector>

#include "league/LeagueManagement.h"

namespace tallmark {

// The archive of week w: DataPath + FileName with its first character replaced by "&" +
// ".Z" + w in two digits (LEAGUE, week 5 -> &EAGUE.Z05).
std::string BackupArchiveName(int week);

// Before data are changed: makes the backup of CurrentWeek, asking first unless AutoBackup is
// on. Does nothing with no league open. Returns false when a backup was made and failed.
bool OfferBackup();

// Packs every file of the open league (FileName + ".*") into the archive of week w (replacing
// it), then puts the current score file into the archives of the earlier weeks that exist.
// Returns true when the archive was made.
bool MakeBackup(int week);

// File menu "Restore Backup": offers a backup of the current files, asks for the archive
// through choose, unpacks it over the league's files in the archive's folder and loads the
// league it holds. The archive is checked whole before any file is replaced: entries that are
// not plain file names (a folder part, "..", an absolute path, a link) or a damaged archive
// make the whole restore fail, leaving the previous files as they were. Returns true when the
// archive was restored.
bool RestoreBackup(const FileChooser& choose);

// The league configuration file a restore of the archive FileName (say "&EAGUE") brings back:
// the file of dataPath matching "?" + FileName less its first character + ".CFG" (the "?"
// undoes the "&"), taken first from the preferred names (the files just restored). Returns
// its name within dataPath, or an empty text when there is none.
std::string FindLeagueConfig(const std::string& dataPath, const std::string& fileName,
                             const std::vector<std::string>& preferred = {});

}  // namespace tallmark
