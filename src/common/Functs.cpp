#include "common/Functs.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/Text.h"

namespace tallmark {

namespace {

// Shortest decimal digits that read back as the same value; plain notation for the sizes a
// league meets, exponent notation ("1E+20") beyond.
template <typename T>
std::string ShortestText(T value) {
  char buf[400];
  const bool plain = std::fabs(value) < 1e15 && (value == 0 || std::fabs(value) >= 1e-6);
  auto res = plain ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
                   : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

int DaysInMonth(int month, int year) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Splits "a/b/c" (or with "-") into its three whole-number parts and the year's digit count.
bool DateParts(const std::string& text, int part[3], std::size_t& yearDigits) {
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    std::size_t end = i < 2 ? text.find_first_of("/-", start) : text.size();
    if (end == std::string::npos) return false;
    const std::string piece = text.substr(start, end - start);
    if (!AllDigits(piece) || piece.size() > (i < 2 ? 2u : 4u)) return false;
    part[i] = std::atoi(piece.c_str());
    if (i == 2) yearDigits = piece.size();
    start = end + 1;
  }
  return true;
}

}  // namespace

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string NumberText(double value) {
  if (value == 0 || std::isnan(value)) return "0";
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    char buf[24];  // a whole number is written with all its digits, whatever its type
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    return std::string(buf, res.ptr);
  }
  const auto asSingle = static_cast<float>(value);
  // A value that came from a single is written with a single's digits (12.3, not 12.3000002).
  if (static_cast<double>(asSingle) == value) return ShortestText(asSingle);
  return ShortestText(value);
}

void ReplaceChar(std::string& text, char c, char r) {
  for (char& ch : text)
    if (ch == c) ch = r;
}

bool IsValidDate(const std::string& text) {
  int part[3];
  std::size_t yearDigits = 0;
  if (!DateParts(Trim(text), part, yearDigits)) return false;
  if (yearDigits != 2 && yearDigits != 4) return false;
  const int month = part[0], day = part[1];
  int year = part[2];
  if (yearDigits == 2) year += year < 30 ? 2000 : 1900;
  if (year < 1753 || month < 1 || month > 12) return false;
  return day >= 1 && day <= DaysInMonth(month, year);
}

}  // namespace tallmark
