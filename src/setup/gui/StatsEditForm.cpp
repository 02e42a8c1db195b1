#include "setup/gui/StatsEditForm.h"

#include <QButtonGroup>
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

namespace tallmark {

namespace {

using E = StatsEditor;

// A column's name as a label: an ampersand in it is shown, not taken as a shortcut.
QString LabelText(int column) {
  return FromLeagueText(E::columnLabel(column)).replace('&', QStringLiteral("&&"));
}

void Fill(QComboBox* list, const std::vector<std::string>& entries, int current) {
  QSignalBlocker blocked(list);
  list->clear();
  for (const std::string& entry : entries) list->addItem(FromLeagueText(entry));
  list->setCurrentIndex(current < list->count() ? current : -1);
}

}  // namespace

StatsEditForm::StatsEditForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Stats_Edit_Form"));
  setWindowTitle(QStringLiteral("INDIVIDUAL AND TEAM STAT EDITOR"));
  QWidget* choice = buildChoice();
  auto* middle = new QHBoxLayout;
  middle->addWidget(buildColumns(), 2);
  middle->addWidget(buildOthers(), 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(choice);
  layout->addLayout(middle);
  layout->addLayout(buildButtons());

  editor_.open();
  kinds_[editor_.kind()]->setChecked(true);
  showLists();
}

// ---- building ----

QComboBox* StatsEditForm::makeList(int list, const QString& caption, QLabel** label) {
  auto* combo = new QComboBox;
  combo->setObjectName(QStringLiteral("Combo1_%1").arg(list));
  combo->setMaxVisibleItems(20);
  *label = new QLabel(caption);
  (*label)->setBuddy(combo);
  connect(combo, &QComboBox::activated, this, [this, list](int index) { select(list, index); });
  lists_[list] = combo;
  return combo;
}

QLineEdit* StatsEditForm::makeBox(const QString& name) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 12);
  connect(box, &QLineEdit::editingFinished, this, [this, box] {
    if (closing_) return;
    editor_.commitColumn(boxColumn(box), ToLeagueText(box->text()));
    showValues();
  });
  return box;
}

QWidget* StatsEditForm::buildChoice() {
  auto* frame = new QGroupBox(tr("Record"));
  auto* row = new QHBoxLayout(frame);
  kindGroup_ = new QButtonGroup(frame);
  for (int kind = 0; kind < 3; ++kind) {
    kinds_[kind] = new QRadioButton(FromLeagueText(E::kindCaption(kind)));
    kinds_[kind]->setObjectName(QStringLiteral("Option2_%1").arg(kind));
    kindGroup_->addButton(kinds_[kind], kind);
    row->addWidget(kinds_[kind]);
  }
  const std::array<QString, 3> captions = {tr("&Team"), tr("&Name"), tr("Sess&ion")};
  for (int list : {kTeamList, kPlayerList, kSessionList}) {
    QLabel* label = nullptr;
    QComboBox* combo = makeList(list, captions[list], &label);
    if (list != kSessionList) combo->setMinimumContentsLength(20);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(combo);
    row->addSpacing(12);
    row->addLayout(column, list == kSessionList ? 0 : 1);
  }
  connect(kindGroup_, &QButtonGroup::idClicked, this, [this](int kind) {
    commitFocusedBox();
    editor_.chooseKind(kind);
    showLists();
  });
  return frame;
}

QWidget* StatsEditForm::buildColumns() {
  auto* frame = new QGroupBox(tr("Statistics"));
  auto* grid = new QGridLayout(frame);
  constexpr int kRows = E::kNumberedColumns / 2;
  for (int column = 0; column < E::kNumberedColumns; ++column) {
    boxes_[column] = makeBox(QStringLiteral("Text1_%1").arg(column));
    auto* label = new QLabel(LabelText(column));
    const int side = column / kRows * 3;
    grid->addWidget(label, column % kRows, side);
    grid->addWidget(boxes_[column], column % kRows, side + 1);
  }
  grid->setColumnMinimumWidth(2, 16);
  return frame;
}

QWidget* StatsEditForm::buildOthers() {
  auto* frame = new QGroupBox(tr("Other"));
  auto* layout = new QVBoxLayout(frame);
  groupGroup_ = new QButtonGroup(frame);
  for (int option = 0; option < 2; ++option) {
    groups_[option] = new QRadioButton(FromLeagueText(E::groupCaption(option)));
    groups_[option]->setObjectName(QStringLiteral("Option1_%1").arg(option));
    groupGroup_->addButton(groups_[option], option);
    layout->addWidget(groups_[option]);
  }
  connect(groupGroup_, &QButtonGroup::idClicked, this, [this](int option) {
    editor_.chooseGroup(option);
    showValues();
  });
  layout->addSpacing(8);
  extras_[kClassBox] = makeBox(QStringLiteral("Text2_0"));
  layout->addWidget(new QLabel(LabelText(kClassification)));
  layout->addWidget(extras_[kClassBox]);
  layout->addSpacing(8);
  QLabel* label = nullptr;
  layout->addWidget(makeList(kExtraList, tr("E&xtra Statistic"), &label));
  layout->insertWidget(layout->count() - 1, label);
  extras_[kExtraBox] = makeBox(QStringLiteral("Text2_1"));
  layout->addWidget(extras_[kExtraBox]);
  extraLabel_ = label;
  layout->addStretch();
  return frame;
}

QLayout* StatsEditForm::buildButtons() {
  const std::array<QString, 2> captions = {tr("&Save"), tr("&Cancel")};
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (int b = 0; b < 2; ++b) {
    buttons_[b] = new QPushButton(captions[b]);
    buttons_[b]->setObjectName(QStringLiteral("Command1_%1").arg(b));
    buttons_[b]->setAutoDefault(false);
    row->addWidget(buttons_[b]);
  }
  connect(buttons_[kSaveButton], &QPushButton::clicked, this, &StatsEditForm::save);
  connect(buttons_[kCancelButton], &QPushButton::clicked, this, &StatsEditForm::reject);
  return row;
}

// ---- showing ----

void StatsEditForm::showLists() {
  Fill(lists_[kTeamList], editor_.teamList(), editor_.teamIndex());
  Fill(lists_[kPlayerList], editor_.playerList(), editor_.playerIndex());
  Fill(lists_[kSessionList], editor_.sessionList(), editor_.sessionIndex());
  const std::vector<std::string> extras = editor_.extraList();
  Fill(lists_[kExtraList], extras, editor_.extraIndex());
  for (QWidget* w : std::initializer_list<QWidget*>{lists_[kExtraList], extraLabel_,
                                                    extras_[kExtraBox]})
    w->setVisible(!extras.empty());
  lists_[kTeamList]->setEnabled(editor_.teamListEnabled());
  lists_[kPlayerList]->setEnabled(editor_.playerListEnabled());
  showValues();
}

void StatsEditForm::showValues() {
  const bool shown = editor_.record() >= 0;
  for (int column = 0; column < E::kNumberedColumns; ++column) {
    boxes_[column]->setText(FromLeagueText(editor_.columnText(column)));
    boxes_[column]->setEnabled(shown);
  }
  extras_[kClassBox]->setText(FromLeagueText(editor_.columnText(kClassification)));
  extras_[kExtraBox]->setText(FromLeagueText(editor_.columnText(editor_.extraColumn())));
  for (QLineEdit* box : extras_) box->setEnabled(shown);
  const int group = editor_.groupOption();
  groupGroup_->setExclusive(false);  // so that neither option may show as chosen
  for (int option = 0; option < 2; ++option) {
    groups_[option]->setChecked(option == group);
    groups_[option]->setEnabled(editor_.groupShown());
  }
  groupGroup_->setExclusive(true);
}

// ---- acting ----

void StatsEditForm::select(int list, int index) {
  if (index < 0) return;
  commitFocusedBox();
  switch (list) {
    case kTeamList: editor_.selectTeam(index); break;
    case kPlayerList: editor_.selectPlayer(index); break;
    case kSessionList: editor_.selectSession(index); break;
    case kExtraList: editor_.selectExtra(index); break;
    default: return;
  }
  showLists();
}

int StatsEditForm::boxColumn(const QLineEdit* box) const {
  for (int column = 0; column < E::kNumberedColumns; ++column)
    if (boxes_[column] == box) return column;
  return box == extras_[kClassBox] ? static_cast<int>(kClassification) : editor_.extraColumn();
}

// A box typed into and left with a shortcut has not lost the focus yet: take it as if it had.
void StatsEditForm::commitFocusedBox() {
  if (auto* box = qobject_cast<QLineEdit*>(focusWidget())) emit box->editingFinished();
}

void StatsEditForm::save() {
  commitFocusedBox();
  closing_ = true;
  editor_.save();
  QDialog::accept();
}

void StatsEditForm::reject() {
  if (!closing_) {
    commitFocusedBox();
    closing_ = true;
    editor_.cancel();
  }
  QDialog::reject();
}

void RunStatsEditForm(QWidget* parent) {
  StatsEditForm form(parent);
  form.adjustSize();
  CenterForm(&form);
  form.exec();
}

}  // namespace tallmark
