#include "setup/gui/ScheduleForm.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {
namespace {

QString Show(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string Typed(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

constexpr int kSlotWidth = 46;
constexpr int kWeekColumnWidth = 58;
constexpr int kEditorMaxLength = 5;

const QColor kFixedColour(0xd4, 0xd0, 0xc8);    // the week-number column
const QColor kLaneRowColour(0xff, 0xf4, 0xc8);  // the lane numbers
const QColor kScoredColour(0xe8, 0xe8, 0xe8);   // weeks already scored
const QColor kScoredText(0x70, 0x70, 0x70);
const QColor kEvenPairColour(0xee, 0xf3, 0xfb);  // every other lane pair, to show the matches

// The editor's keys, without Shift, Ctrl or Alt.
bool EditorKey(int key, ScheduleSetup::Key& k) {
  using K = ScheduleSetup::Key;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: k = K::Enter; return true;
    case Qt::Key_Right: k = K::Right; return true;
    case Qt::Key_Left: k = K::Left; return true;
    case Qt::Key_Down: k = K::Down; return true;
    case Qt::Key_Up: k = K::Up; return true;
    case Qt::Key_PageUp: k = K::PageUp; return true;
    case Qt::Key_PageDown: k = K::PageDown; return true;
    case Qt::Key_Home: k = K::Home; return true;
    case Qt::Key_End: k = K::End; return true;
    case Qt::Key_Escape: k = K::Escape; return true;
    default: return false;
  }
}

QString ButtonCaption(int index) {
  switch (index) {
    case ScheduleForm::SaveButton: return QObject::tr("&Save");
    case ScheduleForm::CancelButton: return QObject::tr("&Cancel");
    case ScheduleForm::AddButton: return QObject::tr("&Add Week");
    case ScheduleForm::PositionButton: return QObject::tr("&Position Week");
    case ScheduleForm::DropButton: return QObject::tr("&Drop Week");
    default: return QObject::tr("Standard &Reference Schedule");
  }
}

}  // namespace

ScheduleForm::ScheduleForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Schedule_Form"));
  setup_.open();
  setWindowTitle(Show(setup_.caption()));
  buildGrid();
  buildButtons();
  buildLayout();
  refresh();
}

// ---- building ----

void ScheduleForm::buildGrid() {
  grid_ = new QTableWidget(this);
  grid_->setObjectName(QStringLiteral("Grid1"));
  // The lane numbers are the header row, which stays in view while the weeks scroll.
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setSectionsClickable(true);
  grid_->horizontalHeader()->setMinimumHeight(grid_->fontMetrics().height() + 10);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->horizontalHeader()->setStyleSheet(QStringLiteral(
      "QHeaderView::section { background: %1; color: black; font-weight: bold;"
      " border: 1px solid #c8c0a0; padding: 2px; }").arg(kLaneRowColour.name()));
  grid_->verticalHeader()->hide();
  // A dark handle on a light groove: the place in a long season is seen at a glance.
  const QString bars = QStringLiteral(
      "QScrollBar { background: #e4e4e4; border: 1px solid #b0b0b0; }"
      "QScrollBar:vertical { width: 15px; } QScrollBar:horizontal { height: 15px; }"
      "QScrollBar::handle { background: #5a5a5a; border-radius: 4px; margin: 2px; }"
      "QScrollBar::handle:hover { background: #303030; }"
      "QScrollBar::handle:vertical { min-height: 24px; } QScrollBar::handle:horizontal { min-width: 24px; }"
      "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
      "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
  grid_->verticalScrollBar()->setStyleSheet(bars);
  grid_->horizontalScrollBar()->setStyleSheet(bars);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 10);
  connect(grid_, &QTableWidget::cellPressed, this, &ScheduleForm::cellPressed);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionPressed, this,
          [this](int column) { cellPressed(0, column); });
  // Scrolling with the wheel or the scroll bars leaves the editor on its cell, in view or not.
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &ScheduleForm::followCell);
  connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          &ScheduleForm::followCell);

  grid_->viewport()->installEventFilter(this);  // its width shares out the columns

  editor_ = new QLineEdit(grid_->viewport());
  editor_->setObjectName(QStringLiteral("Text1"));
  editor_->setAccessibleName(QStringLiteral("Team of the lane slot"));
  editor_->setMaxLength(kEditorMaxLength);
  editor_->setAlignment(Qt::AlignCenter);
  editor_->setFrame(false);
  editor_->setStyleSheet(QStringLiteral(
      "QLineEdit { background: white; color: black; border: 2px solid #1c5fb8; }"));
  editor_->installEventFilter(this);
  connect(editor_, &QLineEdit::textEdited, this,
          [this](const QString& text) { setup_.setEditText(Typed(text)); });
}

void ScheduleForm::buildButtons() {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    buttons_[i] = new QPushButton(ButtonCaption(i), this);
    buttons_[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
    // Enter belongs to the cell editor, never to a default button.
    buttons_[i]->setAutoDefault(false);
    buttons_[i]->setDefault(false);
    connect(buttons_[i], &QPushButton::clicked, this, [this, i] { runButton(i); });
  }
  buttons_[ReferenceButton]->setVisible(setup_.referenceButtonShown());
}

void ScheduleForm::buildLayout() {
  weeksLabel_ = new QLabel(this);
  teamsLabel_ = new QLabel(this);
  weeksLabel_->setObjectName(QStringLiteral("Label1"));
  teamsLabel_->setObjectName(QStringLiteral("Label2"));

  auto* labels = new QHBoxLayout;
  labels->addWidget(weeksLabel_);
  labels->addSpacing(24);
  labels->addWidget(teamsLabel_);
  labels->addStretch();

  auto* weekButtons = new QHBoxLayout;
  for (int i : {AddButton, PositionButton, DropButton, ReferenceButton})
    weekButtons->addWidget(buttons_[i]);
  weekButtons->addStretch();
  weekButtons->addWidget(buttons_[SaveButton]);
  weekButtons->addWidget(buttons_[CancelButton]);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(labels);
  layout->addWidget(grid_, 1);
  layout->addLayout(weekButtons);

  resize(sizeHint());
}

// As wide as every lane slot needs, within the screen: the grid scrolls sideways only when
// the screen is too narrow.
QSize ScheduleForm::sizeHint() const {
  const int columns = setup_.columnCount() - 1;
  const int gridWidth = kWeekColumnWidth + columns * kSlotWidth + 2 * grid_->frameWidth() +
                        grid_->verticalScrollBar()->sizeHint().width() + 2;
  int widest = 1300;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    widest = screen->availableGeometry().width() - 16;  // the frame's room
  return {std::max(std::min(gridWidth + 24, widest), std::min(720, widest)), 560};
}

// ---- showing ----

void ScheduleForm::refresh() {
  const int rows = setup_.rowCount();
  const int columns = setup_.columnCount();
  grid_->setRowCount(rows);
  grid_->setColumnCount(columns);
  fitColumns();
  for (int r = 0; r < rows; ++r) {
    // The lane numbers' row shows as the header; rows before the season's first week hold
    // nothing.
    grid_->setRowHidden(r, r == 0 || r < lg.StartWeek);
    for (int c = 0; c < columns; ++c) refreshCell(r, c);
  }
  QStringList lanes;
  for (int c = 0; c < columns; ++c) lanes << (rows > 0 ? grid_->item(0, c)->text() : QString());
  grid_->setHorizontalHeaderLabels(lanes);
  weeksLabel_->setText(Show(setup_.weeksLabel()));
  teamsLabel_->setText(Show(setup_.teamsLabel()));
  editor_->setText(Show(setup_.editText()));
  editor_->selectAll();
  placeEditor();
}

void ScheduleForm::refreshCell(int row, int column) {
  QTableWidgetItem* item = grid_->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    grid_->setItem(row, column, item);
  }
  std::string text = setup_.cell(row, column);
  if (row == 0 && column == 0) text = lg.SportTerm[7];  // the lane numbers' row
  item->setText(Show(text));
  QFont font = grid_->font();
  font.setBold(row == 0 || column == 0);
  item->setFont(font);
  if (column == 0) {
    item->setBackground(kFixedColour);
    item->setForeground(Qt::black);
  } else if (row == 0) {
    item->setBackground(kLaneRowColour);
    item->setForeground(Qt::black);
  } else if (!setup_.rowEditable(row)) {
    item->setBackground(kScoredColour);
    item->setForeground(kScoredText);
  } else {
    const bool evenPair = ((column + 1) / 2) % 2 == 0;
    item->setBackground(evenPair ? kEvenPairColour : QColor(Qt::white));
    item->setForeground(Qt::black);
  }
}

// The slots share the grid's width when it has room; otherwise the grid scrolls sideways.
void ScheduleForm::fitColumns() {
  const int slotCount = grid_->columnCount() - 1;
  grid_->setColumnWidth(0, kWeekColumnWidth);
  if (slotCount < 1) return;
  const int room = grid_->viewport()->width() - kWeekColumnWidth;
  const int width = std::max(kSlotWidth, room / slotCount);
  for (int c = 1; c <= slotCount; ++c) grid_->setColumnWidth(c, width);
}

// The current cell is scrolled into view and the editor laid over it.
void ScheduleForm::placeEditor() {
  QTableWidgetItem* item = grid_->item(setup_.row(), setup_.column());
  if (item) grid_->scrollToItem(item);
  followCell();
}

// The lane numbers are edited in the header row, the weeks in the grid.
void ScheduleForm::followCell() {
  QTableWidgetItem* item = grid_->item(setup_.row(), setup_.column());
  if (!item) {
    editor_->hide();
    return;
  }
  QHeaderView* header = grid_->horizontalHeader();
  QWidget* parent = setup_.row() == 0 ? header->viewport() : grid_->viewport();
  const bool moving = editor_->parentWidget() != parent;
  const bool focused = editor_->hasFocus();
  if (moving) editor_->setParent(parent);
  if (setup_.row() == 0) {
    const int column = setup_.column();
    editor_->setGeometry(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                         header->viewport()->height());
  } else {
    editor_->setGeometry(grid_->visualItemRect(item));
  }
  editor_->show();
  editor_->raise();
  if (moving && focused) editor_->setFocus(Qt::OtherFocusReason);
}

// ---- acting ----

bool ScheduleForm::editorKey(int key, Qt::KeyboardModifiers modifiers) {
  ScheduleSetup::Key k;
  if (!EditorKey(key, k)) return false;
  const bool held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held) {
    // Shift with the arrows selects text in the editor as usual; Enter and Escape must not
    // reach the window, where they would close it.
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
  }
  setup_.key(k);
  refresh();
  return true;
}

void ScheduleForm::cellPressed(int row, int column) {
  // the week numbers are not for editing: the first slot of that week instead
  setup_.moveTo(row, std::max(column, 1));
  refresh();
  editor_->setFocus(Qt::MouseFocusReason);
}

void ScheduleForm::runButton(int index) {
  switch (index) {
    case SaveButton:
      setup_.save();
      accept();
      return;
    case CancelButton:
      reject();
      return;
    case AddButton: setup_.addWeek(); break;
    case PositionButton: setup_.insertPositionWeek(); break;
    case DropButton: setup_.dropWeek(); break;
    case ReferenceButton: setup_.referenceSchedule(); break;
    default: return;
  }
  refresh();
  // The week added is shown.
  if (index == AddButton) grid_->scrollToItem(grid_->item(grid_->rowCount() - 1, 1));
  editor_->setFocus(Qt::OtherFocusReason);
}

void ScheduleForm::reject() {
  setup_.cancel();
  QDialog::reject();
}

bool ScheduleForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (editorKey(key->key(), key->modifiers())) return true;
  }
  if (watched == grid_->viewport() && event->type() == QEvent::Resize) {
    fitColumns();
    placeEditor();
  }
  return QDialog::eventFilter(watched, event);
}

void ScheduleForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  placeEditor();
  editor_->setFocus(Qt::OtherFocusReason);
}

int RunScheduleForm(QWidget* parent) {
  ScheduleForm form(parent);
  CenterForm(&form);
  return form.exec();
}

}  // namespace tallmark
