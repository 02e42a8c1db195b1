#include "reports/PdfWriter.h"

#include <cstdio>

namespace tallmark::reports {

namespace {

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

// A PDF literal string: backslash, parentheses escaped; control characters as blanks.
std::string Literal(const std::string& text) {
  std::string s = "(";
  for (unsigned char c : text) {
    if (c == '\\' || c == '(' || c == ')') s += '\\';
    s += c < 32 ? ' ' : static_cast<char>(c);
  }
  return s + ")";
}

}  // namespace

PdfWriter::PdfWriter(double pageWidthPoints, double pageHeightPoints)
    : width_(pageWidthPoints), height_(pageHeightPoints) {}

void PdfWriter::newPage() { pages_.emplace_back(); }

void PdfWriter::text(double x, double baselineFromTop, double sizePoints,
                     const std::string& cp1252) {
  if (pages_.empty()) newPage();
  std::size_t last = cp1252.find_last_not_of(' ');
  if (last == std::string::npos) return;  // blank lines draw nothing
  pages_.back() += "BT /F1 " + Number(sizePoints) + " Tf " + Number(x) + " " +
                   Number(height_ - baselineFromTop) + " Td " + Literal(cp1252.substr(0, last + 1)) +
                   " Tj ET\n";
}

std::string PdfWriter::document() const {
  std::vector<std::string> pages = pages_;
  if (pages.empty()) pages.emplace_back();
  std::vector<std::string> objects;  // object i + 1
  std::string kids;
  const int firstPage = 4;
  for (std::size_t i = 0; i < pages.size(); ++i)
    kids += std::to_string(firstPage + 2 * i) + " 0 R ";
  objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
  objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                    std::to_string(pages.size()) + " >>");
  objects.push_back(
      "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
  for (std::size_t i = 0; i < pages.size(); ++i) {
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(width_) + " " +
                      Number(height_) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
                      std::to_string(firstPage + 2 * i + 1) + " 0 R >>");
    objects.push_back("<< /Length " + std::to_string(pages[i].size()) + " >>\nstream\n" +
                      pages[i] + "endstream");
  }
  std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t o : offsets) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%010zu 00000 n \n", o);
    out += buf;
  }
  out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace tallmark::reports
