// JSON output of the command-line tool.
#pragma once

#include <string>

namespace tallmark::cli {

// A UTF-8 text as a JSON string, quotes included.
std::string JsonString(const std::string& text);
// A number as the program writes it (NumberText, FixedTwo), when it is a JSON number;
// "null" otherwise, so that the output is always valid JSON.
std::string JsonNumber(const std::string& text);

}  // namespace tallmark::cli
