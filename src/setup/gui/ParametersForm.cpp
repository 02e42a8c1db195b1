#include "setup/gui/ParametersForm.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "processing/gui/SpinTextBox.h"
#include "setup/gui/SportsForm.h"
#include "setup/gui/TeamForm.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

ParametersForm::ParametersForm(QWidget* parent)
    : QDialog(parent),
      openSports([](QWidget* owner) { RunSportsForm(owner); }) {
  setObjectName(QStringLiteral("Parameters_Form"));
  setWindowTitle(QStringLiteral("GENERAL LEAGUE SETUP PARAMETERS"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildSportRow());
  layout->addSpacing(8);
  layout->addLayout(buildBoxes());
  auto* note = new QLabel(
      QStringLiteral("*** Can't be changed after league is setup without starting a new league."));
  note->setObjectName(QStringLiteral("NoteLabel"));
  layout->addSpacing(8);
  layout->addWidget(note);
  layout->addLayout(buildBottom());

  tip_ = MakeTipLabel(this, false);
  fillSports();
  showBoxes();
}

QLayout* ParametersForm::buildSportRow() {
  sports_ = new QComboBox;
  sports_->setObjectName(QStringLiteral("Combo1"));
  sports_->setMinimumContentsLength(24);
  auto* label = new QLabel(tr("S&port"));
  label->setBuddy(sports_);
  newSport_ = new QPushButton(tr("&New Sport"));
  newSport_->setObjectName(QStringLiteral("Command2"));
  newSport_->setAutoDefault(false);
  addTip(sports_, "Select a sport from the list");
  addTip(newSport_, "Click here to add a new sport to the program");
  connect(sports_, &QComboBox::activated, this, &ParametersForm::sportChosen);
  connect(newSport_, &QPushButton::clicked, this, &ParametersForm::newSportClicked);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(sports_);
  row->addWidget(newSport_);
  row->addStretch();
  return row;
}

QLayout* ParametersForm::buildBoxes() {
  auto* grid = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    boxes_[i] = new SpinTextBox;
    boxes_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    labels_[i] = new QLabel;
    labels_[i]->setBuddy(boxes_[i]->edit());
    // room for the widest range the box can come to show
    labels_[i]->setMinimumWidth(
        labels_[i]->fontMetrics().horizontalAdvance(QStringLiteral("Start Week (00 to 000)")));
    explanations_[i] = new QLabel;
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(boxes_[i], i, 1);
    grid->addWidget(explanations_[i], i, 2);
    connect(boxes_[i], &SpinTextBox::stepped, this, [this, i](int step) { enter(i, step); });
    connect(boxes_[i], &SpinTextBox::left, this, [this, i] { enter(i, 0); });
  }
  grid->setColumnStretch(2, 1);
  grid->setHorizontalSpacing(10);
  return grid;
}

QLayout* ParametersForm::buildBottom() {
  progressLabel_ = new QLabel;
  progressLabel_->setObjectName(QStringLiteral("ProgressLabel"));
  progressLabel_->setMinimumWidth(progressLabel_->fontMetrics().horizontalAdvance("100%") + 4);
  gauge_ = new QProgressBar;
  gauge_->setObjectName(QStringLiteral("Gauge1"));
  gauge_->setRange(0, 100);
  gauge_->setTextVisible(false);
  ok_ = new QPushButton(tr("OK"));
  ok_->setObjectName(QStringLiteral("Command1"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &ParametersForm::okClicked);
  // The progress shows only while the league is built.
  progressLabel_->hide();
  gauge_->hide();
  auto* row = new QHBoxLayout;
  row->addWidget(progressLabel_);
  row->addWidget(gauge_, 1);
  row->addStretch();
  row->addWidget(ok_);
  return row;
}

// ---- the sport ----

void ParametersForm::fillSports() {
  sports_->clear();
  for (const std::string& name : FillSportsList()) sports_->addItem(FromLeagueText(name));
  sports_->setCurrentIndex(lg.SportNumber - 1);
  setup_.refreshTerms();
}

void ParametersForm::sportChosen(int index) {
  ChooseSport(index);
  setup_.refreshTerms();
  showBoxes();
}

void ParametersForm::newSportClicked() {
  if (openSports) openSports(this);
  fillSports();
  showBoxes();
}

// ---- the boxes ----

void ParametersForm::enter(int i, int step) {
  setup_.commit(i, ToLeagueText(boxes_[i]->text()), static_cast<Integer>(step));
  showBoxes();
}

void ParametersForm::showBoxes() {
  for (int i = 0; i < 6; ++i) {
    const ParameterBox& b = setup_.boxes()[i];
    labels_[i]->setText(FromLeagueText(b.label + b.rangeText()));
    explanations_[i]->setText(FromLeagueText(b.explanation));
    boxes_[i]->setText(QString::number(b.value));
  }
}

// A box typed into and left with Enter has not lost the focus yet: check every box as if it
// had (a box already checked shows its value and stays as it is).
void ParametersForm::commitBoxes() {
  for (int i = 0; i < 6; ++i) enter(i, 0);
}

// ---- OK ----

void ParametersForm::showProgress(int percent) {
  progressLabel_->setText(QStringLiteral("%1%").arg(percent));
  gauge_->setValue(percent);
  progressLabel_->repaint();
  gauge_->repaint();
}

void ParametersForm::okClicked() {
  commitBoxes();
  ok_->setEnabled(false);
  progressLabel_->show();
  gauge_->show();
  BuildNewLeague(setup_.params(), [this](int percent) { showProgress(percent); });
  accept();
}

// ---- tool tips ----

void ParametersForm::addTip(QWidget* control, const char* text) {
  tips_[control] = QString::fromLatin1(text);
  control->installEventFilter(this);
}

bool ParametersForm::eventFilter(QObject* watched, QEvent* event) {
  auto tip = tips_.find(watched);
  if (tip != tips_.end()) {
    if (event->type() == QEvent::Enter)
      ShowToolTip(tip_, static_cast<QWidget*>(watched), tip->second, kTipBelowLeft);
    else if (event->type() == QEvent::Leave)
      tip_->hide();
  }
  return QDialog::eventFilter(watched, event);
}

int RunParametersForm(QWidget* parent) {
  int result = QDialog::Rejected;
  {
    ParametersForm form(parent);
    form.adjustSize();
    CenterForm(&form);
    result = form.exec();
  }
  if (result == QDialog::Accepted) RunTeamForm(parent);
  return result;
}

}  // namespace tallmark
