#include "setup/gui/NamesForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/gui/FormHelpers.h"

namespace tallmark {

NamesForm::NamesForm(QWidget* parent)
    : TipDialog(parent, "Names_Form", "LEAGUE AND OFFICER NAMES") {
  league_ = new QLineEdit(Show(setup_.leagueName()));
  league_->setObjectName(QStringLiteral("Text1"));
  league_->setMaxLength(NamesSetup::kNameLength);
  addTip(league_, "Maximum number of characters is " + std::to_string(NamesSetup::kNameLength));
  auto* leagueCaption = new QLabel(tr("&1. League Name"));
  leagueCaption->setBuddy(league_);

  auto* grid = new QGridLayout;
  grid->addWidget(leagueCaption, 0, 0);
  grid->addWidget(league_, 0, 1, 1, 3);
  grid->addWidget(new QLabel(tr("Officer")), 1, 2);
  grid->addWidget(new QLabel(tr("Title")), 1, 3);
  for (int k = 0; k < NamesSetup::kOffices; ++k) {
    notUsed_[k] = new QCheckBox(tr("Not Used"));
    notUsed_[k]->setObjectName(QStringLiteral("Check1_%1").arg(k));
    lists_[k] = new QComboBox;
    lists_[k]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
    for (const NamesSetup::Candidate& c : setup_.candidates()) lists_[k]->addItem(Show(c.name));
    titles_[k] = new QLineEdit;
    titles_[k]->setObjectName(QStringLiteral("Text2_%1").arg(k));
    titles_[k]->setMaxLength(NamesSetup::kTitleLength);
    addTip(titles_[k], "Officer Title. Maximum number of characters is " +
                           std::to_string(NamesSetup::kTitleLength));
    connect(notUsed_[k], &QCheckBox::clicked, this, [this, k](bool on) {
      setup_.setNotUsed(k, on);
      showOffice(k);
    });
    connect(lists_[k], &QComboBox::activated, this, [this, k](int i) { setup_.choose(k, i); });
    connect(titles_[k], &QLineEdit::textEdited, this,
            [this, k](const QString& text) { setup_.setTitle(k, Typed(text)); });
    auto* number = new QLabel(tr("&%1.").arg(k + 2));
    number->setBuddy(notUsed_[k]);
    grid->addWidget(number, k + 2, 0);
    grid->addWidget(notUsed_[k], k + 2, 1);
    grid->addWidget(lists_[k], k + 2, 2);
    grid->addWidget(titles_[k], k + 2, 3);
    showOffice(k);
  }
  grid->setColumnStretch(2, 1);

  ok_ = makeButton(tr("OK"), "Command1", "");
  cancel_ = makeButton(tr("&Cancel"), "Command2", "");
  connect(ok_, &QPushButton::clicked, this, &NamesForm::okClicked);
  connect(cancel_, &QPushButton::clicked, this, &NamesForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  resize(560, sizeHint().height());
}

void NamesForm::showOffice(int k) {
  const bool notUsed = setup_.notUsed(k);
  notUsed_[k]->setChecked(notUsed);
  lists_[k]->setCurrentIndex(setup_.choice(k));
  titles_[k]->setText(Show(setup_.title(k)));
  lists_[k]->setEnabled(!notUsed);
  titles_[k]->setEnabled(!notUsed);
}

void NamesForm::okClicked() {
  setup_.setLeagueName(Typed(league_->text()));
  setup_.store();
  accept();
}

// ---- bulletin ----

namespace {

// The text box's line breaks as the league's (carriage return and line feed) and back.
std::string LeagueLines(const QString& text) {
  return TipDialog::Typed(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

QString BoxLines(const std::string& text) {
  return TipDialog::Show(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

BulletinForm::BulletinForm(QWidget* parent)
    : TipDialog(parent, "Bulletin_Form", "Weekly Standing Sheet Bulletin") {
  text_ = new QPlainTextEdit(BoxLines(setup_.text()));
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('x'))));
  addTip(text_, "Enter bulletin to be printed on the standing sheets.");
  left_ = new QLabel;
  left_->setObjectName(QStringLiteral("Label1"));
  connect(text_, &QPlainTextEdit::textChanged, this, &BulletinForm::textChanged);

  const std::array<QString, 3> captions = {tr("OK"), tr("&Cancel"), tr("&Erase")};
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(left_);
  buttons->addStretch();
  for (int b = 0; b < 3; ++b) {
    buttons_[b] = makeButton(captions[b], QStringLiteral("Command1_%1").arg(b), "");
    buttons->addWidget(buttons_[b]);
  }
  connect(buttons_[OkButton], &QPushButton::clicked, this, [this] {
    setup_.store();
    accept();
  });
  connect(buttons_[CancelButton], &QPushButton::clicked, this, &BulletinForm::reject);
  connect(buttons_[EraseButton], &QPushButton::clicked, this, [this] { text_->clear(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  textChanged();
}

// A change that would pass 960 characters is taken back, as a box with a maximum length does.
void BulletinForm::textChanged() {
  if (!setup_.setText(LeagueLines(text_->toPlainText()))) {
    const QSignalBlocker block(text_);
    QTextCursor cursor = text_->textCursor();
    const int position = cursor.position();
    text_->setPlainText(BoxLines(setup_.text()));
    cursor = text_->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text_->toPlainText().size())));
    text_->setTextCursor(cursor);
  }
  left_->setText(Show(setup_.charactersLeftLabel()));
}

int RunNamesForm(QWidget* parent) {
  NamesForm form(parent);
  CenterForm(&form);
  return form.exec();
}

int RunBulletinForm(QWidget* parent) {
  BulletinForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
