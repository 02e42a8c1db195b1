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

std::string ErrorDescriptionOf(const std::string& text) {
  const std::string gap = "\r\n\r\n";
  std::size_t start = text.find(gap);
  if (start == std::string::npos) return text;
  start += gap.size();
  std::size_t end = text.find(gap, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool Interactive() { return isatty(STDIN_FILENO) && isatty(STDERR_FILENO); }

}  // namespace

MsgAnswer TerminalUserIO::message(const std::string& text, const std::string& title,
                                  MsgButtons buttons, MsgIcon,
                                  std::optional<MsgAnswer> defaultAnswer) {
  if (title == "PROGRAM ERROR!") {
    // Only the description (the second paragraph of the error text) is for a terminal: the
    // rest speaks of buttons. The same error reported again in a row is printed once.
    ++errors_;
    const std::string description = ErrorDescriptionOf(text);
    if (description != lastError_)
      std::fprintf(stderr, "tallmark-cli: error: %s\n", Plain(description).c_str());
    lastError_ = description;
    return MsgAnswer::Ok;
  }
  if (!title.empty()) std::fprintf(stderr, "%s: ", Plain(title).c_str());
  std::fprintf(stderr, "%s\n", Plain(text).c_str());
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (buttons == MsgButtons::OkCancel) return MsgAnswer::Ok;
  const MsgAnswer unattended = defaultAnswer.value_or(unattendedAnswer);
  if (!Interactive()) return unattended;
  const char* choices = !defaultAnswer ? "[y/n] "
                        : *defaultAnswer == MsgAnswer::No ? "[y/N] " : "[Y/n] ";
  for (;;) {
    std::fprintf(stderr, "%s", choices);
    std::string line;
    if (!std::getline(std::cin, line)) return unattended;
    if (line.empty() && defaultAnswer) return *defaultAnswer;
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
