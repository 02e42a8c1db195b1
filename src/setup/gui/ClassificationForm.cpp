#include "setup/gui/ClassificationForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "processing/gui/SpinTextBox.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

ClassificationForm::ClassificationForm(QWidget* parent)
    : TipDialog(parent, "Classification_Form", "CLASSIFICATION SETUP") {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  constexpr int kPerColumn = ClassificationSetup::kBoxes / 2;
  for (int k = 0; k < ClassificationSetup::kBoxes; ++k) {
    boxes_[k] = makeSpin([this, k](const std::string& text, Integer step) {
      return setup_.enter(k, text, step);
    }, [this] { refresh(); });
    boxes_[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
    addTip(boxes_[k], "The score this class ends at.");
    auto* caption = new QLabel(tr("Class %1 ends at").arg(k + 1));
    caption->setBuddy(boxes_[k]->edit());
    const int column = 3 * (k / kPerColumn);
    grid->addWidget(caption, k % kPerColumn, column);
    grid->addWidget(boxes_[k], k % kPerColumn, column + 1);
  }
  grid->setColumnMinimumWidth(2, 24);  // between the two columns of classes
  classes_ = new QLabel;
  classes_->setObjectName(QStringLiteral("Label2"));

  save_ = makeButton(tr("&Save"), "Command1_0", "Save classification setup and exit form");
  cancel_ = makeButton(tr("&Cancel"), "Command1_1", "Exit form with no changes");
  connect(save_, &QPushButton::clicked, this, [this] {
    commitFocusedBox();
    setup_.store();
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &ClassificationForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(classes_);
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  refresh();
}

void ClassificationForm::refresh() {
  for (int k = 0; k < ClassificationSetup::kBoxes; ++k) {
    boxes_[k]->setText(QString::number(setup_.limit(k)));
    boxes_[k]->setEnabled(setup_.enabled(k));
  }
  classes_->setText(Show(setup_.classesLabel()));
}

int RunClassificationForm(QWidget* parent) {
  ClassificationForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
