#include "league/gui/ReportPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "common/Text.h"
#include "common/UserIO.h"
#include "league/LeagueData.h"

namespace tallmark {

QPrinter& ReportPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  // The PDF file named here; a name the user chose in the print dialog is kept.
  static QString named;
  if (QPrinterInfo::availablePrinters().isEmpty() &&
      (printer.outputFileName().isEmpty() || printer.outputFileName() == named)) {
    // The open league's reports go beside it, whichever league was open at the first report.
    const std::string base = LeagueOpen() ? LeagueBasePath() : lg.ProgramPath + "Report";
    named = QString::fromStdString(Cp1252ToUtf8(base + ".pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(named);
  }
  return printer;
}

void TellPdfFile(const QPrinter& printer) {
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) return;
  MsgBox("The report was written to the file" + NewLine + NewLine +
         Utf8ToCp1252(printer.outputFileName().toStdString()));
}

}  // namespace tallmark
