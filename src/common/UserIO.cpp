#include "common/UserIO.h"

#include "common/FileErrors.h"
#include "common/Text.h"

namespace tallmark {

namespace {

class SilentUserIO final : public UserIO {
 public:
  MsgAnswer message(const std::string&, const std::string&, MsgButtons buttons,
                    MsgIcon) override {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
  }
  std::optional<std::string> input(const std::string&, const std::string&,
                                   const std::string& initial) override {
    return initial;
  }
  void beep() override {}
  void showBusy() override {}
  void showNormal() override {}
  void abortProgram() override {}
};

SilentUserIO silent;
UserIO* current = &silent;

}  // namespace

UserIO& userio() { return *current; }

UserIO* SetUserIO(UserIO* io) {
  UserIO* previous = current == &silent ? nullptr : current;
  current = io ? io : &silent;
  return previous;
}

void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
  userio().message(text, title, MsgButtons::Ok, icon);
}

bool AskYesNo(const std::string& text, const std::string& title) {
  return userio().message(text, title, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

bool AskWarning(const std::string& text) {
  return userio().message(text, "WARNING", MsgButtons::YesNo, MsgIcon::Critical) ==
         MsgAnswer::Yes;
}

void Beep() { userio().beep(); }
void ShowBusy() { userio().showBusy(); }
void ShowNormal() { userio().showNormal(); }

std::string ErrorReportText(int number) {
  return "An error has occured in the program. The error is described as:" + NewLine + NewLine +
         ErrorDescription(number) + NewLine + NewLine +
         "If you understand the error and want to continue with the program, click on OK." +
         NewLine + NewLine +
         "If you don't understand the error or you want to terminate the program, click on "
         "Cancel. If necessary, feel free to contact the author for help.";
}

void ReportError(int number) {
  UserIO& io = userio();
  MsgAnswer a =
      io.message(ErrorReportText(number), "PROGRAM ERROR!", MsgButtons::OkCancel, MsgIcon::Question);
  if (a != MsgAnswer::Cancel) return;
  MsgAnswer really = io.message("Are you sure you want to exit the program?", "ABORT AND EXIT",
                                MsgButtons::YesNo, MsgIcon::Exclamation);
  if (really == MsgAnswer::Yes) io.abortProgram();
}

}  // namespace tallmark
