// The one way core code talks to the user: messages, questions, input boxes, beeps, the busy
// pointer and the common error handler. The program implements it with dialogs, the command-line
// tool with the terminal, and tests with scripted answers.
#pragma once

#include <optional>
#include <string>

namespace tallmark {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class UserIO {
 public:
  virtual ~UserIO() = default;

  // A message box. An empty title means the application's title. A question may name its
  // default answer: the button chosen by Enter, and the answer when nobody can be asked;
  // without one the first button is the default.
  virtual MsgAnswer message(const std::string& text, const std::string& title = {},
                            MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                            std::optional<MsgAnswer> defaultAnswer = std::nullopt) = 0;
  // An input box; nullopt when cancelled.
  virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                           const std::string& initial) = 0;
  virtual void beep() = 0;
  virtual void showBusy() = 0;
  virtual void showNormal() = 0;
  // Ends the program at once, without saving (the error handler's "ABORT AND EXIT").
  virtual void abortProgram() = 0;
};

// The UserIO in force. Until one is installed a silent one answers Ok/Yes to everything.
UserIO& userio();
// Installs io (not owned); nullptr restores the silent one. Returns the previous one.
UserIO* SetUserIO(UserIO* io);

// Put in front of the UserIO in force for as long as it lives: passes everything on to it; a
// subclass changes what it needs.
class ForwardingUserIO : public UserIO {
 public:
  ForwardingUserIO() : inner_(&userio()), restore_(SetUserIO(this)) {}
  ~ForwardingUserIO() override { SetUserIO(restore_); }
  ForwardingUserIO(const ForwardingUserIO&) = delete;
  ForwardingUserIO& operator=(const ForwardingUserIO&) = delete;

  MsgAnswer message(const std::string& text, const std::string& title, MsgButtons buttons,
                    MsgIcon icon, std::optional<MsgAnswer> defaultAnswer) override {
    return inner_->message(text, title, buttons, icon, defaultAnswer);
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override {
    return inner_->input(prompt, title, initial);
  }
  void beep() override { inner_->beep(); }
  void showBusy() override { inner_->showBusy(); }
  void showNormal() override { inner_->showNormal(); }
  void abortProgram() override { inner_->abortProgram(); }

 private:
  UserIO* inner_;
  UserIO* restore_;
};

// Shortcuts.
void MsgBox(const std::string& text, const std::string& title = {},
            MsgIcon icon = MsgIcon::None);
// A Yes/No question with the question icon; true for Yes. defaultAnswer names the default
// button (Yes when none is named).
bool AskYesNo(const std::string& text, const std::string& title = {},
              std::optional<MsgAnswer> defaultAnswer = std::nullopt);
// A "WARNING" Yes/No box with the critical icon; true for Yes.
bool AskWarning(const std::string& text);
void Beep();
void ShowBusy();
void ShowNormal();

// Shows the busy pointer for the life of the object.
class BusyPointer {
 public:
  BusyPointer() { ShowBusy(); }
  ~BusyPointer() { ShowNormal(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// The common error handler: shows error n with its description and lets the user continue
// (OK) or end the program (Cancel, then Yes to "ABORT AND EXIT").
void ReportError(int number);
// The text the error handler shows for error n.
std::string ErrorReportText(int number);

}  // namespace tallmark
