// The run of the graph window: passes, the screen pager, the printer and the image files.
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>

#include "common/Text.h"
#include "common/UserIO.h"
#include "graphs/GraphBuilder.h"
#include "graphs/GraphRules.h"
#include "graphs/gui/GraphChart.h"
#include "graphs/gui/GraphFiles.h"
#include "graphs/gui/GraphPrint.h"
#include "graphs/gui/Graph_Form.h"
#include "league/LeagueData.h"

namespace tallmark::graphs {

bool Graph_Form::ChooseGraphFile(std::string& path) {
  QString name;
  if (chooseFileName) {
    name = chooseFileName();
  } else {
    const std::string suggested =
        lg.DataPath + SuggestedGraphName(LeagueOpen() ? lg.FileName : std::string()) + ".wmf";
    QFileDialog dialog(this, "File to Print Graph To", QString::fromStdString(lg.DataPath));
    dialog.setNameFilters({"Metafiles (*.wmf)", "Bitmap files (*.bmp)", "PNG images (*.png)",
                           "SVG drawings (*.svg)", "PDF documents (*.pdf)"});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("WMF");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(QString::fromStdString(suggested));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      name = dialog.selectedFiles().first();
  }
  if (name.isEmpty()) return false;
  if (ImageFormatOf(name.toStdString()) == ImageFormat::Unknown) {
    MsgBox(kImageExtensionMessage);
    return false;
  }
  path = name.toStdString();
  return true;
}

void Graph_Form::RunGraphs() {
  if (running_) return;
  const GraphSelection chosen = selection();
  const GraphOptions chosenOptions = options();
  running_ = true;
  enum class To { Screen, Printer, File } to = To::Screen;
  if (lg.PrintToPrinter != 0) to = lg.PrintToFile != 0 ? To::File : To::Printer;
  int passes = 1;
  std::string path;
  if (to == To::Printer) passes = std::max<int>(lg.PrintCopies, 1);
  if (to == To::File) passes = ChooseGraphFile(path) ? 1 : 0;

  setWindowTitle(QString::fromStdString(Cp1252ToUtf8("Tallmark -- " + CaptionTitle(type_))));
  panel_->setVisible(false);
  view_->setVisible(to == To::Screen);
  if (to != To::Screen) QApplication::setOverrideCursor(Qt::WaitCursor);
  GraphPrintJob job(printer_, lg.PrintFromPage, lg.PrintToPage);
  int made = 0;
  for (int pass = 1; pass <= passes; ++pass) {
    lg.CopyNumber = static_cast<Integer>(pass);
    job.newCopy();
    bool go = true;
    made += BuildGraphs(type_, chosen, chosenOptions, [&](const GraphPage& page) {
      if (to == To::Screen) return go = showOnScreen(page);
      if (to == To::Printer) {
        if (!job.add(page)) ReportError(57);
        return true;
      }
      std::string problem;
      if (!WriteGraphImage(page, path, problem)) MsgBox(Utf8ToCp1252(problem));
      path = NextGraphFileName(path);
      return true;
    });
    if (!go) break;
  }
  job.finish();
  if (to != To::Screen) QApplication::restoreOverrideCursor();
  if (passes > 0 && made == 0) MsgBox("There is nothing to graph for the selections made.");
  running_ = false;
  accept();
}

bool Graph_Form::showOnScreen(const GraphPage& page) {
  QChart* old = view_->chart();
  view_->setChart(MakeChart(page));
  delete old;
  for (;;) {
    switch (waitForPager()) {
      case GraphPager::Close: return false;
      case GraphPager::PrintGraph: printOne(page); return true;
      default: return true;
    }
  }
}

void Graph_Form::printOne(const GraphPage& page) {
  GraphPrintJob job(printer_, 1, 1);
  if (!job.add(page)) ReportError(57);
  job.finish();
}

GraphPager Graph_Form::waitAtGraph() {
  switch (waitForCommand()) {
    case Command::Close: return GraphPager::Close;
    case Command::Print: return GraphPager::PrintGraph;
    default: return GraphPager::NextGraph;
  }
}

}  // namespace tallmark::graphs
