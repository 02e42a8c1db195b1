#include "shell/gui/QtUserIO.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <cstdlib>

#include "league/gui/FormHelpers.h"

namespace tallmark {

namespace {

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

MsgAnswer FromQt(int button, MsgButtons buttons) {
  switch (button) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: break;
  }
  // Closed with Escape or the title bar: the cautious answer.
  return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

QWidget* DialogParent() { return QApplication::activeWindow(); }

}  // namespace

QString ApplicationTitle() {
  QString name = QCoreApplication::applicationName();
  return name.isEmpty() ? QStringLiteral("Tallmark") : name;
}

MsgAnswer QtUserIO::message(const std::string& text, const std::string& title,
                            MsgButtons buttons, MsgIcon icon) {
  QString caption = title.empty() ? ApplicationTitle() : FromLeagueText(title);
  QString body = FromLeagueText(text);
  body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QMessageBox box(ToQt(icon), caption, body, ToQt(buttons), DialogParent());
  box.setObjectName("MsgBox");
  // A question never waits behind a busy pointer.
  bool wasBusy = busy_;
  if (wasBusy) showNormal();
  int answer = box.exec();
  if (wasBusy) showBusy();
  return FromQt(answer, buttons);
}

std::optional<std::string> QtUserIO::input(const std::string& prompt, const std::string& title,
                                           const std::string& initial) {
  bool ok = false;
  QString caption = title.empty() ? ApplicationTitle() : FromLeagueText(title);
  QString text = QInputDialog::getText(DialogParent(), caption, FromLeagueText(prompt),
                                       QLineEdit::Normal, FromLeagueText(initial), &ok);
  if (!ok) return std::nullopt;
  return ToLeagueText(text);
}

void QtUserIO::beep() { QApplication::beep(); }

void QtUserIO::showBusy() {
  if (busy_) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
}

void QtUserIO::showNormal() {
  if (!busy_) return;
  QGuiApplication::restoreOverrideCursor();
  busy_ = false;
}

void QtUserIO::abortProgram() { std::exit(EXIT_FAILURE); }

}  // namespace tallmark
