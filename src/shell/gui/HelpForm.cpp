#include "shell/gui/HelpForm.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "league/gui/FormHelpers.h"
#include "shell/HelpSearch.h"

static void InitHelpResource() { Q_INIT_RESOURCE(help); }

namespace tallmark {

namespace {

QPushButton* Button(const QString& caption, QWidget* parent, QHBoxLayout* bar) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  bar->addWidget(button);
  return button;
}

}  // namespace

QString HelpSource() {
  InitHelpResource();
  return QStringLiteral("qrc:/help/index.html");
}

std::vector<HelpPage> HelpPages() {
  InitHelpResource();
  std::vector<HelpPage> pages;
  QDir dir(QStringLiteral(":/help"));
  for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::ReadOnly))
      pages.push_back({name.toStdString(), file.readAll().toStdString()});
  }
  return pages;
}

HelpForm::HelpForm(int context, QWidget* parent) : QDialog(parent) {
  setObjectName("Help_Form");
  setWindowTitle(QStringLiteral("Tallmark Help"));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  QPushButton* contents = Button(QStringLiteral("C&ontents"), this, bar);
  QPushButton* back = Button(QStringLiteral("&Back"), this, bar);
  bar->addSpacing(12);
  auto* findCaption = new QLabel(QStringLiteral("F&ind:"), this);
  bar->addWidget(findCaption);
  search_ = new QLineEdit(this);
  findCaption->setBuddy(search_);
  search_->setObjectName("SearchBox");
  search_->setPlaceholderText(QStringLiteral("words to find in the guide"));
  bar->addWidget(search_, 1);
  QPushButton* find = Button(QStringLiteral("&Search"), this, bar);
  QPushButton* next = Button(QStringLiteral("Find &Next"), this, bar);
  layout->addLayout(bar);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpText");
  browser_->setAccessibleName(QStringLiteral("Help page"));
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(HelpSource()));
  layout->addWidget(browser_, 1);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  back->setEnabled(false);
  connect(find, &QPushButton::clicked, this, &HelpForm::search);
  connect(search_, &QLineEdit::returnPressed, this, &HelpForm::search);
  connect(next, &QPushButton::clicked, this, &HelpForm::findNext);
  FitToScreen(this, QSize(820, 600));
  if (context == kHelpSearch) search_->setFocus();
  else browser_->setFocus();
}

void HelpForm::search() {
  const std::string query = search_->text().toStdString();
  if (search_->text().trimmed().isEmpty()) return;
  const std::vector<HelpHit> hits = SearchHelp(HelpPages(), query);
  browser_->setHtml(QString::fromStdString(HelpResultsHtml(hits, query, "qrc:/help/")));
}

// The next place of the words in the page shown.
void HelpForm::findNext() {
  if (search_->text().isEmpty()) return;
  if (!browser_->find(search_->text())) {
    browser_->moveCursor(QTextCursor::Start);  // wrap round to the top
    browser_->find(search_->text());
  }
}

}  // namespace tallmark
