// A small PDF writer for text reports: pages of lines in the standard Courier face (one of the
// fonts every PDF reader has, so nothing is embedded), Windows-1252 text.
#pragma once

#include <string>
#include <vector>

namespace tallmark::reports {

class PdfWriter {
 public:
  PdfWriter(double pageWidthPoints, double pageHeightPoints);

  void newPage();
  // Text with its baseline at (x, y) points from the top-left corner, in Courier of size points.
  void text(double x, double baselineFromTop, double sizePoints, const std::string& cp1252);
  int pageCount() const { return static_cast<int>(pages_.size()); }

  // The document's bytes; a document without pages gets one blank page.
  std::string document() const;

 private:
  double width_;
  double height_;
  std::vector<std::string> pages_;  // content streams
};

}  // namespace tallmark::reports
