#include "setup/gui/ExtraStatsForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Functs.h"
#include "common/UserIO.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

ExtraStatsForm::ExtraStatsForm(QWidget* parent)
    : TipDialog(parent, "Extra_Statistics_Form", "EXTRA STATISTICS SETUP") {
  list_ = new QComboBox;
  list_->setObjectName(QStringLiteral("Combo1"));
  list_->setMinimumContentsLength(6);
  addTip(list_, "Drop down the list to select the abbreviation.");
  connect(list_, &QComboBox::activated, this, [this](int k) {
    setup_.select(k);
    refresh();
  });
  name_ = new QLabel;
  name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(22, QLatin1Char('M'))));
  count_ = new QLabel;
  fee_ = new QLineEdit;
  fee_->setObjectName(QStringLiteral("Text1"));
  fee_->setMaximumWidth(fee_->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12);
  addTip(fee_, "One unit is for this dollar amount.");
  connect(fee_, &QLineEdit::editingFinished, this, [this] {
    setup_.enterFee(Typed(fee_->text()));
    refresh();
  });
  auto* feeCaption = new QLabel(tr("Weekly Fee: $"));
  feeCaption->setBuddy(fee_);
  addTip(feeCaption, "Set Abbreviation to FEES to edit.");

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Abbreviation")), 0, 0);
  grid->addWidget(list_, 0, 1);
  grid->addWidget(name_, 0, 2);
  grid->addWidget(count_, 1, 1, 1, 2);
  auto* feeRow = new QHBoxLayout;
  feeRow->addWidget(feeCaption);
  feeRow->addWidget(fee_);
  feeRow->addStretch();
  grid->addLayout(feeRow, 2, 0, 1, 3);

  const std::array<QString, 5> captions = {tr("&Add"), tr("&Modify"), tr("&Delete"),
                                           tr("&Save"), tr("Cancel")};
  const std::array<const char*, 5> tips = {"Add a new extra stat", "Change this extra stat",
                                           "Deletes this extra stat", "Exit and save these stats",
                                           "Exit without saving changes"};
  auto* buttons = new QHBoxLayout;
  for (int b = 0; b < 5; ++b) {
    buttons_[b] = makeButton(captions[b], QStringLiteral("Command1_%1").arg(b), tips[b]);
    connect(buttons_[b], &QPushButton::clicked, this, [this, b] { act(b); });
    if (b == SaveButton) buttons->addStretch();
    buttons->addWidget(buttons_[b]);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  refresh();
}

void ExtraStatsForm::act(int b) {
  switch (b) {
    case AddButton: setup_.add(); break;
    case ModifyButton: setup_.modify(); break;
    case DeleteButton: setup_.remove(); break;
    case SaveButton:
      if (fee_->hasFocus()) setup_.enterFee(Typed(fee_->text()));
      setup_.store();
      accept();
      return;
    default: reject(); return;
  }
  refresh();
}

void ExtraStatsForm::refresh() {
  const QSignalBlocker block(list_);
  list_->clear();
  for (const ExtraStatsSetup::Stat& s : setup_.stats()) list_->addItem(Show(s.abbrev));
  if (setup_.count() == 0) list_->addItem(Show(setup_.selectedAbbrev()));
  list_->setCurrentIndex(setup_.count() == 0 ? 0 : setup_.selected());
  name_->setText(Show(setup_.selectedName()));
  count_->setText(Show(setup_.countLabel()));
  fee_->setText(Show(NumberText(setup_.fee())));
  fee_->setEnabled(setup_.feeEnabled());
  buttons_[AddButton]->setEnabled(setup_.canAdd());
  buttons_[ModifyButton]->setEnabled(setup_.canModify());
  buttons_[DeleteButton]->setEnabled(setup_.canDelete());
}

int RunExtraStatisticsForm(QWidget* parent) {
  ExtraStatsForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  if (ExtraStatsSetup::NoticeDue())
    MsgBox(ExtraStatsSetup::NoticeText(), "IMPORTANT NOTICE", MsgIcon::Information);
  return form.exec();
}

}  // namespace tallmark
