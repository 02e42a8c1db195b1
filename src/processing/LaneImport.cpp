#include "processing/LaneImport.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "common/Functs.h"
#include "common/Text.h"
#include "league/FileTransaction.h"
#include "league/LeagueData.h"
#include "processing/BowlerNames.h"
#include "processing/Rankings.h"
#include "processing/ScoreEntry.h"

namespace tallmark {

namespace {

// A bowler of the file placed on a team: the record matched, from the roster or the subs.
struct Bowler {
  const LaneRow* row = nullptr;
  Integer player = 0;
  bool sub = false;
};

struct TeamPlan {
  std::vector<Bowler> bowlers;
  std::map<Integer, int> lineOf;  // the line each bowler was found on
  bool refused = false;
  bool tooMany = false;
};

bool HoldsBowler(int p) {
  return p > 0 && p <= kMaxPlayerRecords && !IsFreeName(lg.PlayerName[p]) &&
         !IsVacancyName(lg.PlayerName[p]);
}

// The player's position on the team's roster; 0 when not on it.
int RosterPlace(int team, Integer player) {
  for (int j = 1; j <= lg.PlayersPerTeam && j <= kMaxRosterPositions; ++j)
    if (lg.Roster[team][j] == player) return j;
  return 0;
}

std::string StoredName(int p) { return Cp1252ToUtf8(TrimRight(lg.PlayerName[p])); }

std::string TeamText(int team) {
  return "team " + std::to_string(team) + " (" + StoredName(lg.Roster[team][0]) + ")";
}

std::string LaneShown(const LaneRow& r) { return ShownField(Cp1252ToUtf8(r.lane), 12); }

std::string Where(const LaneRow& r) {
  const std::string id = r.id.empty() ? "" : " (ID " + ShownField(Cp1252ToUtf8(r.id), 20) + ")";
  return "line " + std::to_string(r.line) + ", lane " + LaneShown(r) + ", \"" +
         ShownField(Cp1252ToUtf8(r.name)) + "\"" + id + ": ";
}

// MM/DD/YY of a date written MM/DD/YY, M/D/YYYY or YYYY-MM-DD (a time after it is left out);
// empty when it is none of these.
std::string WeekDateOf(const std::string& text) {
  int a = 0, b = 0, c = 0, month = 0, day = 0, year = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d", &a, &b, &c) == 3 && a >= 1000) {
    year = a, month = b, day = c;
  } else if (std::sscanf(text.c_str(), "%d/%d/%d", &a, &b, &c) == 3) {
    month = a, day = b, year = c;
  } else {
    return {};
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", month % 100, day % 100, year % 100);
  return month >= 1 && day >= 1 && IsValidDate(buf) ? buf : std::string();
}

class Importer {
 public:
  Importer(ScoreEntry& entry, const LaneExport& file, const LaneImportOptions& options,
           LaneImportResult& result)
      : entry_(entry), file_(file), options_(options), result_(result) {}

  void run() {
    for (const LaneRow& row : file_.rows) Plan(row);
    std::vector<int> ready;
    for (Integer team : entry_.teams()) {
      if (TeamReady(team)) ready.push_back(team);
    }
    Enter(ready);
  }

 private:
  void Problem(const LaneRow& row, int team, const std::string& text) {
    result_.log.push_back(Where(row) + text);
    if (team > 0) plans_[team].refused = true;
  }

  int TeamOnLane(const std::string& lane) const {
    int number = 0;
    if (!ParseWhole(lane, 32767, number)) return 0;
    for (int k = 1; k <= 2 * lg.NumLanes && k <= static_cast<int>(entry_.teams().size()); ++k)
      if (lg.LaneNumber[k] == number) return entry_.teams()[k - 1];
    return 0;
  }

  // A team column naming the team by number or by name.
  static bool NamesTeam(const std::string& text, int team) {
    int number = 0;
    if (ParseWhole(text, 32767, number)) return number == team;
    return LooseNameKey(text) == LooseNameKey(TrimRight(lg.PlayerName[lg.Roster[team][0]]));
  }

  // The record the row names: the team's roster first, then the substitutes; an exact match
  // before a loose one. 0 when none or more than one, with the log line written.
  Integer Match(const LaneRow& row, int team) {
    std::vector<Integer> members, subs;
    for (int j = 1; j <= lg.PlayersPerTeam && j <= kMaxRosterPositions; ++j)
      if (HoldsBowler(lg.Roster[team][j])) members.push_back(lg.Roster[team][j]);
    for (int i = 1; i <= lg.NumSubs && i <= kMaxTeams; ++i)
      if (HoldsBowler(lg.SubList[i])) subs.push_back(lg.SubList[i]);
    const std::string exact = ExactNameKey(row.name), loose = LooseNameKey(row.name);
    for (const auto* list : {&members, &subs}) {
      for (bool strict : {true, false}) {
        std::vector<Integer> hits;
        for (Integer p : *list) {
          const std::string name = TrimRight(lg.PlayerName[p]);
          if (strict ? ExactNameKey(name) == exact : LooseNameKey(name) == loose) hits.push_back(p);
        }
        if (hits.size() == 1) return hits[0];
        if (hits.size() > 1) {
          Problem(row, team, "names more than one bowler (" + StoredName(hits[0]) + ", " +
                                 StoredName(hits[1]) + "): enter " + TeamText(team) + " by hand");
          return 0;
        }
      }
    }
    Problem(row, team, "not on team " + std::to_string(team) +
                           "'s roster or the substitutes: enter by hand or add the bowler in Teams");
    return 0;
  }

  // The row's games: each of the league's games a score, no more games than the league bowls.
  bool GamesFit(const LaneRow& row, int team) {
    const int most = lg.GameParam[0];
    for (int g = 0; g < std::max<int>(lg.GamesPerWeek, static_cast<int>(row.games.size())); ++g) {
      const std::string text = g < static_cast<int>(row.games.size()) ? row.games[g] : "";
      const std::string game = "game " + std::to_string(g + 1);
      int value = 0;
      std::string problem;
      if (g >= lg.GamesPerWeek) {
        if (!text.empty())
          problem = game + " is given, but the league bowls " + std::to_string(lg.GamesPerWeek);
      } else if (text.empty()) {
        problem = game + " is missing";
      } else if (!ParseWhole(text, most, value)) {
        problem = game + " \"" + ShownField(Cp1252ToUtf8(text)) + "\" is not a score from 0 to " +
                  std::to_string(most);
      }
      if (!problem.empty()) {
        Problem(row, team, problem + ": enter " + TeamText(team) + " by hand");
        return false;
      }
    }
    return true;
  }

  void Plan(const LaneRow& row) {
    const int team = TeamOnLane(row.lane);
    if (team == 0) {
      Problem(row, 0, "no team bowls on lane " + LaneShown(row) + " in week " +
                          std::to_string(entry_.week()) + ": check the lane, or enter by hand");
      return;
    }
    TeamPlan& plan = plans_[team];
    if (!row.team.empty() && !NamesTeam(row.team, team)) {
      Problem(row, team, "the team column says \"" + ShownField(Cp1252ToUtf8(row.team)) +
                             "\", but lane " + LaneShown(row) + " is " + TeamText(team) +
                             " in week " + std::to_string(entry_.week()) +
                             ": check the lanes, then enter the team by hand");
      return;
    }
    const Integer player = Match(row, team);
    if (player == 0 || !GamesFit(row, team)) return;
    if (auto [it, added] = plan.lineOf.emplace(player, row.line); !added) {
      Problem(row, team, StoredName(player) + " is also on line " + std::to_string(it->second) +
                             ": enter " + TeamText(team) + " by hand");
      return;
    }
    plan.bowlers.push_back({&row, player, RosterPlace(team, player) == 0});
    if (static_cast<int>(plan.bowlers.size()) > lg.PlayersPerWeek && !plan.tooMany) {
      plan.tooMany = true;
      Problem(row, team, TeamText(team) + " has more bowlers in the file than the " +
                             std::to_string(lg.PlayersPerWeek) +
                             " who bowl each week: enter the team by hand");
    }
  }

  bool TeamReady(int team) {
    auto it = plans_.find(team);
    if (it == plans_.end() || it->second.bowlers.empty()) {
      if (it == plans_.end())
        result_.log.push_back(TeamText(team) + ": no bowler of the team is in the file: "
                                               "enter the team by hand");
      return false;
    }
    if (it->second.refused) return false;
    if (lg.TeamPointsWeek[TeamColumn(team)] == 1.0f && !options_.replace) {
      result_.log.push_back(TeamText(team) + ": already entered, left as it was (replace entered "
                                             "teams to enter it from the file)");
      return false;
    }
    return true;
  }

  // The slots of the team shown: a regular keeps the slot the entry shows him or her in; the
  // other bowlers (regulars not shown, in roster order, then substitutes in file order) take
  // the slots of regulars not in the file, then of vacancies.
  std::vector<const Bowler*> Slots(const TeamPlan& plan, int team) const {
    const int n = entry_.rowCount();
    std::vector<const Bowler*> at(n + 1, nullptr);
    std::vector<const Bowler*> rest;
    for (const Bowler& b : plan.bowlers) {
      int slot = 0;
      for (int j = 1; j <= n && slot == 0; ++j)
        if (!b.sub && entry_.row(j).player == b.player && at[j] == nullptr) slot = j;
      if (slot > 0) at[slot] = &b;
      else rest.push_back(&b);
    }
    auto rosterPlace = [&](const Bowler* b) {
      return b->sub ? kMaxRosterPositions + 1 : RosterPlace(team, b->player);
    };
    std::stable_sort(rest.begin(), rest.end(), [&](const Bowler* a, const Bowler* b) {
      return rosterPlace(a) < rosterPlace(b);
    });
    std::size_t next = 0;
    for (bool vacancies : {false, true})
      for (int j = 1; j <= n && next < rest.size(); ++j)
        if (at[j] == nullptr && IsVacancyName(lg.PlayerName[entry_.row(j).player]) == vacancies)
          at[j] = rest[next++];
    return at;
  }

  bool Place(int slot, const Bowler& b) {
    bool ok = entry_.setPlayerType(slot, b.sub ? kSub : kRegular) &&
              entry_.choosePlayer(slot, b.player);
    for (int g = 0; ok && g < lg.GamesPerWeek; ++g)
      ok = entry_.setScore(slot, g, b.row->games[g]) && entry_.setIncomplete(slot, g, false);
    for (int k = 0; ok && k < lg.NumExtraStats && k < kMaxExtraStats; ++k)
      ok = entry_.setExtraStat(slot, k, "0");
    return ok;
  }

  // A slot nobody in the file takes: its regular absent (a vacancy stays a vacancy).
  bool Leave(int slot, int team) {
    const EntryRow& r = entry_.row(slot);
    bool ok = true;
    if (r.type == kSub || r.type == kRovingSub) {  // an earlier entry's stand-in
      const Integer regular = lg.Roster[team][slot];
      ok = entry_.setPlayerType(slot, kRegular) && entry_.choosePlayer(slot, regular);
    }
    const bool vacancy = IsVacancyName(lg.PlayerName[entry_.row(slot).player]);
    return ok && entry_.setPlayerType(slot, vacancy ? kVacancy : kAbsent);
  }

  void EnterTeam(int team) {
    const TeamPlan& plan = plans_[team];
    entry_.selectTeam(team);
    if (entry_.forfeited()) entry_.setForfeit(false);
    std::vector<const Bowler*> at = Slots(plan, team);
    bool ok = true;
    for (int j = 1; j <= entry_.rowCount(); ++j) ok = (at[j] ? Place(j, *at[j]) : Leave(j, team)) && ok;
    if (ok) ++result_.imported;
    else result_.log.push_back(TeamText(team) + ": the results window refused an entry; check "
                                                "the team's rows by hand");
  }

  void Enter(const std::vector<int>& ready) {
    if (ready.empty()) return;
    const int shown = entry_.currentTeam();
    LeagueTransaction tx;  // every team of the file and the week's record together
    for (int team : ready) EnterTeam(team);
    for (const LaneRow& row : file_.rows)
      if (std::string date = WeekDateOf(row.date); !date.empty()) {
        entry_.setDate(date);
        break;
      }
    if (shown != 0) entry_.selectTeam(shown);
    else entry_.saveCurrentTeam();
    if (!tx.commitReported()) {
      result_.log.push_back("the league's files could not be written: nothing was stored");
      result_.imported = 0;
    }
  }

  ScoreEntry& entry_;
  const LaneExport& file_;
  const LaneImportOptions& options_;
  LaneImportResult& result_;
  std::map<int, TeamPlan> plans_;
};

}  // namespace

LaneImportResult ImportLanes(ScoreEntry& entry, const std::string& bytes,
                             const LaneImportOptions& options) {
  LaneImportResult result;
  result.teams = entry.teamsOfWeek();
  const LaneExport file = ReadLaneExport(bytes, options.columns);
  result.notes.push_back("The file was read as " + DescribeSheet(file.format) + ".");
  if (!file.refusal.empty()) {
    result.log.push_back("Nothing was imported: " + file.refusal + ".");
    return result;
  }
  result.read = true;
  if (!file.ignored.empty()) {
    std::string list;
    for (const std::string& h : file.ignored) list += (list.empty() ? "" : ", ") + Cp1252ToUtf8(h);
    result.notes.push_back("Columns not used: " + list + ".");
  }
  Importer(entry, file, options, result).run();
  return result;
}

std::string ImportedText(const LaneImportResult& result) {
  return "Imported " + std::to_string(result.imported) + " of " + std::to_string(result.teams) +
         " teams";
}

std::string ImportLogText(const LaneImportResult& result) {
  std::string text;
  for (const std::string& line : result.notes) text += line + "\r\n";
  text += ImportedText(result) + "\r\n";
  for (const std::string& line : result.log) text += line + "\r\n";
  return text;
}

}  // namespace tallmark
