#include "setup/gui/TeamForm.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "processing/gui/SpinTextBox.h"
#include "setup/gui/ScheduleForm.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

namespace {

using B = TeamSetup::Button;

constexpr int kPhoneLength = 12;

// Stored texts are padded with blanks; a box shows them without.
QString Shown(const std::string& text) {
  QString s = FromLeagueText(text);
  while (s.endsWith(' ')) s.chop(1);
  return s;
}

// A text of several lines, each without its padding.
QString Lines(const std::string& text) {
  QStringList lines = FromLeagueText(text).split(QStringLiteral("\r\n"));
  for (QString& line : lines)
    while (line.endsWith(' ')) line.chop(1);
  return lines.join('\n');
}

QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TeamForm::TeamForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Team_Form"));
  setWindowTitle(FromLeagueText(setup_.caption()));
  auto* top = new QHBoxLayout;
  top->addWidget(buildLists(), 3);
  top->addWidget(buildDetails(), 3);
  top->addWidget(buildSummary(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buildButtons());

  tip_ = MakeTipLabel(this, false);

  connectDetails();
  setup_.open();
  showAll();
}

// ---- building ----

QWidget* TeamForm::buildLists() {
  auto* frame = new QGroupBox(tr("Teams"));
  teams_ = new QComboBox;
  teams_->setObjectName(QStringLiteral("Combo1_0"));
  teams_->setMinimumContentsLength(20);
  players_ = new QComboBox;
  players_->setObjectName(QStringLiteral("Combo1_1"));
  players_->setMinimumContentsLength(20);
  subMode_ = new QCheckBox(FromLeagueText(setup_.substituteCaption()));
  subMode_->setObjectName(QStringLiteral("Check1_0"));
  playersLabel_ = BuddyLabel({}, players_);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(BuddyLabel(tr("Team &List"), teams_));
  layout->addWidget(teams_);
  layout->addWidget(subMode_);
  layout->addSpacing(6);
  layout->addWidget(playersLabel_);
  layout->addWidget(players_);
  layout->addStretch();

  connect(teams_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0 || setup_.substituteMode()) return;
    setup_.selectTeam(i);
    showAll();
  });
  connect(players_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    setup_.selectPlayer(i);
    showFields();
    showButtons();
  });
  connect(subMode_, &QCheckBox::clicked, this, [this](bool on) {
    setup_.setSubstituteMode(on);
    showAll();
  });
  return frame;
}

QWidget* TeamForm::buildDetails() {
  auto* frame = new QGroupBox(tr("Details"));
  phone_ = new QLineEdit;
  phone_->setObjectName(QStringLiteral("Text1_0"));
  phone_->setMaxLength(kPhoneLength);
  phone_->setFixedWidth(phone_->fontMetrics().horizontalAdvance(QStringLiteral("999-999-99990")) +
                        12);
  average_ = new SpinTextBox;
  average_->setObjectName(QStringLiteral("Text1_1"));
  recalc_ = new SpinTextBox;
  recalc_->setObjectName(QStringLiteral("Text1_2"));
  auto* grid = new QGridLayout;
  grid->addWidget(BuddyLabel(tr("&Phone Number"), phone_), 0, 0);
  grid->addWidget(phone_, 0, 1, Qt::AlignLeft);
  grid->addWidget(BuddyLabel(tr("Starting A&verage"), average_->edit()), 1, 0);
  grid->addWidget(average_, 1, 1, Qt::AlignLeft);
  grid->addWidget(BuddyLabel(tr("&Games before Recalc"), recalc_->edit()), 2, 0);
  grid->addWidget(recalc_, 2, 1, Qt::AlignLeft);

  auto* category = new QGroupBox(tr("Category"));
  optionGroup_ = new QButtonGroup(category);
  auto* options = new QHBoxLayout(category);
  for (int i = 0; i < 2; ++i) {
    options_[i] = new QRadioButton(FromLeagueText(setup_.optionCaption(i)));
    options_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    optionGroup_->addButton(options_[i], i);
    options->addWidget(options_[i]);
  }
  avgAfterWeek1_ = new QCheckBox(tr("Starting average after &week 1"));
  avgAfterWeek1_->setObjectName(QStringLiteral("Check1_1"));

  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(grid);
  layout->addWidget(category);
  layout->addWidget(avgAfterWeek1_);
  layout->addStretch();
  return frame;
}

QWidget* TeamForm::buildSummary() {
  auto* frame = new QGroupBox(tr("League"));
  auto* layout = new QVBoxLayout(frame);
  for (int i = 0; i < 4; ++i) {
    summary_[i] = new QLabel;
    summary_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    layout->addWidget(summary_[i]);
  }
  layout->addSpacing(10);
  swapLabel_ = new QLabel;
  swapLabel_->setObjectName(QStringLiteral("SwapLabel"));
  swapLabel_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
  swapLabel_->setAlignment(Qt::AlignCenter);
  // Wrapped within the column, so that swap mode keeps the window's width.
  swapLabel_->setWordWrap(true);
  swapLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  // Room for the wrapped text: the layout does not ask a label of ignored width for its height.
  QFont bold = swapLabel_->font();
  bold.setBold(true);
  swapLabel_->setMinimumHeight(QFontMetrics(bold).lineSpacing() * 7);
  layout->addWidget(swapLabel_);
  layout->addStretch();
  return frame;
}

QLayout* TeamForm::buildButtons() {
  // Team buttons above, player buttons below, exit and cancel at the right.
  static constexpr int kPlaces[8][2] = {{0, 3}, {1, 3}, {0, 0}, {0, 1}, {0, 2},
                                        {1, 0}, {1, 1}, {1, 2}};
  auto* grid = new QGridLayout;
  for (int b = 0; b < 8; ++b) {
    buttons_[b] = new QPushButton;
    buttons_[b]->setObjectName(QStringLiteral("Command1_%1").arg(b));
    buttons_[b]->setAutoDefault(false);
    buttons_[b]->installEventFilter(this);
    // In swap mode the other buttons are hidden; the swap button stays where it was.
    QSizePolicy policy = buttons_[b]->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    buttons_[b]->setSizePolicy(policy);
    grid->addWidget(buttons_[b], kPlaces[b][0], kPlaces[b][1]);
    connect(buttons_[b], &QPushButton::clicked, this, [this, b] { buttonClicked(b); });
  }
  grid->setColumnMinimumWidth(3, 0);
  return grid;
}

void TeamForm::connectDetails() {
  connect(phone_, &QLineEdit::editingFinished, this, [this] {
    setup_.commitPhone(ToLeagueText(phone_->text()));
    showFields();
  });
  for (SpinTextBox* box : {average_, recalc_}) {
    auto enter = [this, box](int step) {
      const std::string text = ToLeagueText(box->text());
      const auto s = static_cast<Integer>(step);
      if (box == average_)
        setup_.commitStartingAverage(text, s);
      else
        setup_.commitRecalcGames(text, s);
      showFields();
    };
    connect(box, &SpinTextBox::stepped, this, enter);
    connect(box, &SpinTextBox::left, this, [enter] { enter(0); });
    connect(box->edit(), &QLineEdit::returnPressed, this, [enter] { enter(0); });
  }
  connect(optionGroup_, &QButtonGroup::idClicked, this, [this](int option) {
    setup_.chooseCategory(option);
    showFields();
  });
  connect(avgAfterWeek1_, &QCheckBox::clicked, this, [this](bool on) {
    setup_.setAvgAfterWeek1(on);
    showFields();
  });
}

// ---- what is shown ----

void TeamForm::showAll() {
  showLists();
  showFields();
  showButtons();
  const std::vector<std::string> summary = setup_.summaryLabels();
  for (int i = 0; i < 4; ++i) summary_[i]->setText(FromLeagueText(summary[i]));
}

void TeamForm::showLists() {
  QSignalBlocker teamsBlocked(teams_);
  QSignalBlocker playersBlocked(players_);
  teams_->clear();
  for (const std::string& name : setup_.teamList()) teams_->addItem(FromLeagueText(name));
  teams_->setCurrentIndex(setup_.substituteMode() ? 0 : setup_.teamIndex());
  players_->clear();
  for (const std::string& name : setup_.playerList()) players_->addItem(FromLeagueText(name));
  players_->setCurrentIndex(setup_.playerIndex());
  const std::string& players = lg.SportTerm[5];
  playersLabel_->setText(
      FromLeagueText(setup_.substituteMode() ? "Substitute " + players : players));
  subMode_->setChecked(setup_.substituteMode());
}

void TeamForm::showFields() {
  const TeamSetup::Fields f = setup_.fields();
  const bool editable = setup_.selectedRecord() >= 0;
  phone_->setText(Shown(f.phone));
  average_->setText(QString::number(f.startingAverage));
  recalc_->setText(QString::number(f.recalcGames));
  {
    QSignalBlocker blocked(optionGroup_);
    options_[f.category == 1 ? 0 : 1]->setChecked(true);
  }
  avgAfterWeek1_->setChecked(f.avgAfterWeek1);
  avgAfterWeek1_->setVisible(f.avgAfterWeek1Offered);
  for (QWidget* w : std::initializer_list<QWidget*>{phone_, average_, recalc_, options_[0],
                                                    options_[1], avgAfterWeek1_})
    w->setEnabled(editable);
}

void TeamForm::showButtons() {
  for (int b = 0; b < 8; ++b) {
    buttons_[b]->setText(FromLeagueText(setup_.buttonCaption(b)));
    buttons_[b]->setVisible(setup_.buttonShown(b));
    buttons_[b]->setEnabled(setup_.buttonEnabled(b));
  }
  swapLabel_->setText(Lines(setup_.swapLabel()));
  const bool wasSwapping = swapLabel_->isVisibleTo(this);
  swapLabel_->setVisible(setup_.swapMode());
  if (wasSwapping && !setup_.swapMode()) {
    layout()->activate();
    resize(width(), sizeHint().height());  // the room of the swap lines goes with them
  }
}

// ---- buttons ----

// A box typed into and left with a button's shortcut has not lost the focus yet: check it as
// if it had.
void TeamForm::commitFocusedBox() {
  QWidget* focused = focusWidget();
  if (focused == phone_) emit phone_->editingFinished();
  if (focused == average_->edit()) emit average_->left();
  if (focused == recalc_->edit()) emit recalc_->left();
}

void TeamForm::buttonClicked(int button) {
  tip_->hide();
  commitFocusedBox();
  switch (button) {
    case B::kExitSave: finish(setup_.exitAndSave(), true); return;
    case B::kCancel: finish(setup_.cancelChanges(), false); return;
    case B::kRenameTeam: setup_.renameTeam(); break;
    case B::kAddTeam: setup_.addTeam(); break;
    case B::kDropTeam: setup_.dropTeam(); break;
    case B::kRenamePlayer: setup_.renamePlayer(); break;
    case B::kSwapOrAdd: setup_.swapOrAdd(); break;
    case B::kDropPlayer: setup_.dropPlayer(); break;
    default: return;
  }
  showAll();
}

void TeamForm::finish(const TeamSetup::CloseResult& result, bool saved) {
  closed_ = result;
  closing_ = true;
  done(saved ? QDialog::Accepted : QDialog::Rejected);
}

void TeamForm::reject() {
  if (closing_) {
    QDialog::reject();
    return;
  }
  // Between the two presses of Swap nothing else may happen: Escape and the close box leave
  // swap mode instead.
  if (setup_.swapMode()) {
    setup_.cancelSwap();
    showAll();
    return;
  }
  buttonClicked(B::kCancel);
}

// ---- tool tips ----

bool TeamForm::eventFilter(QObject* watched, QEvent* event) {
  for (int b = 0; b < 8; ++b) {
    if (watched != buttons_[b]) continue;
    if (event->type() == QEvent::Enter) {
      ShowToolTip(tip_, buttons_[b], FromLeagueText(setup_.toolTip(b)), kTipBelowMiddle);
      keepTipInside();
    } else if (event->type() == QEvent::Leave)
      tip_->hide();
  }
  return QDialog::eventFilter(watched, event);
}

void TeamForm::keepTipInside() {
  const int right = width() - tip_->width() - 2;
  const int bottom = height() - tip_->height() - 2;
  tip_->move(std::max(0, std::min(tip_->x(), right)), std::max(0, std::min(tip_->y(), bottom)));
}

std::function<void(QWidget*)> OpenScheduleReview = [](QWidget* parent) {
  RunScheduleForm(parent);
};

int RunTeamForm(QWidget* parent) {
  bool schedule = false;
  int result = QDialog::Rejected;
  {
    TeamForm form(parent);
    form.adjustSize();
    CenterForm(&form);
    result = form.exec();
    schedule = form.scheduleRebuilt();
  }
  if (schedule && OpenScheduleReview) OpenScheduleReview(parent);
  return result;
}

}  // namespace tallmark
