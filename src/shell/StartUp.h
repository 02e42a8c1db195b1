// What the program does at start and at exit, apart from showing the window: the options, the
// league open last, the menu states, and the order of the steps at exit.
#pragma once

#include <functional>
#include <string>

#include "shell/MenuModel.h"

namespace tallmark {

// "Tallmark (" + VersionString + ")".
std::string WindowTitle();

// Counts the errors reported through the common error handler while it lives. A quiet watch
// answers them itself without showing them.
class ErrorWatch {
 public:
  explicit ErrorWatch(bool quiet = false);
  ~ErrorWatch();
  ErrorWatch(const ErrorWatch&) = delete;
  ErrorWatch& operator=(const ErrorWatch&) = delete;
  int errors() const;

 private:
  class Proxy;
  Proxy* proxy_;
};

// Loads the league named by DataPath and FileName. When any of its files cannot be read, the
// league is closed again with a message (nothing of it stays in memory to be saved over the
// files on disk). Returns true when a league is open afterwards.
bool LoadLeagueSafely();

// Runs an operation that may open a league (open, restore, new season). When errors were
// reported while it ran and a league is open afterwards, the league is read again quietly; if it
// cannot be read completely it is closed (CloseUnreadableLeague), so that a half-read league is
// never saved over its files.
void GuardLeagueLoad(const std::function<void()>& operation);

// Closes a league that could not be read completely: a message naming its files, then no league
// open; the option flags and print settings are kept.
void CloseUnreadableLeague();

// Start-up without the window: league data to defaults, the options file, the league open last,
// then the menu states and check marks.
void StartUpLeague(MenuModel& menus);

// When the open league's files lack a part its processed weeks need, says so once (each missing
// part, and File > Restore Backup as the way back).
void WarnOfLeagueDamage();

// The steps of leaving the program, in order: with a league open, offer a backup and save the
// league; then write the options. The backup offer is handed in.
void ExitProgramSteps(const std::function<void()>& offerBackup);

}  // namespace tallmark
