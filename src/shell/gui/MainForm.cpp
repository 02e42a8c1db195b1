#include "shell/gui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "shell/Standings.h"
#include "shell/StartUp.h"
#include "league/gui/FormHelpers.h"

namespace tallmark {

namespace {

int Key(MenuId id, int index) { return static_cast<int>(id) * 100 + index; }

Qt::Alignment ToQt(CellAlign a) {
  switch (a) {
    case CellAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case CellAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlign::Centre: break;
  }
  return Qt::AlignCenter;
}

// The system's short date and its time with seconds.
QString ClockText() {
  QLocale locale = QLocale::system();
  QDateTime now = QDateTime::currentDateTime();
  QString time = locale.timeFormat(QLocale::ShortFormat);
  if (!time.contains(QLatin1String("ss"))) time.replace(QLatin1String("mm"), "mm:ss");
  return locale.toString(now.date(), QLocale::ShortFormat) + ' ' +
         locale.toString(now.time(), time);
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Main_Form");
  NameControlsOfEveryWindow();
  setWindowTitle(QString::fromStdString(WindowTitle()));
  BuildLabels();
  BuildMenus();
  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, &MainForm::Tick);
  timer_->start();
  Tick();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && !qobject_cast<QMenu*>(now) && !qobject_cast<QMenuBar*>(now)) editFocus_ = now;
  });
  // Usable on a laptop screen, and never larger than the screen it is on.
  QSize size(980, 620);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 0.95);
  resize(size);
}

QString MainForm::LabelTip(int i) {
  switch (i) {
    case 0: return QStringLiteral("The name of your league");
    case 1: return QStringLiteral("The disk directory and file name for your league data files");
    case 2: return QStringLiteral("All scores have been entered for these weeks");
    case 3: return QStringLiteral("The current session for a split season");
    case 5: return QStringLiteral("The overall average for the league");
    default: return {};
  }
}

QString MainForm::GridTip() {
  return QStringLiteral("Standings are updated after weekly results are entered.");
}

void MainForm::BuildLabels() {
  auto* central = new QWidget(this);
  central->setObjectName("Background");
  central->setMouseTracking(true);
  central->installEventFilter(this);
  setCentralWidget(central);
  static const char* design[] = {"League:", "Data Files:", "Week ?? of ??", "Session ? of ?",
                                 "", "League Average: "};
  for (int i = 0; i < 6; ++i) {
    labels_[i] = new QLabel(QString::fromLatin1(design[i]), central);
    labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    labels_[i]->setMouseTracking(true);
    labels_[i]->installEventFilter(this);
  }
  QFont title = labels_[0]->font();
  title.setPointSizeF(title.pointSizeF() * 1.5);
  title.setBold(true);
  labels_[0]->setFont(title);
  labels_[1]->setTextInteractionFlags(Qt::NoTextInteraction);
  labels_[1]->setStyleSheet("color: #505050;");

  auto* header = new QGridLayout;
  header->setHorizontalSpacing(24);
  header->addWidget(labels_[0], 0, 0, Qt::AlignLeft | Qt::AlignTop);
  header->addWidget(labels_[1], 1, 0, Qt::AlignLeft);
  header->addWidget(labels_[5], 0, 1, Qt::AlignLeft | Qt::AlignTop);  // level with the name
  header->addWidget(labels_[2], 0, 2, Qt::AlignLeft | Qt::AlignTop);
  header->addWidget(labels_[3], 1, 2, Qt::AlignLeft);
  header->addWidget(labels_[4], 2, 2, Qt::AlignLeft);
  header->setColumnStretch(0, 1);

  grid_ = new QTableWidget(central);
  grid_->setObjectName("Grid1");
  grid_->setAccessibleName("Standings");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setAlternatingRowColors(true);
  grid_->verticalHeader()->setVisible(false);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 10);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->horizontalHeader()->setStretchLastSection(false);
  grid_->setMouseTracking(true);
  grid_->viewport()->setMouseTracking(true);
  grid_->installEventFilter(this);
  grid_->viewport()->installEventFilter(this);
  grid_->horizontalHeader()->installEventFilter(this);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(16, 12, 16, 16);
  layout->setSpacing(12);
  layout->addLayout(header);
  layout->addWidget(grid_, 1);

  empty_ = new QLabel(
      QStringLiteral("No league is open.\n\nChoose File, Open to open a league, or File, New "
                     "to start one."),
      grid_->viewport());
  empty_->setObjectName("NoLeague");
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setStyleSheet("color: #707070; font-size: 11pt;");
  auto* emptyLayout = new QVBoxLayout(grid_->viewport());
  emptyLayout->addWidget(empty_);

  tip_ = new QLabel(central);
  tip_->setObjectName("TipBox");
  tip_->setStyleSheet(
      "QLabel { background: #ffffe1; color: black; border: 1px solid #767676;"
      " padding: 2px 5px; }");
  tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
  tip_->hide();
}

void MainForm::BuildMenus() {
  for (MenuId id : MenuModel::MenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(menus_.menu(id).caption));
    BuildMenu(id, menu);
  }
}

QMenu* MainForm::BuildMenu(MenuId id, QMenu* menu) {
  const Menu& model = menus_.menu(id);
  menu->setObjectName(QString::fromStdString(model.name));
  menusShown_.insert(static_cast<int>(id), menu);
  for (int i = 0; i < static_cast<int>(model.entries.size()); ++i) {
    const MenuEntry& e = model.entries[i];
    QString caption = QString::fromStdString(e.caption);
    QAction* action = nullptr;
    if (e.separator()) {
      action = menu->addSeparator();
    } else if (e.hasSubmenu) {
      QMenu* sub = menu->addMenu(caption);
      BuildMenu(e.submenu, sub);
      action = sub->menuAction();
    } else {
      action = menu->addAction(caption);
      action->setCheckable(e.checkable);
      connect(action, &QAction::triggered, this, [this, id, i] { Choose(id, i); });
    }
    action->setObjectName(QStringLiteral("%1_%2").arg(QString::fromStdString(model.name)).arg(i));
    actions_.insert(Key(id, i), action);
  }
  return menu;
}

QAction* MainForm::Action(MenuId menu, int index) const {
  return actions_.value(Key(menu, index), nullptr);
}

QMenu* MainForm::MenuOf(MenuId menu) const {
  return menusShown_.value(static_cast<int>(menu), nullptr);
}

void MainForm::ApplyMenus() {
  for (int m = 0; m < kMenuCount; ++m) {
    const Menu& model = menus_.menu(static_cast<MenuId>(m));
    for (int i = 0; i < static_cast<int>(model.entries.size()); ++i) {
      QAction* action = Action(static_cast<MenuId>(m), i);
      const MenuEntry& e = model.entries[i];
      if (!action || e.separator()) continue;
      action->setEnabled(e.enabled);
      if (e.checkable) action->setChecked(e.checked);
    }
  }
}

void MainForm::StartUp() {
  StartUpLeague(menus_);
  setWindowTitle(QString::fromStdString(WindowTitle()));
  ApplyMenus();
  DrawStandings();
}

void MainForm::Refresh() {
  UpdateMenus(menus_, LeagueOpen());
  ApplyMenus();
  DrawStandings();
}

void MainForm::DrawStandings() {
  StandingsTable table = tallmark::DrawStandings();
  FillGrid(table);
  for (int i : {0, 2, 3, 5}) labels_[i]->setText(FromLeagueText(table.labels[i]));
  // Folder and file names are the file system's own (UTF-8) bytes.
  labels_[1]->setText("Data Files: " + FromPath(lg.DataPath + lg.FileName));
  empty_->setVisible(!LeagueOpen());
}

void MainForm::FillGrid(const StandingsTable& table) {
  const int columns = static_cast<int>(table.columns.size());
  grid_->clear();
  grid_->setColumnCount(columns);
  grid_->setRowCount(static_cast<int>(table.rows.size()));
  QStringList headers;
  for (const auto& c : table.columns) headers << FromLeagueText(c.header);
  grid_->setHorizontalHeaderLabels(headers);
  const int charWidth = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  widths_.assign(columns, 0);
  for (int c = 0; c < columns; ++c) {
    int width = table.columns[c].width * charWidth + 16;
    int headerWidth = grid_->horizontalHeader()->fontMetrics().horizontalAdvance(headers[c]) + 20;
    widths_[c] = std::max(width, headerWidth);
  }
  SpreadColumns();
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    for (int c = 0; c < columns && c < static_cast<int>(table.rows[r].size()); ++c) {
      QString text = FromLeagueText(table.rows[r][c]);
      if (table.columns[c].align == CellAlign::Left) text = text.trimmed();
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(ToQt(table.columns[c].align));
      grid_->setItem(r, c, item);
    }
  }
}

void MainForm::Tick() { labels_[4]->setText(ClockText()); }

// The columns fill the grid's width (an enlarged or maximised window), never narrower than
// their contents.
void MainForm::SpreadColumns() {
  int total = 0;
  for (int w : widths_) total += w;
  if (total <= 0 || grid_->columnCount() != static_cast<int>(widths_.size())) return;
  const int room = grid_->viewport()->width();
  int used = 0;
  for (int c = 0; c < static_cast<int>(widths_.size()); ++c) {
    int width = room > total ? widths_[c] * room / total : widths_[c];
    if (room > total && c + 1 == static_cast<int>(widths_.size())) width = room - used;
    grid_->setColumnWidth(c, width);
    used += width;
  }
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == grid_->viewport()) SpreadColumns();
  if (event->type() == QEvent::MouseMove) {
    for (int i = 0; i < 6; ++i) {
      if (watched == labels_[i]) {
        ShowToolTip(tip_, labels_[1], LabelTip(i), kTipBelowMiddle);
        return true;  // the background must not hide it again
      }
    }
    if (watched == grid_ || watched == grid_->viewport() ||
        watched == grid_->horizontalHeader()) {
      ShowToolTip(tip_, labels_[1], GridTip(), kTipBelowMiddle);
      return false;
    }
    if (watched == centralWidget()) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (!centralWidget()->childAt(me->position().toPoint())) tip_->hide();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainForm::closeEvent(QCloseEvent* event) {
  if (!exiting_) {
    exiting_ = true;
    timer_->stop();
    ExitProgram();
  }
  event->accept();
}

}  // namespace tallmark
