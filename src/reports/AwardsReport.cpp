// Special individual awards: the awards log's lines of the chosen weeks and players.
#include <algorithm>
#include <cstdlib>

#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"
#include "league/LeagueLookups.h"

namespace tallmark::reports {

namespace {

constexpr int kAwardsWidth = 65;

struct LogEntry {
  int week;
  std::string text;
};

// The week a log line was earned in: the number of its closing " in week n."; 0 for the log's
// first line or a line of another shape. (The line's own text may hold a "." before that, as in
// "over avg.".)
int WeekOfLine(const std::string& line) {
  const std::string tail = " in week";
  const std::size_t at = line.rfind(tail);
  if (at == std::string::npos) return 0;
  const std::string number = Trim(line.substr(at + tail.size()));
  if (number.empty() || number.back() != '.') return 0;
  const std::string digits = number.substr(0, number.size() - 1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::atoi(digits.c_str());
}

// The chosen players' names with the blank that follows them at the start of a log line, made
// once for all the lines.
std::vector<std::string> NamePrefixes(const std::vector<int>& players) {
  std::vector<std::string> names;
  for (int p : players) {
    if (p < 0 || p > kMaxPlayerRecords) continue;
    std::string name = TrimRight(lg.PlayerName[p]) + " ";
    if (name.size() > 1) names.push_back(std::move(name));
  }
  return names;
}

// True when the line names one of the players: it begins with the name and a blank.
bool NamesPlayer(const std::string& line, const std::vector<std::string>& names) {
  for (const std::string& name : names)
    if (line.compare(0, name.size(), name) == 0) return true;
  return false;
}

// Every line of the log with the week it was earned in (0 when it names none).
std::vector<LogEntry> LogLines() {
  std::vector<LogEntry> out;
  std::string text;
  if (ReadWholeFile(LeagueBasePath() + ".SPC", text) != 0) return out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    out.push_back({WeekOfLine(line), line});
  }
  return out;
}

std::vector<LogEntry> SelectedEntries(const std::vector<int>& weeks,
                                      const std::vector<int>& players) {
  std::vector<LogEntry> out;
  const std::vector<std::string> names = NamePrefixes(players);
  for (LogEntry& e : LogLines())
    if (e.week > 0 && std::find(weeks.begin(), weeks.end(), e.week) != weeks.end() &&
        NamesPlayer(e.text, names))
      out.push_back(std::move(e));
  return out;
}

}  // namespace

std::vector<std::string> AwardsOfWeek(int week) {
  std::vector<std::string> out;
  for (LogEntry& e : LogLines())
    if (week > 0 && e.week == week) out.push_back(std::move(e.text));
  return out;
}

void BuildSpecialAwards(ReportEngine& engine, const std::vector<int>& weeks,
                        const std::vector<int>& players) {
  const std::vector<LogEntry> entries = SelectedEntries(weeks, players);
  std::size_t width = kAwardsWidth;
  for (const LogEntry& e : entries) width = std::max(width, e.text.size() + 19);
  const std::string weekLine = " -- WEEK" + IntText(lg.CurrentWeek) + " OF" +
                               IntText(lg.NumWeeks) + " -- SESSION" + IntText(lg.CurrentSession);
  for (const LogEntry& e : entries) {
    PageTop(engine,
            TrimRight(lg.LeagueName) + " -- SPECIAL INDIVIDUAL AWARDS -- PAGE" +
                IntText(engine.pageNumber()),
            weekLine, static_cast<int>(width));
    engine.PrintLine(engine.marginSpaces() + "Week" + RightAlign(e.week, 3) + " (" +
                     WeekDateText(e.week) + ")  " + e.text);
    if (engine.aborted()) break;
  }
  if (entries.empty())
    PageTop(engine,
            TrimRight(lg.LeagueName) + " -- SPECIAL INDIVIDUAL AWARDS -- PAGE" +
                IntText(engine.pageNumber()),
            weekLine, static_cast<int>(width));
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
