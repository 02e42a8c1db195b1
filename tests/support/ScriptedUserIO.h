// A UserIO for tests: answers come from a script given in advance, and everything shown is kept.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/UserIO.h"

namespace tallmark::test {

struct ShownMessage {
  std::string text;
  std::string title;
  MsgButtons buttons;
  MsgIcon icon;
};

class ScriptedUserIO final : public UserIO {
 public:
  ScriptedUserIO() { previous_ = SetUserIO(this); }
  ~ScriptedUserIO() override { SetUserIO(previous_); }

  // Answers for the next questions, in order. With none left a question gets defaultAnswer.
  void answer(MsgAnswer a) { answers_.push_back(a); }
  void answerInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
  MsgAnswer defaultAnswer = MsgAnswer::Ok;

  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon) override {
    shown.push_back({text, title, buttons, icon});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers_.empty()) return defaultAnswer;
    MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override {
    shown.push_back({prompt, title, MsgButtons::OkCancel, MsgIcon::None});
    if (inputs_.empty()) return initial;
    auto v = inputs_.front();
    inputs_.pop_front();
    return v;
  }
  void beep() override { ++beeps; }
  void showBusy() override { ++busy; }
  void showNormal() override { --busy; }
  void abortProgram() override { aborted = true; }

  // Titles of the messages shown, in order.
  std::vector<std::string> titles() const {
    std::vector<std::string> t;
    for (const auto& m : shown) t.push_back(m.title);
    return t;
  }
  bool sawTitle(const std::string& title) const {
    for (const auto& m : shown)
      if (m.title == title) return true;
    return false;
  }
  int errorsReported() const {
    int n = 0;
    for (const auto& m : shown)
      if (m.title == "PROGRAM ERROR!") ++n;
    return n;
  }

  std::vector<ShownMessage> shown;
  int beeps = 0;
  int busy = 0;
  bool aborted = false;

 private:
  UserIO* previous_ = nullptr;
  std::deque<MsgAnswer> answers_;
  std::deque<std::optional<std::string>> inputs_;
};

}  // namespace tallmark::test
