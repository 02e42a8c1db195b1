// JSON output of the command-line tool.
#pragma once

#include <string>

namespace tallmark::cli {

// A UTF-8 text as a JSON string, quotes included.
std::string JsonString(const std::string& text);

}  // namespace tallmark::cli
