// Shared by the picture runs of tallmark-shots: timed steps that run inside the windows' own
// modal loops, and the picture savers.
#pragma once

#include <QString>

#include <deque>
#include <functional>

class QWidget;

namespace tallmark {
class MainForm;
}

struct Step {
  int delay;
  std::function<void()> run;
};

// The whole screen as OUTDIR/name.png.
void Shot(const QString& name);
// One window as OUTDIR/name.png, in at most 256 colours so that the file stays small.
void WindowShot(QWidget* window, const QString& name);
// The steps that take the user guide's pictures of every window (guide_shots.cpp).
std::deque<Step> GuideSteps(tallmark::MainForm& main);
