// What the set-up window tests share: the sports and schedule windows stood in for, driving a
// box from the keyboard, and acting on a modal window once it is up.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "processing/gui/SpinTextBox.h"
#include "setup/SportsSetup.h"
#include "setup/gui/TeamForm.h"

namespace tallmark::test {

// Calls of the windows stood in for, and what the league looked like then.
inline int sportsWindowOpened = 0;
inline int scheduleWindowOpened = 0;
inline int teamsWhenScheduleShown = 0;

// The sports window as a secretary uses it for a new sport: add one after the selected sport
// and save the master file.
inline void NewSportWindow(QWidget*) {
  ++sportsWindowOpened;
  SportsSetup sports;
  sports.load();
  sports.addSport();
  sports.save();
}

// The schedule window, which the teams window opens for review after the team count changed.
inline void ScheduleWindow(QWidget*) {
  ++scheduleWindowOpened;
  teamsWhenScheduleShown = lg.NumTeams;
}

// Types text over the box's contents and leaves the box with Tab.
inline void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Tab);
}
inline void TypeInto(SpinTextBox* box, const QString& text) { TypeInto(box->edit(), text); }

// Runs act on the window of type T (and of the object name, when one is given) as soon as it is
// the active modal window.
template <class T>
void WhenShown(std::function<void(T*)> act, const QString& name = {}) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, name] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!window || (!name.isEmpty() && window->objectName() != name)) return;
    timer->stop();
    timer->deleteLater();
    act(window);
  });
  timer->start();
}

}  // namespace tallmark::test
