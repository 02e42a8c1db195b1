#include "league/gui/ReportPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "league/LeagueData.h"

namespace tallmark {

QPrinter& ReportPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  static bool prepared = false;
  if (!prepared) {
    prepared = true;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      const std::string base = LeagueOpen() ? LeagueBasePath() : lg.ProgramPath + "Report";
      printer.setOutputFileName(QString::fromStdString(base + ".pdf"));
    }
  }
  return printer;
}

}  // namespace tallmark
