// The fixed Letter page drawn into a PDF document: the report engine's printer when no printer
// is at hand (the command-line tool).
#pragma once

#include <string>

#include "reports/FixedPageDevice.h"
#include "reports/PdfWriter.h"
#include "reports/ReportSelection.h"

namespace tallmark::reports {

class PdfPageDevice : public FixedPageDevice {
 public:
  // The document is written to path when it ends; with an empty path it is only kept.
  explicit PdfPageDevice(std::string path);

  void drawText(double y, std::string_view text) override;
  void newSheet() override;
  // Writes the file; false (with the error reported) when it could not be written.
  bool endDocument() override;

  std::string document() const { return pdf_.document(); }

 private:
  std::string path_;
  PdfWriter pdf_;
};

// Report type (1..14) printed into a PDF document for the open league; returns its bytes.
std::string ReportPdfDocument(int type, const ReportChoices& choices);

}  // namespace tallmark::reports
