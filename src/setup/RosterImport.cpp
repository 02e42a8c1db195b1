#include "setup/RosterImport.h"

#include <cmath>
#include <optional>
#include <set>
#include <map>
#include <utility>

#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "common/SheetText.h"
#include "common/Text.h"
#include "setup/TeamOps.h"

namespace tallmark {

namespace {

constexpr int kMinFields = 4;
constexpr int kMaxFields = 9;
constexpr int kMaxRecalc = 52;

enum Field { kTeam, kTeamName, kPosition, kPlayer, kGroup, kPhone, kAverage, kRecalc, kFlag };

// One checked row, ready to apply.
struct RosterPlace {
  int team = 0;
  int position = 0;
  std::string player;
  std::optional<std::string> teamName;
  std::optional<int> category;
  std::optional<std::string> phone;
  std::optional<int> average;
  std::optional<int> recalc;
  std::optional<bool> afterWeek1;
};

struct Refused {
  std::string reason;
};

std::string FieldAt(const CsvRecord& r, int i) {
  return i < static_cast<int>(r.fields.size()) ? Trim(r.fields[i]) : std::string();
}

std::optional<int> WholeNumber(const std::string& text) {
  double v = 0;
  if (!ParseNumber(text, v) || v != std::floor(v) || v < -32768 || v > 32767) return std::nullopt;
  return static_cast<int>(v);
}

std::string ToStored(const std::string& utf8, const char* what) {
  bool ok = true;
  std::string s = Utf8ToCp1252(utf8, &ok);
  if (!ok) throw Refused{std::string(what) + " has characters the league files cannot hold"};
  if (HasControlCharacter(s)) throw Refused{std::string(what) + " holds a control character"};
  return s;
}

int CheckedNumber(const std::string& text, int min, int max, const std::string& what) {
  auto n = WholeNumber(text);
  if (!n || *n < min || *n > max)
    throw Refused{what + " must be a whole number from " + std::to_string(min) + " to " +
                  std::to_string(max) + " (found \"" + ShownField(text) + "\")"};
  return *n;
}

// The group by its label or a short form of it (F, M, W for women).
int CheckedCategory(const std::string& text) {
  std::vector<std::vector<std::string>> groups(2);
  for (int g = 0; g < 2; ++g) groups[g].push_back(Cp1252ToUtf8(Trim(lg.GroupLabel[g])));
  if (Upper(groups[0][0]) == "FEMALE") groups[0].insert(groups[0].end(), {"W", "Woman", "Women"});
  if (Upper(groups[1][0]) == "MALE") groups[1].insert(groups[1].end(), {"Man", "Men"});
  if (int g = ChooseWord(text, groups); g >= 0) return g;
  throw Refused{"the group must be \"" + Cp1252ToUtf8(lg.GroupLabel[0]) + "\" or \"" +
                Cp1252ToUtf8(lg.GroupLabel[1]) + "\" (found \"" + ShownField(text) + "\")"};
}

bool CheckedFlag(const std::string& text) {
  int choice = ChooseWord(text, {{"yes", "y", "true", "1", "-1"}, {"no", "n", "false", "0"}});
  if (choice >= 0) return choice == 0;
  throw Refused{"the average-after-week-1 flag must be yes or no (found \"" + ShownField(text) +
                "\")"};
}

std::string CheckedName(const std::string& text, bool team) {
  std::string name = CleanName(ToStored(text, team ? "the team name" : "the name"));
  std::string refusal = team ? TeamNameRefusal(name) : PlayerNameRefusal(name);
  if (!refusal.empty()) {
    std::string keyword = IsVacancyName(name) ? "*VACANCY" : "?";
    throw Refused{(team ? "a team name" : "a name") + std::string(" starting with ") + keyword +
                  " is a keyword for the program"};
  }
  return name;
}

int PlaceRecord(const RosterPlace& p) {
  return p.team == 0 ? lg.SubList[p.position] : lg.Roster[p.team][p.position];
}

RosterPlace CheckRow(const CsvRecord& r) {
  int n = static_cast<int>(r.fields.size());
  if (n < kMinFields || n > kMaxFields)
    throw Refused{"expected 4 to 9 fields (team, team name, position, name, group, phone, "
                  "starting average, recalc games, average after week 1), found " +
                  std::to_string(n)};
  RosterPlace p;
  p.team = CheckedNumber(FieldAt(r, kTeam), 0, kMaxTeams, "the team number");
  if (p.team != 0 && !TeamNumberInUse(p.team))
    throw Refused{"team " + std::to_string(p.team) + " is not in the league"};
  int places = p.team == 0 ? lg.NumSubs : lg.PlayersPerTeam;
  if (places < 1) throw Refused{"the league has no substitutes"};
  p.position = CheckedNumber(FieldAt(r, kPosition), 1, places,
                             p.team == 0 ? "the substitute number" : "the position");
  std::string player = FieldAt(r, kPlayer);
  if (player.empty()) throw Refused{"the name is empty"};
  p.player = CheckedName(player, false);
  if (std::string t = FieldAt(r, kTeamName); !t.empty()) {
    if (p.team == 0) throw Refused{"substitutes (team 0) have no team name"};
    p.teamName = CheckedName(t, true);
  }
  if (std::string g = FieldAt(r, kGroup); !g.empty()) p.category = CheckedCategory(g);
  if (std::string ph = FieldAt(r, kPhone); !ph.empty()) p.phone = ToStored(ph, "the phone");
  if (std::string a = FieldAt(r, kAverage); !a.empty())
    p.average = CheckedNumber(a, 0, lg.GameParam[0], "the starting average");
  if (std::string g = FieldAt(r, kRecalc); !g.empty())
    p.recalc = CheckedNumber(g, 0, kMaxRecalc, "the games before recalculation");
  if (std::string f = FieldAt(r, kFlag); !f.empty()) {
    p.afterWeek1 = CheckedFlag(f);
    if (lg.PlayerStat[PlaceRecord(p)][kGamesPlayed] >= lg.GamesPerWeek)
      throw Refused{"the average after week 1 can only be set before a week is played"};
  }
  return p;
}

void Apply(const RosterPlace& p) {
  int index = PlaceRecord(p);
  lg.PlayerName[index] = p.player;
  if (p.teamName) lg.PlayerName[lg.Roster[p.team][0]] = *p.teamName;
  if (p.category) SetCategory(index, p.team, static_cast<Integer>(*p.category));
  if (p.average) SetStartingAverage(index, p.team, static_cast<Integer>(*p.average));
  if (p.phone) SetPhone(index, *p.phone);
  if (p.recalc) SetRecalcGames(index, static_cast<Integer>(*p.recalc));
  if (p.afterWeek1) SetAvgAfterWeek1(index, *p.afterWeek1);
}

bool IsHeading(const CsvRecord& r) { return !WholeNumber(FieldAt(r, kTeam)).has_value(); }

bool IsBlank(const CsvRecord& r) {
  for (const auto& f : r.fields)
    if (!Trim(f).empty()) return false;
  return true;
}

}  // namespace

RosterImportResult ImportRoster(const std::string& sheetBytes) {
  RosterImportResult result;
  SheetFormat format;
  const std::string text = ReadSheet(sheetBytes, format);
  result.format = DescribeSheet(format);
  std::vector<RosterPlace> places;
  std::set<std::pair<int, int>> seen;
  std::map<int, std::string> teamNames;
  std::vector<CsvRecord> records = SplitSheet(text, format.separator);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const CsvRecord& r = records[i];
    if (IsBlank(r) || (i == 0 && IsHeading(r))) continue;
    try {
      RosterPlace p = CheckRow(r);
      if (!seen.insert({p.team, p.position}).second)
        throw Refused{"the same place is given twice"};
      if (p.teamName) {
        auto [it, added] = teamNames.emplace(p.team, *p.teamName);
        if (!added && it->second != *p.teamName)
          throw Refused{"team " + std::to_string(p.team) + " is given two different names"};
      }
      places.push_back(std::move(p));
    } catch (const Refused& refused) {
      result.refusals.push_back("line " + std::to_string(r.line) + ": " + refused.reason);
    }
  }
  if (result.ok() && places.empty())
    result.refusals.push_back("line " + std::to_string(records.empty() ? 1 : records.back().line) +
                              ": the sheet has no rows");
  if (!result.ok()) return result;
  for (const RosterPlace& p : places) Apply(p);
  result.rowsApplied = static_cast<int>(places.size());
  return result;
}

}  // namespace tallmark
