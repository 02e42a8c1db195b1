// The commands of tallmark-cli. Each command file registers its commands with a static
// CommandRegistration, so that adding a command touches no other file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallmark::cli {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// A report, graph or look at the league that had to leave out a part missing from its files
// (the output is still written; each notice goes to standard error).
constexpr int kExitDamaged = 4;
// Another program is changing the league (the holder is named on standard error); nothing was
// read or changed.
constexpr int kExitLeagueInUse = 5;

struct Command {
  std::string name;
  std::string usage;    // arguments, shown after the name
  std::string summary;  // one line
  int (*run)(const std::vector<std::string>& args);
  std::string help = {};  // more text for "--help", after the summary
};

const std::vector<Command>& AllCommands();

struct CommandRegistration {
  explicit CommandRegistration(Command command);
};

// Prints "tallmark-cli NAME USAGE" to standard error and returns kExitUsage.
int UsageError(const std::string& name, const std::string& problem = {});

// Prints a failure message to standard error and returns kExitFailure.
int Failure(const std::string& message);

// The longest line a sheet of a real league has: a row of names quoted in UTF-8, twelve games,
// ten extra statistics or a roster place's nine columns all fit in well under 1024 bytes.
constexpr std::uint64_t kMaxSheetLineBytes = 1024;
// A score sheet: a row per team and line-up position (100 teams of at most 10 bowling), a
// forfeit line per team, the date and a heading.
constexpr std::uint64_t kMaxScoreSheetBytes = (100 * 10 + 100 + 2) * kMaxSheetLineBytes;
// A roster sheet: a row per player record (2100) and a heading.
constexpr std::uint64_t kMaxRosterSheetBytes = (2100 + 1) * kMaxSheetLineBytes;

// Reads a sheet given to a command; one larger than maxBytes is refused before it is read.
// False (with a message on standard error) when it is refused or cannot be read.
bool ReadSheetFile(const std::string& path, std::uint64_t maxBytes, std::string& out);

// Prints each damage notice to standard error; kExitDamaged when there is any, else kExitOk.
int DamageStatus(const std::vector<std::string>& notices);

// Simple option parsing over the arguments after the command name.
class Args {
 public:
  explicit Args(const std::vector<std::string>& args);
  // The value of "--name VALUE"; empty when absent. Sets bad when the value is missing.
  std::string option(const std::string& name);
  bool flag(const std::string& name);
  // Parses "--name N" as a whole number within [min, max]; fallback when absent.
  int number(const std::string& name, int fallback, int min, int max);
  // Positional arguments left after all options asked for were taken.
  std::vector<std::string> positional() const;
  // True when an option was malformed or arguments remain that no option took.
  bool bad() const { return bad_; }
  std::string problem() const { return problem_; }
  // Call after taking every option: marks any unknown "--" argument as bad.
  void finish();

 private:
  std::vector<std::string> args_;
  std::vector<bool> used_;
  bool bad_ = false;
  std::string problem_;
};

// Opens the league named by its .CFG path for reading: sets DataPath and FileName and loads it,
// without finishing an interrupted save and refusing every write. Returns false (with a
// message on standard error) when it cannot be opened.
bool OpenLeagueFile(const std::string& cfgPath);

// Opens the league for a command that changes it: takes the league's writer lock for the rest
// of the command first (kExitLeagueInUse when another program holds it), then loads it,
// finishing an interrupted save. A file that cannot be read stops it with one message
// (kExitFailure) before anything is written. Returns kExitOk when open.
int OpenLeagueForWriting(const std::string& cfgPath);
// One of the two, for a command that changes the league only when writing is set.
int OpenLeague(const std::string& cfgPath, bool writing);

}  // namespace tallmark::cli
