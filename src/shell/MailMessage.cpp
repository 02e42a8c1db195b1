#include "shell/MailMessage.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "common/Text.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "reports/PdfPageDevice.h"
#include "reports/ReportHtml.h"
#include "shell/Publish.h"
#include "shell/PublishParts.h"

namespace tallmark {

namespace {

const char* const kBoundaryMixed = "=_tallmark_mixed_7f3a";
const char* const kBoundaryAlt = "=_tallmark_alt_7f3a";

std::string Base64(std::string_view data) {
  static const char* const digits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < data.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, data.size() - i);
    unsigned v = 0;
    for (std::size_t k = 0; k < 3; ++k)
      v = v << 8 | (k < n ? static_cast<unsigned char>(data[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? digits[v >> (18 - 6 * k) & 63] : '=';
  }
  return out;
}

// Base64 in lines of 76 characters.
std::string Base64Lines(std::string_view data) {
  const std::string b = Base64(data);
  std::string out;
  for (std::size_t i = 0; i < b.size(); i += 76) out += b.substr(i, 76) + "\r\n";
  return out;
}

// A header text as encoded words of at most 45 bytes of UTF-8 each, never cutting a character.
std::string EncodedWords(const std::string& utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t n = std::min<std::size_t>(45, utf8.size() - i);
    while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) --n;
    out += (out.empty() ? "" : "\r\n ") + std::string("=?UTF-8?B?") + Base64(utf8.substr(i, n)) +
           "?=";
    i += n;
  }
  return out;
}

std::string Part(const std::string& type, const std::string& extra, const std::string& body) {
  return "Content-Type: " + type + "\r\nContent-Transfer-Encoding: base64\r\n" + extra + "\r\n" +
         Base64Lines(body);
}

// The condensed standing sheet's text in UTF-8 with CR LF lines; page breaks become blank lines.
std::string SheetText() {
  const std::string text = Cp1252ToUtf8(reports::ReportFileText(2, {}));
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '\f') line.erase(0, 1);
    out += line + "\r\n";
  }
  return out;
}

std::string SheetHtml() {
  const std::string name = TrimRight(lg.LeagueName);
  return reports::HtmlPageStart(name, publish::kPageStyle) + "<main>\n<h1>" +
         reports::HtmlText(name) + "</h1>\n" + WeekSummaryHtml() + "</main>\n" +
         reports::HtmlPageEnd();
}

std::string SheetPdf() { return reports::ReportPdfDocument(1, {}); }

}  // namespace

bool IsMailAddress(const std::string& text) {
  const std::size_t at = text.find('@');
  if (at == 0 || at == std::string::npos || at + 1 >= text.size() ||
      text.find('@', at + 1) != std::string::npos)
    return false;
  for (unsigned char c : text)
    if (c <= ' ' || c >= 127 || std::string_view("<>()[],;:\"\\").find(static_cast<char>(c)) !=
                                    std::string_view::npos)
      return false;
  return true;
}

std::string MailSubject() {
  return Cp1252ToUtf8(TrimRight(lg.LeagueName)) + " \xE2\x80\x93 standings after week " +
         std::to_string(lg.CurrentWeek);
}

std::string MailAttachmentName() {
  return "standings-week-" + std::to_string(lg.CurrentWeek) + ".pdf";
}

std::string StandingsMessage(const std::vector<std::string>& to, const std::string& date) {
  std::string m = "MIME-Version: 1.0\r\nDate: " + date + "\r\n";
  if (!to.empty()) {
    m += "To: ";
    for (std::size_t i = 0; i < to.size(); ++i) m += (i ? ",\r\n " : "") + to[i];
    m += "\r\n";
  }
  m += "Subject: " + EncodedWords(MailSubject()) + "\r\nX-Unsent: 1\r\n";
  m += std::string("Content-Type: multipart/mixed; boundary=\"") + kBoundaryMixed + "\"\r\n\r\n";
  m += std::string("--") + kBoundaryMixed + "\r\nContent-Type: multipart/alternative; boundary=\"" +
       kBoundaryAlt + "\"\r\n\r\n";
  m += std::string("--") + kBoundaryAlt + "\r\n" +
       Part("text/plain; charset=utf-8", "", SheetText());
  m += std::string("--") + kBoundaryAlt + "\r\n" +
       Part("text/html; charset=utf-8", "", SheetHtml());
  m += std::string("--") + kBoundaryAlt + "--\r\n\r\n";
  const std::string file = MailAttachmentName();
  m += std::string("--") + kBoundaryMixed + "\r\n" +
       Part("application/pdf; name=\"" + file + "\"",
            "Content-Disposition: attachment; filename=\"" + file + "\"\r\n", SheetPdf());
  return m + "--" + kBoundaryMixed + "--\r\n";
}

int WriteStandingsMail(const std::string& folder, const std::vector<std::string>& to,
                       std::string& eml, std::string& pdf) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path dir(folder);
  eml = (dir / (lg.FileName + "-week-" + std::to_string(lg.CurrentWeek) + ".eml")).string();
  pdf = (dir / MailAttachmentName()).string();
  return WriteFilesAtomic({{pdf, SheetPdf()}, {eml, StandingsMessage(to, MailDateNow())}});
}

std::vector<std::string> XdgEmailArguments(const std::vector<std::string>& to,
                                           const std::string& pdf) {
  std::vector<std::string> args = {"--utf8", "--subject", MailSubject(), "--body", SheetText(),
                                   "--attach", pdf};
  args.insert(args.end(), to.begin(), to.end());
  return args;
}

std::string MailDateNow() {
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  // Day and month names in English whatever the locale: the format asks for them.
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", days[utc.tm_wday],
                utc.tm_mday, months[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min,
                utc.tm_sec);
  return text;
}

}  // namespace tallmark
