// The command-line tool's UserIO: messages on standard error, questions answered from the
// terminal when there is one, otherwise with the tool's default answer.
#pragma once

#include "common/UserIO.h"

namespace tallmark::cli {

class TerminalUserIO final : public UserIO {
 public:
  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
  void beep() override {}
  void showBusy() override {}
  void showNormal() override {}
  void abortProgram() override;

  // The answer to Yes/No questions when no terminal can answer them.
  MsgAnswer unattendedAnswer = MsgAnswer::Yes;
  int errorsReported() const { return errors_; }

 private:
  int errors_ = 0;
};

}  // namespace tallmark::cli
