// The selection panel of the report and graph windows: two labelled lists side by side, the tip
// box under them and the run and abort buttons. While the mouse is over a list or a watched
// control, its tip shows in the tip box (when the tool tips option is on).
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace tallmark {

// Shows the tip of the control under the mouse in a tip box: a list's tip from listTip, any
// other control's from its "tip" property.
class PanelTips : public QObject {
 public:
  PanelTips(QLabel* box, std::array<QListWidget*, 2> lists, bool boxHides, QObject* parent);
  void watch(QWidget* control);
  std::function<QString(int list)> listTip;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* box_;
  std::array<QListWidget*, 2> lists_;
  bool boxHides_;  // the box is hidden while it shows no tip (else it keeps its room, empty)
};

struct PanelLook {
  QString run, runTip, abort, abortTip;  // the buttons' captions and tips
  int listStretch = 0;                    // the lists' share of the room left over
  bool tipBoxHides = false;
};

// The panel's controls, named as on the forms.
struct SelectionPanel {
  std::array<QListWidget*, 2> List1{};
  std::array<QLabel*, 2> ListLabel{};
  QLabel* TipBox = nullptr;
  std::array<QPushButton*, 2> Command1{};
  PanelTips* panelTips = nullptr;

  // Adds the lists, the tip box and the row of buttons to layout, as children of parent; returns
  // the row, for any further button.
  QHBoxLayout* buildPanel(QWidget* parent, QVBoxLayout* layout, const PanelLook& look);
};

}  // namespace tallmark
