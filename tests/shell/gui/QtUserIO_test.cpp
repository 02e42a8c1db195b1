// The program's message boxes, input box and busy pointer, run offscreen.
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "league/LeagueData.h"
#include "common/UserIO.h"
#include "shell/gui/QtUserIO.h"

using namespace tallmark;

namespace {

// Runs act on the next modal window once it is shown.
void OnModal(std::function<void(QWidget*)> act, int tries = 200) {
  QTimer::singleShot(10, [act, tries] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w && tries > 0) {
      OnModal(act, tries - 1);
      return;
    }
    act(w);
  });
}

struct Seen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Notes the box shown and presses one of its buttons.
void Press(QMessageBox::StandardButton button, Seen& seen) {
  OnModal([button, &seen](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (!box) return;
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(button)->click();
  });
}

}  // namespace

class QtUserIOTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setApplicationName("Tallmark");
    InitLeagueData();
    SetUserIO(&io);
  }
  void cleanupTestCase() { SetUserIO(nullptr); }

  void messageIsTitledWithTheApplication() {
    Seen seen;
    Press(QMessageBox::Ok, seen);
    MsgBox("Created backup file: /x/&EAGUE.Z05");
    QCOMPARE(seen.title, QString("Tallmark"));
    QCOMPARE(seen.text, QString("Created backup file: /x/&EAGUE.Z05"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void questionsHaveTheQuestionIcon() {
    Seen seen;
    Press(QMessageBox::Yes, seen);
    QVERIFY(AskYesNo("Line one" + NewLine + "Line two", "CREATE BACKUP?"));
    QCOMPARE(seen.title, QString("CREATE BACKUP?"));
    QCOMPARE(seen.text, QString("Line one\nLine two"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    Press(QMessageBox::No, seen);
    QVERIFY(!AskYesNo("Again?", "CREATE BACKUP?"));
  }

  void warningsHaveTheCriticalIcon() {
    Seen seen;
    Press(QMessageBox::No, seen);
    QVERIFY(!AskWarning("Overwrite the existing file with a new file"));
    QCOMPARE(seen.title, QString("WARNING"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
  }

  void accentedTextsAreShownAsTheyRead() {
    Seen seen;
    Press(QMessageBox::Ok, seen);
    MsgBox("Jos\xE9 D\xED" "az");  // Windows-1252
    QCOMPARE(seen.text, QString::fromUtf8("Jos\xC3\xA9 D\xC3\xAD" "az"));
  }

  void errorHandlerOkGoesOn() {
    Seen seen;
    Press(QMessageBox::Ok, seen);
    ReportError(53);
    QCOMPARE(seen.title, QString("PROGRAM ERROR!"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(seen.text.contains("File not found"));
  }

  void errorHandlerCancelThenNoGoesOn() {
    Seen first, second;
    Press(QMessageBox::Cancel, first);
    QTimer::singleShot(50, [&] { Press(QMessageBox::No, second); });
    ReportError(61);
    QCOMPARE(first.title, QString("PROGRAM ERROR!"));
    QCOMPARE(second.title, QString("ABORT AND EXIT"));
    QCOMPARE(second.text, QString("Are you sure you want to exit the program?"));
    QCOMPARE(second.icon, QMessageBox::Warning);
  }

  void inputBoxGivesTheTextOrNothing() {
    OnModal([](QWidget* w) {
      auto* dialog = qobject_cast<QInputDialog*>(w);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString("LEAGUE CODE"));
      QCOMPARE(dialog->labelText(), QString("The league code assigned to your league"));
      QCOMPARE(dialog->textValue(), QString("BFJ-00"));
      dialog->setTextValue(QString::fromUtf8("ABC-\xC3\xA9"));
      dialog->accept();
    });
    auto code = io.input("The league code assigned to your league", "LEAGUE CODE", "BFJ-00");
    QVERIFY(code.has_value());
    QCOMPARE(QByteArray::fromStdString(*code), QByteArray("ABC-\xE9"));
    OnModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QVERIFY(!io.input("p", "t", "x").has_value());
  }

  void busyPointer() {
    {
      BusyPointer busy;
      QVERIFY(QGuiApplication::overrideCursor());
      QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
      ShowBusy();  // a second call does not stack
    }
    QVERIFY(!QGuiApplication::overrideCursor());
  }

 private:
  QtUserIO io;
};

QTEST_MAIN(QtUserIOTest)
#include "QtUserIO_test.moc"
