#include "shell/gui/AboutForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
  setObjectName("About_Form");
  setWindowTitle(QStringLiteral("About"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 20);
  layout->setSpacing(10);
  auto* name = new QLabel(QStringLiteral("The Tallmark"), this);
  name->setObjectName("Label1_0");
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel("Version " + FromLeagueText(lg.VersionString), this);
  version->setObjectName("Label1_1");
  version->setAlignment(Qt::AlignCenter);
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addSpacing(8);
  layout->addWidget(Command1, 0, Qt::AlignCenter);
  setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

}  // namespace tallmark
