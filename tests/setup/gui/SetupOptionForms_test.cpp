// The split season, award, customized award, classification, names, bulletin and extra
// statistics windows, each opened from its menu entry of the main window and driven offscreen.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "league/RosterFiles.h"
#include "setup/gui/AwardsForm.h"
#include "setup/gui/ClassificationForm.h"
#include "setup/gui/ExtraStatsForm.h"
#include "setup/gui/NamesForm.h"
#include "setup/gui/NewLeagueOnDisk.h"
#include "setup/gui/SetupWindows.h"
#include "setup/gui/SplitSeasonForm.h"
#include "shell/gui/MainForm.h"

using namespace tallmark;
using test::TypeInto;

class SetupOptionFormsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::NewLeagueOnDisk> league_;
  std::unique_ptr<MainForm> main_;

  // Opens the Setup (or Edit) menu entry and runs act on its window once it is up.
  template <class T>
  void choose(MenuId menu, int index, std::function<void(T*)> act) {
    bool shown = false;
    test::WhenShown<T>([&](T* w) {
      shown = true;
      w->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(w));
      shot(w);
      act(w);
      if (w->isVisible()) w->reject();
    });
    main_->Choose(menu, index);
    QVERIFY(shown);
  }
  // With TALLMARK_SHOTS naming a folder, the screen with the window on it.
  void shot(QWidget* w) {
    const QString folder = qEnvironmentVariable("TALLMARK_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(50);
    const QSize screen = w->screen()->size();
    w->screen()->grabWindow(0).save(QStringLiteral("%1/%2-%3x%4.png").arg(folder, w->objectName())
                                        .arg(screen.width()).arg(screen.height()));
  }

 private slots:
  void init() {
    league_ = std::make_unique<test::NewLeagueOnDisk>();
    league_->build(4, 2, 2, 1, 10);
    for (int t = 1; t <= 4; ++t)
      for (int p = 1; p <= 2; ++p)
        lg.PlayerName[lg.Roster[t][p]] = Fixed("PLAYER " + std::to_string(10 * t + p), 20);
    lg.PlayerName[lg.SubList[1]] = Fixed("SUB ONE", 20);
    main_ = std::make_unique<MainForm>();
    main_->Refresh();
  }
  void cleanup() {
    main_.reset();
    league_.reset();
  }

  void splitSeason() {
    lg.CurrentWeek = 5;
    lg.CurrentSession = 2;
    lg.NumSessions = 2;
    lg.SplitWeek[1] = -4;
    choose<SplitSeasonForm>(MenuId::Setup, menu::kSplitSeason, [](SplitSeasonForm* f) {
      QCOMPARE(f->label(1)->text(), QString("Week 5 of 10 -- Session 2"));
      QCOMPARE(f->label(2)->text(), QString("Position Weeks: None"));
      QVERIFY(!f->weekBox(1)->isEnabled());  // session 2 has started
      QVERIFY(f->statsBox(1)->styleSheet().contains("#c0c0c0"));
      QVERIFY(f->statsBox(2)->styleSheet().contains("#800000"));
      TypeInto(f->weekBox(2), "3");  // before the current week: the earliest is 6
      QCOMPARE(f->weekBox(2)->text(), QString("6"));
      QTest::mouseClick(f->statsBox(2), Qt::LeftButton);
      QCOMPARE(f->label(3)->text(), QString("Sessions: 3"));
      QVERIFY(f->modeButton(2)->isEnabled());
      QTest::mouseClick(f->modeButton(2), Qt::LeftButton);
      QTest::mouseClick(f->saveButton(), Qt::LeftButton);
    });
    QCOMPARE(lg.SplitWeek[1], -4);
    QCOMPARE(lg.SplitWeek[2], -6);
    QCOMPARE(lg.NumSessions, 3);
    QCOMPARE(lg.StatResetMode, 2);
  }

  void awardsSwitchTheCustomizedAwardsEntry() {
    QVERIFY(!main_->Action(MenuId::Setup, menu::kCustomAwards)->isEnabled());
    choose<AwardsForm>(MenuId::Setup, menu::kAwards, [](AwardsForm* f) {
      QCOMPARE(f->rangeLabel(0)->text(), QString(" (1 to 4)"));
      TypeInto(f->nameBox(1), "Gentleman");  // the box holds six characters
      QCOMPARE(f->nameBox(1)->text(), QString("Gentle"));
      QCOMPARE(f->switchBox(2)->text(), QString("S&eparate awards for gentles and females"));
      f->switchBox(0)->setChecked(true);
      QTest::mouseClick(f->okButton(), Qt::LeftButton);
    });
    QCOMPARE(lg.GroupLabel[1], std::string("Gentle"));
    QVERIFY(main_->Action(MenuId::Setup, menu::kCustomAwards)->isEnabled());
    choose<CustomAwardsForm>(MenuId::Setup, menu::kCustomAwards, [](CustomAwardsForm* f) {
      QVERIFY(!f->fieldBox(3, CustomAwards::kMinScore)->isEnabled());
      f->kindList(3)->setCurrentIndex(CustomAwards::kSeries);
      emit f->kindList(3)->activated(CustomAwards::kSeries);
      QVERIFY(f->fieldBox(3, CustomAwards::kMinScore)->isEnabled());
      TypeInto(f->fieldBox(3, CustomAwards::kMinScore), "650");
      TypeInto(f->fieldBox(3, CustomAwards::kMaxScore), "600");  // not below the minimum
      QCOMPARE(f->fieldBox(3, CustomAwards::kMaxScore)->text(), QString("650"));
      QTest::mouseClick(f->okButton(), Qt::LeftButton);
    });
    QCOMPARE(lg.NumCustomAwards, 1);
    QCOMPARE(lg.CustomAward[0][1], 1);
    QCOMPARE(lg.CustomAward[2][1], 650);
  }

  void classification() {
    lg.ClassLimit = {300, 170};
    league_->io.answer(MsgAnswer::No);
    choose<ClassificationForm>(MenuId::Setup, menu::kClassifications, [](ClassificationForm* f) {
      QCOMPARE(f->classesLabel()->text(), QString("Classes: 2"));
      QVERIFY(f->limitBox(2)->isEnabled());
      QVERIFY(!f->limitBox(3)->isEnabled());
      TypeInto(f->limitBox(2), "180");
      QCOMPARE(f->limitBox(2)->text(), QString("169"));
      QCOMPARE(f->classesLabel()->text(), QString("Classes: 3"));
      QTest::mouseClick(f->saveButton(), Qt::LeftButton);
    });
    QVERIFY(league_->io.sawTitle("RECLASSIFY BOWLERS"));
    QCOMPARE(lg.NumClasses, 3);
    QCOMPARE(lg.ClassLimit[2], 169);
  }

  void namesAndBulletin() {
    choose<NamesForm>(MenuId::Setup, menu::kNames, [](NamesForm* f) {
      QCOMPARE(f->nameList(0)->count(), 9);
      QVERIFY(f->notUsedBox(0)->isChecked());
      QVERIFY(!f->titleBox(0)->isEnabled());
      QTest::mouseClick(f->notUsedBox(0), Qt::LeftButton);
      QCOMPARE(f->titleBox(0)->text(), QString("President"));
      f->nameList(0)->setCurrentIndex(2);
      emit f->nameList(0)->activated(2);
      f->leagueBox()->clear();
      QTest::mouseClick(f->okButton(), Qt::LeftButton);
    });
    QCOMPARE(lg.LeagueName, std::string("TBD"));
    QCOMPARE(lg.OfficerPlayer[1], lg.Roster[2][1]);

    choose<BulletinForm>(MenuId::Edit, menu::kBulletin, [](BulletinForm* f) {
      f->textBox()->setPlainText(QString(958, 'x') + "\n");
      QCOMPARE(f->leftLabel()->text(), QString("Characters Left = 0"));
      QTest::keyClicks(f->textBox(), "yz");  // no room left
      QCOMPARE(f->textBox()->toPlainText().size(), 959);
      QTest::mouseClick(f->button(BulletinForm::EraseButton), Qt::LeftButton);
      QCOMPARE(f->leftLabel()->text(), QString("Characters Left = 960"));
      QTest::keyClicks(f->textBox(), "Bowl-off");
      QTest::mouseClick(f->button(BulletinForm::OkButton), Qt::LeftButton);
    });
    lg.BulletinText.clear();
    ReadBulletin();
    QCOMPARE(lg.BulletinText, std::string("Bowl-off"));
  }

  void extraStatistics() {
    for (int k = 0; k < 18; ++k) league_->io.answerInput(std::nullopt);  // keep the new names
    league_->io.answerInput(std::string("Fees"));
    league_->io.answerInput(std::string("fees"));
    choose<ExtraStatsForm>(MenuId::Setup, menu::kExtraStats, [](ExtraStatsForm* f) {
      QCOMPARE(f->abbrevList()->currentText(), QString("TBD"));
      QVERIFY(!f->button(ExtraStatsForm::DeleteButton)->isEnabled());
      QVERIFY(!f->feeBox()->isEnabled());
      for (int k = 0; k < 10; ++k) QTest::mouseClick(f->button(0), Qt::LeftButton);
      QCOMPARE(f->countLabel()->text(), QString("10 of 10 Defined"));
      QVERIFY(!f->button(ExtraStatsForm::AddButton)->isEnabled());
      QCOMPARE(f->abbrevList()->currentText(), QString("FEES"));
      QVERIFY(f->feeBox()->isEnabled());
      f->abbrevList()->setCurrentIndex(0);
      emit f->abbrevList()->activated(0);
      QCOMPARE(f->nameLabel()->text(), QString("New Extra Stat"));
      QVERIFY(!f->feeBox()->isEnabled());
      f->abbrevList()->setCurrentIndex(9);
      emit f->abbrevList()->activated(9);
      TypeInto(f->feeBox(), "1.75");
      QTest::mouseClick(f->button(ExtraStatsForm::SaveButton), Qt::LeftButton);
    });
    QCOMPARE(lg.NumExtraStats, 10);
    QCOMPARE(lg.ExtraStatAbbrev[9], std::string("FEES "));
    QCOMPARE(lg.FeeUnit, 1.75f);
  }
};

QTEST_MAIN(SetupOptionFormsTest)
#include "SetupOptionForms_test.moc"
