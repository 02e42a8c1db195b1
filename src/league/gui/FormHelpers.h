// Helpers every window uses: texts between the league's single-byte texts and Qt, centring,
// the tool-tip box, and the window shown for functions still to come.
#pragma once

#include <QSize>
#include <QString>
#include <string>

class QLabel;
class QWidget;

namespace tallmark {

// League texts are Windows-1252; Qt's are Unicode.
QString FromLeagueText(const std::string& text);
std::string ToLeagueText(const QString& text);
// File paths are the file system's bytes (UTF-8).
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

// Moves a window to the centre of the screen it is on.
void CenterForm(QWidget* window);
// Gives a window the size it wants, no larger than the screen it opens on (with room for its
// frame), and centres it there.
void FitToScreen(QWidget* window, QSize wanted);

// Placement of a tip against its control: below its left edge, or below its middle.
constexpr int kTipBelowLeft = 0;
constexpr int kTipBelowMiddle = 2;
// The hidden yellow tip box of a window ("TipLabel"), wrapping its text when wordWrap is set.
QLabel* MakeTipLabel(QWidget* parent, bool wordWrap);
// Shows text in the tip box just below control, when the tool tips option is on (True).
void ShowToolTip(QLabel* tip, QWidget* control, const QString& text, int placement);

// The small window of a function whose window is not in this version yet.
void ShowNotAvailable(QWidget* parent, const QString& title);

// Gives every control of the window that takes the keyboard a name for assistive technology
// where it has none: the caption whose label it belongs to, the label beside it, its tip, or the
// title of its frame.
void NameControls(QWidget* window);
// Names the controls of every window as it is shown, for the life of the program.
void NameControlsOfEveryWindow();

// An entry's caption without its mnemonic marks ("Save &As" -> "Save As").
QString PlainCaption(const QString& caption);

}  // namespace tallmark
