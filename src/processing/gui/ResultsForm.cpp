#include "processing/gui/ResultsForm.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "league/gui/FormHelpers.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "common/UserIO.h"
#include "processing/gui/FrozenColumnsTable.h"

namespace tallmark {

namespace {

QString Show(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

bool NumberColumn(EntryColumnKind kind) {
  return kind != EntryColumnKind::PlayerType && kind != EntryColumnKind::PlayerName &&
         kind != EntryColumnKind::Incomplete;
}

}  // namespace

ResultsForm::ResultsForm(QWidget* parent, ResultsMode mode) : QDialog(parent) {
  setObjectName(QStringLiteral("Results_Form"));
  setWindowTitle(QStringLiteral("WEEKLY LEAGUE RESULTS"));
  opened_ = entry_.open();
  if (opened_ == EntryOpen::Ready) entry_.selectTeam(entry_.teams().front());
  // After the season's last week its recap can still be looked at and printed.
  if (opened_ == EntryOpen::SeasonOver && mode == ResultsMode::Recap &&
      entry_.openLastProcessedWeek())
    opened_ = EntryOpen::Ready;
  buildControls();
  if (opened_ != EntryOpen::Ready) return;
  if (mode == ResultsMode::Recap && lg.CurrentWeek >= 1) entry_.showWeek(lg.CurrentWeek);
  fillWeeks();
  Text2->setText(Show(entry_.date()));
  refresh();
  // Typing starts in the first game of the first row.
  for (int c = 0; c < entry_.columnCount(); ++c)
    if (entry_.column(c).kind == EntryColumnKind::Game) {
      Grid1->setCurrentCell(0, c);
      break;
    }
  Grid1->setFocus();
  fitToScreen();
}

// ---- building ----

void ResultsForm::buildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildTopRows());
  buildGrid();
  layout->addWidget(Grid1, 1);
  auto* status = new QHBoxLayout;
  StatusLabel = new QLabel(this);
  ProgressLabel = new QLabel(QStringLiteral("0%"), this);
  ProgressLabel->setObjectName(QStringLiteral("ProgressLabel"));
  ProgressLabel->hide();
  status->addWidget(StatusLabel, 1);
  status->addWidget(ProgressLabel);
  layout->addLayout(status);
  layout->addLayout(buildButtons());

  TipLabel = MakeTipLabel(this, true);
  setMouseTracking(true);
  installEventFilter(this);
  addTip(Check1[0], EntryTip::Forfeit);
  addTip(Check1[1], EntryTip::IncompleteBox);
  addTip(StatusLabel, EntryTip::Status);
  addTip(Command1[0], EntryTip::Opponent);
  addTip(Command1[1], EntryTip::Cancel);
  addTip(Command1[2], EntryTip::PrintForm);
  addTip(Command1[3], EntryTip::Process);
}

QLayout* ResultsForm::buildTopRows() {
  auto* rows = new QVBoxLayout;
  auto* first = new QHBoxLayout;
  WeekLabel = new QLabel(this);
  Combo3 = new QComboBox(this);
  Combo3->setObjectName(QStringLiteral("Combo3"));
  auto* weekCaption = new QLabel(QStringLiteral("&Week:"), this);
  weekCaption->setBuddy(Combo3);
  Text2 = new QLineEdit(this);
  Text2->setObjectName(QStringLiteral("Text2"));
  Text2->setMaxLength(8);
  Text2->setPlaceholderText(QStringLiteral("12/31/00"));
  Text2->setFixedWidth(Text2->fontMetrics().horizontalAdvance(QStringLiteral("12/31/0000")) + 12);
  auto* dateCaption = new QLabel(QStringLiteral("&Date:"), this);
  dateCaption->setBuddy(Text2);
  first->addWidget(WeekLabel);
  first->addSpacing(16);
  first->addWidget(weekCaption);
  first->addWidget(Combo3);
  first->addStretch(1);
  first->addWidget(dateCaption);
  first->addWidget(Text2);

  auto* second = new QHBoxLayout;
  Combo1 = new QComboBox(this);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setMinimumContentsLength(20);
  Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  auto* teamCaption = new QLabel(QStringLiteral("&Team:"), this);
  teamCaption->setBuddy(Combo1);
  Check1[0] = new QCheckBox(QStringLiteral("&Forfeit"), this);
  Check1[1] = new QCheckBox(Show(IncompleteBoxCaption()), this);
  LaneLabel = new QLabel(this);
  OpponentLabel = new QLabel(this);
  // Room for any team's name and lanes, so that the window keeps its width from team to team.
  OpponentLabel->setMinimumWidth(OpponentLabel->fontMetrics().horizontalAdvance(QString(21, 'W')));
  LaneLabel->setMinimumWidth(LaneLabel->fontMetrics().horizontalAdvance(QStringLiteral("Lane 000-000")));
  second->addWidget(teamCaption);
  second->addWidget(Combo1);
  second->addWidget(Check1[0]);
  second->addSpacing(16);
  second->addWidget(LaneLabel);
  second->addSpacing(8);
  second->addWidget(new QLabel(QStringLiteral("against"), this));
  second->addWidget(OpponentLabel);
  second->addStretch(1);
  second->addWidget(Check1[1]);
  rows->addLayout(first);
  rows->addLayout(second);

  connect(Combo1, &QComboBox::activated, this, &ResultsForm::chooseTeam);
  connect(Combo3, &QComboBox::activated, this, &ResultsForm::chooseWeek);
  connect(Check1[0], &QCheckBox::clicked, this, &ResultsForm::forfeitClicked);
  connect(Text2, &QLineEdit::textEdited, this, [this](const QString& text) {
    entry_.setDate(Utf8ToCp1252(text.toStdString()));
  });
  return rows;
}

QLayout* ResultsForm::buildButtons() {
  auto* row = new QHBoxLayout;
  const char* captions[] = {"&Opponent", "&Cancel", "&Print Form", "E&xit and Process"};
  for (int i = 0; i < 4; ++i) {
    Command1[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
    Command1[i]->setAutoDefault(false);
  }
  row->addWidget(Command1[3]);
  row->addWidget(Command1[0]);
  row->addWidget(Command1[2]);
  ImportButton = new QPushButton(QStringLiteral("Import from &Lanes\u2026"), this);
  ImportButton->setAutoDefault(false);
  row->addWidget(ImportButton);
  connect(ImportButton, &QPushButton::clicked, this, &ResultsForm::importClicked);
  row->addStretch(1);
  row->addWidget(Command1[1]);
  connect(Command1[0], &QPushButton::clicked, this, &ResultsForm::opponentClicked);
  connect(Command1[1], &QPushButton::clicked, this, &ResultsForm::cancelClicked);
  connect(Command1[2], &QPushButton::clicked, this, &ResultsForm::printClicked);
  connect(Command1[3], &QPushButton::clicked, this, &ResultsForm::processClicked);
  return row;
}

void ResultsForm::buildGrid() {
  Grid1 = new FrozenColumnsTable(this);
  Grid1->setObjectName(QStringLiteral("Grid1"));
  Grid1->setAccessibleName(QStringLiteral("Results of the team"));
  Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
  Grid1->setTabKeyNavigation(false);
  Grid1->verticalHeader()->hide();
  Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid1->horizontalHeader()->setHighlightSections(false);
  Grid1->installEventFilter(this);
  Grid1->viewport()->installEventFilter(this);
  Grid1->viewport()->setMouseTracking(true);
  if (opened_ == EntryOpen::Ready) {
    const int rows = entry_.rowCount() + kEntryTotalRows;
    const int cols = entry_.columnCount();
    Grid1->setRowCount(rows);
    Grid1->setColumnCount(cols);
    const int digit = Grid1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QStringList headers;
    for (int c = 0; c < cols; ++c) {
      headers << Show(entry_.columnHeader(c));
      Grid1->setColumnWidth(c, entry_.columnWidth(c) * digit + 10);
    }
    Grid1->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        auto* item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (NumberColumn(entry_.column(c).kind))
          item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (r >= entry_.rowCount()) item->setBackground(palette().alternateBase());
        Grid1->setItem(r, c, item);
      }
    Grid1->setFrozenColumns(2);
  }

  Text1 = new QLineEdit(Grid1->viewport());
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(QStringLiteral("Entry of the cell"));
  Text1->setAlignment(Qt::AlignRight);
  Text1->setFrame(false);
  Text1->installEventFilter(this);
  Text1->hide();
  // The type and name columns lie over the grid: clicks and tips there are the grid's.
  Grid1->frozenView()->viewport()->installEventFilter(this);
  Grid1->frozenView()->viewport()->setMouseTracking(true);
  Combo2 = new QListWidget(this);
  Combo2->setObjectName(QStringLiteral("Combo2"));
  Combo2->installEventFilter(this);
  Combo2->hide();
  connect(Combo2, &QListWidget::itemDoubleClicked, this, &ResultsForm::chooseFromList);
  connect(Grid1, &QTableWidget::currentCellChanged, this, [this] { placeEditor(); });
  auto listOnClick = [this] {
    Grid1->setFocus();
    if (editorOfCurrentCell() != CellEditor::Text && editorOfCurrentCell() != CellEditor::None)
      openList();
  };
  connect(Grid1, &QTableWidget::cellClicked, this, listOnClick);
  connect(Grid1->frozenView(), &QTableView::clicked, this, listOnClick);
  connect(Grid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { positionEditor(); });
  connect(Grid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { positionEditor(); });
}

void ResultsForm::fillWeeks() {
  Combo3->clear();
  for (int w : entry_.weeksToShow()) Combo3->addItem(QString::number(w), w);
  Combo3->setCurrentIndex(Combo3->findData(entry_.shownWeek()));
}

void ResultsForm::fillTeams() {
  Combo1->clear();
  for (Integer t : entry_.teams()) Combo1->addItem(Show(TrimRight(lg.PlayerName[lg.Roster[t][0]])), t);
  Combo1->setCurrentIndex(Combo1->findData(entry_.currentTeam()));
}

// The window as wide as its grid, within the screen.
void ResultsForm::fitToScreen() {
  int gridWidth = Grid1->frameWidth() * 2 + Grid1->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < Grid1->columnCount(); ++c) gridWidth += Grid1->columnWidth(c);
  int gridHeight = Grid1->horizontalHeader()->sizeHint().height() + Grid1->frameWidth() * 2 + 4;
  for (int r = 0; r < Grid1->rowCount(); ++r) gridHeight += Grid1->rowHeight(r);
  QSize want = sizeHint();
  want.setWidth(std::max(want.width(), gridWidth + 24));
  want.setHeight(want.height() - Grid1->sizeHint().height() + gridHeight);
  FitToScreen(this, want);
}

// ---- showing ----

void ResultsForm::refresh() {
  fillTeams();
  WeekLabel->setText(Show(entry_.weekText()));
  LaneLabel->setText(Show(entry_.laneText()));
  OpponentLabel->setText(Show(entry_.opponentName()));
  StatusLabel->setText(Show(entry_.statusText()));
  Check1[0]->setChecked(entry_.forfeited());
  setReadOnly(entry_.viewingEarlierWeek());
  refreshGrid();
  placeEditor();
}

void ResultsForm::refreshGrid() {
  const int rows = entry_.rowCount() + kEntryTotalRows;
  for (int r = 0; r < rows && r < Grid1->rowCount(); ++r)
    for (int c = 0; c < Grid1->columnCount(); ++c)
      Grid1->item(r, c)->setText(Show(entry_.cellText(slotOf(r), c)));
  StatusLabel->setText(Show(entry_.statusText()));
}

// An earlier week can be looked at and printed but not changed.
void ResultsForm::setReadOnly(bool readOnly) {
  Check1[0]->setEnabled(!readOnly);
  Check1[1]->setEnabled(!readOnly);
  Text1->setEnabled(!readOnly);
  Text2->setEnabled(!readOnly);
  Combo2->setEnabled(!readOnly);
  ImportButton->setEnabled(!readOnly);
  Command1[2]->setText(readOnly ? QStringLiteral("&Print Results") : QStringLiteral("&Print Form"));
  Text2->setText(Show(entry_.shownDate()));
  if (readOnly) {
    Text1->hide();
    closeList();
  }
}

CellEditor ResultsForm::editorOfCurrentCell() const {
  if (entry_.viewingEarlierWeek() || Grid1->currentRow() < 0 || Grid1->currentColumn() < 0)
    return CellEditor::None;
  return entry_.cellEditor(slotOf(Grid1->currentRow()), Grid1->currentColumn());
}

// With its final size the window opens on the first column.
void ResultsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Grid1->horizontalScrollBar()->setValue(0);
  placeEditor();
}

void ResultsForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  positionEditor();
}

// ---- cell editing ----

// The text box goes over the current cell when that cell takes typed entries.
void ResultsForm::placeEditor() {
  commitText();
  closeList();
  if (editorOfCurrentCell() != CellEditor::Text) {
    bool hadFocus = Text1->hasFocus();
    Text1->hide();
    editRow_ = editCol_ = -1;
    if (hadFocus) Grid1->setFocus();
    return;
  }
  editRow_ = Grid1->currentRow();
  editCol_ = Grid1->currentColumn();
  Grid1->scrollToItem(Grid1->currentItem());
  Text1->setText(Grid1->currentItem()->text());
  Text1->show();
  positionEditor();
  Text1->selectAll();
  if (isVisible()) Text1->setFocus();
}

// The box lies over its cell wherever the grid has scrolled.
void ResultsForm::positionEditor() {
  if (editRow_ >= 0 && !Text1->isHidden())
    Text1->setGeometry(Grid1->cellRect(editRow_, editCol_).adjusted(1, 1, -1, -1));
}

// Hands the typed text to the entry; the cell shows what the entry kept.
bool ResultsForm::commitText() {
  if (Text1->isHidden() || !Text1->isModified() || editRow_ < 0) return true;
  Text1->setModified(false);  // entered once, whatever a message box does to the focus
  bool taken = entry_.enterCell(slotOf(editRow_), editCol_,
                                Utf8ToCp1252(Text1->text().toStdString()));
  refreshGrid();
  Text1->setText(Grid1->item(editRow_, editCol_)->text());
  Text1->selectAll();
  if (isVisible() && !Text1->isHidden()) Text1->setFocus();
  return taken;
}

void ResultsForm::restoreText() {
  if (QTableWidgetItem* item = Grid1->currentItem()) Text1->setText(item->text());
  Text1->selectAll();
}

// The list of a type, name or incomplete-mark cell, under the cell, with the cell's entry chosen.
void ResultsForm::openList() {
  const CellEditor kind = editorOfCurrentCell();
  const int slot = slotOf(Grid1->currentRow());
  const int col = Grid1->currentColumn();
  Combo2->clear();
  auto add = [this](const std::string& text, int data) {
    auto* item = new QListWidgetItem(Show(text), Combo2);
    item->setData(Qt::UserRole, data);
  };
  if (kind == CellEditor::TypeList) {
    for (int type = kRegular; type <= kForfeit; ++type) add(PlayerTypeText(type), type);
  } else if (kind == CellEditor::NameList) {
    auto* title = new QListWidgetItem(Show(entry_.playerListTitle(slot)), Combo2);
    title->setFlags(Qt::NoItemFlags);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    for (Integer p : entry_.playerChoices(slot)) add(TrimRight(lg.PlayerName[p]), p);
  } else if (kind == CellEditor::MarkList) {
    std::vector<std::string> marks = IncompleteMarkChoices();
    for (int i = 0; i < 2; ++i) add(marks[i], i);
  } else {
    return;
  }
  const QString current = Grid1->currentItem()->text().trimmed();
  Combo2->setCurrentRow(Combo2->count() > 1 && kind == CellEditor::NameList ? 1 : 0);
  for (int i = 0; i < Combo2->count(); ++i) {
    const QString text = Combo2->item(i)->text().trimmed();
    bool marked = kind == CellEditor::MarkList && current == QStringLiteral("X");
    if ((kind == CellEditor::MarkList && i == (marked ? 1 : 0)) ||
        (kind != CellEditor::MarkList && text == current && (Combo2->item(i)->flags() & Qt::ItemIsEnabled)))
      Combo2->setCurrentRow(i);
  }
  QRect cell = Grid1->cellRect(Grid1->currentRow(), Grid1->currentColumn());
  QPoint at = Grid1->viewport()->mapTo(this, cell.bottomLeft());
  int width = std::max(cell.width(), Combo2->sizeHintForColumn(0) + 24);
  int height = std::min(Combo2->sizeHintForRow(0) * Combo2->count() + 6, this->height() / 2);
  if (at.y() + height > this->height()) at.setY(std::max(0, at.y() - cell.height() - height));
  if (at.x() + width > this->width()) at.setX(std::max(0, this->width() - width));
  Combo2->setGeometry(QRect(at, QSize(width, height)));
  Combo2->show();
  Combo2->raise();
  Combo2->setFocus();
  Q_UNUSED(col);
}

void ResultsForm::closeList() {
  if (!Combo2->isVisible()) return;
  bool hadFocus = Combo2->hasFocus();
  Combo2->hide();
  if (hadFocus) Grid1->setFocus();
}

void ResultsForm::chooseFromList(QListWidgetItem* item) {
  if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
  const int slot = slotOf(Grid1->currentRow());
  const int data = item->data(Qt::UserRole).toInt();
  const EntryColumn column = entry_.column(Grid1->currentColumn());
  closeList();
  switch (column.kind) {
    case EntryColumnKind::PlayerType: entry_.setPlayerType(slot, data); break;
    case EntryColumnKind::PlayerName: entry_.choosePlayer(slot, static_cast<Integer>(data)); break;
    case EntryColumnKind::Incomplete: entry_.setIncomplete(slot, column.index, data == 1); break;
    default: break;
  }
  refreshGrid();
  Grid1->setFocus();
}

bool ResultsForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    TipLabel->hide();  // a tip never covers the cells being typed in
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Text1 && editorKey(key)) return true;
    if (watched == Combo2 && listKey(key)) return true;
    if (watched == Grid1 && gridKey(key)) return true;
  } else if (event->type() == QEvent::FocusOut && watched == Text1) {
    // Typing left for another control is entered as it goes, not when a message box or a
    // menu takes the focus for a moment.
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) commitText();
  } else if (event->type() == QEvent::FocusOut && watched == Combo2) {
    // A click elsewhere puts the list away without a choice.
    QWidget* now = QApplication::focusWidget();
    if (now && now != Combo2 && now->window() == this) Combo2->hide();
  } else if (event->type() == QEvent::Enter) {
    if (auto tip = tips_.find(watched); tip != tips_.end()) {
      auto* control = static_cast<QWidget*>(watched);
      showTip(Show(EntryTipText(tip->second)),
              QRect(control->mapTo(this, QPoint(0, 0)), control->size()));
    }
  } else if (event->type() == QEvent::Leave) {
    TipLabel->hide();  // the mouse left a control, the grid or the window
  } else if (event->type() == QEvent::MouseMove) {
    if (watched == Grid1->viewport() || watched == Grid1->frozenView()->viewport())
      gridTip(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)->position().toPoint());
    else if (watched == this) TipLabel->hide();  // the mouse is over the window's background
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tallmark
