// The weekly results window driven from the keyboard, as the secretary types in a week.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "processing/gui/ImportLogDialog.h"
#include "processing/gui/ResultsForm.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;

namespace {

// Grid columns of the test league: type, name, Hcp, Avg, 1Gm, I, 2Gm, I, 3Gm, I, Total, STRK.
constexpr int kType = 0, kName = 1, kGame1 = 4, kMark1 = 5, kGame3 = 8, kTotal = 10, kStrk = 11;

}  // namespace

class ResultsFormTest : public QObject {
  Q_OBJECT

 private:
  // A scratch league of four teams of two on two lane pairs, three games, ten weeks, one extra
  // statistic; every player averages 150, absentees score 10 pins less. Records: team t is
  // 3t - 2 with its players after it: 1 ALLEYCATS (Ann Able 2, Bob Baker 3), 4 PIN PALS (Cathy
  // Cole 5, Dan Dune 6), 7 SPARES (Eve Ely 8, Fay Fox 9), 10 GUTTERS (Gus Gray 11, Hal Hill 12);
  // substitute Sam Sub 13. Week 1: teams 1-2 on lanes 1-2, 3-4 on lanes 3-4.
  void makeLeague() {
    InitLeagueData();
    test::UseProgramFolder(dir->path() + "program/");
    lg.DataPath = dir->path();
    lg.FileName = "WINDOW";
    lg.LeagueName = "WINDOW LEAGUE";
    lg.NumTeams = lg.LastTeam = 4;
    lg.PlayersPerTeam = lg.PlayersPerWeek = 2;
    lg.NumLanes = 2;
    lg.GamesPerWeek = 3;
    lg.NumWeeks = 10;
    lg.HandicapMethod = 1;
    for (int g = 0; g <= 2; ++g) lg.ScratchBase[g] = lg.PercentHandicap[g] = lg.MaxHandicap[g] = 0;
    lg.SportNumber = 1;
    lg.SportTerm = {"10 Pin Bowling", "Bowl", "Bowled", "Bowling", "Bowler",
                    "Bowlers",        "Pin",  "Lane",   "Series",  "Frame"};
    lg.GameParam = {300, 4, 0, 0};
    lg.NumExtraStats = 1;
    lg.ExtraStatAbbrev[0] = Fixed("STRK", 5);
    lg.ExtraStatName[0] = Fixed("Strikes", 20);
    lg.AwardPopups = False;
    for (int p = 0; p <= kMaxPlayerRecords; ++p) lg.PlayerName[p] = Fixed("?", 20);
    const char* names[] = {"?",        "ALLEYCATS", "Ann Able", "Bob Baker", "PIN PALS",
                           "Cathy Cole", "Dan Dune", "SPARES",  "Eve Ely",   "Fay Fox",
                           "GUTTERS",  "Gus Gray",  "Hal Hill", "Sam Sub"};
    for (int p = 1; p <= 13; ++p) {
      lg.PlayerName[p] = Fixed(names[p], 20);
      if (p % 3 == 1 && p < 13) continue;
      lg.PlayerStat[p][kStartingAverage] = 150;
      lg.PlayerStat[p][kCurrentAverage] = 150;
      lg.PlayerStat[p][kGroupOrStanding] = 1;
    }
    lg.NumPlayerRecords = 14;
    for (int t = 1; t <= 4; ++t) {
      for (int j = 0; j <= 2; ++j) lg.Roster[t][j] = static_cast<Integer>(3 * t - 2 + j);
      lg.PlayerStat[3 * t - 2][kGroupOrStanding] = static_cast<Single>(t);
    }
    lg.NumSubs = 1;
    lg.SubList[1] = 13;
    for (int s = 1; s <= 4; ++s) lg.LaneNumber[s] = static_cast<Integer>(s);
    QVERIFY(SaveLeague());
    for (int k = 1; k <= 4; ++k) lg.LaneTeam[k] = static_cast<Integer>(k);
    QVERIFY(WriteWeekResults(1));
  }

  void open(ResultsForm& form) {
    QCOMPARE(form.opened(), EntryOpen::Ready);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }

  static QString cell(ResultsForm& form, int row, int col) {
    return form.Grid1->item(row, col)->text();
  }
  static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
  }
  static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

  // Types a row's three games from its first game cell, moving with the arrow keys, and goes
  // on to the first game cell of the next row.
  static void typeGames(const QString& a, const QString& b, const QString& c) {
    type(a), key(Qt::Key_Right), key(Qt::Key_Right);
    type(b), key(Qt::Key_Right), key(Qt::Key_Right);
    type(c), key(Qt::Key_Down);
    for (int i = 0; i < 4; ++i) key(Qt::Key_Left);
  }
  // From a row's first game cell to its type cell, then picks the n-th entry of the list.
  static void chooseType(int n) {
    for (int i = 0; i < 4; ++i) key(Qt::Key_Left);
    key(Qt::Key_Return);
    for (int i = 0; i < n; ++i) key(Qt::Key_Down);
    key(Qt::Key_Return);
  }
  static void chooseTeam(ResultsForm& form, int index) {
    form.Combo1->setFocus();
    QTest::keyClick(form.Combo1, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(form.Combo1, Qt::Key_Down);
    QCOMPARE(form.Combo1->currentIndex(), index);
    form.Grid1->setFocus();
    form.Grid1->setCurrentCell(0, kGame1);
  }

  // The whole week 1 as the secretary types it: Sam Sub stands in for Bob on team 1, Dan is
  // absent on team 2 (150 less 10 = 140 a game), team 4 forfeits.
  void typeWeekOne(ResultsForm& form, bool lastScore = true) {
    QCOMPARE(form.Grid1->currentColumn(), kGame1);
    typeGames("150", "160", "170");            // Ann
    chooseType(1);                              // Substitute
    key(Qt::Key_Right), key(Qt::Key_Return);   // the sub list, Sam Sub first
    QCOMPARE(form.Combo2->item(0)->text(), QStringLiteral(" SELECT SUB"));
    key(Qt::Key_Return);
    QCOMPARE(cell(form, 1, kName).trimmed(), QStringLiteral("Sam Sub"));
    key(Qt::Key_Right), key(Qt::Key_Right), key(Qt::Key_Right);
    typeGames("140", "150", "160");
    QCOMPARE(cell(form, 2, kGame1), QStringLiteral("290"));  // sub-total
    QCOMPARE(cell(form, 2, kTotal), QStringLiteral("930"));

    QTest::mouseClick(form.Command1[0], Qt::LeftButton);  // "&Opponent": team 2
    QCOMPARE(form.Combo1->currentText().trimmed(), QStringLiteral("PIN PALS"));
    form.Grid1->setCurrentCell(0, kGame1);
    typeGames("165", "155", "175");                       // Cathy
    chooseType(4);                                        // Regular - Absent
    QCOMPARE(cell(form, 1, kType), QStringLiteral("Regular - Absent"));
    QCOMPARE(cell(form, 1, kTotal), QStringLiteral("420"));

    chooseTeam(form, 2);                                  // SPARES
    typeGames("150", "150", "150");
    typeGames("160", "160", lastScore ? "160" : "0");
    QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 2 of the 4 teams"));

    chooseTeam(form, 3);                                  // GUTTERS forfeit
    QTest::keyClick(form.windowHandle(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(form.Check1[0]->isChecked());  // a mnemonic clicks after a moment
    QCOMPARE(cell(form, 0, kType), QStringLiteral("Forfeit"));
    form.Text2->setFocus();
    QTest::keyClick(form.Text2, Qt::Key_A, Qt::ControlModifier);
    type("09/16/25");
  }

 private slots:
  void init() {
    dir = std::make_unique<test::TempDir>();
    makeLeague();
  }
  void cleanup() { dir.reset(); }

  // Team 1 290 310 330 (930) against team 2 305 295 315 (915): team 2 takes game 1, team 1
  // games 2 and 3 and the series: 3 won 1 lost, and 1 won 3 lost. Team 4 forfeits, its scores
  // count 0: team 3 wins all four. Sam Sub's 450 pins count for him, Dan's absent 420 for nobody.
  void aWholeWeekIsTypedAndProcessed() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("WEEKLY LEAGUE RESULTS"));
    QCOMPARE(form.WeekLabel->text(), QStringLiteral("Results for week 1 of 10"));
    QCOMPARE(form.LaneLabel->text(), QStringLiteral("Lane 1-2"));
    QCOMPARE(form.OpponentLabel->text(), QStringLiteral("PIN PALS"));
    typeWeekOne(form);
    // Teams are counted as they are stored: the forfeiting team shown is stored on leaving.
    QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 3 of the 4 teams"));

    io.answer(MsgAnswer::Yes);
    QTest::mouseClick(form.Command1[3], Qt::LeftButton);
    QVERIFY(io.sawTitle("PROCESS WEEKLY RESULTS"));
    QVERIFY(form.processed());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.ProgressLabel->text(), QStringLiteral("100%"));
    QCOMPARE(io.busy, 0);

    QCOMPARE(lg.CurrentWeek, 1);
    QCOMPARE(TrimRight(lg.WeekDate[1]), std::string("09/16/25"));
    const int won[] = {0, 3, 1, 4, 0};
    for (int t = 1; t <= 4; ++t) {
      const int r = lg.Roster[t][0];
      QCOMPARE(lg.PlayerStat[r][kMatchPointsWon], static_cast<Single>(won[t]));
      QCOMPARE(lg.PlayerStat[r][kMatchPointsLost], static_cast<Single>(4 - won[t]));
    }
    QCOMPARE(lg.PlayerStat[13][kGamesPlayed], 3.0f);   // Sam Sub
    QCOMPARE(lg.PlayerStat[13][kTotalPins], 450.0f);
    QCOMPARE(lg.PlayerStat[13][kHighScratchGame], 160.0f);
    QCOMPARE(lg.PlayerStat[2][kTotalPins], 480.0f);    // Ann
    QCOMPARE(lg.PlayerStat[2][kHighScratchGame], 170.0f);
    QCOMPARE(lg.PlayerStat[3][kGamesPlayed], 0.0f);    // Bob, replaced
    QCOMPARE(lg.PlayerStat[6][kGamesPlayed], 0.0f);    // Dan, absent
    QCOMPARE(lg.PlayerStat[1][kTotalPins], 930.0f);    // the team's scratch pins
    QCOMPARE(lg.PlayerStat[4][kTotalPins], 495.0f);    // Cathy's only: the absent row is unearned
    QCOMPARE(lg.PlayerStat[7][kTotalPins], 930.0f);
    Integer player = 0;
    QVERIFY(ReadScore(1, 2, 2, player));
    QCOMPARE(player, 6);
    QCOMPARE(lg.ScrEntryKind, kAbsent);
    QCOMPARE(lg.ScrGameScore[1], 140);

    // Looking back at week 1: read-only, printable.
    ResultsForm recap(nullptr, ResultsMode::Recap);
    open(recap);
    QCOMPARE(recap.WeekLabel->text(), QStringLiteral("Results for week 1 of 10"));
    QCOMPARE(recap.Command1[2]->text(), QStringLiteral("&Print Results"));
    QVERIFY(!recap.Check1[0]->isEnabled());
    QVERIFY(!recap.Check1[1]->isEnabled());
    QVERIFY(!recap.Text2->isEnabled());
    QVERIFY(!recap.Text1->isEnabled());
    QVERIFY(!recap.Text1->isVisible());
    QCOMPARE(recap.Text2->text(), QStringLiteral("09/16/25"));
    chooseTeam(recap, 0);  // week 1's first team, ALLEYCATS
    QCOMPARE(recap.LaneLabel->text(), QStringLiteral("Lane 1-2"));
    QCOMPARE(cell(recap, 1, kName).trimmed(), QStringLiteral("Sam Sub"));
    QCOMPARE(cell(recap, 0, kGame3), QStringLiteral("170"));
    recap.Grid1->setFocus();
    recap.Grid1->setCurrentCell(0, kGame1);
    type("99");
    key(Qt::Key_Return);
    QCOMPARE(cell(recap, 0, kGame1), QStringLiteral("150"));
    recap.Grid1->setCurrentCell(0, kType);
    key(Qt::Key_Return);
    QVERIFY(!recap.Combo2->isVisible());
    // Week 2 is the entry week again.
    recap.Combo3->setFocus();
    key(Qt::Key_Down);
    QCOMPARE(recap.WeekLabel->text(), QStringLiteral("Results for week 2 of 10"));
    QCOMPARE(recap.Command1[2]->text(), QStringLiteral("&Print Form"));
    QVERIFY(recap.Check1[0]->isEnabled());
    QCOMPARE(cell(recap, 0, kGame1), QStringLiteral("0"));
    QTest::mouseClick(recap.Command1[1], Qt::LeftButton);
    QVERIFY(!recap.isVisible());
    QCOMPARE(lg.CurrentWeek, 1);
  }

  // Tab goes through the window as it is laid out; Return presses the button with the focus.
  void tabFollowsTheScreenAndReturnPressesTheFocusedButton() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    form.Combo3->setFocus();
    QList<QWidget*> expected = {form.Text2, form.Combo1, form.Check1[0]};
    if (form.Check1[1]->isVisibleTo(&form) && form.Check1[1]->isEnabled()) expected << form.Check1[1];
    expected << form.Grid1 << form.Command1[3] << form.Command1[0] << form.Command1[2]
             << form.ImportButton << form.Command1[1] << form.Combo3;
    for (QWidget* next : expected) {
      // Tab leaves the grid from its last cell only.
      if (next == form.Command1[3]) form.Grid1->setCurrentCell(1, kStrk);
      key(Qt::Key_Tab);
      // On a score cell the grid's stop is its typing box.
      QWidget* focused = QApplication::focusWidget();
      QVERIFY(focused == next || (next == form.Grid1 && focused == form.Text1));
    }
    form.Command1[0]->setFocus();  // "&Opponent"
    key(Qt::Key_Return);
    QCOMPARE(form.Combo1->currentText().trimmed(), QStringLiteral("PIN PALS"));
    QVERIFY(form.isVisible());
  }

  void aMissingScoreKeepsTheWeekAndItsTeams() {
    test::ScriptedUserIO io;
    {
      ResultsForm form;
      open(form);
      typeWeekOne(form, false);
      QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 2 of the 4 teams"));
      QTest::mouseClick(form.Command1[3], Qt::LeftButton);
      QVERIFY(io.sawTitle("MISSING RESULTS"));
      QVERIFY(!io.sawTitle("PROCESS WEEKLY RESULTS"));
      QVERIFY(!form.processed());
    }
    QCOMPARE(lg.CurrentWeek, 0);
    ResultsForm form;
    open(form);
    QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 3 of the 4 teams"));
    QCOMPARE(cell(form, 1, kName).trimmed(), QStringLiteral("Sam Sub"));
    QCOMPARE(cell(form, 2, kTotal), QStringLiteral("930"));
    QCOMPARE(form.Text2->text(), QStringLiteral("09/16/25"));
    chooseTeam(form, 3);
    QVERIFY(form.Check1[0]->isChecked());
    chooseTeam(form, 2);
    QCOMPARE(cell(form, 1, kGame3), QStringLiteral("0"));
    // The missing score typed now completes the week.
    form.Grid1->setCurrentCell(1, kGame3);
    type("160");
    key(Qt::Key_Return);
    QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 3 of the 4 teams"));
    io.answer(MsgAnswer::No);
    QTest::mouseClick(form.Command1[3], Qt::LeftButton);
    QVERIFY(io.sawTitle("PROCESS WEEKLY RESULTS"));
    QVERIFY(!form.processed());
    QCOMPARE(lg.CompleteSlots, 4);
    QCOMPARE(lg.CurrentWeek, 0);
  }

  // A correction typed over a stored 150 is entered before the editor goes anywhere else.
  void aTypedScoreIsEnteredWhereverTheEditorGoes_data() {
    QTest::addColumn<int>("route");
    const char* routes[] = {"cell click", "Tab, then a click", "list cell", "team change",
                            "process", "print", "close"};
    for (int i = 0; i < 7; ++i) QTest::newRow(routes[i]) << i;
  }
  void aTypedScoreIsEnteredWhereverTheEditorGoes() {
    QFETCH(int, route);
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    type("150"), key(Qt::Key_Return), key(Qt::Key_Backtab);
    type("180");
    auto click = [&form](QTableView* view, int row, int col) {
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualRect(view->model()->index(row, col)).center());
    };
    switch (route) {
      case 0: click(form.Grid1, 1, kGame3); break;
      case 1: key(Qt::Key_Tab), click(form.Grid1, 1, kGame3); break;
      case 2: click(form.Grid1->frozenView(), 1, kType), key(Qt::Key_Escape); break;
      case 3: chooseTeam(form, 1), chooseTeam(form, 0); break;
      case 4: QTest::mouseClick(form.Command1[3], Qt::LeftButton); break;
      case 5: io.answer(MsgAnswer::Cancel), QTest::mouseClick(form.Command1[2], Qt::LeftButton); break;
      default: form.close(); break;
    }
    if (form.isVisible()) {
      QCOMPARE(cell(form, 0, kGame1), QStringLiteral("180"));
      form.reject();
    }
    Integer player = 0;
    QVERIFY(ReadScore(1, 1, 1, player));
    QCOMPARE(lg.ScrGameScore[0], 180);
  }

  // A team of three bowlers by keys alone: the digits and one key a score (Tab or Return),
  // passing the "I" and total columns; the mark key marks a game from its score cell.
  void aTeamIsTypedByKeysAlone() {
    lg.NumExtraStats = 0;
    lg.PlayersPerTeam = lg.PlayersPerWeek = 3;
    for (int t = 1; t <= 4; ++t) {
      const int p = 13 + t;
      lg.PlayerName[p] = Fixed("Third " + std::to_string(t), 20);
      lg.PlayerStat[p][kStartingAverage] = lg.PlayerStat[p][kCurrentAverage] = 150;
      lg.PlayerStat[p][kGroupOrStanding] = 1;
      lg.Roster[t][3] = static_cast<Integer>(p);
    }
    lg.NumPlayerRecords = 18;
    QVERIFY(SaveLeague());
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    const int scores[3][3] = {{150, 160, 170}, {141, 152, 163}, {199, 200, 201}};
    int keys = 0;
    for (int i = 0; i < 9; ++i) {
      type(QString::number(scores[i / 3][i % 3]));
      key(i % 2 ? Qt::Key_Tab : Qt::Key_Return);
      keys += 4;
    }
    QCOMPARE(keys, 36);
    QCOMPARE(QApplication::focusWidget(), form.Text1);  // Return on the last cell stays there
    QCOMPARE(cell(form, 3, kGame1), QStringLiteral("490"));
    key(Qt::Key_X);
    QCOMPARE(cell(form, 2, kGame3 + 1), QStringLiteral("X"));
    QCOMPARE(cell(form, 2, kGame3), QStringLiteral("201"));
    key(Qt::Key_Backtab), key(Qt::Key_Tab);
    QCOMPARE(form.Grid1->currentColumn(), kGame3);
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Command1[3]);
    form.reject();
    for (int slot = 1; slot <= 3; ++slot) {
      Integer player = 0;
      QVERIFY(ReadScore(1, 1, slot, player));
      for (int g = 0; g < 3; ++g) QCOMPARE(int(lg.ScrGameScore[g]), scores[slot - 1][g]);
      QCOMPARE(int(lg.ScrNoCreditMask), slot == 3 ? 4 : 0);
    }
  }

  // Twelve games: the window opens on the first column, the type and name stay in view, and
  // the typing box lies over the current cell after every key, scroll and team change.
  void theTypingBoxFollowsItsCellInAWideWeek() {
    lg.GamesPerWeek = lg.GameParam[1] = 12;
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    FrozenColumnsTable* grid = form.Grid1;
    auto onItsCell = [&] {
      return form.Text1->isHidden() ||
             form.Text1->geometry() ==
                 grid->cellRect(grid->currentRow(), grid->currentColumn()).adjusted(1, 1, -1, -1);
    };
    QCOMPARE(grid->horizontalScrollBar()->value(), 0);
    type("206"), key(Qt::Key_Right), key(Qt::Key_Right);
    QCOMPARE(cell(form, 0, kGame1), QStringLiteral("206"));
    QVERIFY(!form.Text1->isHidden() && onItsCell());
    for (int i = 0; i < 24; ++i) {
      key(Qt::Key_Right);
      QVERIFY(onItsCell());
      QVERIFY(grid->viewport()->rect().contains(grid->cellRect(0, kName)));
    }
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    key(Qt::Key_Left);
    grid->horizontalScrollBar()->setValue(0);
    QVERIFY(onItsCell());
    chooseTeam(form, 1);
    QVERIFY(onItsCell());
    form.reject();
  }

  void wrongEntriesAreRefusedInPlace() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    type("301");
    key(Qt::Key_Return);
    QCOMPARE(io.beeps, 1);
    QCOMPARE(cell(form, 0, kGame1), QStringLiteral("0"));
    QCOMPARE(form.Text1->text(), QStringLiteral("0"));
    type("300");
    key(Qt::Key_Escape);  // Esc puts the cell's text back
    QCOMPARE(form.Text1->text(), QStringLiteral("0"));
    type("12a");
    key(Qt::Key_Right);
    QCOMPARE(io.beeps, 2);
    QCOMPARE(form.Grid1->currentColumn(), kMark1);

    form.Grid1->setCurrentCell(0, kStrk);
    type("64");
    key(Qt::Key_Return);
    QCOMPARE(io.shown.back().text, std::string(kExtraStatRefusal));
    QCOMPARE(io.shown.back().icon, MsgIcon::Exclamation);
    QCOMPARE(cell(form, 0, kStrk), QStringLiteral("0"));
    type("63");
    key(Qt::Key_Return);
    QCOMPARE(cell(form, 0, kStrk), QStringLiteral("63"));

    form.Grid1->setCurrentCell(0, kGame1);
    chooseType(3);  // Vacancy on Ann's row
    QCOMPARE(io.shown.back().text, std::string(kVacancyRefusal));
    form.Grid1->setCurrentCell(0, kType);
    key(Qt::Key_Return);
    for (int i = 0; i < 5; ++i) key(Qt::Key_Down);
    key(Qt::Key_Return);  // Forfeit
    QCOMPARE(io.shown.back().text, std::string(kForfeitRefusal));
    QCOMPARE(cell(form, 0, kType), QStringLiteral("Regular"));

    // Leaving a list without a choice is explained.
    key(Qt::Key_Return);
    QVERIFY(form.Combo2->isVisible());
    key(Qt::Key_Tab);
    QCOMPARE(io.shown.back().text, std::string(kChooseFromListText));
    key(Qt::Key_Escape);
    QVERIFY(!form.Combo2->isVisible());

    // The incomplete mark: "X" in the grid, and a zero score no longer missing.
    form.Grid1->setCurrentCell(0, kMark1);
    key(Qt::Key_Return);
    QCOMPARE(form.Combo2->item(1)->text(), QStringLiteral("X Incomplete Frames"));
    const QPoint second = form.Combo2->visualItemRect(form.Combo2->item(1)).center();
    QTest::mouseClick(form.Combo2->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(form.Combo2->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(cell(form, 0, kMark1), QStringLiteral("X"));
    form.reject();
  }

  void aSubstituteNeedsSubstitutes() {
    lg.NumSubs = 0;
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    chooseType(1);
    QCOMPARE(io.shown.back().text,
             std::string("No substitute bowlers have been established. To enter a substitute "
                         "Bowler, exit this form and select TEAMS AND SUBS from the Edit menu"));
    QCOMPARE(cell(form, 0, kType), QStringLiteral("Regular"));
    form.reject();
  }

  void toolTipsShowInTheTipLabel() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.Command1[3], &enter);
    QVERIFY(form.TipLabel->isVisible());
    QCOMPARE(form.TipLabel->text(), QStringLiteral("Click here to exit and process data"));
    const QPointF over = form.Grid1->visualItemRect(form.Grid1->item(0, kMark1)).center();
    QMouseEvent move(QEvent::MouseMove, over, form.Grid1->viewport()->mapToGlobal(over),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.Grid1->viewport(), &move);
    QCOMPARE(form.TipLabel->text(), QStringLiteral("Any incomplete Frames or other unearned Pins?"));
    form.TipLabel->hide();
    lg.ToolTips = False;
    QApplication::sendEvent(form.Check1[0], &enter);
    QVERIFY(!form.TipLabel->isVisible());
    form.reject();
  }

  // "&Print Form", a form for each team with one extra row, into a PDF file.
  void formsArePrintedToAPdfFile() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    const QString file = QString::fromStdString(dir->file("forms.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    form.choosePrinter = [&printer] { return &printer; };
    io.answer(MsgAnswer::Yes);
    io.answerInput("1");
    QTest::mouseClick(form.Command1[2], Qt::LeftButton);
    QVERIFY(io.sawTitle("PRINT DATA ENTRY FORMS"));
    QVERIFY(io.sawTitle("ADD EXTRA BLANK ROWS"));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 1000);
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                 bytes.count("/Type /Page>>") + bytes.count("/Type /Page "),
             4);  // one page a team
    form.reject();
  }

  // The export holds lanes 1 and 2 (Ann as "Able, Ann", Bob missing, Sam subbing, Cathy and
  // Dan): both teams are shown entered, Bob absent; teams 3 and 4 are left, each with a line.
  void anExportIsImportedAndItsLogShown() {
    test::ScriptedUserIO io;
    ResultsForm form;
    open(form);
    const std::string file = dir->file("night.csv");
    QFile out(QString::fromStdString(file));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("Lane;Bowler;Game 1;Game 2;Game 3;Hdcp\r\n1;Able, Ann;150;160;170;0\r\n"
              "1;SAM SUB;140;150;160;0\r\n2;cathy cole;100;110;120;0\r\n"
              "2;Dan Dune;130;140;150;0\r\n");
    out.close();
    std::string log;
    form.chooseImportFile = [&] { return file; };
    form.showImportLog = [&](const std::string& text) { log = text; };
    QTest::mouseClick(form.ImportButton, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(log),
             QStringLiteral("The file was read as UTF-8, semicolon-separated.\r\n"
                            "Columns not used: Hdcp.\r\nImported 2 of 4 teams\r\n"
                            "team 3 (SPARES): no bowler of the team is in the file: enter the team by hand\r\n"
                            "team 4 (GUTTERS): no bowler of the team is in the file: enter the team by hand\r\n"));
    QCOMPARE(form.StatusLabel->text(), QStringLiteral("Results entered for 2 of the 4 teams"));
    QCOMPARE(cell(form, 0, kName).trimmed(), QStringLiteral("Ann Able"));
    QCOMPARE(cell(form, 0, kTotal).trimmed(), QStringLiteral("480"));
    QCOMPARE(cell(form, 1, kName).trimmed(), QStringLiteral("Sam Sub"));
    QCOMPARE(cell(form, 1, kType).trimmed(), QStringLiteral("Substitute"));
    if (!qEnvironmentVariableIsEmpty("TALLMARK_SHOT_DIR")) {
      form.grab().save(qEnvironmentVariable("TALLMARK_SHOT_DIR") + "/results-import.png");
      ImportLogDialog dialog(log, &form);
      dialog.show();
      dialog.grab().save(qEnvironmentVariable("TALLMARK_SHOT_DIR") + "/import-log.png");
    }
    form.reject();
  }

 private:
  std::unique_ptr<test::TempDir> dir;
};

QTEST_MAIN(ResultsFormTest)
#include "ResultsForm_test.moc"
