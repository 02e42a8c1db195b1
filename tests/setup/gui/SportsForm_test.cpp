// The sport definitions window over the program folder's SportsInfo.dat, driven as the secretary
// uses it.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/SportFile.h"
#include "processing/gui/SpinTextBox.h"
#include "setup/gui/NewLeagueOnDisk.h"
#include "setup/gui/SportsForm.h"

using namespace tallmark;
using Form = SportsForm;

class SportsFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::NewLeagueOnDisk> league_;
  int shipped_ = 0;  // sports in the program's own SportsInfo.dat

  std::string sportsFile() { return league_->home() + "SportsInfo.dat"; }
  std::string fileBytes() {
    std::string bytes;
    ReadWholeFile(sportsFile(), bytes);
    return bytes;
  }
  void open(Form& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }
  void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  void click(Form& form, int button) {
    QTest::mouseClick(form.button(button), Qt::LeftButton);
  }

 private slots:
  void init() {
    league_ = std::make_unique<test::NewLeagueOnDisk>();
    league_->build(4, 2, 2, 0, 6);
    shipped_ = SportsInFile();
    QVERIFY(shipped_ >= 1);
    QVERIFY(shipped_ < 32);
  }
  void cleanup() { league_.reset(); }

  void addingASportAndSaving() {
    Form form;
    open(form);
    click(form, Form::AddButton);
    QCOMPARE(form.tabs()->count(), shipped_ + 1);
    QCOMPARE(form.tabs()->currentIndex(), shipped_);
    QCOMPARE(form.tabs()->tabText(shipped_), QString("New 10 Pin Bowling"));
    QCOMPARE(form.termBox(4)->text(), QString("New Bowler"));
    QCOMPARE(form.paramBox(0)->text(), QString("300"));
    // The new sport's own words and numbers.
    typeInto(form.termBox(0), "Candlepin");
    QCOMPARE(form.tabs()->tabText(shipped_), QString("Candlepin"));
    QCOMPARE(form.parametersFrame()->title(), QString("Candlepin Parameters"));
    typeInto(form.termBox(6), "Stick");
    typeInto(form.paramBox(0)->edit(), "20000");  // above 10000: cut, with a beep
    QTest::keyClick(form.paramBox(0)->edit(), Qt::Key_Tab);
    QCOMPARE(form.paramBox(0)->text(), QString("10000"));
    QCOMPARE(league_->io.beeps, 1);
    typeInto(form.paramBox(1)->edit(), "3");
    QTest::keyClick(form.paramBox(1)->edit(), Qt::Key_Up);  // the spin button's step
    QCOMPARE(form.paramBox(1)->text(), QString("4"));
    form.roundUpList()->setFocus();
    QTest::keyClick(form.roundUpList(), Qt::Key_Up);  // "True"
    QCOMPARE(form.roundUpList()->currentText(), QString("True"));
    typeInto(form.paramBox(7)->edit(), "140");  // still in the box when Save is clicked
    league_->io.answer(MsgAnswer::Yes);
    click(form, Form::SaveButton);
    QCOMPARE(league_->io.shown.back().title, std::string("SAVE CHANGES?"));
    QCOMPARE(league_->io.shown.back().text,
             std::string("Any changes you have made will be saved to the master sports "
                         "information file.\r\n\r\nAre you sure you want to do this?"));
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());

    // The league's own sport is back in memory; the new one is in the file.
    QCOMPARE(lg.SportTerm[0], std::string("10 Pin Bowling"));
    QCOMPARE(lg.SportCount, Integer(shipped_ + 1));
    QCOMPARE(SportsInFile(), shipped_ + 1);
    QCOMPARE(fileBytes().size(), size_t(kSportRecordLength) * (shipped_ + 1));
    ReadSport(shipped_ + 1);
    QCOMPARE(lg.SportTerm[0], std::string("Candlepin"));
    QCOMPARE(lg.SportTerm[6], std::string("Stick"));
    QCOMPARE(lg.SportTerm[8], std::string("New Series"));
    QCOMPARE(lg.GameParam[0], Integer{10000});
    QCOMPARE(lg.GameParam[1], Integer{4});
    QCOMPARE(lg.GameParam[3], True);
    QCOMPARE(lg.SportAward[3], Integer{140});
    ReadSport(1);
    QCOMPARE(lg.GameParam[0], Integer{300});
  }

  void aValueTypedBeforeChangingTabsStaysWithItsSport() {
    Form form;
    open(form);
    click(form, Form::AddButton);
    typeInto(form.paramBox(4)->edit(), "60");
    QTest::mouseClick(form.tabs(), Qt::LeftButton, {},
                      form.tabs()->tabRect(0).center());
    QCOMPARE(form.tabs()->currentIndex(), 0);
    QCOMPARE(form.paramBox(4)->text(), QString("75"));
    QCOMPARE(form.setup().sport(0).params[4], Integer{75});
    QCOMPARE(form.setup().sport(shipped_).params[4], Integer{60});
  }

  void answeringNoOrCancellingLeavesTheFileAlone() {
    const std::string before = fileBytes();
    {
      Form form;
      open(form);
      click(form, Form::AddButton);
      league_->io.answer(MsgAnswer::No);
      click(form, Form::SaveButton);
      QCOMPARE(form.result(), int(QDialog::Rejected));
      QVERIFY(!form.isVisible());
    }
    {
      Form form;
      open(form);
      click(form, Form::AddButton);
      typeInto(form.termBox(0), "Duckpin");
      click(form, Form::CancelButton);
      QCOMPARE(form.result(), int(QDialog::Rejected));
    }
    QCOMPARE(fileBytes(), before);
    QCOMPARE(lg.SportTerm[0], std::string("10 Pin Bowling"));
  }

  void toolTipsShowInTheTipLabelWhenSwitchedOn() {
    auto hover = [](QWidget* control) {
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QCoreApplication::sendEvent(control, &enter);
    };
    lg.ToolTips = False;
    {
      Form form;
      open(form);
      hover(form.button(Form::SaveButton));
      QVERIFY(!form.tipLabel()->isVisible());
    }
    lg.ToolTips = True;
    Form form;
    open(form);
    const std::pair<QWidget*, QString> tips[] = {
        {form.button(Form::SaveButton), "Click to save your changes"},
        {form.button(Form::CancelButton), "Click to cancel your changes"},
        {form.button(Form::AddButton), "Click to add a new sport"},
        {form.paramBox(0)->edit(), "1 to 10000 allowed"},
        {form.paramBox(1)->edit(), "1 to 12 allowed"},
        {form.paramBox(2)->edit(), "0 or 1 allowed"},
        {form.roundUpList(), "Specify whether you want results rounded up"},
        {form.termBox(3), "Enter terms for this sport that are similar to bowling terms"},
        {form.tabs(), "Click on a tab to customize the options for a sport"}};
    for (const auto& [control, text] : tips) {
      hover(control);
      QVERIFY(form.tipLabel()->isVisible());
      QCOMPARE(form.tipLabel()->text(), text);
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form.tabs(), &leave);
    QVERIFY(!form.tipLabel()->isVisible());
  }

};

QTEST_MAIN(SportsFormTest)
#include "SportsForm_test.moc"
