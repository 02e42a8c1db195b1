// The pager's keys: each key pressed at a wait; when the wait goes on (the key swallowed),
// "&Print This Page" is chosen.
#include <QAction>
#include <QTimer>
#include <QtTest>

#include "league/gui/PagerDialog.h"

using namespace tallmark;
using Command = PagerDialog::Command;

class Pager : public PagerDialog {
 public:
  Pager() : PagerDialog("&Next Page", "&Print This Page", nullptr) {}
  Command wait() { return waitForCommand(); }
};

class PagerDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void keysAtTheWait() {
    const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
    const struct { Qt::Key key; Qt::KeyboardModifiers mods; Command want; } cases[] = {
        {Qt::Key_PageDown, none, Command::Next}, {Qt::Key_Tab, none, Command::Next},
        {Qt::Key_Return, none, Command::Next},   {Qt::Key_Enter, pad, Command::Next},
        {Qt::Key_Space, none, Command::Next},    {Qt::Key_Down, none, Command::Next},
        {Qt::Key_2, pad, Command::Next},         {Qt::Key_3, pad, Command::Next},
        {Qt::Key_Escape, none, Command::Close},  {Qt::Key_End, none, Command::Close},
        {Qt::Key_1, pad, Command::Close},        {Qt::Key_1, none, Command::Print},
        {Qt::Key_2, none, Command::Print},       {Qt::Key_A, none, Command::Print},
        {Qt::Key_Tab, Qt::ShiftModifier, Command::Print},
        {Qt::Key_Escape, Qt::ControlModifier, Command::Print},
    };
    Pager pager;
    pager.show();
    int done = 0;
    for (const auto& c : cases) {
      QTimer::singleShot(0, &pager, [&] { QTest::keyClick(&pager, c.key, c.mods); });
      QTimer::singleShot(30, &pager, [&, n = done] {
        if (done == n) pager.MenuPrint->trigger();  // still waiting: the key was swallowed
      });
      QCOMPARE(pager.wait(), c.want);
      QVERIFY(pager.isVisible() && !pager.MenuClose->isEnabled());
      ++done;
    }
    QTimer::singleShot(0, &pager, [&] { pager.reject(); });  // closing the window is "&Close"
    QCOMPARE(pager.wait(), Command::Close);
    QVERIFY(pager.isVisible());
  }
};

QTEST_MAIN(PagerDialogTest)
#include "PagerDialog_test.moc"
