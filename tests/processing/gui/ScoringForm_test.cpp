// The scoring options window driven from the keyboard, as the secretary uses it.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "league/LeagueData.h"
#include "processing/gui/ScoringForm.h"
#include "processing/gui/SpinTextBox.h"
#include "support/ScriptedUserIO.h"

using namespace tallmark;
using SO = ScoringOptions;

class ScoringFormTest : public QObject {
  Q_OBJECT

 private:
  // Opens the window as the main window would and waits until it has the keyboard.
  void open(ScoringForm& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }
  // Types text over the box's contents and leaves the box with Tab.
  void typeInto(SpinTextBox* box, const QString& text) {
    box->edit()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box->edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box->edit(), text);
    QTest::keyClick(box->edit(), Qt::Key_Tab);
  }
  void pressKey(QWidget* control, Qt::Key key) {
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, key);
  }

 private slots:
  void init() {
    InitLeagueData();
    lg.PlayersPerWeek = 3;
    lg.GamesForNewAverage = 3;
    lg.HandicapMethod = 0;
  }

  void aBoxLeftWithEnterIsCheckedBeforeStoring() {
    test::ScriptedUserIO io;
    ScoringForm form;
    open(form);
    SpinTextBox* box = form.pointBox(SO::kTeamGameBox);
    box->edit()->setFocus();
    QTest::keyClick(box->edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box->edit(), "250");
    QTest::keyClick(box->edit(), Qt::Key_Return);
    QCOMPARE(lg.TeamPointsGame, Integer{99});
    QCOMPARE(io.beeps, 1);
  }

  void badTextGivesBackThePreviousValueAndSpinsStep() {
    test::ScriptedUserIO io;
    lg.TeamPointsSeries = 4;
    ScoringForm form;
    open(form);
    SpinTextBox* box = form.pointBox(SO::kTeamSeriesBox);
    typeInto(box, "1x");
    QCOMPARE(box->text(), QString("4"));
    pressKey(box->edit(), Qt::Key_Up);
    QCOMPARE(box->text(), QString("5"));
    QToolButton* down = box->findChildren<QToolButton*>().at(1);
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(box->text(), QString("3"));
    QCOMPARE(io.beeps, 0);
    QTest::keyClick(&form, Qt::Key_Escape);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(lg.TeamPointsSeries, Integer{4});  // Cancel stores nothing
  }

  void matchPointSwitchOffCopiesTheTeamPoints() {
    test::ScriptedUserIO io;
    lg.MatchPointsStanding = True;
    lg.PlayerPointsGame = 5;
    lg.PlayerPointsSeries = 5;
    ScoringForm form;
    open(form);
    QVERIFY(form.pointBox(SO::kPlayerGameBox)->isEnabled());
    typeInto(form.pointBox(SO::kTeamGameBox), "2");
    typeInto(form.pointBox(SO::kTeamSeriesBox), "3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);  // Match &Point
    QTRY_VERIFY(!form.switchBox(SO::kMatchPointLeague)->isChecked());
    QVERIFY(!form.pointBox(SO::kPlayerGameBox)->isEnabled());
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QCOMPARE(lg.MatchPointsStanding, Integer{0});
    QCOMPARE(lg.PlayerPointsGame, Integer{2});
    QCOMPARE(lg.PlayerPointsSeries, Integer{3});
  }

  void toolTipsShowOnlyWhenSwitchedOn() {
    test::ScriptedUserIO io;
    ScoringForm form;
    open(form);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.okButton(), &enter);
    QVERIFY(form.tipLabel()->isVisible());
    QCOMPARE(form.tipLabel()->text(), QString("Click here to exit and save your selections."));
    QApplication::sendEvent(form.pointBox(SO::kGamesPerWeekBox), &enter);
    QVERIFY(form.tipLabel()->text().endsWith(" (F1). "));
    QTest::mouseMove(&form, QPoint(2, 2));  // the window's background
    QTRY_VERIFY(!form.tipLabel()->isVisible());

    lg.ToolTips = False;
    QApplication::sendEvent(form.cancelButton(), &enter);
    QVERIFY(!form.tipLabel()->isVisible());
  }

};

QTEST_MAIN(ScoringFormTest)
#include "ScoringForm_test.moc"
