#include "setup/gui/SplitSeasonForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/Text.h"
#include "processing/gui/SpinTextBox.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

namespace {

// Colours 4 (red) and 7 (light grey) of the standard 16-colour palette.
const QString kLiveCaption = QStringLiteral("color: #800000;");
const QString kDeadCaption = QStringLiteral("color: #c0c0c0;");

}  // namespace

SplitSeasonForm::SplitSeasonForm(QWidget* parent)
    : TipDialog(parent, "SplitSeason_Form", "SPLIT SEASON SETUP") {
  for (int i = 1; i <= 3; ++i) {
    labels_[i] = new QLabel;
    labels_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    labels_[i]->setAlignment(Qt::AlignCenter);
  }
  labels_[1]->setText(Show(SplitSeasonSetup::WeekLabel()));
  labels_[2]->setText(Show(SplitSeasonSetup::PositionWeeksLabel()));
  labels_[2]->setWordWrap(true);
  QFont bold = labels_[1]->font();
  bold.setBold(true);
  labels_[1]->setFont(bold);

  save_ = makeButton(tr("&Save"), "Command1_0", "Save split season setup and exit form");
  cancel_ = makeButton(tr("&Cancel"), "Command1_1", "Exit form with no changes");
  connect(save_, &QPushButton::clicked, this, &SplitSeasonForm::saveClicked);
  connect(cancel_, &QPushButton::clicked, this, &SplitSeasonForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(labels_[1]);
  layout->addWidget(labels_[2]);
  layout->addWidget(buildSplits());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(buildModes(), 1);
  bottom->addWidget(labels_[3]);
  layout->addLayout(bottom);
  layout->addLayout(buttons);
  refresh();
}

QWidget* SplitSeasonForm::buildSplits() {
  auto* frame = new QGroupBox(tr("Session Start Weeks"));
  auto* grid = new QGridLayout(frame);
  grid->setVerticalSpacing(2);
  for (int k = 1; k <= kSplits; ++k) {
    auto* caption = new QLabel(tr("Session %1 starts week").arg(k + 1));
    weeks_[k] = makeSpin([this, k](const std::string& text, Integer step) {
      return setup_.enterWeek(k, text, step);
    }, [this] { refresh(); });
    weeks_[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
    caption->setBuddy(weeks_[k]->edit());
    stats_[k] = new QCheckBox(tr("reset statistics at session start"));
    classes_[k] = new QCheckBox(tr("reset classifications at session start"));
    stats_[k]->setObjectName(QStringLiteral("Check1_%1").arg(k));
    classes_[k]->setObjectName(QStringLiteral("Check2_%1").arg(k));
    addTip(stats_[k], "Check to reset statistics at session start");
    addTip(classes_[k], "Check to reset classifications at session start");
    connect(stats_[k], &QCheckBox::clicked, this, [this, k](bool on) {
      setup_.setResetStats(k, on);
      refresh();
    });
    connect(classes_[k], &QCheckBox::clicked, this, [this, k](bool on) {
      setup_.setResetClasses(k, on);
      refresh();
    });
    grid->addWidget(caption, k, 0);
    grid->addWidget(weeks_[k], k, 1);
    grid->addWidget(stats_[k], k, 2);
    grid->addWidget(classes_[k], k, 3);
  }
  grid->setColumnStretch(4, 1);
  return frame;
}

QWidget* SplitSeasonForm::buildModes() {
  auto* frame = new QGroupBox(tr("Reset statistics for"));
  auto* row = new QHBoxLayout(frame);
  auto* group = new QButtonGroup(frame);
  const std::string players = Lower(lg.SportTerm[5]);
  const std::array<std::string, 3> captions = {"Teams only", lg.SportTerm[5] + " only",
                                               "Both teams and " + players};
  const std::array<std::string, 3> tips = {"teams only", "players only", "both teams and players"};
  for (int mode = 0; mode < 3; ++mode) {
    modes_[mode] = new QRadioButton(Show(captions[mode]));
    modes_[mode]->setObjectName(QStringLiteral("Option1_%1").arg(mode));
    addTip(modes_[mode], "Reset stats at splits for " + tips[mode]);
    group->addButton(modes_[mode], mode);
    row->addWidget(modes_[mode]);
    connect(modes_[mode], &QRadioButton::clicked, this, [this, mode] { setup_.setResetMode(mode); });
  }
  modes_[setup_.resetMode()]->setChecked(true);
  return frame;
}

void SplitSeasonForm::refresh() {
  for (int k = 1; k <= kSplits; ++k) {
    const bool live = setup_.editable(k);
    weeks_[k]->setText(QString::number(setup_.startWeek(k)));
    weeks_[k]->setEnabled(live);
    for (QCheckBox* box : {stats_[k], classes_[k]}) {
      box->setEnabled(live);
      box->setStyleSheet(live ? kLiveCaption : kDeadCaption);
    }
    stats_[k]->setChecked(setup_.resetStats(k));
    classes_[k]->setChecked(setup_.resetClasses(k));
  }
  for (QRadioButton* button : modes_) button->setEnabled(setup_.modeEnabled());
  labels_[3]->setText(Show(setup_.sessionsLabel()));
}

void SplitSeasonForm::saveClicked() {
  commitFocusedBox();
  setup_.store();
  accept();
}

int RunSplitSeasonForm(QWidget* parent) {
  SplitSeasonForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
