#include "cli/TerminalUserIO.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "common/Text.h"

namespace tallmark::cli {

namespace {

std::string Plain(const std::string& text) {
  std::string s;
  for (char c : text)
    if (c != '\r') s += c;
  return Cp1252ToUtf8(s);
}

bool Interactive() { return isatty(STDIN_FILENO) && isatty(STDERR_FILENO); }

}  // namespace

MsgAnswer TerminalUserIO::message(const std::string& text, const std::string& title,
                                  MsgButtons buttons, MsgIcon) {
  if (title == "PROGRAM ERROR!") {
    ++errors_;
    // The description is the third paragraph of the error text.
    std::fprintf(stderr, "tallmark-cli: error: %s\n", Plain(text).c_str());
    return MsgAnswer::Ok;
  }
  if (!title.empty()) std::fprintf(stderr, "%s: ", Plain(title).c_str());
  std::fprintf(stderr, "%s\n", Plain(text).c_str());
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (buttons == MsgButtons::OkCancel) return MsgAnswer::Ok;
  if (!Interactive()) return unattendedAnswer;
  for (;;) {
    std::fprintf(stderr, "[y/n] ");
    std::string line;
    if (!std::getline(std::cin, line)) return unattendedAnswer;
    if (!line.empty() && (line[0] == 'y' || line[0] == 'Y')) return MsgAnswer::Yes;
    if (!line.empty() && (line[0] == 'n' || line[0] == 'N')) return MsgAnswer::No;
  }
}

std::optional<std::string> TerminalUserIO::input(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& initial) {
  if (!Interactive()) return initial;
  std::fprintf(stderr, "%s [%s]: ", Plain(prompt).c_str(), Plain(initial).c_str());
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  if (line.empty()) return initial;
  return Utf8ToCp1252(line);
}

void TerminalUserIO::abortProgram() { std::exit(1); }

}  // namespace tallmark::cli
