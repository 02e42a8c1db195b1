// The base of the windows that show their output a screen at a time (the report and graph
// windows): the pager's menu bar ("&Close", the next page, the print of the page shown) and the
// pager's wait for the user's command, with its keys.
#pragma once

#include <QDialog>

class QAction;
class QEventLoop;
class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace tallmark {

class PagerDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Command { None = 0, Close = 1, Next = 2, Print = 3 };

  // nextCaption and printCaption are the captions of the next-page and print menus.
  PagerDialog(const QString& nextCaption, const QString& printCaption, QWidget* parent);
  ~PagerDialog() override;

  QAction* MenuClose = nullptr;
  QAction* MenuPage = nullptr;
  QAction* MenuPrint = nullptr;

  // Closing the window while the pager waits is "&Close"; during a run it waits for its end.
  void reject() override;

 protected:
  // An opening question: a menu of numbered answers with the question as its first line.
  QMenu* makeQuestion(const QString& title, const QStringList& answers);
  // Pops the question up over the window; the index of the answer, 0 when none was chosen.
  int askQuestion(QMenu* menu);
  // The window's layout under the menu bar, without margins.
  QVBoxLayout* body() const { return body_; }
  // Waits, with the pager's menus on, for the user's command for the page shown.
  Command waitForCommand();
  bool waiting() const { return waiting_ != nullptr; }

  // PageDown, Tab, Return, Enter, Space, Down and keypad 2 and 3 page on; Escape, End and
  // keypad 1 close. The pager swallows every other key while it waits.
  void keyPressEvent(QKeyEvent* event) override;
  // Tab pages on while the pager waits instead of moving the focus.
  bool focusNextPrevChild(bool next) override;

  bool running_ = false;  // a run is in progress

 private:
  void setPagerMenus(bool enabled);
  void setCommand(Command command);

  QVBoxLayout* body_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  Command command_ = Command::None;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace tallmark
