#include "setup/gui/SportsForm.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "league/SportFile.h"
#include "common/Text.h"
#include "processing/gui/SpinTextBox.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {
namespace {

QString Show(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string Typed(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

constexpr int kTrueEntry = 0;  // Combo2 lists "True", then "False"

QString NumberText(Integer value) { return QString::number(value); }

}  // namespace

SportsForm::SportsForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Sports_Form"));
  setWindowTitle(tr("Sport Definitions"));
  setup_.load();
  tip_ = MakeTipLabel(this, false);

  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setUsesScrollButtons(true);
  tabs_->setExpanding(false);
  tabs_->setDrawBase(false);
  for (const std::string& name : setup_.names()) tabs_->addTab(Show(name));
  tabs_->setCurrentIndex(setup_.selected());
  addTip(tabs_, "Click on a tab to customize the options for a sport");

  auto* page = new QFrame(this);
  page->setFrameShape(QFrame::StyledPanel);
  auto* columns = new QHBoxLayout(page);
  columns->addWidget(buildTermsFrame(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(buildParamFrame(parametersFrame_, 0, 3));
  right->addWidget(buildParamFrame(valuesFrame_, 4, 7));
  right->addStretch();
  columns->addLayout(right, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  layout->addWidget(page, 1);
  layout->addSpacing(10);
  layout->addLayout(buildButtons());

  setMinimumWidth(820);  // several tabs in view
  showSport();
  // connected last, so that filling the tabs does not count as choosing a sport
  connect(tabs_, &QTabBar::currentChanged, this, &SportsForm::tabChanged);
}

// ---- building ----

QWidget* SportsForm::buildTermsFrame() {
  auto* frame = new QGroupBox(tr("Terms"));
  auto* grid = new QGridLayout(frame);
  for (int term = 0; term < 10; ++term) {
    auto* box = new QLineEdit;
    box->setObjectName(QStringLiteral("Text1_%1").arg(term));
    box->setMaxLength(kSportTermLength);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 26);
    auto* label = new QLabel(Show(SportsSetup::termLabel(term)));
    label->setBuddy(box);
    grid->addWidget(label, term, 0);
    grid->addWidget(box, term, 1);
    addTip(box, "Enter terms for this sport that are similar to bowling terms");
    // stored as typed, so that no key that leaves the window can lose it
    connect(box, &QLineEdit::textEdited, this, [this, term](const QString& text) {
      setup_.setTerm(term, Typed(text));
      if (term == 0) {
        tabs_->setTabText(setup_.selected(), text);
        showLabels();
      } else if (term == 6 || term == 8) {
        showLabels();
      }
    });
    termBoxes_[term] = box;
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* SportsForm::buildParamFrame(QGroupBox*& frame, int first, int last) {
  frame = new QGroupBox;
  auto* grid = new QGridLayout(frame);
  for (int param = first; param <= last; ++param) {
    paramLabels_[param] = new QLabel;
    QWidget* box = buildParamBox(param);
    paramLabels_[param]->setBuddy(param == kRoundUpParam ? box : paramBoxes_[param]->edit());
    grid->addWidget(box, param - first, 0, Qt::AlignLeft);
    grid->addWidget(paramLabels_[param], param - first, 1);
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* SportsForm::buildParamBox(int param) {
  if (param == kRoundUpParam) {
    roundUp_ = new QComboBox;
    roundUp_->setObjectName(QStringLiteral("Combo2"));
    roundUp_->addItems({tr("True"), tr("False")});
    addTip(roundUp_, SportsSetup::paramToolTip(param));
    connect(roundUp_, &QComboBox::currentIndexChanged, this,
            [this](int entry) { setup_.setRoundUp(entry == kTrueEntry); });
    return roundUp_;
  }
  auto* spin = new SpinTextBox;
  spin->setObjectName(QStringLiteral("Text2_%1").arg(param));
  addTip(spin, SportsSetup::paramToolTip(param));
  auto enter = [this, spin, param](int step) {
    setup_.setParam(param, Typed(spin->text()), static_cast<Integer>(step));
    spin->setText(NumberText(setup_.sport(setup_.selected()).params[param]));
  };
  connect(spin, &SpinTextBox::stepped, this, enter);
  connect(spin, &SpinTextBox::left, this, [enter] { enter(0); });
  paramBoxes_[param] = spin;
  return spin;
}

QLayout* SportsForm::buildButtons() {
  const std::array<QString, 3> captions = {tr("&Save"), tr("&Cancel"), tr("&Add Sport")};
  const std::array<const char*, 3> tips = {"save your changes", "cancel your changes",
                                           "add a new sport"};
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = new QPushButton(captions[i]);
    buttons_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
    buttons_[i]->setAutoDefault(false);
    addTip(buttons_[i], std::string("Click to ") + tips[i]);
  }
  connect(buttons_[SaveButton], &QPushButton::clicked, this, &SportsForm::saveClicked);
  connect(buttons_[CancelButton], &QPushButton::clicked, this, &SportsForm::reject);
  connect(buttons_[AddButton], &QPushButton::clicked, this, &SportsForm::addClicked);
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  row->addWidget(buttons_[AddButton]);
  row->addStretch();
  row->addWidget(buttons_[SaveButton]);
  row->addWidget(buttons_[CancelButton]);
  return row;
}

void SportsForm::addTip(QWidget* control, const std::string& text) {
  tips_[control] = Show(text);
  control->installEventFilter(this);
  for (QWidget* child : control->findChildren<QWidget*>()) {
    tips_[child] = tips_[control];
    child->installEventFilter(this);
  }
}

bool SportsForm::eventFilter(QObject* watched, QEvent* event) {
  auto tip = tips_.find(watched);
  if (tip != tips_.end() && event->type() == QEvent::Enter)
    ShowToolTip(tip_, static_cast<QWidget*>(watched), tip->second, kTipBelowLeft);
  else if (tip != tips_.end() && event->type() == QEvent::Leave)
    tip_->hide();
  return QDialog::eventFilter(watched, event);
}

// ---- showing ----

void SportsForm::showSport() {
  const SportDefinition& sport = setup_.sport(setup_.selected());
  for (int term = 0; term < 10; ++term) termBoxes_[term]->setText(Show(sport.terms[term]));
  for (int param = 0; param < 8; ++param)
    if (param != kRoundUpParam) paramBoxes_[param]->setText(NumberText(sport.params[param]));
  roundUp_->setCurrentIndex(sport.params[kRoundUpParam] != False ? kTrueEntry : 1);
  showLabels();
}

void SportsForm::showLabels() {
  parametersFrame_->setTitle(Show(setup_.parametersLabel()));
  valuesFrame_->setTitle(Show(setup_.valuesLabel()));
  for (int param = 0; param < 8; ++param) paramLabels_[param]->setText(Show(setup_.paramLabel(param)));
}

// ---- acting ----

void SportsForm::tabChanged(int index) {
  // A box typed into keeps the focus while a tab is clicked: its value belongs to the sport
  // shown until now.
  commitFocusedBox();
  setup_.select(index);
  showSport();
}

void SportsForm::commitFocusedBox() {
  QWidget* focused = focusWidget();
  for (SpinTextBox* spin : paramBoxes_)
    if (spin && spin->edit() == focused) emit spin->left();
}

void SportsForm::addClicked() {
  commitFocusedBox();
  if (!setup_.addSport()) return;
  tabs_->addTab(Show(setup_.names().back()));
  tabs_->setCurrentIndex(setup_.count() - 1);  // shows it
  termBoxes_[0]->setFocus(Qt::OtherFocusReason);
  termBoxes_[0]->selectAll();
}

void SportsForm::saveClicked() {
  commitFocusedBox();
  const bool saved = setup_.save();
  // Saved or not, the window closes; save has already read the league's sport again.
  QDialog::done(saved ? QDialog::Accepted : QDialog::Rejected);
}

void SportsForm::reject() {
  setup_.cancel();
  QDialog::reject();
}

int RunSportsForm(QWidget* parent) {
  SportsForm form(parent);
  form.adjustSize();  // centred with its final size
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
