// The raw score and statistics editors over a league with three weeks entered, driven from the
// keyboard as the secretary uses them.
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <cstring>

#include "league/StatsFile.h"
#include "league/gui/FormHelpers.h"
#include "setup/gui/ScoresEditForm.h"
#include "setup/gui/SetupWindows.h"
#include "setup/gui/StatsEditForm.h"
#include "shell/gui/Forms.h"
#include "support/LeagueFixture.h"
#include "support/ScriptedUserIO.h"
#include "support/TempDir.h"

using namespace tallmark;

class CorrectionFormsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::TempDir> dir_;
  std::unique_ptr<test::ScriptedUserIO> io_;

  void show(QDialog& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }
  // Moves a list one entry down from the keyboard.
  void nextEntry(QComboBox* list) {
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
  }
  std::string file(const char* extension) { return test::FileText(dir_->file("LEAGUE") + extension); }

 private slots:
  void init() {
    dir_ = std::make_unique<test::TempDir>();
    io_ = std::make_unique<test::ScriptedUserIO>();
    io_->defaultAnswer = MsgAnswer::No;
    InitLeagueData();
    test::BuildTestLeague(dir_->path(), "LEAGUE", 3);
  }
  void cleanup() {
    io_.reset();
    dir_.reset();
  }

  void rawScoreWindowWritesWhatIsTyped() {
    ScoresEditForm form;
    show(form);
    QCOMPARE(form.option(0)->text(), QString("&A. Regular Bowler"));
    QCOMPARE(form.flagBox()->text(), QString("FRAMES"));
    QVERIFY(!form.list(ScoresEditor::kExtraList)->isVisible());
    nextEntry(form.list(ScoresEditor::kTeamList));  // week 1, team 2, position 1
    test::TypeInto(form.box(ScoresEditor::kScoreBox), "251");
    QTest::mouseClick(form.flagBox(), Qt::LeftButton, {}, QPoint(4, form.flagBox()->height() / 2));
    const std::string record = file(".scr").substr((ScoreRecordNumber(1, 2, 1) - 1) * 44, 44);
    QCOMPARE(int(static_cast<unsigned char>(record[7])), 1);
    QCOMPARE(int(static_cast<unsigned char>(record[9])) + 256 * record[10], 251);
    QTest::mouseClick(form.findChild<QPushButton*>("Command1_0"), Qt::LeftButton);
    QCOMPARE(io_->titles(), (std::vector<std::string>{"IMPORTANT NOTICE", "IMPORTANT NOTICE"}));
  }

  void statsWindowSwitchesSessions() {
    lg.NumSessions = 2;
    StatsEditForm form;
    show(form);
    QVERIFY(form.kindOption(StatsEditor::kBowlerRecord)->isChecked());
    QCOMPARE(form.columnBox(kGamesPlayed)->text(), QString("9"));
    test::TypeInto(form.columnBox(kGamesPlayed), "12");
    nextEntry(form.list(StatsEditForm::kSessionList));
    QCOMPARE(form.columnBox(kGamesPlayed)->text(), QString("0"));
    float stored = 0;
    std::memcpy(&stored, file(".STT").data() + (2 * 28 + kGamesPlayed) * 4, 4);
    QCOMPARE(stored, 12.0f);
    QTest::mouseClick(form.button(StatsEditForm::kSaveButton), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(lg.PlayerStat[2][kGamesPlayed], 12.0f);
  }

  // The Edit menu's entries reach both windows by their names.
  void openedByName() {
    QStringList opened;
    for (const char* name : {"Scores_Edit_Form", "Stats_Edit_Form"}) {
      test::WhenShown<QDialog>([&](QDialog* form) {
        opened << form->objectName();
        form->reject();
      });
      OpenForm(name, "Edit", nullptr);
    }
    QCOMPARE(opened, QStringList({"Scores_Edit_Form", "Stats_Edit_Form"}));
  }

  // With TALLMARK_SHOTS naming a folder, pictures of both windows on the screen as they open.
  void screenshots() {
    const QString folder = qEnvironmentVariable("TALLMARK_SHOTS");
    if (folder.isEmpty()) QSKIP("TALLMARK_SHOTS not set");
    lg.NumExtraStats = 2;
    lg.ExtraStatAbbrev[0] = "STRK ";
    lg.CategoryName[kFirstExtraStat] = "Strikes";
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString size = QString("%1x%2").arg(screen.width()).arg(screen.height());
    auto shoot = [&](QDialog& form, const QString& name) {
      form.adjustSize();
      CenterForm(&form);
      show(form);
      QTest::qWait(100);
      QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name + "-" + size + ".png");
    };
    ScoresEditForm scores;
    shoot(scores, "scores");
    scores.reject();
    StatsEditForm stats;
    shoot(stats, "stats");
    stats.reject();
  }
};

QTEST_MAIN(CorrectionFormsTest)
#include "CorrectionForms_test.moc"
