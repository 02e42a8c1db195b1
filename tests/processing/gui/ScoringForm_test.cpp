// The scoring options window driven from the keyboard, as the secretary uses it.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
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
  // Goes to the tab with Ctrl+Tab, from wherever the focus is.
  void goToTab(ScoringForm& form, int tab) {
    while (form.tabs()->currentIndex() != tab)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
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

  void gamesPerWeekAboveTwelveIsCutAndStored() {
    test::ScriptedUserIO io;
    lg.RecalcGames[10] = 4;
    lg.RecalcGames[11] = 15;
    ScoringForm form;
    open(form);
    typeInto(form.pointBox(SO::kGamesPerWeekBox), "15");
    QCOMPARE(form.pointBox(SO::kGamesPerWeekBox)->text(), QString("12"));
    QCOMPARE(io.beeps, 1);
    typeInto(form.pointBox(SO::kNewAverageBox), "9");
    // Enter in the box: the default button stores
    form.pointBox(SO::kNewAverageBox)->edit()->setFocus();
    QTest::keyClick(form.pointBox(SO::kNewAverageBox)->edit(), Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(lg.GamesPerWeek, Integer{12});
    QCOMPARE(lg.GamesForNewAverage, Integer{9});
    QCOMPARE(lg.RecalcGames[10], Integer{9});
    QCOMPARE(lg.RecalcGames[11], Integer{15});
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

  void scratchLeagueZeroesTheHandicapSettings() {
    test::ScriptedUserIO io;
    lg.ScratchBase = {200, 200, 600};
    lg.PercentHandicap = {90, 90, 90};
    lg.MaxHandicap = {60, 60, 200};
    lg.VacancyScore = {125, 125, 125};
    ScoringForm form;
    open(form);
    goToTab(form, 1);
    QVERIFY(form.groupBox(SO::kScratchRow, 0)->isEnabled());
    pressKey(form.methodButton(SO::kScratchLeague), Qt::Key_Space);
    QVERIFY(form.methodButton(SO::kScratchLeague)->isChecked());
    QVERIFY(!form.groupBox(SO::kScratchRow, 0)->isEnabled());
    QVERIFY(form.groupBox(SO::kVacancyRow, 0)->isEnabled());
    typeInto(form.groupBox(SO::kVacancyRow, 0), "130");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(lg.HandicapMethod, Integer{1});
    for (int g = 0; g <= 2; ++g) {
      QCOMPARE(lg.ScratchBase[g], Integer{0});
      QCOMPARE(lg.PercentHandicap[g], Integer{0});
      QCOMPARE(lg.MaxHandicap[g], Integer{0});
    }
    QCOMPARE(lg.VacancyScore[0], Integer{130});
    QCOMPARE(lg.VacancyScore[1], Integer{130});  // no different scoring: copied from group 0
  }

  void teamColumnFollowsTheTeamMethodAndTheMessageIsShown() {
    test::ScriptedUserIO io;
    ScoringForm form;
    open(form);
    goToTab(form, 1);
    QVERIFY(!form.groupBox(SO::kScratchRow, 2)->isEnabled());
    pressKey(form.methodButton(SO::kTeamDifference), Qt::Key_Space);
    QCOMPARE(io.shown.size(), size_t{1});
    QVERIFY(io.shown[0].text.find("OPPONENT button") != std::string::npos);
    QVERIFY(form.groupBox(SO::kScratchRow, 2)->isEnabled());
    // team column: 300 x 3 players at most
    typeInto(form.groupBox(SO::kScratchRow, 2), "1000");
    QCOMPARE(form.groupBox(SO::kScratchRow, 2)->text(), QString("900"));
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QCOMPARE(lg.HandicapMethod, Integer{-2});
    QCOMPARE(lg.ScratchBase[2], Integer{900});
  }

  void switchesAndChoicesChangeCaptionsAndStoredValues() {
    test::ScriptedUserIO io;
    lg.SortByHandicapTotal = 0;
    lg.UnearnedInTeamStats = 0;
    ScoringForm form;
    open(form);
    QVERIFY(form.pointLabel(SO::kHighGameBox)->text().contains("individual scratch"));
    pressKey(form.highGameTeamButton(), Qt::Key_Space);
    pressKey(form.highGameHandicapButton(), Qt::Key_Space);
    QVERIFY(form.pointLabel(SO::kHighGameBox)->text().contains("team handicap"));
    goToTab(form, 1);
    pressKey(form.switchBox(SO::kAbsenteePercent), Qt::Key_Space);
    QVERIFY(form.groupRowLabel(SO::kAbsenteeRow)->text().endsWith("this percent."));
    typeInto(form.groupBox(SO::kAbsenteeRow, 0), "150");
    QCOMPARE(form.groupBox(SO::kAbsenteeRow, 0)->text(), QString("100"));
    goToTab(form, 2);
    pressKey(form.switchBox(SO::kSortByHandicap), Qt::Key_Space);
    pressKey(form.switchBox(SO::kCreditUnearned), Qt::Key_Space);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QCOMPARE(lg.HighGameMode, Integer{3});
    QCOMPARE(lg.AbsenteeIsPercent, Integer{-1});
    QCOMPARE(lg.AbsenteeLess[0], Integer{100});
    QCOMPARE(lg.SortByHandicapTotal, Integer{-2});
    QCOMPARE(lg.UnearnedInTeamStats, Integer{-2});
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

  // With TALLMARK_SCREENSHOTS set to a folder, saves a picture of each tab there.
  void screenshots() {
    const QString folder = qEnvironmentVariable("TALLMARK_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TALLMARK_SCREENSHOTS not set");
    test::ScriptedUserIO io;
    ScoringForm form;
    open(form);
    for (int tab = 0; tab < form.tabs()->count(); ++tab) {
      form.tabs()->setCurrentIndex(tab);
      QTest::qWait(100);
      QVERIFY(form.grab().save(QDir(folder).filePath(QString("scoring_tab%1.png").arg(tab))));
    }
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.switchBox(SO::kAutoWinForfeit), &enter);
    QTest::qWait(50);
    QVERIFY(form.grab().save(QDir(folder).filePath("scoring_tip.png")));
    // the whole screen, to see the window's size against a laptop's
    QVERIFY(form.screen()->grabWindow(0).save(QDir(folder).filePath("scoring_screen.png")));
  }
};

QTEST_MAIN(ScoringFormTest)
#include "ScoringForm_test.moc"
