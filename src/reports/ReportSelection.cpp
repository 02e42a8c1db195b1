#include "reports/ReportSelection.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"

namespace tallmark::reports {

namespace {

int SessionsReached() {
  return std::clamp<int>(std::min(lg.CurrentSession, lg.NumSessions), 1, kMaxSessions);
}

std::vector<ListEntry> TeamEntries(int reportType) {
  std::vector<ListEntry> entries;
  entries.push_back({ListsSubstitutes(reportType) ? "SUBSTITUTE " + Upper(lg.SportTerm[5])
                                                  : "SELECT ONE OR MORE TEAMS",
                     0});
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamNumberInUse(t)) entries.push_back({Fixed(lg.PlayerName[lg.Roster[t][0]], 20), t});
  return entries;
}

std::vector<ListEntry> PlayerEntries() {
  std::vector<ListEntry> entries;
  auto add = [&](int record) {
    if (record >= 0 && record <= kMaxPlayerRecords && !IsFreeName(lg.PlayerName[record]))
      entries.push_back({Fixed(lg.PlayerName[record], 20), record});
  };
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamNumberInUse(t)) continue;
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p) add(lg.Roster[t][p]);
  }
  for (int s = 1; s <= lg.NumSubs && s <= kMaxTeams; ++s) add(lg.SubList[s]);
  return entries;
}

std::vector<ListEntry> AwardEntries() {
  std::vector<ListEntry> entries;
  for (int c : OfferedCategories()) entries.push_back({TrimRight(lg.CategoryName[c]), c});
  return entries;
}

const char* ListWord(SelectionList list) {
  switch (list) {
    case SelectionList::Teams: return "team";
    case SelectionList::Weeks: return "week";
    case SelectionList::Players: return "player";
    case SelectionList::Sessions: return "session";
    case SelectionList::Awards: return "award";
  }
  return "";
}

bool ParseNumber(const std::string& text, int& n) {
  if (text.empty() || text.size() > 6 ||
      !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
    return false;
  n = std::atoi(text.c_str());
  return true;
}

// The value of the entry the number stands for: the place in the list for awards, otherwise
// the value itself when an entry has it. -1 when there is none.
int EntryValue(SelectionList list, const std::vector<ListEntry>& entries, int n) {
  if (list == SelectionList::Awards)
    return n >= 1 && n <= static_cast<int>(entries.size()) ? entries[n - 1].value : -1;
  for (const ListEntry& e : entries)
    if (e.value == n && !(list == SelectionList::Teams && n == 0)) return n;
  return -1;
}

std::string NotThere(SelectionList list, const std::string& what) {
  switch (list) {
    case SelectionList::Weeks:
      return "week " + what + " has no processed results (weeks 1 to " +
             std::to_string(lg.CurrentWeek) + " have)";
    case SelectionList::Teams: return "team " + what + " is not a team in use";
    case SelectionList::Players: return "player " + what + " is on no team and no substitute list";
    case SelectionList::Sessions:
      return "session " + what + " does not exist or has not started (sessions 1 to " +
             std::to_string(SessionsReached()) + ")";
    case SelectionList::Awards: return "award " + what + " is not in the awards list";
  }
  return what;
}

// Parses one comma-separated item into the set of wanted values.
bool ParseItem(SelectionList list, const std::vector<ListEntry>& entries, const std::string& item,
               std::vector<int>& wanted, std::string& problem) {
  const std::size_t dash = item.find('-');
  int from = 0, to = 0;
  if (dash != std::string::npos && ParseNumber(Trim(item.substr(0, dash)), from) &&
      ParseNumber(Trim(item.substr(dash + 1)), to)) {
    if (from > to) {
      problem = "the range " + item + " runs backwards";
      return false;
    }
  } else if (ParseNumber(item, from)) {
    to = from;
  } else if (list == SelectionList::Players) {
    for (const ListEntry& e : entries) {
      if (UpperAscii(Trim(e.text)) == UpperAscii(item)) {
        wanted.push_back(e.value);
        return true;
      }
    }
    problem = "no player is named " + item;
    return false;
  } else {
    problem = "'" + item + "' is not a " + ListWord(list) + " number or range";
    return false;
  }
  for (int n = from; n <= to; ++n) {
    const int value = EntryValue(list, entries, n);
    if (value < 0) {
      problem = NotThere(list, std::to_string(n));
      return false;
    }
    wanted.push_back(value);
  }
  return true;
}

}  // namespace

std::string ListLabel(SelectionList list) {
  switch (list) {
    case SelectionList::Teams: return "&TEAMS";
    case SelectionList::Weeks: return "&WEEKS";
    case SelectionList::Players: return "&" + Upper(lg.SportTerm[5]);
    case SelectionList::Sessions: return "S&ESSIONS";
    case SelectionList::Awards: return "AWAR&DS";
  }
  return {};
}

std::string ListTip(SelectionList list) {
  std::string what;
  switch (list) {
    case SelectionList::Teams: what = "teams."; break;
    case SelectionList::Weeks: what = "weeks."; break;
    case SelectionList::Players: what = Lower(TrimRight(lg.SportTerm[5])) + "."; break;
    case SelectionList::Sessions: what = "sessions."; break;
    case SelectionList::Awards: what = "awards."; break;
  }
  return "Shift or Ctrl Click to select one or more " + what;
}

bool ListsSubstitutes(int reportType) {
  return (reportType == 9 || reportType == 14) && lg.NumSubs > 0;
}

std::vector<ListEntry> ListEntries(SelectionList list, int reportType) {
  std::vector<ListEntry> entries;
  switch (list) {
    case SelectionList::Teams: return TeamEntries(reportType);
    case SelectionList::Weeks:
      for (int w = 1; w <= lg.CurrentWeek && w <= kMaxWeeks; ++w)
        entries.push_back({std::to_string(w), w});
      break;
    case SelectionList::Players: return PlayerEntries();
    case SelectionList::Sessions:
      for (int s = 1; s <= SessionsReached(); ++s) entries.push_back({std::to_string(s), s});
      break;
    case SelectionList::Awards: return AwardEntries();
  }
  return entries;
}

bool ParseSelection(SelectionList list, int reportType, const std::string& text,
                    std::vector<int>& values, std::string& problem) {
  const std::vector<ListEntry> entries = ListEntries(list, reportType);
  std::vector<int> wanted;
  if (UpperAscii(Trim(text)) == "ALL") {
    for (const ListEntry& e : entries)
      if (!(list == SelectionList::Teams && e.value == 0)) wanted.push_back(e.value);
  } else {
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t comma = text.find(',', start);
      if (comma == std::string::npos) comma = text.size();
      const std::string item = Trim(text.substr(start, comma - start));
      if (item.empty()) {
        problem = "an empty item in the " + std::string(ListWord(list)) + " list '" + text + "'";
        return false;
      }
      if (!ParseItem(list, entries, item, wanted, problem)) return false;
      start = comma + 1;
    }
  }
  values.clear();
  for (const ListEntry& e : entries)
    if (std::find(wanted.begin(), wanted.end(), e.value) != wanted.end() &&
        std::find(values.begin(), values.end(), e.value) == values.end() &&
        !(list == SelectionList::Teams && e.value == 0))
      values.push_back(e.value);
  return true;
}

bool AnythingSelected(const ReportChoices& c, bool hasLists) {
  return !hasLists || c.substitutes || !c.teams.empty() || !c.weeks.empty() || !c.players.empty() ||
         !c.sessions.empty() || !c.categories.empty();
}

}  // namespace tallmark::reports
