#include "shell/Functs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "league/Text.h"
#include "processing/Averages.h"
#include "shell/UserIO.h"

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

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Cuts a result to the box's limits, beeping when it had to.
template <typename T>
T Limit(T value, T minimum, T maximum) {
  if (value > maximum) {
    value = maximum;
    Beep();
  }
  if (value < minimum) {
    value = minimum;
    Beep();
  }
  return value;
}

bool NameAt(Integer player, const std::string& name) {
  return player >= 0 && player <= kMaxPlayerRecords && Fixed(lg.PlayerName[player], 20) == name;
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

std::string NumberText(double value) {
  if (value == 0 || std::isnan(value)) return "0";
  const auto asSingle = static_cast<float>(value);
  // A value that came from a single is written with a single's digits (12.3, not 12.3000002).
  if (static_cast<double>(asSingle) == value) return ShortestText(asSingle);
  return ShortestText(value);
}

void ReplaceChar(std::string& text, char c, char r) {
  for (char& ch : text)
    if (ch == c) ch = r;
}

std::optional<FoundName> FindName(const std::string& name) {
  const std::string wanted = Fixed(name, 20);
  const int lastTeam = lg.LastTeam < kMaxTeams ? lg.LastTeam : kMaxTeams;
  const int lastPosition =
      lg.PlayersPerTeam < kMaxRosterPositions ? lg.PlayersPerTeam : kMaxRosterPositions;
  for (int t = 1; t <= lastTeam; ++t) {
    if (!TeamNumberInUse(t)) continue;
    for (int p = 0; p <= lastPosition; ++p)
      if (NameAt(lg.Roster[t][p], wanted))
        return FoundName{lg.Roster[t][p], static_cast<Integer>(t), static_cast<Integer>(p)};
  }
  const int subs = lg.NumSubs < kMaxTeams ? lg.NumSubs : kMaxTeams;
  for (int k = 1; k <= subs; ++k)
    if (NameAt(lg.SubList[k], wanted))
      return FoundName{lg.SubList[k], 0, static_cast<Integer>(k)};
  return std::nullopt;
}

std::string OpponentName(int team) {
  const int slots = lg.NumTeams < kMaxTeams ? lg.NumTeams : kMaxTeams;
  int slot = 0;
  for (int s = 1; s <= slots && slot == 0; ++s)
    if (lg.LaneTeam[s] == team) slot = s;
  if (slot == 0) return {};  // the team has no lane this week
  const int opposite = slot % 2 == 1 ? slot + 1 : slot - 1;
  if (opposite < 1 || opposite > kMaxTeams) return {};
  const Integer other = lg.LaneTeam[opposite];
  if (other < 0 || other > kMaxTeams) return {};
  const Integer record = lg.Roster[other][0];
  if (record < 0 || record > kMaxPlayerRecords) return {};
  return Fixed(lg.PlayerName[record], 20);
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

std::string WeekDateText(int week) {
  if (week >= 1 && week <= kMaxWeeks && IsValidDate(lg.WeekDate[week])) return lg.WeekDate[week];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[16];
  std::strftime(buf, sizeof buf, "%m/%d/%y", &local);
  return buf;
}

Integer CheckRange(const std::string& text, Integer previous, Integer minimum, Integer maximum,
                   Integer step) {
  const std::string value = Trim(text);
  long result = previous;
  if (AllDigits(value)) {
    long typed = 0;
    for (char c : value) typed = std::min(typed * 10 + (c - '0'), 100000L);
    if (typed <= 32767) result = typed + step;
  }
  return static_cast<Integer>(Limit<long>(result, minimum, maximum));
}

Single CheckRangeDecimal(const std::string& text, Single previous, Single minimum, Single maximum,
                         Integer step, bool round) {
  const std::string value = Trim(text);
  double result = previous;
  bool digits = false;
  int points = 0;
  bool plain = !value.empty();
  for (char c : value) {
    if (c >= '0' && c <= '9') digits = true;
    else if (c == '.') ++points;
    else plain = false;
  }
  if (plain && digits && points <= 1) {
    const double typed = std::strtod(value.c_str(), nullptr);
    if (typed > 0) {
      const double exponent = std::floor(std::log(typed));
      if (exponent >= -103 && exponent <= 85) result = typed + step;
    }
  }
  Single cut = Limit<Single>(static_cast<Single>(result), minimum, maximum);
  return round ? RoundAverage(cut) : cut;
}

}  // namespace tallmark
