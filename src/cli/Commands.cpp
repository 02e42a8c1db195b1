#include "cli/Commands.h"

#include <cstdio>
#include <cstdlib>

#include "league/FileSystem.h"

namespace tallmark::cli {

namespace {
std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}
}  // namespace

const std::vector<Command>& AllCommands() { return Registry(); }

CommandRegistration::CommandRegistration(Command command) {
  Registry().push_back(std::move(command));
}

int UsageError(const std::string& name, const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "tallmark-cli %s: %s\n", name.c_str(), problem.c_str());
  for (const Command& c : AllCommands())
    if (c.name == name)
      std::fprintf(stderr, "usage: tallmark-cli %s %s\n", c.name.c_str(), c.usage.c_str());
  return kExitUsage;
}

int Failure(const std::string& message) {
  std::fprintf(stderr, "tallmark-cli: %s\n", message.c_str());
  return kExitFailure;
}

bool ReadSheetFile(const std::string& path, std::uint64_t maxBytes, std::string& out) {
  const std::int64_t size = FileSize(path);
  if (size > static_cast<std::int64_t>(maxBytes)) {
    Failure(path + " is larger than the sheet of the largest league can be (" +
            std::to_string(maxBytes) + " bytes); nothing was changed");
    return false;
  }
  if (ReadWholeFile(path, out) == 0) return true;
  Failure("cannot read " + path);
  return false;
}

int DamageStatus(const std::vector<std::string>& notices) {
  for (const std::string& notice : notices) std::fprintf(stderr, "tallmark-cli: %s\n", notice.c_str());
  return notices.empty() ? kExitOk : kExitDamaged;
}

Args::Args(const std::vector<std::string>& args) : args_(args), used_(args.size(), false) {}

std::string Args::option(const std::string& name) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (used_[i] || args_[i] != name) continue;
    used_[i] = true;
    if (i + 1 >= args_.size()) {
      bad_ = true;
      problem_ = name + " needs a value";
      return {};
    }
    used_[i + 1] = true;
    return args_[i + 1];
  }
  return {};
}

bool Args::flag(const std::string& name) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (!used_[i] && args_[i] == name) {
      used_[i] = true;
      return true;
    }
  }
  return false;
}

int Args::number(const std::string& name, int fallback, int min, int max) {
  std::string v = option(name);
  if (v.empty()) return fallback;
  char* end = nullptr;
  long n = std::strtol(v.c_str(), &end, 10);
  if (*end != '\0' || n < min || n > max) {
    bad_ = true;
    problem_ = name + " takes a whole number from " + std::to_string(min) + " to " +
               std::to_string(max);
    return fallback;
  }
  return static_cast<int>(n);
}

std::vector<std::string> Args::positional() const {
  std::vector<std::string> p;
  for (std::size_t i = 0; i < args_.size(); ++i)
    if (!used_[i]) p.push_back(args_[i]);
  return p;
}

void Args::finish() {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (!used_[i] && args_[i].size() > 1 && args_[i][0] == '-' && args_[i] != "-") {
      bad_ = true;
      problem_ = "unknown option " + args_[i];
      return;
    }
  }
}

}  // namespace tallmark::cli
