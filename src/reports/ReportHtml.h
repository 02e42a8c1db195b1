// Reports as web pages: a report's text, as its file destination writes it, shown in a page of its
// own that needs nothing else (styles in the page, no scripts, nothing fetched), and that prints
// one report page per sheet. Also the escaping and the page frame the published league pages share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/ReportSelection.h"

namespace tallmark::reports {

// A Windows-1252 text as UTF-8 with every character HTML reads as markup escaped (& < > " ');
// control characters other than tab and line feed, which a page cannot hold, show as U+FFFD.
std::string HtmlText(std::string_view cp1252);

// The start of a page up to and including <body>: UTF-8 declared, the title (Windows-1252, escaped
// here) and the style sheet (UTF-8, already safe). The page ends with HtmlPageEnd().
std::string HtmlPageStart(const std::string& title, std::string_view style);
std::string HtmlPageEnd();

// A report's file text (lines ending in CR LF, a form feed line after every page) as a page: each
// report page in a fixed-width block, printed on a sheet of its own at a size that fits it.
std::string ReportPageHtml(const std::string& title, std::string_view fileText);

// Runs report type (1..14) for the open league to the file destination and returns its text.
// The current session's statistics are in memory again afterwards. damage, when given, receives
// the notices the report printed for parts of the league missing from their files.
std::string ReportFileText(int type, const ReportChoices& choices,
                           std::vector<std::string>* damage = nullptr);

// The report as a web page titled by the league and the report. Replaces the file at path as a
// whole. Returns 0 or an error number.
std::string ReportWebPage(int type, const ReportChoices& choices,
                          std::vector<std::string>* damage = nullptr);
int WriteReportWebPage(const std::string& path, int type, const ReportChoices& choices,
                       std::vector<std::string>* damage = nullptr);

}  // namespace tallmark::reports
