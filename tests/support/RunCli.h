// Runs the command-line tool as a separate program, as a script would.
#pragma once

#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "league/LeagueLock.h"
#include "support/TempDir.h"

namespace tallmark::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// tallmark-cli with the arguments (each quoted for the shell), TALLMARK_HOME = home, no terminal.
// The test lets go of the league it may hold open, as a user closes the window first.
inline CliResult RunCli(const std::string& home, const std::vector<std::string>& args) {
  ReleaseLeagueLock();
  TempDir scratch;
  std::string command = "TALLMARK_HOME='" + home + "' '" TALLMARK_CLI "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " </dev/null >'" + scratch.file("out") + "' 2>'" + scratch.file("err") + "'";
  const int rc = std::system(command.c_str());
  auto text = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  };
  return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, text(scratch.file("out")),
          text(scratch.file("err"))};
}

// Whitespace outside quoted strings removed, so that JSON compares whatever its layout.
inline std::string CompactJson(const std::string& json) {
  std::string out;
  bool quoted = false;
  for (char c : json) {
    if (c == '"') quoted = !quoted;
    if (quoted || !std::isspace(static_cast<unsigned char>(c))) out += c;
  }
  return out;
}

}  // namespace tallmark::test
