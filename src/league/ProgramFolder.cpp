#include "league/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "league/FileSystem.h"

namespace fs = std::filesystem;

// The data folder relative to the programs' folder, as the installation lays them out.
#ifndef TALLMARK_DATA_FROM_BIN
#define TALLMARK_DATA_FROM_BIN "../share/tallmark"
#endif

namespace tallmark {

namespace {

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string ProgramFolder() {
  if (const char* home = std::getenv("TALLMARK_HOME"); home && *home) return WithSlash(home);
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return WithSlash(std::string(xdg) + "/Tallmark");
  const char* home = std::getenv("HOME");
  return WithSlash(std::string(home ? home : ".") + "/.local/share/Tallmark");
}

std::string InstalledDataFolder(const std::string& programFile) {
  std::error_code ec;
  fs::path exe = fs::weakly_canonical(fs::path(programFile), ec);
  if (ec) return {};
  // Where the installation puts the data, then where the build tree has it.
  for (const char* relative : {TALLMARK_DATA_FROM_BIN, "../share/tallmark"}) {
    fs::path data = (exe.parent_path() / relative).lexically_normal();
    if (fs::is_directory(data, ec)) return WithSlash(data.string());
  }
  return {};
}

bool SeedProgramFolder(const std::string& programFolder, const std::string& installedFolder) {
  std::error_code ec;
  fs::create_directories(programFolder, ec);
  if (!fs::is_directory(programFolder, ec)) return false;
  if (installedFolder.empty()) return true;
  for (const char* name : {"SCHEDULE.DAT", "SportsInfo.dat"}) {
    std::string source = installedFolder + name;
    if (!fs::exists(source, ec) || FileExists(programFolder + name)) continue;
    fs::copy_file(source, programFolder + name, ec);
  }
  return true;
}

}  // namespace tallmark
