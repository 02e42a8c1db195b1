// The program's dialogs for the core's messages, questions, input boxes, beep and busy pointer.
#pragma once

#include <QString>

#include "common/UserIO.h"

namespace tallmark {

class QtUserIO final : public UserIO {
 public:
  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
  void beep() override;
  void showBusy() override;
  void showNormal() override;
  void abortProgram() override;

 private:
  bool busy_ = false;
};

// The title of message boxes that name none: the application's title.
QString ApplicationTitle();

}  // namespace tallmark
