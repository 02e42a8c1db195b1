// The lanes and schedule window on a new league of 8 teams, driven with the mouse and keyboard as
// the secretary uses it.
#include <QHeaderView>
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
  // The lane numbers (row 0) are the grid's header row, which stays in view while the weeks
  // scroll.
  QRect laneRect(Form& form, int column) {
    QHeaderView* header = form.grid()->horizontalHeader();
    return {header->sectionViewportPosition(column), 0, header->sectionSize(column),
            header->viewport()->height()};
  }
  void clickCell(Form& form, int row, int column) {
    if (row == 0) {
      QTest::mouseClick(form.grid()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                        laneRect(form, column).center());
      return;
    }
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
    if (row == 0) {
      QCOMPARE(form.editor()->parentWidget(), form.grid()->horizontalHeader()->viewport());
      QCOMPARE(form.editor()->geometry(), laneRect(form, column));
    } else {
      QCOMPARE(form.editor()->geometry(),
               form.grid()->visualItemRect(form.grid()->item(row, column)));
    }
    QVERIFY(form.editor()->isVisible());
    QVERIFY(form.editor()->hasFocus());
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
    for (int slot = 1; slot <= 8; ++slot) {
      QCOMPARE(cell(form, 0, slot), QString::number(100 + slot));
      QCOMPARE(form.grid()->horizontalHeaderItem(slot)->text(), QString::number(100 + slot));
    }
    QCOMPARE(form.grid()->horizontalHeaderItem(0)->text(), QString("Lane"));
    QVERIFY(form.grid()->isRowHidden(0) && form.grid()->horizontalHeader()->isVisible());
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
    QVERIFY(form.grid()->verticalScrollBar()->value() > 0);
    QCOMPARE(form.grid()->horizontalHeaderItem(2)->text(), QString("102"));  // still in view
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

  // 34 teams need more room than the screen has: the window takes the screen's width and the
  // grid scrolls sideways.
  void wideLeagueTakesTheScreenWidth() {
    freshLeague(34);
    Form form;
    open(form);
    const int room = QGuiApplication::primaryScreen()->availableGeometry().width();
    QCOMPARE(form.width(), room - 16);
    QVERIFY(form.grid()->horizontalScrollBar()->maximum() > 0);
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

};

QTEST_MAIN(ScheduleFormTest)
#include "ScheduleForm_test.moc"
