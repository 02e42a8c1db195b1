// The commands of tallmark-cli. Each command file registers its commands with a static
// CommandRegistration, so that adding a command touches no other file.
#pragma once

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

// Opens the league named by its .CFG path: sets DataPath and FileName and loads it. Returns false
// (with a message on standard error) when it cannot be opened.
bool OpenLeagueFile(const std::string& cfgPath);

}  // namespace tallmark::cli
