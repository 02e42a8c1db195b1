// The fixed Letter page drawn into a PDF document: the report engine's printer when no printer
// is at hand (the command-line tool).
#pragma once

#include <string>

#include "reports/FixedPageDevice.h"
#include "reports/PdfWriter.h"

namespace tallmark::reports {

class PdfPageDevice : public FixedPageDevice {
 public:
  // The document is written to path when it ends.
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

}  // namespace tallmark::reports
