// A UserIO for commands that run the program's rules unattended: messages are kept for the
// command to print, questions get a fixed answer, and error reports go on to the terminal.
#pragma once

#include <string>
#include <vector>

#include "common/UserIO.h"

namespace tallmark::cli {

class CaptureUserIO final : public UserIO {
 public:
  explicit CaptureUserIO(MsgAnswer answer = MsgAnswer::Yes) : answer_(answer) {
    previous_ = SetUserIO(this);
  }
  ~CaptureUserIO() override { SetUserIO(previous_); }
  CaptureUserIO(const CaptureUserIO&) = delete;
  CaptureUserIO& operator=(const CaptureUserIO&) = delete;

  struct Shown {
    std::string text;
    std::string title;
  };

  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon) override {
    if (previous_ && (title == "PROGRAM ERROR!" || title == "ABORT AND EXIT"))
      return previous_->message(text, title, buttons, icon);
    shown.push_back({text, title});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (buttons == MsgButtons::OkCancel) return MsgAnswer::Ok;
    return answer_;
  }
  std::optional<std::string> input(const std::string&, const std::string&,
                                   const std::string& initial) override {
    return initial;
  }
  void beep() override { ++beeps; }
  void showBusy() override {}
  void showNormal() override {}
  void abortProgram() override {
    if (previous_) previous_->abortProgram();
  }

  void clear() {
    shown.clear();
    beeps = 0;
  }

  std::vector<Shown> shown;
  int beeps = 0;

 private:
  MsgAnswer answer_;
  UserIO* previous_ = nullptr;
};

}  // namespace tallmark::cli
