#include "shell/gui/PrintSetup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "league/LeagueData.h"
#include "league/gui/ReportPrinter.h"
#include "shell/MenuModel.h"

namespace tallmark {

QPrinter& SharedPrinter() { return ReportPrinter(); }

bool PrintSetup(QWidget* parent) {
  QPrinter& printer = SharedPrinter();
  printer.setCopyCount(lg.PrintCopies > 0 ? lg.PrintCopies : 1);
  printer.setFromTo(1, 1);
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("CMDialog1");
  dialog.setMinMax(1, 255);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  PrintSetupChoice choice;
  choice.copies = printer.copyCount();
  choice.pageRange = printer.printRange() == QPrinter::PageRange;
  choice.fromPage = printer.fromPage();
  choice.toPage = printer.toPage();
  // With no printer installed every print is a PDF file already: that is still "the printer",
  // not the text file of "Print To File".
  choice.toFile = !printer.outputFileName().isEmpty() && !QPrinterInfo::availablePrinters().isEmpty();
  ApplyPrintSetup(choice);
  return true;
}

}  // namespace tallmark
