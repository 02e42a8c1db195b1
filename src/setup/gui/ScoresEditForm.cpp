#include "setup/gui/ScoresEditForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "league/gui/FormHelpers.h"
#include "processing/gui/SpinTextBox.h"

namespace tallmark {

namespace {

using E = ScoresEditor;

void Fill(QComboBox* list, const std::vector<std::string>& entries) {
  QSignalBlocker blocked(list);
  list->clear();
  for (const std::string& entry : entries) list->addItem(FromLeagueText(entry));
}

}  // namespace

ScoresEditForm::ScoresEditForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Scores_Edit_Form"));
  setWindowTitle(QStringLiteral("RAW SCORE EDITOR"));
  QWidget* record = buildRecordFrame();
  auto* middle = new QHBoxLayout;
  middle->addWidget(buildPlayerFrame(), 1);
  middle->addWidget(buildValuesFrame(), 1);
  auto* close = new QPushButton(tr("C&lose"));
  close->setObjectName(QStringLiteral("Command1_0"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(record);
  layout->addLayout(middle);
  layout->addLayout(buttons);

  editor_.open();
  fillLists();
  showRecord();
}

// ---- building ----

QLabel* ScoresEditForm::caption(const std::string& text, QWidget* buddy) {
  auto* label = new QLabel(FromLeagueText(text));
  label->setBuddy(buddy);
  return label;
}

QComboBox* ScoresEditForm::makeList(int list) {
  auto* combo = new QComboBox;
  combo->setObjectName(QStringLiteral("Combo1_%1").arg(list));
  combo->setMaxVisibleItems(20);
  listLabels_[list] = caption(E::listCaption(list), combo);
  connect(combo, &QComboBox::activated, this, [this, list](int index) { select(list, index); });
  lists_[list] = combo;
  return combo;
}

SpinTextBox* ScoresEditForm::makeBox(int box) {
  auto* spin = new SpinTextBox;
  spin->setObjectName(QStringLiteral("Text1_%1").arg(box));
  boxLabels_[box] = caption(E::boxCaption(box), spin->edit());
  auto enter = [this, spin, box](int step) {
    if (closed_) return;
    editor_.commitBox(box, ToLeagueText(spin->text()), static_cast<Integer>(step));
    showRecord();
  };
  connect(spin, &SpinTextBox::stepped, this, enter);
  connect(spin, &SpinTextBox::left, this, [enter] { enter(0); });
  connect(spin->edit(), &QLineEdit::returnPressed, this, [enter] { enter(0); });
  boxes_[box] = spin;
  return spin;
}

QWidget* ScoresEditForm::buildRecordFrame() {
  auto* frame = new QGroupBox(tr("Score Record"));
  auto* row = new QHBoxLayout(frame);
  for (int list : {E::kWeekList, E::kTeamList, E::kPositionList}) {
    QComboBox* combo = makeList(list);
    if (list == E::kTeamList) combo->setMinimumContentsLength(20);
    row->addWidget(listLabels_[list]);
    row->addWidget(combo, list == E::kTeamList ? 1 : 0);
    row->addSpacing(12);
  }
  return frame;
}

QWidget* ScoresEditForm::buildPlayerFrame() {
  auto* frame = new QGroupBox(tr("Who Played"));
  auto* layout = new QVBoxLayout(frame);
  QComboBox* players = makeList(E::kPlayerList);
  players->setMinimumContentsLength(20);
  layout->addWidget(listLabels_[E::kPlayerList]);
  layout->addWidget(players);
  layout->addSpacing(6);
  optionGroup_ = new QButtonGroup(frame);
  for (int i = 0; i < E::kStatusOptions; ++i) {
    options_[i] = new QRadioButton(FromLeagueText(E::statusCaption(i)));
    options_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    optionGroup_->addButton(options_[i], i);
    layout->addWidget(options_[i]);
  }
  layout->addStretch();
  connect(optionGroup_, &QButtonGroup::idClicked, this, [this](int option) {
    commitFocusedBox();
    editor_.chooseStatus(option);
    showRecord();
  });
  return frame;
}

QWidget* ScoresEditForm::buildValuesFrame() {
  auto* frame = new QGroupBox(tr("Values"));
  auto* grid = new QGridLayout(frame);
  int row = 0;
  auto addBox = [this, grid, &row](int box) {
    makeBox(box);
    grid->addWidget(boxLabels_[box], row, 0);
    grid->addWidget(boxes_[box], row++, 1, Qt::AlignLeft);
  };
  auto addList = [this, grid, &row](int list) {
    makeList(list);
    grid->addWidget(listLabels_[list], row, 0);
    grid->addWidget(lists_[list], row++, 1, Qt::AlignLeft);
  };
  addBox(E::kHandicapBox);
  addBox(E::kWinsBox);
  addList(E::kGameList);
  addBox(E::kScoreBox);
  flag_ = new QCheckBox(FromLeagueText(E::flagCaption()));
  flag_->setObjectName(QStringLiteral("Check1"));
  grid->addWidget(flag_, row++, 1);
  addList(E::kExtraList);
  addBox(E::kExtraBox);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(2, 1);
  connect(flag_, &QCheckBox::clicked, this, [this](bool on) {
    commitFocusedBox();
    editor_.setFlag(on);
    showRecord();
  });
  return frame;
}

// ---- showing ----

void ScoresEditForm::fillLists() {
  Fill(lists_[E::kWeekList], editor_.weekList());
  Fill(lists_[E::kTeamList], editor_.teamList());
  Fill(lists_[E::kPositionList], editor_.positionList());
  Fill(lists_[E::kPlayerList], editor_.playerList());
  Fill(lists_[E::kGameList], editor_.gameList());
  const std::vector<std::string> extras = editor_.extraList();
  Fill(lists_[E::kExtraList], extras);
  for (QWidget* w : std::initializer_list<QWidget*>{lists_[E::kExtraList], listLabels_[E::kExtraList],
                                                    boxes_[E::kExtraBox], boxLabels_[E::kExtraBox]})
    w->setVisible(!extras.empty());
  lists_[E::kWeekList]->setCurrentIndex(editor_.weekIndex());
  lists_[E::kTeamList]->setCurrentIndex(editor_.teamIndex());
  lists_[E::kPositionList]->setCurrentIndex(editor_.positionIndex());
  lists_[E::kGameList]->setCurrentIndex(editor_.gameIndex());
  lists_[E::kExtraList]->setCurrentIndex(editor_.extraIndex());
}

void ScoresEditForm::showRecord() {
  const bool shown = editor_.hasRecord();
  {
    QSignalBlocker blocked(lists_[E::kPlayerList]);
    lists_[E::kPlayerList]->setCurrentIndex(shown ? editor_.playerIndex() : -1);
  }
  options_[editor_.status()]->setChecked(true);
  flag_->setChecked(editor_.flag());
  for (int box = 0; box < 4; ++box) boxes_[box]->setText(FromLeagueText(editor_.boxText(box)));
  for (QWidget* w : std::initializer_list<QWidget*>{lists_[E::kPlayerList], flag_})
    w->setEnabled(shown);
  for (QRadioButton* option : options_) option->setEnabled(shown);
  for (SpinTextBox* box : boxes_) box->setEnabled(shown);
}

// ---- acting ----

void ScoresEditForm::select(int list, int index) {
  if (index < 0) return;
  commitFocusedBox();
  switch (list) {
    case E::kWeekList: editor_.selectWeek(index); break;
    case E::kTeamList: editor_.selectTeam(index); break;
    case E::kPositionList: editor_.selectPosition(index); break;
    case E::kPlayerList: editor_.choosePlayer(index); break;
    case E::kGameList: editor_.selectGame(index); break;
    case E::kExtraList: editor_.selectExtra(index); break;
    default: return;
  }
  showRecord();
}

// A box typed into and left with a shortcut or a list's wheel has not lost the focus yet:
// check it as if it had.
void ScoresEditForm::commitFocusedBox() {
  QWidget* focused = focusWidget();
  for (SpinTextBox* box : boxes_)
    if (box->edit() == focused) emit box->left();
}

void ScoresEditForm::done(int result) {
  if (!closed_) {
    commitFocusedBox();
    closed_ = true;
    editor_.close();
  }
  QDialog::done(result);
}

void RunScoresEditForm(QWidget* parent) {
  ScoresEditForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  form.exec();
}

}  // namespace tallmark
