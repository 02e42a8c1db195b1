#include "reports/gui/Report_Form.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "common/Text.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportHtml.h"
#include "reports/ReportTypes.h"
#include "reports/gui/QtPageDevices.h"
#include "league/gui/FormHelpers.h"
#include "league/gui/ReportPrinter.h"
#include "common/UserIO.h"

namespace tallmark::reports {

namespace {

QString Q(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

}  // namespace

void RunReportWindow(QWidget* parent, int reportNumber) {
  lg.ReportNumber = static_cast<Integer>(reportNumber);
  Report_Form form(parent);
  form.exec();
}

Report_Form::Report_Form(QWidget* parent)
    : PagerDialog("&Next Page", "&Print This Page", parent) {
  setWindowTitle("Tallmark -- Report");
  // The pager fills a window-full by the window's height: the whole window must be on the
  // screen, so that every line of a page is seen.
  FitToScreen(this, QSize(820, 640));
  QVBoxLayout* layout = body();
  selectLabel_ = new QLabel("MAKE YOUR SELECTIONS FOR THE REPORT", this);
  layout->addWidget(selectLabel_);
  QHBoxLayout* buttons = buildPanel(this, layout, {"PRINT &REPORT", "Click here to create the report",
                                                   "&ABORT REPORT", "Click here to abort the report",
                                                   0, true});
  panelTips->listTip = [this](int i) {
    return i < static_cast<int>(panelLists_.size()) ? Q(ListTip(panelLists_[i])) : QString();
  };
  connect(Command1[0], &QPushButton::clicked, this, [this] { RunReport(); });
  connect(Command1[1], &QPushButton::clicked, this, [this] { QDialog::reject(); });
  SaveWebPage = new QPushButton("SA&VE AS WEB PAGE", this);
  SaveWebPage->setProperty("tip", "Click here to save the report as a web page");
  panelTips->watch(SaveWebPage);
  connect(SaveWebPage, &QPushButton::clicked, this, [this] { SaveAsWebPage(); });
  buttons->addWidget(SaveWebPage);
  page_ = new ScreenPage(this);
  layout->addWidget(page_, 1);

  TeamsOrBowlers = makeQuestion("Report on Teams or Bowlers",
                            {"&1. Report on Teams", "&2. Report on Bowlers"});
  RightOrLeft = makeQuestion("Print Names on Right or Left",
                         {"&1. Print Names on Right Side of Report",
                          "&2. Print Names on Left   Side of Report"});
  IncludeExtraStats = makeQuestion("Include Extra Statistics",
                               {"&1. Include Extra Statistics", "&2. Exclude Extra Statistics"});
  WhosAverages = makeQuestion("Who's Averages", {"&1. Bowlers", "&2. Bowlers and Subs", "&3. Teams"});
  askMenu = [this](QMenu* menu) { return askQuestion(menu); };
}

Report_Form::~Report_Form() = default;

void Report_Form::fillLists() {
  const ReportType* type = FindReportType(lg.ReportNumber);
  panelLists_ = type ? type->lists : std::vector<SelectionList>{};
  for (std::size_t i = 0; i < 2; ++i) {
    List1[i]->clear();
    entries_[i].clear();
    if (i >= panelLists_.size()) continue;
    entries_[i] = ListEntries(panelLists_[i], lg.ReportNumber);
    for (const ListEntry& e : entries_[i]) List1[i]->addItem(Q(e.text));
    ListLabel[i]->setText(Q(reports::ListLabel(panelLists_[i])));
    List1[i]->setAccessibleName(PlainCaption(ListLabel[i]->text()));
  }
}

ReportChoices Report_Form::choices() const {
  ReportChoices c;
  c.reportOnTeams = reportOnTeams;
  c.namesOnRight = printNamesOnRight;
  c.extraStats = includeExtraStatistics;
  c.whoseAverages = whoseAverages;
  for (std::size_t i = 0; i < panelLists_.size() && i < 2; ++i) {
    std::vector<int>* values = nullptr;
    switch (panelLists_[i]) {
      case SelectionList::Teams: values = &c.teams; break;
      case SelectionList::Weeks: values = &c.weeks; break;
      case SelectionList::Players: values = &c.players; break;
      case SelectionList::Sessions: values = &c.sessions; break;
      case SelectionList::Awards: values = &c.categories; break;
    }
    for (int row = 0; row < List1[i]->count() && row < static_cast<int>(entries_[i].size()); ++row) {
      if (!List1[i]->item(row)->isSelected()) continue;
      const bool heading = panelLists_[i] == SelectionList::Teams && row == 0;
      if (heading) c.substitutes = ListsSubstitutes(lg.ReportNumber);
      else values->push_back(entries_[i][static_cast<std::size_t>(row)].value);
    }
  }
  return c;
}

void Report_Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstActivationDone_) {
    firstActivationDone_ = true;
    QTimer::singleShot(0, this, [this] { activate(); });
  }
}

// The selection panel, or (hidden) room for the pages; the lists show only when in use.
void Report_Form::showPanel(bool shown) {
  const bool panel = shown && !panelLists_.empty();
  for (QWidget* w : {static_cast<QWidget*>(selectLabel_), static_cast<QWidget*>(Command1[0]),
                     static_cast<QWidget*>(Command1[1])})
    w->setVisible(panel);
  if (!panel) TipBox->hide();  // else it shows with a tip
  for (std::size_t i = 0; i < 2; ++i) {
    List1[i]->setVisible(panel && i < panelLists_.size());
    ListLabel[i]->setVisible(panel && i < panelLists_.size());
  }
  layout()->activate();  // the page takes the room of a hidden panel before anything is measured
}

void Report_Form::activate() {
  showPanel(false);  // nothing of the panel behind the opening questions
  const ReportType* type = FindReportType(lg.ReportNumber);
  const unsigned asks = type ? type->asks : 0;
  if (asks & kAskTeamsOrPlayers) {
    reportOnTeams = askMenu(TeamsOrBowlers) == 0;
    if (!reportOnTeams) lg.ReportNumber = static_cast<Integer>(lg.ReportNumber == 4 ? 11 : 12);
  }
  if (asks & kAskNamesSide) printNamesOnRight = askMenu(RightOrLeft) == 0;
  if (asks & kAskExtraStats) includeExtraStatistics = lg.NumExtraStats > 0 && askMenu(IncludeExtraStats) == 0;
  if (asks & kAskWhoseAverages) whoseAverages = askMenu(WhosAverages);
  fillLists();
  showPanel(true);
  if (panelLists_.empty()) RunReport();
  else List1[0]->setFocus();
}

// A save dialog in the league's folder, offering the league's name with the suffix; empty when
// cancelled.
QString Report_Form::AskSaveName(const QString& caption, const QString& filter,
                                 const QString& suffix) {
  QFileDialog dialog(this, caption, QString::fromStdString(lg.DataPath), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (LeagueOpen()) dialog.selectFile(QString::fromStdString(LeagueBasePath()) + "." + suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool Report_Form::ChoosePrintFile(std::string& path) {
  const QString name = chooseFileName ? chooseFileName()
                                      : AskSaveName("File to Print To", "Text Files (*.txt)", "txt");
  if (name.isEmpty()) return false;
  if (QFileInfo(name).suffix().compare("txt", Qt::CaseInsensitive) != 0) {
    MsgBox("The file name must use the extension .TXT");
    return false;
  }
  path = name.toStdString();
  return true;
}

bool Report_Form::SaveAsWebPage() {
  const QString name = chooseWebPageName
                           ? chooseWebPageName()
                           : AskSaveName("Save as Web Page", "Web Pages (*.html *.htm)", "html");
  if (name.isEmpty()) return false;
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix != "html" && suffix != "htm") {
    MsgBox("The file name must use the extension .HTML");
    return false;
  }
  // While the pager waits, the report shown is half run: the page is made by a run of its own,
  // and the league data the shown run reads is put back as it was afterwards.
  const bool paging = engine_ != nullptr;
  const ReportChoices chosen = paging ? runChoices_ : choices();
  std::unique_ptr<LeagueData> kept;
  if (paging) kept = std::make_unique<LeagueData>(lg);
  int err = 0;
  {
    BusyPointer busy;
    err = WriteReportWebPage(name.toStdString(), lg.ReportNumber, chosen);
  }
  if (kept) lg = std::move(*kept);
  if (err != 0) {
    ReportError(err);
    return false;
  }
  MsgBox("The web page is saved.", {}, MsgIcon::Information);
  return true;
}

void Report_Form::RunReport() {
  if (running_) return;
  const ReportChoices chosen = choices();
  if (!AnythingSelected(chosen, !panelLists_.empty())) {
    MsgBox(kNothingToReportText);
    return;
  }
  running_ = true;
  const int type = lg.ReportNumber;
  runChoices_ = chosen;
  Destination destination = Destination::Screen;
  if (lg.PrintToPrinter != 0) destination = lg.PrintToFile != 0 ? Destination::File : Destination::Printer;

  int passes = 1;
  std::string filePath;
  if (destination == Destination::Printer) passes = std::max<int>(lg.PrintCopies, 1);
  if (destination == Destination::File) passes = ChoosePrintFile(filePath) ? 1 : 0;
  if (destination != Destination::Screen) ShowBusy();
  else showPanel(false);  // the pages have the whole window

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
  caption_ = Q("Tallmark -- " + ReportTitle(type));
  engine_ = &engine;
  const int ran = RunPasses(engine, *device, passes, [&](ReportEngine& e) {
    setWindowTitle(caption_);
    BuildReport(e, type, chosen);
  });
  engine_ = nullptr;
  if (ran > 0 && destination == Destination::File) WriteReportFile(filePath, engine.fileText());
  if (LeagueOpen()) ReadStats(lg.CurrentSession);
  ShowNormal();
  if (ran > 0 && destination == Destination::Printer) TellPdfFile(ReportPrinter());
  running_ = false;
  accept();
}

PagerCommand Report_Form::waitAtPageEnd() {
  // The caption tells which page is shown.
  if (engine_) setWindowTitle(caption_ + QString(" -- Page %1").arg(engine_->pageNumber()));
  switch (waitForCommand()) {
    case Command::Close: return PagerCommand::Close;
    case Command::Print: return PagerCommand::PrintPage;
    default: return PagerCommand::NextPage;
  }
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
  TellPdfFile(printer);
}

}  // namespace tallmark::reports
