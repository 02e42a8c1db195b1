#include "league/gui/SelectionPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/LeagueData.h"

namespace tallmark {

PanelTips::PanelTips(QLabel* box, std::array<QListWidget*, 2> lists, bool boxHides, QObject* parent)
    : QObject(parent), box_(box), lists_(lists), boxHides_(boxHides) {}

void PanelTips::watch(QWidget* control) { control->installEventFilter(this); }

bool PanelTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter && lg.ToolTips == True) {
    QString tip = watched->property("tip").toString();
    for (int i = 0; i < 2; ++i)
      if (watched == lists_[i] && listTip) tip = listTip(i);
    box_->setText(tip);
    if (boxHides_) box_->setVisible(true);
  } else if (event->type() == QEvent::Leave) {
    if (boxHides_) box_->setVisible(false);
    else box_->clear();
  }
  return QObject::eventFilter(watched, event);
}

QHBoxLayout* SelectionPanel::buildPanel(QWidget* parent, QVBoxLayout* layout, const PanelLook& look) {
  auto* lists = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* column = new QVBoxLayout;
    ListLabel[i] = new QLabel(parent);
    List1[i] = new QListWidget(parent);
    List1[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListLabel[i]->setBuddy(List1[i]);
    column->addWidget(ListLabel[i]);
    column->addWidget(List1[i]);
    lists->addLayout(column);
  }
  layout->addLayout(lists, look.listStretch);
  TipBox = new QLabel(parent);
  if (look.tipBoxHides) TipBox->setVisible(false);
  else TipBox->setMinimumHeight(TipBox->fontMetrics().height() + 4);
  layout->addWidget(TipBox);
  auto* buttons = new QHBoxLayout;
  Command1[0] = new QPushButton(look.run, parent);
  Command1[1] = new QPushButton(look.abort, parent);
  Command1[0]->setProperty("tip", look.runTip);
  Command1[1]->setProperty("tip", look.abortTip);
  panelTips = new PanelTips(TipBox, List1, look.tipBoxHides, parent);
  for (QWidget* control : {static_cast<QWidget*>(List1[0]), static_cast<QWidget*>(List1[1]),
                           static_cast<QWidget*>(Command1[0]), static_cast<QWidget*>(Command1[1])})
    panelTips->watch(control);
  buttons->addWidget(Command1[0]);
  buttons->addWidget(Command1[1]);
  layout->addLayout(buttons);
  return buttons;
}

}  // namespace tallmark
