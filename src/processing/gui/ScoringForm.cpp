#include "processing/gui/ScoringForm.h"

#include <algorithm>

#include <QButtonGroup>
#include <QTabBar>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "league/gui/FormHelpers.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/ScoringCaptions.h"
#include "processing/gui/SpinTextBox.h"
#include "common/Functs.h"

namespace tallmark {
namespace {

using SO = ScoringOptions;

QString Show(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string Typed(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QLabel* BuddyLabel(const std::string& caption, QWidget* buddy) {
  auto* label = new QLabel(Show(caption));
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ScoringForm::ScoringForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Show(ScoringCaption()));
  setObjectName(QStringLiteral("Scoring_Form"));
  tabs_ = new QTabWidget;
  tabs_->addTab(buildPointsTab(), tr("Points and Games"));
  tabs_->addTab(buildHandicapTab(), tr("Handicaps"));
  tabs_->addTab(buildOptionsTab(), tr("Other Options"));
  addTip(tabs_->tabBar(), TabsTip());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buildButtons());

  tip_ = MakeTipLabel(this, true);

  connectChoices();
  refresh();
  watchBackground(this);
  for (int i = 0; i < tabs_->count(); ++i) watchBackground(tabs_->widget(i));
}

// ---- building the tabs ----

QWidget* ScoringForm::buildPointsTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(buildPointBoxes());
  layout->addWidget(buildHighGameFrame());
  layout->addWidget(makeSwitch(SO::kMatchPointLeague));
  layout->addWidget(makeSwitch(SO::kPointsToTeam));
  layout->addStretch();
  return page;
}

QWidget* ScoringForm::buildHandicapTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(buildMethodFrame());
  layout->addLayout(buildGroupGrid());
  layout->addWidget(makeSwitch(SO::kDifferentScoring));
  layout->addWidget(makeSwitch(SO::kAbsenteePercent));
  layout->addStretch();
  return page;
}

QWidget* ScoringForm::buildOptionsTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(makeSwitch(SO::kSortByHandicap));
  layout->addWidget(makeSwitch(SO::kCreditUnearned));
  layout->addWidget(makeSwitch(SO::kAutoWinForfeit));
  layout->addStretch();
  return page;
}

QLayout* ScoringForm::buildPointBoxes() {
  auto* grid = new QGridLayout;
  for (int box = 0; box < SO::kPointBoxes; ++box) {
    SpinTextBox* spin = makePointBox(box);
    pointLabels_[box] = BuddyLabel(PointCaption(box, options_), spin->edit());
    grid->addWidget(spin, box, 0);
    grid->addWidget(pointLabels_[box], box, 1);
  }
  grid->setColumnStretch(1, 1);
  return grid;
}

QWidget* ScoringForm::buildHighGameFrame() {
  auto* frame = new QGroupBox(tr("High Game Point Options"));
  highGameIndividual_ = new QRadioButton(tr("Individual"));
  highGameTeam_ = new QRadioButton(tr("Team"));
  highGameScratch_ = new QRadioButton(tr("Scratch"));
  highGameHandicap_ = new QRadioButton(tr("Handicap"));
  // two pairs, each exclusive on its own
  auto* who = new QButtonGroup(frame);
  who->addButton(highGameIndividual_);
  who->addButton(highGameTeam_);
  auto* kind = new QButtonGroup(frame);
  kind->addButton(highGameScratch_);
  kind->addButton(highGameHandicap_);
  (options_.highGameTeam() ? highGameTeam_ : highGameIndividual_)->setChecked(true);
  (options_.highGameHandicap() ? highGameHandicap_ : highGameScratch_)->setChecked(true);
  auto* layout = new QHBoxLayout(frame);
  for (QRadioButton* button : {highGameIndividual_, highGameTeam_}) layout->addWidget(button);
  layout->addSpacing(40);
  for (QRadioButton* button : {highGameScratch_, highGameHandicap_}) layout->addWidget(button);
  layout->addStretch();
  for (QRadioButton* button :
       {highGameIndividual_, highGameTeam_, highGameScratch_, highGameHandicap_})
    addTip(button, HighGameTip());
  return frame;
}

QWidget* ScoringForm::buildMethodFrame() {
  auto* frame = new QGroupBox(tr("&Handicapping"));
  methodGroup_ = new QButtonGroup(frame);
  auto* layout = new QGridLayout(frame);
  for (int choice = 0; choice < SO::kMethods; ++choice) {
    methodButtons_[choice] = new QRadioButton(Show(MethodCaption(choice)));
    methodGroup_->addButton(methodButtons_[choice], choice);
    layout->addWidget(methodButtons_[choice], choice / 2, choice % 2);
    addTip(methodButtons_[choice], MethodTip(choice));
  }
  methodButtons_[options_.method()]->setChecked(true);
  return frame;
}

QLayout* ScoringForm::buildGroupGrid() {
  auto* grid = new QGridLayout;
  for (int g = 0; g < SO::kGroups; ++g) {
    auto* heading = new QLabel(Show(GroupHeading(g)));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, g + 1);
  }
  for (int row = 0; row < SO::kGroupRows; ++row) {
    for (int g = 0; g < SO::kGroups; ++g) grid->addWidget(makeGroupBox(row, g), row + 1, g + 1);
    groupRowLabels_[row] = BuddyLabel(GroupRowCaption(row, options_), groupBoxes_[row][0]->edit());
    grid->addWidget(groupRowLabels_[row], row + 1, 0);
  }
  grid->setColumnStretch(0, 1);
  grid->setHorizontalSpacing(12);
  return grid;
}

QLayout* ScoringForm::buildButtons() {
  ok_ = new QPushButton(tr("OK"));
  cancel_ = new QPushButton(tr("&Cancel"));
  ok_->setDefault(true);
  addTip(ok_, OkTip());
  addTip(cancel_, CancelTip());
  connect(ok_, &QPushButton::clicked, this, &ScoringForm::okClicked);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok_);
  row->addWidget(cancel_);
  return row;
}

QCheckBox* ScoringForm::makeSwitch(int box) {
  switches_[box] = new QCheckBox(Show(SwitchCaption(box)));
  switches_[box]->setChecked(options_.switchOn(box));
  addTip(switches_[box], SwitchTip(box));
  connect(switches_[box], &QCheckBox::toggled, this, [this, box](bool on) {
    options_.setSwitch(box, on);
    refresh();
  });
  return switches_[box];
}

SpinTextBox* ScoringForm::makePointBox(int box) {
  auto* spin = new SpinTextBox;
  spin->setObjectName(QStringLiteral("Text1_%1").arg(box));
  spin->setText(Show(NumberText(options_.point(box))));
  auto enter = [this, spin, box](int step) {
    const Integer value = options_.enterPoint(box, Typed(spin->text()), static_cast<Integer>(step));
    spin->setText(Show(NumberText(value)));
  };
  connect(spin, &SpinTextBox::stepped, this, enter);
  connect(spin, &SpinTextBox::left, this, [enter] { enter(0); });
  pointBoxes_[box] = spin;
  addTip(spin, PointTip(box));
  return spin;
}

SpinTextBox* ScoringForm::makeGroupBox(int row, int g) {
  auto* spin = new SpinTextBox;
  spin->setObjectName(QStringLiteral("Text2_%1_%2").arg(row).arg(g));
  spin->setText(Show(NumberText(options_.group(row, g))));
  auto enter = [this, spin, row, g](int step) {
    const Integer value =
        options_.enterGroup(row, g, Typed(spin->text()), static_cast<Integer>(step));
    spin->setText(Show(NumberText(value)));
  };
  connect(spin, &SpinTextBox::stepped, this, enter);
  connect(spin, &SpinTextBox::left, this, [enter] { enter(0); });
  groupBoxes_[row][g] = spin;
  addTip(spin, GroupRowTip(row));
  return spin;
}

void ScoringForm::connectChoices() {
  connect(methodGroup_, &QButtonGroup::idToggled, this, [this](int choice, bool checked) {
    if (!checked) return;
    options_.chooseMethod(choice);
    refresh();
  });
  connect(highGameTeam_, &QRadioButton::toggled, this, [this](bool team) {
    options_.setHighGameTeam(team);
    refresh();
  });
  connect(highGameHandicap_, &QRadioButton::toggled, this, [this](bool handicap) {
    options_.setHighGameHandicap(handicap);
    refresh();
  });
}

// ---- state shown ----

void ScoringForm::refresh() {
  for (int box = 0; box < SO::kPointBoxes; ++box)
    pointBoxes_[box]->setEnabled(options_.pointInUse(box));
  for (int row = 0; row < SO::kGroupRows; ++row)
    for (int g = 0; g < SO::kGroups; ++g)
      groupBoxes_[row][g]->setEnabled(options_.groupInUse(row, g));
  pointLabels_[SO::kHighGameBox]->setText(Show(PointCaption(SO::kHighGameBox, options_)));
  groupRowLabels_[SO::kAbsenteeRow]->setText(Show(GroupRowCaption(SO::kAbsenteeRow, options_)));
}

// ---- tool tips ----

void ScoringForm::addTip(QWidget* control, const std::string& text) {
  tips_[control] = Show(text);
  control->setAccessibleDescription(tips_[control]);
  control->installEventFilter(this);
  for (QWidget* child : control->findChildren<QWidget*>()) {
    tips_[child] = tips_[control];
    child->installEventFilter(this);
  }
}

void ScoringForm::watchBackground(QWidget* widget) {
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

void ScoringForm::showTip(QWidget* control) {
  if (lg.ToolTips != True) return;
  const QString& text = tips_[control];
  tip_->setText(text);
  // one line when it fits, otherwise wrapped at the widest a tip may be
  const int margins = 2 * (tip_->margin() + 4);
  tip_->setFixedWidth(std::min(tip_->fontMetrics().horizontalAdvance(text) + margins, 560));
  tip_->setFixedHeight(tip_->heightForWidth(tip_->width()));
  QPoint at = control->mapTo(this, QPoint(0, control->height()));
  // keep the tip inside the window
  if (at.x() + tip_->width() > width()) at.setX(std::max(0, width() - tip_->width()));
  if (at.y() + tip_->height() > height())
    at.setY(std::max(0, control->mapTo(this, QPoint(0, 0)).y() - tip_->height()));
  tip_->move(at);
  tip_->raise();
  tip_->show();
}

bool ScoringForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    auto tip = tips_.find(watched);
    if (tip != tips_.end()) showTip(static_cast<QWidget*>(watched));
  } else if (event->type() == QEvent::MouseMove && tips_.find(watched) == tips_.end()) {
    tip_->hide();  // the mouse is over the window's background
  } else if (event->type() == QEvent::Leave || event->type() == QEvent::KeyPress) {
    tip_->hide();  // no tip stays over the boxes once the mouse has gone or typing starts
  }
  return QDialog::eventFilter(watched, event);
}

// ---- OK ----

// A box whose text was typed and the window left with Enter or a shortcut has not lost the
// focus yet: check it as if it had.
void ScoringForm::commitFocusedBox() {
  QWidget* focused = focusWidget();
  for (SpinTextBox* spin : pointBoxes_)
    if (spin->edit() == focused) emit spin->left();
  for (const auto& row : groupBoxes_)
    for (SpinTextBox* spin : row)
      if (spin->edit() == focused) emit spin->left();
}

void ScoringForm::okClicked() {
  commitFocusedBox();
  options_.store();
  accept();
}

int RunScoringForm(QWidget* parent) {
  ScoringForm form(parent);
  return form.exec();
}

}  // namespace tallmark
