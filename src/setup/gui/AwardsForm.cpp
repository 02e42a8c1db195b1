#include "setup/gui/AwardsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "processing/gui/SpinTextBox.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

using AO = AwardOptions;

AwardsForm::AwardsForm(QWidget* parent) : TipDialog(parent, "Awards_Form", "TOP AWARDS SETUP") {
  auto* grid = new QGridLayout;
  for (int b = 0; b < AO::kBoxes; ++b) {
    boxes_[b] = makeSpin([this, b](const std::string& text, Integer step) {
      return options_.enter(b, text, step);
    }, nullptr);
    boxes_[b]->setObjectName(QStringLiteral("Text1_%1").arg(b));
    boxes_[b]->setText(QString::number(options_.value(b)));
    auto* text = new QLabel(Show(AO::Explanation(b)));
    text->setBuddy(boxes_[b]->edit());
    ranges_[b] = new QLabel(Show(options_.rangeText(b)));
    grid->addWidget(boxes_[b], b, 0);
    grid->addWidget(text, b, 1);
    grid->addWidget(ranges_[b], b, 2);
  }
  grid->setColumnStretch(1, 1);

  auto* checks = new QVBoxLayout;
  for (int s = 0; s < AO::kSwitches; ++s) {
    switches_[s] = new QCheckBox(Show(AO::SwitchCaption(s)));
    switches_[s]->setObjectName(QStringLiteral("Check1_%1").arg(s));
    switches_[s]->setChecked(options_.switchOn(s));
    connect(switches_[s], &QCheckBox::toggled, this, [this, s](bool on) { options_.setSwitch(s, on); });
    checks->addWidget(switches_[s]);
  }

  auto* namesFrame = new QGroupBox(tr("Category names"));
  auto* namesRow = new QHBoxLayout(namesFrame);
  for (int g = 0; g < 2; ++g) {
    names_[g] = new QLineEdit(Show(options_.groupName(g)));
    names_[g]->setObjectName(QStringLiteral("Text2_%1").arg(g));
    names_[g]->setMaxLength(static_cast<int>(AO::kNameLength));
    names_[g]->setMaximumWidth(names_[g]->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")));
    addTip(names_[g], "Enter a singular category name of up to six characters.");
    connect(names_[g], &QLineEdit::textEdited, this, &AwardsForm::namesChanged);
    namesRow->addWidget(names_[g]);
  }
  namesRow->addStretch();

  ok_ = makeButton(tr("OK"), "Command1", "");
  cancel_ = makeButton(tr("Ca&ncel"), "Command2", "");
  connect(ok_, &QPushButton::clicked, this, &AwardsForm::okClicked);
  connect(cancel_, &QPushButton::clicked, this, &AwardsForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(checks);
  layout->addWidget(namesFrame);
  layout->addLayout(buttons);
  namesChanged();
}

void AwardsForm::namesChanged() {
  for (int g = 0; g < 2; ++g) options_.setGroupName(g, Typed(names_[g]->text()));
  switches_[AO::kSeparateGroups]->setText(Show(options_.separateCaption()));
}

void AwardsForm::okClicked() {
  commitFocusedBox();
  if (options_.store()) accept();
}

// ---- customized awards ----

CustomAwardsForm::CustomAwardsForm(QWidget* parent)
    : TipDialog(parent, "Custom_Awards_Form", "CUSTOMIZED SPECIAL INDIVIDUAL AWARDS SETUP") {
  auto* columns = new QHBoxLayout;
  columns->addWidget(buildColumn(1, kRows / 2));
  columns->addSpacing(16);
  columns->addWidget(buildColumn(kRows / 2 + 1, kRows));

  ok_ = makeButton(tr("OK"), "Command1", "");
  cancel_ = makeButton(tr("Ca&ncel"), "Command2", "");
  connect(ok_, &QPushButton::clicked, this, [this] {
    commitFocusedBox();
    awards_.store();
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &CustomAwardsForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  for (int r = 1; r <= kRows; ++r) showRow(r);
}

QWidget* CustomAwardsForm::buildColumn(int first, int last) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->addWidget(new QLabel(tr("AWARD")), 0, 1);
  for (int f = CustomAwards::kMaxAverage; f <= CustomAwards::kMaxScore; ++f)
    grid->addWidget(new QLabel(Show(CustomAwards::Heading(f))), 0, f + 1);
  for (int r = first; r <= last; ++r) {
    const int line = r - first + 1;
    grid->addWidget(new QLabel(QStringLiteral("%1.").arg(r)), line, 0);
    kinds_[r] = new QComboBox;
    kinds_[r]->setObjectName(QStringLiteral("Combo1_%1").arg(r));
    for (int kind = CustomAwards::kGame; kind <= CustomAwards::kNone; ++kind)
      kinds_[r]->addItem(Show(CustomAwards::KindItem(kind)));
    connect(kinds_[r], &QComboBox::activated, this, [this, r](int kind) {
      awards_.setKind(r, kind);
      showRow(r);
    });
    grid->addWidget(kinds_[r], line, 1);
    for (int f = CustomAwards::kMaxAverage; f <= CustomAwards::kMaxScore; ++f) {
      fields_[r][f] = makeSpin([this, r, f](const std::string& text, Integer step) {
        return awards_.enter(r, f, text, step);
      }, [this, r] { showRow(r); });
      fields_[r][f]->setObjectName(QStringLiteral("Text%1_%2").arg(f).arg(r));
      grid->addWidget(fields_[r][f], line, f + 1);
    }
  }
  return page;
}

void CustomAwardsForm::showRow(int r) {
  const CustomAwards::Row& row = awards_.row(r);
  kinds_[r]->setCurrentIndex(row.kind);
  for (int f = CustomAwards::kMaxAverage; f <= CustomAwards::kMaxScore; ++f) {
    SpinTextBox* box = fields_[r][f];
    box->setText(QString::number(awards_.field(r, f)));
    box->setEnabled(row.kind != CustomAwards::kNone);
    addTip(box, CustomAwards::Tip(f, awards_.minimum(r, f), awards_.maximum(r, f)));
  }
}

int RunAwardsForm(QWidget* parent) {
  AwardsForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  return form.exec();
}

int RunCustomAwardsForm(QWidget* parent) {
  CustomAwardsForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
