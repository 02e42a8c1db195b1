#include "processing/Rankings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/Text.h"

namespace tallmark {

namespace {

bool Eligible(int p, int kind, int cls) {
  if (kind == 2) return true;
  const auto& st = lg.PlayerStat[p];
  if (st[kClassification] != cls) return false;
  if (st[kGamesPlayed] < lg.GamesToQualify) return false;
  return !lg.SeparateGenderAwards || st[kGroupOrStanding] == kind;
}

void AddCandidate(std::vector<int>& out, int p, int kind, int cls) {
  if (p < 0 || p > kMaxPlayerRecords) return;
  if (Eligible(p, kind, cls)) out.push_back(p);
}

// Candidates in scan order: teams by number (team record, or roster slots), then substitutes.
std::vector<int> Candidates(int kind, int cls) {
  std::vector<int> out;
  int lastTeam = std::clamp<int>(lg.LastTeam, 0, kMaxTeams);
  int perTeam = std::clamp<int>(lg.PlayersPerTeam, 0, kMaxRosterPositions);
  for (int t = 1; t <= lastTeam; ++t) {
    if (!TeamInUse(t)) continue;
    if (kind == 2) {
      AddCandidate(out, lg.Roster[t][0], kind, cls);
    } else {
      for (int slot = 1; slot <= perTeam; ++slot) AddCandidate(out, lg.Roster[t][slot], kind, cls);
    }
  }
  if (kind != 2 && lg.SubsQualify) {
    int subs = std::clamp<int>(lg.NumSubs, 0, kMaxTeams);
    for (int i = 1; i <= subs; ++i) AddCandidate(out, lg.SubList[i], kind, cls);
  }
  return out;
}

struct Ranked {
  int player;
  Single value;
};

// One pass: highest first; equal keys keep their order from before.
void SortPass(std::vector<Ranked>& rows, int category) {
  for (auto& r : rows) {
    Single v = lg.PlayerStat[r.player][category];
    r.value = std::isnan(v) ? Single{0} : v;
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Ranked& a, const Ranked& b) { return a.value > b.value; });
}

}  // namespace

int RankPlayers(int category, int kind, int cls) {
  if (category < 0 || category >= kNumCategories) return 0;
  std::vector<Ranked> rows;
  for (int p : Candidates(kind, cls)) rows.push_back({p, 0});
  if (rows.empty()) return 0;
  SortPass(rows, lg.SortByHandicapTotal ? kTotalPinsHandicap : kTotalPins);
  SortPass(rows, category);
  int n = static_cast<int>(rows.size());
  for (int i = 1; i <= n; ++i) {
    lg.RankIndex[i] = static_cast<Integer>(rows[i - 1].player);
    lg.RankValue[i] = rows[i - 1].value;
  }
  return n;
}

void OrderStandings() {
  int n = RankPlayers(kMatchPointsWon, 2, 0);
  for (int i = 1; i <= n; ++i) lg.PlayerStat[lg.RankIndex[i]][kGroupOrStanding] = i;
}

std::vector<int> OfferedCategories() {
  std::vector<int> offered;
  const int places = 10 + std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
  for (int k = 0; k < places; ++k) {
    const int category = lg.CategoryCode[k];
    if (category < 0 || category >= kUnusedCategory || TrimRight(lg.CategoryName[category]).empty())
      continue;
    if (std::find(offered.begin(), offered.end(), category) == offered.end())
      offered.push_back(category);
  }
  return offered;
}

bool TeamInUse(int team) { return TeamNumberInUse(team); }

int TeamColumn(int team) {
  int column = 0;
  int last = std::min(team, kMaxTeams);
  for (int t = 1; t <= last; ++t)
    if (TeamInUse(t)) ++column;
  return column;
}

bool TeamPlaysThisWeek(int team) {
  int slots = std::clamp(2 * lg.NumLanes, 0, kMaxTeams);
  for (int k = 1; k <= slots; ++k)
    if (lg.LaneTeam[k] == team) return true;
  return false;
}

std::string ColumnLetter(int n) { return std::string(1, static_cast<char>('A' - 1 + n)); }

}  // namespace tallmark
