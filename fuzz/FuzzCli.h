// Runs a command of the command-line tool in this process, as "tallmark-cli NAME ARGS" would.
#pragma once

#include <string>
#include <vector>

namespace tallmark::fuzz {

int RunCommand(const std::string& name, const std::vector<std::string>& args);

}  // namespace tallmark::fuzz
