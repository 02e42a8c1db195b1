#include "reports/gui/Report_Form.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "common/Text.h"
#include "reports/FixedPageDevice.h"
#include "reports/StandingSheet.h"
#include "reports/gui/QtPageDevices.h"
#include "league/gui/ReportPrinter.h"
#include "common/UserIO.h"

namespace tallmark::reports {

namespace {

QString Q(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

// The caption title of each report type (1..14).
std::string ReportTitle(int type) {
  switch (type) {
    case 1: case 2: return "Weekly Standing Sheet";
    case 3: return "Statistical Summary";
    case 4: return "Team Weekly Results";
    case 5: return "Team Results to Date";
    case 6: return "Statistic Rankings";
    case 7: return "League Setup Options";
    case 8: return "Special Individual Awards";
    case 9: return "Team Rosters";
    case 10: return lg.SportTerm[3] + " Schedule";
    case 11: return lg.SportTerm[4] + " Weekly Results";
    case 12: return lg.SportTerm[4] + " Results to Date";
    case 13: return "Average List";
    case 14: return "Treasurer's Report";
    default: return "Report";
  }
}

}  // namespace

void RunReportWindow(QWidget* parent, int reportNumber) {
  lg.ReportNumber = static_cast<Integer>(reportNumber);
  Report_Form form(parent);
  form.exec();
}

Report_Form::Report_Form(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Tallmark -- Report");
  resize(820, 640);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  menuBar_ = new QMenuBar(this);
  MenuClose = menuBar_->addAction("&Close");
  MenuPage = menuBar_->addAction("&Next Page");
  MenuPrint = menuBar_->addAction("&Print This Page");
  connect(MenuClose, &QAction::triggered, this, [this] { setCommand(PagerCommand::Close); });
  connect(MenuPage, &QAction::triggered, this, [this] { setCommand(PagerCommand::NextPage); });
  connect(MenuPrint, &QAction::triggered, this, [this] { setCommand(PagerCommand::PrintPage); });
  layout->setMenuBar(menuBar_);
  setPagerMenus(false);

  selectLabel_ = new QLabel("MAKE YOUR SELECTIONS FOR THE REPORT", this);
  layout->addWidget(selectLabel_);
  auto* lists = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* column = new QVBoxLayout;
    ListLabel[i] = new QLabel(this);
    List1[i] = new QListWidget(this);
    List1[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1[i]->installEventFilter(this);
    ListLabel[i]->setBuddy(List1[i]);
    column->addWidget(ListLabel[i]);
    column->addWidget(List1[i]);
    lists->addLayout(column);
  }
  layout->addLayout(lists);
  TipBox = new QLabel(this);
  TipBox->setVisible(false);
  layout->addWidget(TipBox);
  auto* buttons = new QHBoxLayout;
  Command1[0] = new QPushButton("PRINT &REPORT", this);
  Command1[1] = new QPushButton("&ABORT REPORT", this);
  Command1[0]->setToolTip("Click here to create the report");
  Command1[1]->setToolTip("Click here to abort the report");
  connect(Command1[0], &QPushButton::clicked, this, [this] { RunReport(); });
  connect(Command1[1], &QPushButton::clicked, this, [this] { QDialog::reject(); });
  buttons->addWidget(Command1[0]);
  buttons->addWidget(Command1[1]);
  layout->addLayout(buttons);
  page_ = new ScreenPage(this);
  layout->addWidget(page_, 1);

  TeamsOrBowlers = makeMenu("Report on Teams or Bowlers",
                            {"&1. Report on Teams", "&2. Report on Bowlers"});
  RightOrLeft = makeMenu("Print Names on Right or Left",
                         {"&1. Print Names on Right Side of Report",
                          "&2. Print Names on Left   Side of Report"});
  IncludeExtraStats = makeMenu("Include Extra Statistics",
                               {"&1. Include Extra Statistics", "&2. Exclude Extra Statistics"});
  WhosAverages = makeMenu("Who's Averages", {"&1. Bowlers", "&2. Bowlers and Subs", "&3. Teams"});
  askMenu = [this](QMenu* menu) {
    QAction* chosen = menu->exec(mapToGlobal(rect().center()));
    return chosen ? menu->actions().indexOf(chosen) : 0;
  };
}

Report_Form::~Report_Form() = default;

QMenu* Report_Form::makeMenu(const QString& title, const QStringList& entries) {
  auto* menu = new QMenu(title, this);
  for (const QString& e : entries) menu->addAction(e);
  return menu;
}

void Report_Form::setPagerMenus(bool enabled) {
  MenuClose->setEnabled(enabled);
  MenuPage->setEnabled(enabled);
  MenuPrint->setEnabled(enabled);
}

void Report_Form::setCommand(PagerCommand command) {
  command_ = command;
  if (waiting_) waiting_->quit();
}

void Report_Form::showTip(const QString& what) {
  if (lg.ToolTips != True) return;
  TipBox->setText("Shift or Ctrl Click to select one or more " + what);
  TipBox->setVisible(true);
}

bool Report_Form::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    for (int i = 0; i < 2; ++i) {
      if (watched != List1[i]) continue;
      const QString label = ListLabel[i]->text().remove('&').toLower();
      showTip(label == "weeks" || label == "teams" || label == "sessions" || label == "awards"
                  ? label + "."
                  : QString("teams."));
    }
  } else if (event->type() == QEvent::Leave) {
    TipBox->setVisible(false);
  }
  return QDialog::eventFilter(watched, event);
}

void Report_Form::fillLists() {
  // The teams list: its heading entry, then the active teams in team order.
  List1[0]->clear();
  List1[0]->addItem(lg.ReportNumber == 9 && lg.NumSubs > 0
                        ? Q("SUBSTITUTE " + Upper(lg.SportTerm[5]))
                        : QString("SELECT ONE OR MORE TEAMS"));
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamNumberInUse(t)) List1[0]->addItem(Q(Fixed(lg.PlayerName[lg.Roster[t][0]], 20)));
  ListLabel[0]->setText("&TEAMS");
  List1[1]->clear();
  for (int w = 1; w <= lg.CurrentWeek; ++w) List1[1]->addItem(QString::number(w));
  ListLabel[1]->setText("&WEEKS");
}

void Report_Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstActivationDone_) {
    firstActivationDone_ = true;
    QTimer::singleShot(0, this, [this] { activate(); });
  }
}

void Report_Form::activate() {
  fillLists();
  const bool panel = lg.ReportNumber >= 3 && lg.ReportNumber != 7 && lg.ReportNumber != 10 &&
                     lg.ReportNumber != 13;
  for (QWidget* w : {static_cast<QWidget*>(selectLabel_), static_cast<QWidget*>(List1[0]),
                     static_cast<QWidget*>(List1[1]), static_cast<QWidget*>(ListLabel[0]),
                     static_cast<QWidget*>(ListLabel[1]), static_cast<QWidget*>(Command1[0]),
                     static_cast<QWidget*>(Command1[1])})
    w->setVisible(panel);
  layout()->activate();  // the page takes the room of a hidden panel before anything is measured
  if (lg.ReportNumber == 1) {
    includeExtraStatistics = lg.NumExtraStats > 0 && askMenu(IncludeExtraStats) == 0;
    RunReport();
  } else if (lg.ReportNumber == 2 || lg.ReportNumber == 7 || lg.ReportNumber == 10) {
    RunReport();
  } else if (lg.ReportNumber == 13) {
    whoseAverages = askMenu(WhosAverages);
    RunReport();
  }
}

bool Report_Form::ChoosePrintFile(std::string& path) {
  QString name;
  if (chooseFileName) {
    name = chooseFileName();
  } else {
    QFileDialog dialog(this, "File to Print To", QString::fromStdString(lg.DataPath),
                       "Text Files (*.txt)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("TXT");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (LeagueOpen()) dialog.selectFile(QString::fromStdString(LeagueBasePath() + ".txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      name = dialog.selectedFiles().first();
  }
  if (name.isEmpty()) return false;
  if (QFileInfo(name).suffix().compare("txt", Qt::CaseInsensitive) != 0) {
    MsgBox("The file name must use the extension .TXT");
    return false;
  }
  path = name.toStdString();
  return true;
}

void Report_Form::RunReport() {
  if (running_) return;
  running_ = true;
  const int type = lg.ReportNumber;
  std::function<void(ReportEngine&)> build;
  if (type == 1 || type == 2) {
    const bool condensed = type == 2, extra = type == 1 && includeExtraStatistics;
    build = [condensed, extra](ReportEngine& e) { BuildStandingSheet(e, condensed, extra); };
  }
  Destination destination = Destination::Screen;
  if (lg.PrintToPrinter != 0) destination = lg.PrintToFile != 0 ? Destination::File : Destination::Printer;

  int passes = 1;
  std::string filePath;
  if (destination == Destination::Printer) passes = std::max<int>(lg.PrintCopies, 1);
  if (destination == Destination::File) passes = ChoosePrintFile(filePath) ? 1 : 0;
  if (destination != Destination::Screen) ShowBusy();

  FixedPageDevice fixedPage;
  std::unique_ptr<PrinterPage> printerPage;
  PageDevice* device = page_;
  if (destination == Destination::File) device = &fixedPage;
  if (destination == Destination::Printer) {
    printerPage = std::make_unique<PrinterPage>(ReportPrinter());
    device = printerPage.get();
  }
  ReportEngine engine(*device, destination, lg.PrintMargins != 0, this);
  if (destination != Destination::Screen) engine.setPageRange(lg.PrintFromPage, lg.PrintToPage);
  const QString caption = Q("Tallmark -- " + ReportTitle(type));
  const int ran = RunPasses(engine, *device, passes, [&](ReportEngine& e) {
    setWindowTitle(caption);
    if (build) build(e);
  });
  if (ran > 0 && destination == Destination::File) WriteReportFile(filePath, engine.fileText());
  if (LeagueOpen()) ReadStats(lg.CurrentSession);
  ShowNormal();
  running_ = false;
  accept();
}

PagerCommand Report_Form::waitAtPageEnd() {
  setPagerMenus(true);
  activateWindow();
  setFocus();
  QEventLoop loop;
  waiting_ = &loop;
  command_ = PagerCommand::None;
  while (command_ == PagerCommand::None) loop.exec();
  waiting_ = nullptr;
  const PagerCommand command = command_;
  command_ = PagerCommand::None;
  setPagerMenus(false);
  return command;
}

void Report_Form::reject() {
  if (waiting_) {
    setCommand(PagerCommand::Close);
    return;
  }
  if (!running_) QDialog::reject();
}

bool Report_Form::focusNextPrevChild(bool next) {
  return waiting_ ? false : QDialog::focusNextPrevChild(next);
}

void Report_Form::printVisiblePage() {
  QPrinter& printer = ReportPrinter();
  const QPixmap image = page_->grab();
  QPainter painter;
  if (!painter.begin(&printer)) {
    ReportError(57);
    return;
  }
  const double dpi = printer.resolution();
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF pageRect = printer.pageRect(QPrinter::DevicePixel);
  // Half an inch from the paper's top and left edges, in the painter's (page) coordinates.
  const QPointF origin(0.5 * dpi - (pageRect.left() - paper.left()),
                       0.5 * dpi - (pageRect.top() - paper.top()));
  QSizeF room(paper.width() - 1.0 * dpi, paper.height() - 1.0 * dpi);
  QSizeF size = QSizeF(image.size()).scaled(room, Qt::KeepAspectRatio);
  painter.drawPixmap(QRectF(origin, size), image, QRectF(image.rect()));
  painter.end();
}

void Report_Form::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers held =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (waiting_ && held == Qt::NoModifier) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
      case Qt::Key_PageDown: case Qt::Key_Tab: case Qt::Key_Return: case Qt::Key_Enter:
      case Qt::Key_Space: case Qt::Key_Down:
        setCommand(PagerCommand::NextPage);
        return;
      case Qt::Key_Escape: case Qt::Key_End:
        setCommand(PagerCommand::Close);
        return;
      case Qt::Key_2: case Qt::Key_3:
        if (keypad) { setCommand(PagerCommand::NextPage); return; }
        break;
      case Qt::Key_1:
        if (keypad) { setCommand(PagerCommand::Close); return; }
        break;
      default:
        break;
    }
  }
  if (waiting_) return;  // the pager swallows every other key while it waits
  QDialog::keyPressEvent(event);
}

}  // namespace tallmark::reports
