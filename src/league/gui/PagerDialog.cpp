#include "league/gui/PagerDialog.h"

#include <QAction>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

#include <algorithm>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tallmark {

PagerDialog::PagerDialog(const QString& nextCaption, const QString& printCaption, QWidget* parent)
    : QDialog(parent) {
  body_ = new QVBoxLayout(this);
  body_->setContentsMargins(0, 0, 0, 0);
  menuBar_ = new QMenuBar(this);
  MenuClose = menuBar_->addAction("&Close");
  MenuPage = menuBar_->addAction(nextCaption);
  MenuPrint = menuBar_->addAction(printCaption);
  connect(MenuClose, &QAction::triggered, this, [this] { setCommand(Command::Close); });
  connect(MenuPage, &QAction::triggered, this, [this] { setCommand(Command::Next); });
  connect(MenuPrint, &QAction::triggered, this, [this] { setCommand(Command::Print); });
  body_->setMenuBar(menuBar_);
  setPagerMenus(false);
}

PagerDialog::~PagerDialog() = default;

QMenu* PagerDialog::makeQuestion(const QString& title, const QStringList& answers) {
  auto* menu = new QMenu(title, this);
  auto* question = new QLabel(title, menu);
  question->setObjectName(QStringLiteral("Question"));
  question->setStyleSheet(QStringLiteral("font-weight: bold; padding: 4px 8px;"));
  auto* line = new QWidgetAction(menu);
  line->setDefaultWidget(question);
  line->setEnabled(false);
  menu->addAction(line);
  for (const QString& answer : answers) menu->addAction(answer);
  return menu;
}

int PagerDialog::askQuestion(QMenu* menu) {
  QList<QAction*> answers = menu->actions();
  menu->setActiveAction(answers.value(1));
  QAction* chosen = menu->exec(mapToGlobal(rect().center()));
  // The window gets the keyboard back, its buttons' shortcuts with it.
  activateWindow();
  return std::max<int>(answers.indexOf(chosen) - 1, 0);
}

void PagerDialog::setPagerMenus(bool enabled) {
  MenuClose->setEnabled(enabled);
  MenuPage->setEnabled(enabled);
  MenuPrint->setEnabled(enabled);
}

void PagerDialog::setCommand(Command command) {
  command_ = command;
  if (waiting_) waiting_->quit();
}

PagerDialog::Command PagerDialog::waitForCommand() {
  setPagerMenus(true);
  activateWindow();
  setFocus();
  QEventLoop loop;
  waiting_ = &loop;
  command_ = Command::None;
  while (command_ == Command::None) loop.exec();
  waiting_ = nullptr;
  const Command command = command_;
  command_ = Command::None;
  setPagerMenus(false);
  return command;
}

void PagerDialog::reject() {
  if (waiting_) {
    setCommand(Command::Close);
    return;
  }
  if (!running_) QDialog::reject();
}

bool PagerDialog::focusNextPrevChild(bool next) {
  return waiting_ ? false : QDialog::focusNextPrevChild(next);
}

void PagerDialog::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers held =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (waiting_ && held == Qt::NoModifier) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
      case Qt::Key_PageDown: case Qt::Key_Tab: case Qt::Key_Return: case Qt::Key_Enter:
      case Qt::Key_Space: case Qt::Key_Down:
        setCommand(Command::Next);
        return;
      case Qt::Key_Escape: case Qt::Key_End:
        setCommand(Command::Close);
        return;
      case Qt::Key_2: case Qt::Key_3:
        if (keypad) { setCommand(Command::Next); return; }
        break;
      case Qt::Key_1:
        if (keypad) { setCommand(Command::Close); return; }
        break;
      default:
        break;
    }
  }
  if (waiting_) return;  // the pager swallows every other key while it waits
  QDialog::keyPressEvent(event);
}

}  // namespace tallmark
