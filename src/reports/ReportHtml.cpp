#include "reports/ReportHtml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/Text.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/StatsFile.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"

namespace tallmark::reports {

namespace {

// The printable room of a sheet with quarter-inch margins, in points: the width of A4 and the
// height of Letter, so that a page fits on either.
constexpr double kPrintWidthPt = (8.27 - 0.5) * 72.0;
constexpr double kPrintHeightPt = (11.0 - 0.5) * 72.0;
constexpr double kLargestPt = 10.0;

// The fixed-width font's advance and line height, in ems (those of the reports' own font).
constexpr double kAdvanceEm = FixedPageDevice::kCharWidthEm;
constexpr double kLineEm = FixedPageDevice::kLineHeightEm;

const char* const kReportStyle = R"(
body { margin: 0; padding: 1em 0; background: #e8e8e8; color: #000; }
h1 { font: bold 14pt sans-serif; margin: 0 1em 0.6em; text-align: center; }
pre.page { font-family: "Liberation Mono", "Courier New", Courier, monospace; font-size: 10pt;
  line-height: 1.133; background: #fff; margin: 0 auto 1.5em; padding: 0.5in 0.4in;
  width: max-content; max-width: calc(100% - 0.8in); overflow-x: auto;
  box-shadow: 0 1px 4px rgba(0, 0, 0, 0.35); }
@page { margin: 0.25in; }
@media print {
  body { background: none; padding: 0; }
  h1 { display: none; }
  pre.page { font-size: var(--print-size, 10pt); margin: 0; padding: 0; box-shadow: none;
    max-width: none; overflow: visible; break-after: page; page-break-after: always; }
  pre.page:last-of-type { break-after: auto; page-break-after: auto; }
}
)";

// The report's pages: the text between form feed lines, each split into its lines.
std::vector<std::vector<std::string_view>> Pages(std::string_view text) {
  std::vector<std::vector<std::string_view>> pages(1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    if (line == FormFeed) {
      pages.emplace_back();
    } else if (!line.empty() && line.front() == FormFeed[0]) {
      pages.emplace_back().push_back(line.substr(1));  // a page that starts on the form feed's line
    } else {
      pages.back().push_back(line);
    }
  }
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
  return pages;
}

// The largest size, in tenths of a point, at which the page's widest line and all its lines fit
// the printable room.
int PrintTenths(const std::vector<std::string_view>& lines) {
  std::size_t widest = 1;
  for (std::string_view l : lines) widest = std::max(widest, l.size());
  const double across = kPrintWidthPt / (static_cast<double>(widest) * kAdvanceEm);
  const double down = kPrintHeightPt / (static_cast<double>(std::max<std::size_t>(lines.size(), 1)) * kLineEm);
  const double size = std::min({kLargestPt, across, down}) * 0.98;  // rounding of the glyphs
  return std::max(10, static_cast<int>(std::floor(size * 10.0 + 1e-9)));
}

}  // namespace

std::string HtmlText(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t' && c != '\n') || b == 0x7f) out += "\xEF\xBF\xBD";
        else out += Cp1252ToUtf8(std::string_view(&c, 1));
      }
    }
  }
  return out;
}

std::string HtmlPageStart(const std::string& title, std::string_view style) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n"
         "<meta name=\"generator\" content=\"Tallmark\" />\n<title>" +
         HtmlText(title) + "</title>\n<style>" + std::string(style) + "</style>\n</head>\n<body>\n";
}

std::string HtmlPageEnd() { return "</body>\n</html>\n"; }

std::string ReportPageHtml(const std::string& title, std::string_view fileText) {
  std::string html = HtmlPageStart(title, kReportStyle);
  html += "<h1>" + HtmlText(title) + "</h1>\n";
  for (const std::vector<std::string_view>& page : Pages(fileText)) {
    const int tenths = PrintTenths(page);
    char size[48];
    std::snprintf(size, sizeof size, "--print-size: %d.%dpt", tenths / 10, tenths % 10);
    // A line feed right after the opening tag is dropped by the page's reader: this one stands
    // for nothing, so that a page's first line is kept even when it is empty.
    html += "<pre class=\"page\" style=\"" + std::string(size) + "\">\n";
    for (std::string_view line : page) html += HtmlText(line) + "\n";
    html += "</pre>\n";
  }
  return html + HtmlPageEnd();
}

std::string ReportFileText(int type, const ReportChoices& choices,
                           std::vector<std::string>* damage) {
  FixedPageDevice device;
  ReportEngine engine(device, Destination::File, lg.PrintMargins != 0);
  RunPasses(engine, device, 1, [&](ReportEngine& e) { BuildReport(e, type, choices); });
  if (LeagueOpen()) ReadStats(lg.CurrentSession);
  if (damage) *damage = engine.damageNotes();
  return engine.fileText();
}

std::string ReportWebPage(int type, const ReportChoices& choices,
                          std::vector<std::string>* damage) {
  const std::string title = TrimRight(lg.LeagueName) + " -- " + ReportTitle(type);
  return ReportPageHtml(title, ReportFileText(type, choices, damage));
}

int WriteReportWebPage(const std::string& path, int type, const ReportChoices& choices,
                       std::vector<std::string>* damage) {
  return WriteFileAtomic(path, ReportWebPage(type, choices, damage));
}

}  // namespace tallmark::reports
