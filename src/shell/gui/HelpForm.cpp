#include "shell/gui/HelpForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "league/LeagueData.h"

static void InitHelpResource() { Q_INIT_RESOURCE(help); }

namespace tallmark {

QString HelpSource() {
  InitHelpResource();
  return QStringLiteral("qrc:/help/index.html");
}

HelpForm::HelpForm(int context, QWidget* parent) : QDialog(parent) {
  setObjectName("Help_Form");
  setWindowTitle(QStringLiteral("Tallmark Help"));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel(QStringLiteral("Find:"), this));
  search_ = new QLineEdit(this);
  search_->setObjectName("SearchBox");
  search_->setPlaceholderText(QStringLiteral("a word to find in the guide"));
  bar->addWidget(search_, 1);
  auto* next = new QPushButton(QStringLiteral("&Find Next"), this);
  next->setAutoDefault(false);
  bar->addWidget(next);
  layout->addLayout(bar);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpText");
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(HelpSource()));
  layout->addWidget(browser_, 1);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  connect(next, &QPushButton::clicked, this, &HelpForm::findNext);
  connect(search_, &QLineEdit::returnPressed, this, &HelpForm::findNext);
  resize(720, 560);
  if (context == kHelpSearch) search_->setFocus();
  else browser_->setFocus();
}

void HelpForm::findNext() {
  if (search_->text().isEmpty()) return;
  if (!browser_->find(search_->text())) {
    browser_->moveCursor(QTextCursor::Start);  // wrap round to the top
    browser_->find(search_->text());
  }
}

}  // namespace tallmark
