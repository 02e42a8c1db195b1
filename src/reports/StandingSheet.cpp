#include "reports/StandingSheet.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/LeagueDamage.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"
#include "reports/ReportText.h"
#include "league/LeagueLookups.h"

namespace tallmark::reports {

namespace {

constexpr int kCondensedStandingsWidth = 102;
constexpr int kNormalAwardsWidth = 83;
constexpr int kGenderAwardsWidth = 111;

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The team number whose name record is player index id; 0 when none.
int TeamOfRecord(int id) {
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t)
    if (TeamInUse(t) && lg.Roster[t][0] == id) return t;
  return 0;
}

// A lane slot's team number, or nothing when the slot holds no team in use.
bool ScheduledTeam(int team) { return team >= 1 && team <= kMaxTeams && TeamInUse(team); }

std::string TeamName(int team) {
  if (team == kPositionTeam) return Fixed("POS", 20);
  if (!ScheduledTeam(team)) return Fixed("TBD", 20);
  return Fixed(lg.PlayerName[lg.Roster[team][0]], 20);
}

int LaneSlots() { return std::clamp(2 * lg.NumLanes, 0, kMaxTeams); }

// The team on whose roster the player sits; 0 when none.
int TeamOfPlayer(int player) {
  if (player < 0) return 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    for (int p = 1; p <= lg.PlayersPerTeam && p <= kMaxRosterPositions; ++p)
      if (lg.Roster[t][p] == player) return t;
  }
  return 0;
}

int SlotOfTeam(int team) {
  for (int s = 1; s <= LaneSlots(); ++s)
    if (lg.LaneTeam[s] == team) return s;
  return 0;
}

class StandingSheet {
 public:
  StandingSheet(ReportEngine& e, bool condensed, bool extra)
      : e_(e), condensed_(condensed), extra_(extra) {}

  void build();

 private:
  bool header(const std::string& text, int blanks = 0);
  void prepare();
  bool officers();
  bool standings();
  bool averageAndBulletin();
  bool schedule();
  bool awards();
  bool awardsHeading();
  bool awardCategory(int code);
  // The line standing in for a missing part (its notice noted with the engine).
  bool damageLine(const std::string& notice);
  std::string row(int width) const;
  int columnBase() const;

  ReportEngine& e_;
  bool condensed_;
  bool extra_;
  bool lastWeek_ = false;
  bool nextScheduled_ = false;
  bool positionWeek_ = false;
  std::vector<Single> weekPoints_;
  // Notices of missing statistics, last week's results and next week's schedule.
  std::string statsDamage_, weekDamage_, scheduleDamage_;
  int headingPage_ = -1;
  bool separate_ = false;
};

bool StandingSheet::header(const std::string& text, int blanks) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    e_.PrintLine(e_.marginText() + "P." + IntText(e_.pageNumber()) + "  SESSION" +
                 IntText(lg.CurrentSession) + " OF" + IntText(lg.NumSessions) + " WEEK" +
                 IntText(lg.CurrentWeek) + " OF" + IntText(lg.NumWeeks) + "  STANDING SHEET  " +
                 WeekDateText(lg.CurrentWeek));
    e_.BlankLines(1);
    e_.SetReportWidth(0);
  }
  if (!text.empty()) {
    e_.PrintLine(text);
    e_.BlankLines(blanks);
  }
  return e_.aborted();
}

// Columns of the standings and schedule rows are counted after the margin: its length in the
// normal layout (printed at the base size), the margin spaces of the current font when condensed.
int StandingSheet::columnBase() const {
  return condensed_ ? static_cast<int>(e_.marginSpaces().size()) : e_.marginLength();
}

std::string StandingSheet::row(int width) const {
  return condensed_ ? Blanks(e_.marginSpaces().size() + width) : e_.paddingSpaces();
}


bool StandingSheet::damageLine(const std::string& notice) {
  return header(e_.marginSpaces() + e_.noteDamage(notice));
}

void StandingSheet::prepare() {
  if (auto damage = SessionStatsDamage(lg.CurrentSession)) statsDamage_ = DamageNotice(*damage);
  if (auto damage = WeekResultsDamage(lg.CurrentWeek)) weekDamage_ = DamageNotice(*damage);
  // The points of the last processed week as stored: memory may hold another week's slots or
  // the completeness flags of score entry.
  weekPoints_.assign(lg.TeamPointsWeek.size(), 0);
  if (lg.CurrentWeek >= 1 && weekDamage_.empty()) {
    ReadWeekResults(lg.CurrentWeek);
    weekPoints_.assign(lg.TeamPointsWeek.begin(), lg.TeamPointsWeek.end());
  }
  lastWeek_ = lg.CurrentWeek >= lg.NumWeeks;
  if (lastWeek_) return;
  if (auto damage = WeekScheduleDamage(lg.CurrentWeek + 1)) {
    // Nothing to pair or show: the officers' lanes and the schedule are not known.
    scheduleDamage_ = DamageNotice(*damage);
    return;
  }
  ReadWeekResults(lg.CurrentWeek + 1);
  positionWeek_ = lg.LaneTeam[1] == kPositionTeam;
  if (positionWeek_) PairByStandings();
  nextScheduled_ = lg.LaneTeam[1] != kTbdTeam;
}

bool StandingSheet::officers() {
  for (int i = 1; i <= 4; ++i) {
    if (lg.OfficerTitle[i] == "* NOT USED *") continue;
    std::string note;
    const int team = TeamOfPlayer(lg.OfficerPlayer[i]);
    if (nextScheduled_ && !lastWeek_ && team > 0) {
      const int slot = SlotOfTeam(team);
      if (slot > 0) note = " IS ON " + lg.SportTerm[7] + IntText(lg.LaneNumber[slot]);
    }
    if (header(e_.marginSpaces() + Upper(lg.OfficerTitle[i]) + ": " + lg.OfficerName[i] + note))
      return false;
  }
  return true;
}

bool StandingSheet::standings() {
  // Only a split resets statistics: session 1's entry (-1) marks no reset.
  const int session = std::clamp<int>(lg.CurrentSession, 1, kMaxSessions);
  const int split = lg.SplitWeek[session - 1];
  const bool resetWeek = session >= 2 && split < 0 && -split == lg.CurrentWeek;
  const std::string& m = e_.marginSpaces();
  const std::string pins = Upper(lg.SportTerm[6]) + "S";
  std::vector<std::string> titles;
  if (condensed_) {
    if (resetWeek && header(m + "STATISTICS RESET THIS WEEK")) return false;
    e_.SetReportWidth(kCondensedStandingsWidth + static_cast<int>(m.size()));
    const std::string& mc = e_.marginSpaces();
    titles = {mc + "      TOTAL_" + pins + "            LAST    TOTALS      HIGH_GAME  HIGH_" +
                  Upper(lg.SportTerm[8]),
              mc + "POS SCRATCH HANDICAP   PCT. WEEK   WON   LOST  SCRAT HNDCP SCRAT HNDCP  AVG   TEAM",
              mc + "--- ------- -------- ------ ---- ------ ------ ----- ----- ----- ----- ----- "
                   "------------------------"};
  } else {
    titles = {m + "     ---TOTAL " + Fixed(pins, 4) + "----" +
                  (resetWeek ? "  STATISTICS RESET THIS WEEK" : ""),
              m + "POS  SCRATCH  HANDICAP   PCT.   WON    LOST   TEAM",
              m + "---  -------  -------- ------ ------ ------  --------------------"};
  }
  if (condensed_ && !weekDamage_.empty() && damageLine(weekDamage_)) return false;
  for (const std::string& t : titles)
    if (header(t)) return false;
  if (!statsDamage_.empty()) return !damageLine(statsDamage_);

  OrderStandings();
  int inUse = 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) inUse += TeamInUse(t) ? 1 : 0;
  const int count = std::min<int>(lg.NumTeams, inUse);
  const int c = columnBase();
  const bool scratch = lg.HandicapMethod == 1;
  for (int p = 1; p <= count; ++p) {
    const int id = lg.RankIndex[p];
    const auto& st = lg.PlayerStat[id];
    const Single won = st[kMatchPointsWon], lost = st[kMatchPointsLost];
    const Single pct = won + lost != 0 ? won * 100 / (won + lost) : 0;
    std::string line = row(kCondensedStandingsWidth);
    PutText(line, c + 1, RightAlign(p, 3));
    if (condensed_) {
      const int team = TeamOfRecord(id);
      const int column = team > 0 ? TeamColumn(team) : 0;
      const Single last = column > 0 && column < static_cast<int>(weekPoints_.size())
                              ? weekPoints_[column] : 0;
      PutText(line, c + 5, RightAlign(st[kTotalPins], 7));
      if (!scratch) PutText(line, c + 13, RightAlign(st[kTotalPinsHandicap], 8));
      PutEnding(line, c + 27, FixedDecimals(pct, 2));
      if (weekDamage_.empty()) PutEnding(line, c + 32, FixedDecimals(last, 1));
      PutEnding(line, c + 39, FixedDecimals(won, 1));
      PutEnding(line, c + 46, FixedDecimals(lost, 1));
      PutText(line, c + 48, RightAlign(st[kHighScratchGame], 5));
      PutText(line, c + 54, RightAlign(st[kHighHandicapGame], 5));
      PutText(line, c + 60, RightAlign(st[kHighScratchSeries], 5));
      PutText(line, c + 66, RightAlign(st[kHighHandicapSeries], 5));
      PutEnding(line, c + 76, FixedDecimals(st[kCurrentAverage], 1));
      PutText(line, c + 78, std::to_string(team) + "#");
      PutText(line, c + 83, Fixed(lg.PlayerName[id], 20));
    } else {
      PutText(line, c + 6, RightAlign(st[kTotalPins], 7));
      if (!scratch) PutText(line, c + 15, RightAlign(st[kTotalPinsHandicap], 8));
      PutEnding(line, c + 29, FixedDecimals(pct, 2));
      PutEnding(line, c + 36, FixedDecimals(won, 1));
      PutEnding(line, c + 43, FixedDecimals(lost, 1));
      PutText(line, c + 46, Fixed(lg.PlayerName[id], 20));
    }
    if (header(line)) return false;
  }
  return !header(titles.back());
}

bool StandingSheet::averageAndBulletin() {
  double pins = 0, games = 0;
  for (int t = 1; t <= lg.LastTeam && t <= kMaxTeams; ++t) {
    if (!TeamInUse(t)) continue;
    pins += lg.PlayerStat[lg.Roster[t][0]][kTotalPins];
    games += lg.PlayerStat[lg.Roster[t][0]][kGamesPlayed];
  }
  const Single average = games > 0 ? RoundAverage(static_cast<Single>(pins / games)) : 0;
  const std::string& m = e_.marginSpaces();
  if (statsDamage_.empty() && header(m + "Overall League Average: " + SingleText(average)))
    return false;
  for (const std::string& line : WrapBulletin(lg.BulletinText))
    if (header(m + line)) return false;
  return true;
}

bool StandingSheet::schedule() {
  if (!scheduleDamage_.empty()) return !damageLine(scheduleDamage_);
  if (lastWeek_ || lg.ScheduleEachWeek != 0 || !nextScheduled_) return true;
  const int next = lg.CurrentWeek + 1;
  const bool sessionStart = lg.CurrentSession >= 1 && lg.CurrentSession < lg.NumSessions &&
                            std::abs(lg.SplitWeek[lg.CurrentSession]) == next;
  const std::string& m = e_.marginSpaces();
  const std::string dashes =
      m + (condensed_ ? "---------   ---- --------------------     ---- --------------------"
                      : "---------   --- --------------------     --- --------------------");
  if (header(m + "  " + Upper(lg.SportTerm[7]) +
             (condensed_ ? "S            WEEK" : "S           WEEK") + IntText(next) +
             " SCHEDULE   " + (positionWeek_ ? "POSITION WEEK" : "") + "   " +
             (sessionStart ? "START OF SESSION" + IntText(lg.CurrentSession + 1) : "")))
    return false;
  if (header(dashes)) return false;
  const int c = columnBase();
  for (int k = 1; k <= lg.NumLanes && 2 * k <= kMaxTeams; ++k) {
    const int first = lg.LaneTeam[2 * k - 1], second = lg.LaneTeam[2 * k];
    auto number = [](int team) { return ScheduledTeam(team) ? std::to_string(team) : std::string(); };
    std::string line = row(kCondensedStandingsWidth);
    PutText(line, c + 1, RightAlign(lg.LaneNumber[2 * k - 1], 3));
    PutText(line, c + 5, "-");
    PutText(line, c + 7, RightAlign(lg.LaneNumber[2 * k], 3));
    if (condensed_) {
      if (!number(first).empty()) PutText(line, c + 13, number(first) + "#");
      PutText(line, c + 18, TeamName(first));
      PutText(line, c + 39, "VS");
      if (!number(second).empty()) PutText(line, c + 42, number(second) + "#");
      PutText(line, c + 47, TeamName(second));
    } else {
      PutEnding(line, c + 14, number(first));
      PutText(line, c + 17, TeamName(first));
      PutText(line, c + 38, "VS");
      PutEnding(line, c + 43, number(second));
      PutText(line, c + 46, TeamName(second));
    }
    if (header(line)) return false;
  }
  return !header(dashes);
}

bool StandingSheet::awardsHeading() {
  const std::size_t m = e_.marginSpaces().size();
  std::string first = Blanks(m + (separate_ ? 97 : 73));
  std::string second = Blanks(m + (separate_ ? 112 : 84));
  const int c = static_cast<int>(m);
  PutText(first, c + 6, "AWARDS");
  PutText(first, c + 33, "TEAM");
  PutText(first, c + 55, "C");
  if (separate_) {
    PutText(first, c + 63, Upper(lg.GroupLabel[1]));
    PutText(first, c + 91, Upper(lg.GroupLabel[0]));
  } else {
    PutText(first, c + 63, "INDIVIDUAL");
  }
  PutText(second, c + 1, std::string(24, '-'));
  PutText(second, c + 27, std::string(27, '-'));
  PutText(second, c + 55, "-");
  PutText(second, c + 57, std::string(27, '-'));
  if (separate_) PutText(second, c + 85, std::string(27, '-'));
  if (header(first) || header(second)) return false;
  headingPage_ = e_.pageNumber();
  return true;
}

bool StandingSheet::awardCategory(int code) {
  const std::string name = lg.CategoryName[code];
  const bool handicapCategory = Contains(name, "Handicap");
  const bool teamOnly = handicapCategory && (lg.HandicapMethod == -1 || lg.HandicapMethod == -2);
  const int top = std::max<int>(lg.TopAwardsListed, 0);
  const int classes = std::clamp<int>(lg.NumClasses, 1, kMaxClasses);
  if (top == 0) return true;
  const int c = static_cast<int>(e_.marginSpaces().size());
  std::vector<std::string> lines(static_cast<std::size_t>(classes * top),
                                 row(condensed_ || separate_ ? kGenderAwardsWidth : kNormalAwardsWidth));
  PutText(lines[0], c + 1, name);

  int n = std::min(RankPlayers(code, 2, 0), top);
  for (int r = 1; r <= n; ++r) {
    if (lg.RankValue[r] <= 0) continue;
    PutText(lines[r - 1], c + 28, SignedText(lg.RankValue[r]));
    PutText(lines[r - 1], c + 35, Fixed(lg.PlayerName[lg.RankIndex[r]], 20));
  }
  if (!teamOnly) {
    // The column headed at 63 holds the individuals, or the second group with separate awards;
    // the one headed at 91 the first group.
    struct Column { int kind, valueCol, nameCol; };
    std::vector<Column> columns = {{1, 56, 63}};
    if (separate_) columns.push_back({0, 84, 91});
    for (int k = 1; k <= classes; ++k) {
      for (const Column& col : columns) {
        n = std::min(RankPlayers(code, col.kind, k), top);
        for (int r = 1; r <= n; ++r) {
          if (lg.RankValue[r] <= 0) continue;
          std::string& line = lines[static_cast<std::size_t>((k - 1) * top + r - 1)];
          PutText(line, c + col.valueCol, SignedText(lg.RankValue[r]));
          PutText(line, c + col.nameCol, Fixed(lg.PlayerName[lg.RankIndex[r]], 20));
          PutText(lines[static_cast<std::size_t>((k - 1) * top)], c + 55, ColumnLetter(k));
        }
      }
    }
  }
  for (const std::string& line : lines) {
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    if (e_.pageNumber() != headingPage_ && !awardsHeading()) return false;
    if (header(line)) return false;
  }
  return true;
}

bool StandingSheet::awards() {
  separate_ = lg.SeparateGenderAwards != 0;
  const int width = separate_ ? kGenderAwardsWidth : kNormalAwardsWidth;
  e_.SetReportWidth(condensed_ ? kGenderAwardsWidth + static_cast<int>(e_.marginSpaces().size())
                               : width);
  if (!awardsHeading()) return false;
  if (!statsDamage_.empty()) return !damageLine(statsDamage_);
  const int categories = 10 + std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
  for (int category = 1; category <= categories; ++category) {
    if (category == 10 && lg.MatchPointsStanding == 0) continue;
    if (category >= 11 && !extra_) continue;
    const int code = lg.CategoryCode[category - 1];
    if (code < 0 || code > kUnusedCategory) continue;
    // A scratch league has no handicap: its handicap categories are left out.
    if (lg.HandicapMethod == 1 && Contains(lg.CategoryName[code], "Handicap")) continue;
    if (!awardCategory(code)) return false;
  }
  return true;
}

void StandingSheet::build() {
  prepare();
  if (condensed_) e_.SetReportWidth(80);
  if (header(e_.marginSpaces() + "   LEAGUE: " + lg.LeagueName, 1)) return;
  if (officers() && standings() && averageAndBulletin() && schedule()) awards();
}

}  // namespace

void BuildStandingSheet(ReportEngine& engine, bool condensed, bool includeExtraStats) {
  StandingSheet sheet(engine, condensed, includeExtraStats);
  sheet.build();
  // Whatever happened, memory holds the current week's lane slots again and the base font.
  if (lg.CurrentWeek < lg.NumWeeks) ReadWeekResults(lg.CurrentWeek);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
