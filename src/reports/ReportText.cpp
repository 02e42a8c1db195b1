#include "reports/ReportText.h"

#include <cmath>
#include <cstdio>

namespace tallmark::reports {

void PutText(std::string& line, int col, std::string_view text) {
  if (col < 1 || text.empty()) return;
  const std::size_t at = static_cast<std::size_t>(col - 1);
  if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
  line.replace(at, text.size(), text);
}

void PutEnding(std::string& line, int col, std::string_view text) {
  int start = col - static_cast<int>(text.size()) + 1;
  if (start < 1) {
    text.remove_prefix(static_cast<std::size_t>(1 - start));
    start = 1;
  }
  PutText(line, start, text);
}

std::string SingleText(float value) {
  if (value == 0) return "0";
  char buf[48];
  const double v = value;
  if (std::fabs(v) >= 1e7) {
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
  }
  // 7 significant digits, then trailing zeros and a bare decimal point dropped.
  const int digitsBefore = std::fabs(v) >= 1 ? static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1 : 1;
  int decimals = 7 - digitsBefore;
  if (std::fabs(v) < 1) decimals = 7 - static_cast<int>(std::floor(std::log10(std::fabs(v)))) - 1;
  if (decimals < 0) decimals = 0;
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

std::string SignedText(float value) {
  std::string s = SingleText(value);
  return s[0] == '-' ? s : " " + s;
}

std::string IntText(int value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string FixedDecimals(float value, int decimals) {
  const double p = std::pow(10.0, decimals);
  const double rounded = std::round(static_cast<double>(value) * p) / p;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
  std::string s = buf;
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

namespace {

void WrapParagraph(std::string_view text, std::size_t width, std::vector<std::string>& out) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t len = std::min(width, text.size() - pos);
    const bool splitsWord = pos + len < text.size() && text[pos + len] != ' ' &&
                            text[pos + len - 1] != ' ';
    if (splitsWord) {
      const std::size_t blank = text.substr(pos, len).rfind(' ');
      if (blank != std::string_view::npos && blank > 0) len = blank;
    }
    std::string_view piece = text.substr(pos, len);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    out.emplace_back(piece);
    pos += len;
    while (pos < text.size() && text[pos] == ' ') ++pos;
  }
}

}  // namespace

std::vector<std::string> WrapBulletin(std::string_view text, std::size_t width) {
  std::vector<std::string> lines;
  if (width == 0) return lines;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.remove_suffix(1);
  std::size_t start = 0;
  while (start <= text.size() && !text.empty()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view paragraph = text.substr(start, end - start);
    if (paragraph.find_first_not_of(' ') == std::string_view::npos)
      lines.emplace_back();
    else
      WrapParagraph(paragraph, width, lines);
    if (end >= text.size()) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace tallmark::reports
