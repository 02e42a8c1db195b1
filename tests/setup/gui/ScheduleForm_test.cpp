// The lanes and schedule window on a new league of 8 teams, driven with the mouse and keyboard as
// the secretary uses it.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "league/LeagueData.h"
#include "league/ScheduleTemplate.h"
#include "setup/gui/ScheduleForm.h"
#include "setup/gui/NewLeagueOnDisk.h"

using namespace tallmark;
using Form = ScheduleForm;

class ScheduleFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::NewLeagueOnDisk> league_;
  std::string template_;  // the 8-team template the league was built from
  int templateWeeks_ = 0;

  void open(Form& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }
  QString cell(Form& form, int row, int column) {
    return form.grid()->item(row, column)->text();
  }
  void clickCell(Form& form, int row, int column) {
    QTableWidgetItem* item = form.grid()->item(row, column);
    form.grid()->scrollToItem(item);
    QTest::mouseClick(form.grid()->viewport(), Qt::LeftButton, {},
                      form.grid()->visualItemRect(item).center());
  }
  void press(Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(form.editor(), key, modifiers);
  }
  // Types over the editor's text, then Enter.
  void type(Form& form, const QString& text) {
    form.editor()->selectAll();
    QTest::keyClicks(form.editor(), text);
    press(form, Qt::Key_Return);
  }
  // The editor lies over the cell of the window's current place.
  void expectEditorAt(Form& form, int row, int column) {
    QCOMPARE(form.setup().row(), row);
    QCOMPARE(form.setup().column(), column);
    QCOMPARE(form.editor()->geometry(),
             form.grid()->visualItemRect(form.grid()->item(row, column)));
    QVERIFY(form.editor()->isVisible());
  }
  // Replaces the league of init with one of the given number of teams in a folder of its own.
  void freshLeague(int teams) {
    league_.reset();  // its scripted answers are uninstalled first
    league_ = std::make_unique<test::NewLeagueOnDisk>();
    league_->build(teams, 2, 2, 0, 10);
  }
  QString templateCell(int week, int slot) {
    return QString::number(TemplateTeam(template_, 8, week - 1, slot));
  }

 private slots:
  void init() {
    league_ = std::make_unique<test::NewLeagueOnDisk>();
    league_->build(8, 4, 3, 2, 30);
    template_ = lg.ScheduleText;
    templateWeeks_ = lg.ScheduleTemplate;
    QVERIFY(templateWeeks_ >= 7);
  }
  void cleanup() { league_.reset(); }

  void gridShowsLaneNumbersAndTemplateWeeks() {
    Form form;
    open(form);
    QCOMPARE(form.windowTitle(), QString("BOWLING SCHEDULE SETUP"));
    QCOMPARE(form.grid()->rowCount(), 31);
    QCOMPARE(form.grid()->columnCount(), 9);
    for (int slot = 1; slot <= 8; ++slot) QCOMPARE(cell(form, 0, slot), QString::number(100 + slot));
    QCOMPARE(cell(form, 0, 0), QString("Lane"));
    for (int week = 1; week <= 30; ++week) {
      QCOMPARE(cell(form, week, 0), QString::number(week));
      for (int slot = 1; slot <= 8; ++slot)
        QCOMPARE(cell(form, week, slot),
                 week <= templateWeeks_ ? templateCell(week, slot) : QString("TBD"));
    }
    QCOMPARE(form.weeksLabel()->text(), QString("Weeks to Bowl: 30"));
    QCOMPARE(form.teamsLabel()->text(), QString("Teams: 8"));
    QVERIFY(form.button(Form::ReferenceButton)->isVisible());
    expectEditorAt(form, 0, 1);
    QCOMPARE(form.editor()->text(), QString("101"));
  }

  void keysMoveTheEditorPastScoredWeeks() {
    lg.CurrentWeek = 3;
    Form form;
    open(form);
    press(form, Qt::Key_Down);  // weeks 1 to 3 are scored
    expectEditorAt(form, 4, 1);
    press(form, Qt::Key_Up);  // from the first unscored week to the lane numbers
    expectEditorAt(form, 0, 1);
    press(form, Qt::Key_Up);  // above the top: the last week
    expectEditorAt(form, 30, 1);
    press(form, Qt::Key_Down);  // below the bottom: the lane numbers
    expectEditorAt(form, 0, 1);
    press(form, Qt::Key_PageDown);
    expectEditorAt(form, 30, 1);
    press(form, Qt::Key_Up);
    expectEditorAt(form, 29, 1);
    press(form, Qt::Key_PageUp);
    expectEditorAt(form, 0, 1);
    press(form, Qt::Key_Left);  // before the first slot: the last
    expectEditorAt(form, 0, 8);
    press(form, Qt::Key_Return);
    expectEditorAt(form, 0, 1);
    press(form, Qt::Key_Right);
    expectEditorAt(form, 0, 2);
    press(form, Qt::Key_End);
    expectEditorAt(form, 0, 8);
    press(form, Qt::Key_Home);
    expectEditorAt(form, 0, 1);
    press(form, Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter is Enter too
    expectEditorAt(form, 0, 2);
    // With Shift, Ctrl or Alt held the keys do not move the editor, and Enter and Escape do
    // not close the window.
    for (auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
      for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape, Qt::Key_End})
        press(form, key, modifier);
    }
    expectEditorAt(form, 0, 2);
    QVERIFY(form.isVisible());
    // Escape brings back the cell's text.
    form.editor()->selectAll();
    QTest::keyClicks(form.editor(), "77");
    press(form, Qt::Key_Escape);
    QCOMPARE(form.editor()->text(), QString("102"));
    QVERIFY(form.isVisible());
    // Weeks far down are scrolled into view under the editor.
    press(form, Qt::Key_PageDown);
    expectEditorAt(form, 30, 2);
    QVERIFY(form.grid()->viewport()->rect().contains(form.editor()->geometry()));
    // Scrolling back up with the scroll bar leaves the editor on its cell, out of view.
    form.grid()->verticalScrollBar()->setValue(0);
    QCOMPARE(form.grid()->verticalScrollBar()->value(), 0);
    QCOMPARE(form.editor()->geometry(),
             form.grid()->visualItemRect(form.grid()->item(30, 2)));
    QVERIFY(!form.grid()->viewport()->rect().intersects(form.editor()->geometry()));
    press(form, Qt::Key_Up);  // the next key brings the cell back into view
    expectEditorAt(form, 29, 2);
    QVERIFY(form.grid()->viewport()->rect().contains(form.editor()->geometry()));
  }

  void aScoredWeekCannotBeEdited() {
    lg.CurrentWeek = 3;
    Form form;
    open(form);
    QVERIFY(!form.setup().rowEditable(2));
    QCOMPARE(form.grid()->item(2, 1)->background().color(), QColor(0xe8, 0xe8, 0xe8));
    clickCell(form, 2, 5);  // the editor goes to the first week that can be edited
    expectEditorAt(form, 4, 5);
    clickCell(form, 6, 0);  // a week number: that week's first slot
    expectEditorAt(form, 6, 1);
    const QString before = cell(form, 2, 5);
    type(form, "POS");
    QCOMPARE(cell(form, 2, 5), before);
  }

  void aTeamAlreadyInTheWeekChangesPlaces() {
    Form form;
    open(form);
    const QString first = cell(form, 5, 1);
    const QString third = cell(form, 5, 3);
    QVERIFY(first != third);
    clickCell(form, 5, 1);
    expectEditorAt(form, 5, 1);
    type(form, third);
    QCOMPARE(cell(form, 5, 1), third);
    QCOMPARE(cell(form, 5, 3), first);
    expectEditorAt(form, 5, 2);
    type(form, "0");  // a position slot
    QCOMPARE(cell(form, 5, 2), QString("POS"));
    type(form, "150");  // nobody yet
    QCOMPARE(cell(form, 5, 3), QString("TBD"));
    QCOMPARE(league_->io.beeps, 0);
    type(form, "9");  // no such team: refused with a beep
    QCOMPARE(cell(form, 5, 4), templateCell(5, 4));
    QCOMPARE(league_->io.beeps, 1);
    QTest::mouseClick(form.button(Form::SaveButton), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));

    league_->reload();
    const std::vector<int> week5 = league_->week(5);
    QCOMPARE(QString::number(week5[0]), third);
    QCOMPARE(week5[1], int(kPositionTeam));
    QCOMPARE(week5[2], int(kTbdTeam));
    QCOMPARE(QString::number(week5[3]), templateCell(5, 4));
    QCOMPARE(lg.ScheduleEachWeek, True);  // a future week left with "TBD"
  }

  void laneNumbersOutsideOneTo500AreRefused() {
    Form form;
    open(form);
    press(form, Qt::Key_Right);
    type(form, "501");
    QCOMPARE(cell(form, 0, 2), QString("102"));
    press(form, Qt::Key_Left);
    type(form, "0");
    QCOMPARE(cell(form, 0, 2), QString("102"));
    press(form, Qt::Key_Left);
    type(form, "lane");
    QCOMPARE(cell(form, 0, 2), QString("102"));
    press(form, Qt::Key_Left);
    type(form, "500");
    QCOMPARE(cell(form, 0, 2), QString("500"));
    type(form, "1");
    QCOMPARE(cell(form, 0, 3), QString("1"));
    QCOMPARE(lg.LaneNumber[2], Integer{102});  // only saving takes them
    QTest::mouseClick(form.button(Form::SaveButton), Qt::LeftButton);

    league_->reload();
    QCOMPARE(lg.LaneNumber[1], Integer{101});
    QCOMPARE(lg.LaneNumber[2], Integer{500});
    QCOMPARE(lg.LaneNumber[3], Integer{1});
    QCOMPARE(lg.LaneNumber[8], Integer{108});
  }

  void insertingAPositionWeek() {
    Form form;
    open(form);
    clickCell(form, 3, 2);
    QStringList week4, week30;
    for (int slot = 1; slot <= 8; ++slot) {
      week4 << cell(form, 4, slot);
      week30 << cell(form, 30, slot);
    }
    league_->io.answer(MsgAnswer::No);
    QTest::mouseClick(form.button(Form::PositionButton), Qt::LeftButton);
    QCOMPARE(lg.NumWeeks, Integer{30});
    QCOMPARE(league_->io.shown.back().text,
             std::string("Insert a position week after current week 3"));
    QCOMPARE(league_->io.shown.back().title, std::string("POSITION WEEK"));
    league_->io.answer(MsgAnswer::Yes);
    QTest::mouseClick(form.button(Form::PositionButton), Qt::LeftButton);
    QCOMPARE(form.grid()->rowCount(), 32);
    QCOMPARE(form.weeksLabel()->text(), QString("Weeks to Bowl: 31"));
    for (int slot = 1; slot <= 8; ++slot) {
      QCOMPARE(cell(form, 4, slot), QString("POS"));
      QCOMPARE(cell(form, 5, slot), week4[slot - 1]);
      QCOMPARE(cell(form, 31, slot), week30[slot - 1]);
    }
    // Inserted weeks are stored at once; cancelling drops only the grid's own edits.
    clickCell(form, 0, 1);
    type(form, "222");
    QTest::mouseClick(form.button(Form::CancelButton), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));

    league_->reload();
    QCOMPARE(lg.NumWeeks, Integer{31});
    QCOMPARE(lg.LaneNumber[1], Integer{101});
    QCOMPARE(league_->week(4), std::vector<int>(8, kPositionTeam));
    QCOMPARE(QString::number(league_->week(5)[0]), week4[0]);
  }

  void droppingAndAddingWeeksUpToTheMaximum() {
    lg.CurrentWeek = 2;
    Form form;
    open(form);
    press(form, Qt::Key_PageDown);
    league_->io.answer(MsgAnswer::Yes);
    QTest::mouseClick(form.button(Form::DropButton), Qt::LeftButton);
    QCOMPARE(league_->io.shown.back().text, std::string("Drop week 30 from the schedule"));
    QCOMPARE(league_->io.shown.back().title, std::string("DROP A WEEK"));
    QCOMPARE(form.grid()->rowCount(), 30);
    QCOMPARE(form.setup().row(), 29);  // limited to the last week
    for (int n = 29; n < 52; ++n) QTest::mouseClick(form.button(Form::AddButton), Qt::LeftButton);
    QCOMPARE(lg.NumWeeks, Integer{52});
    QCOMPARE(form.grid()->rowCount(), 53);
    QCOMPARE(cell(form, 52, 1), QString("TBD"));  // the template does not wrap around
    // The 53rd week is refused, added or inserted.
    QTest::mouseClick(form.button(Form::AddButton), Qt::LeftButton);
    QCOMPARE(league_->io.shown.back().text,
             std::string("NUMBER OF WEEKS AT MAXIMUM; CAN'T ADD ANOTHER WEEK"));
    QTest::mouseClick(form.button(Form::PositionButton), Qt::LeftButton);
    QCOMPARE(league_->io.shown.back().text,
             std::string("NUMBER OF WEEKS AT MAXIMUM. YOU MUST DROP A WEEK BEFORE A POSITION WEEK "
                         "CAN BE INSERTED IN THE SCHEDULE"));
    QCOMPARE(lg.NumWeeks, Integer{52});
    QCOMPARE(form.grid()->rowCount(), 53);
    QCOMPARE(form.weeksLabel()->text(), QString("Weeks to Bowl: 52"));
    // Closing the window keeps the weeks already stored, and their count.
    form.close();
    league_->reload();
    QCOMPARE(lg.NumWeeks, Integer{52});
  }

  void referenceScheduleReplacesTheUnscoredWeeks() {
    lg.CurrentWeek = 2;
    Form form;
    open(form);
    clickCell(form, 4, 1);
    type(form, "TBD");
    QTest::mouseClick(form.button(Form::SaveButton), Qt::LeftButton);
    QCOMPARE(league_->week(4)[0], int(kTbdTeam));

    Form again;
    open(again);
    league_->io.answer(MsgAnswer::Yes);
    QTest::mouseClick(again.button(Form::ReferenceButton), Qt::LeftButton);
    QCOMPARE(league_->io.shown.back().text,
             std::string("Are you sure you want to replace the schedule from week 3 to the end "
                         "of the season with a standard reference schedule?"));
    QCOMPARE(league_->io.shown.back().title, std::string("STANDARD REFERENCE SCHEDULE"));
    QCOMPARE(cell(again, 4, 1), templateCell(4, 1));
    QCOMPARE(league_->week(4)[0], TemplateTeam(template_, 8, 3, 1));
  }

  void oddLeagueGetsADummyTeam() {
    freshLeague(7);
    league_->io.answer(MsgAnswer::Yes);
    Form form;
    QCOMPARE(league_->io.shown.front().title, std::string("WILL THE ODD TEAM BOWL EACH WEEK?"));
    open(form);
    QCOMPARE(form.teamsLabel()->text(), QString("Teams: 8"));
    QCOMPARE(form.grid()->columnCount(), 9);
    QVERIFY(form.button(Form::ReferenceButton)->isVisible());
  }

  void oddLeagueWithoutADummyTeam() {
    freshLeague(7);
    league_->io.answer(MsgAnswer::No);
    Form form;
    open(form);
    QCOMPARE(form.teamsLabel()->text(), QString("Teams: 7"));
    QCOMPARE(form.grid()->columnCount(), 7);  // three lane pairs: the odd team has no lane
    QVERIFY(!form.button(Form::ReferenceButton)->isVisible());
  }

  // With TALLMARK_SCREENSHOTS set to a folder, saves pictures of the window there.
  void screenshots() {
    const QString folder = qEnvironmentVariable("TALLMARK_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TALLMARK_SCREENSHOTS not set");
    lg.CurrentWeek = 3;
    Form form;
    form.adjustSize();  // as the main window opens it
    open(form);
    clickCell(form, 5, 3);
    form.editor()->selectAll();
    QTest::keyClicks(form.editor(), "4");
    QTest::qWait(200);
    QVERIFY(form.grab().save(QDir(folder).filePath("schedule_form.png")));
    QVERIFY(form.screen()->grabWindow(0).save(QDir(folder).filePath("schedule_screen.png")));
  }
};

QTEST_MAIN(ScheduleFormTest)
#include "ScheduleForm_test.moc"
