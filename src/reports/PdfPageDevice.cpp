#include "reports/PdfPageDevice.h"

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"

namespace tallmark::reports {

namespace {
constexpr double kPoints = 72.0;
constexpr double kUnitDownPoints = 12.0;  // a character unit down is 1/6 inch
constexpr double kAscentEm = 1705.0 / 2048.0;
}  // namespace

PdfPageDevice::PdfPageDevice(std::string path)
    : path_(std::move(path)), pdf_(kPageWidthInches * kPoints, kPageHeightInches * kPoints) {
  pdf_.newPage();
}

void PdfPageDevice::drawText(double y, std::string_view text) {
  const double edge = kUnprintableInches * kPoints;
  pdf_.text(edge, edge + y * kUnitDownPoints + kAscentEm * fontSize(), fontSize(),
            std::string(text));
}

void PdfPageDevice::newSheet() { pdf_.newPage(); }

bool PdfPageDevice::endDocument() {
  return path_.empty() || WriteFileAtomic(path_, pdf_.document()) == 0;
}

std::string ReportPdfDocument(int type, const ReportChoices& choices) {
  PdfPageDevice device({});
  ReportEngine engine(device, Destination::Printer, lg.PrintMargins != 0);
  RunPasses(engine, device, 1, [&](ReportEngine& e) { BuildReport(e, type, choices); });
  return device.document();
}

}  // namespace tallmark::reports
