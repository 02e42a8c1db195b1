#include "graphs/GraphBuilder.h"

#include <algorithm>
#include <map>
#include <memory>

#include "common/Text.h"
#include "graphs/GraphData.h"
#include "graphs/GraphRules.h"
#include "league/LeagueDamage.h"
#include "league/StatsFile.h"
#include "processing/Awards.h"
#include "processing/Rankings.h"

namespace tallmark::graphs {

namespace {

// Keeps what a run loads over (other weeks' lane slots, the score record in work, other
// sessions' statistics) and puts it back at the end.
class LeagueStateGuard {
 public:
  LeagueStateGuard()
      : lanes_(lg.LaneTeam), points_(lg.TeamPointsWeek), handicaps_(lg.TeamHandicapWeek),
        kind_(lg.ScrEntryKind), mask_(lg.ScrNoCreditMask), handicap_(lg.ScrHandicap),
        won_(lg.ScrPointsWon), games_(lg.ScrGameScore), extra_(lg.ScrExtraStat), flag_(lg.ScrFlag),
        stats_(std::make_unique<Arr2<Single, 2100, 28>>(lg.PlayerStat)) {}
  ~LeagueStateGuard() {
    lg.LaneTeam = lanes_, lg.TeamPointsWeek = points_, lg.TeamHandicapWeek = handicaps_;
    lg.ScrEntryKind = kind_, lg.ScrNoCreditMask = mask_, lg.ScrHandicap = handicap_;
    lg.ScrPointsWon = won_, lg.ScrGameScore = games_, lg.ScrExtraStat = extra_, lg.ScrFlag = flag_;
    lg.PlayerStat = *stats_;
  }
  // The statistics of the session as the run found them in memory.
  const Arr2<Single, 2100, 28>& stats() const { return *stats_; }

 private:
  Arr<Integer, 100> lanes_;
  Arr<Single, 100> points_;
  Arr<Integer, 100> handicaps_;
  Integer kind_, mask_, handicap_;
  Single won_;
  Arr<Integer, 11> games_;
  Arr<Integer, 10> extra_;
  Integer flag_;
  std::unique_ptr<Arr2<Single, 2100, 28>> stats_;
};

// The points of one item: labels and, per data set, one value per point.
struct Points {
  std::vector<std::string> labels;
  std::vector<std::vector<double>> values;  // values[set][point]
  explicit Points(std::size_t sets) : values(sets) {}
  void add(const std::string& label, std::initializer_list<double> point) {
    labels.push_back(label);
    std::size_t s = 0;
    for (double v : point) values[s++].push_back(v);
  }
  void add(const std::string& label, const HighLowAverage& h) {
    add(label, {h.high, h.low, h.average});
  }
};

class Run {
 public:
  Run(GraphType type, const GraphOptions& options, const PageSink& sink)
      : type_(type), options_(options), sink_(sink), perGraph_(PointsPerGraph(options, type)) {}

  // Hands the item's points to the sink, perGraph_ at a time; false once the sink said stop.
  bool emit(GraphPage base, const std::vector<std::string>& setNames, const Points& points) {
    base.threeD = options_.threeD;
    base.color = options_.color;
    const std::size_t n = points.labels.size();
    if (n == 0 && !base.notes.empty()) return send(base);
    for (std::size_t first = 0; first < n; first += perGraph_) {
      GraphPage page = base;
      if (first > 0) page.title += " (continued)";
      const std::size_t last = std::min(n, first + perGraph_);
      page.labels.assign(points.labels.begin() + first, points.labels.begin() + last);
      for (std::size_t s = 0; s < setNames.size(); ++s)
        page.sets.push_back({setNames[s], std::vector<double>(points.values[s].begin() + first,
                                                              points.values[s].begin() + last)});
      if (!send(page)) return false;
    }
    return true;
  }
  // Keeps a notice of a missing part (once) and returns it.
  const std::string& note(const std::string& notice) {
    if (std::find(damage_.begin(), damage_.end(), notice) == damage_.end()) damage_.push_back(notice);
    return notice;
  }
  const std::vector<std::string>& damage() const { return damage_; }
  bool stopped() const { return stopped_; }
  int made() const { return made_; }
  const GraphOptions& options() const { return options_; }
  GraphType type() const { return type_; }

 private:
  GraphType type_;
  GraphOptions options_;
  const PageSink& sink_;
  std::size_t perGraph_;
  int made_ = 0;
  bool stopped_ = false;
  std::vector<std::string> damage_;

  bool send(const GraphPage& page) {
    ++made_;
    if (sink_(page)) return true;
    stopped_ = true;
    return false;
  }
};

std::string Num(int n) { return std::to_string(n); }

std::string NameOf(int record) {
  if (record < 0 || record > kMaxPlayerRecords) return "";
  const std::string& name = lg.PlayerName[record];
  return IsVacancyName(name) ? "*VACANCY" : Trim(name);
}

std::string DateOf(int week) {
  return week >= 1 && week <= kMaxWeeks ? Trim(lg.WeekDate[week]) : std::string();
}

// "09/18/24 - LEAGUE | Session 1 of 2 - Week 3 of 30"
std::string Subtitle(int session, int week) {
  std::string text = DateOf(week);
  if (!text.empty()) text += " - ";
  text += Trim(lg.LeagueName) + " | Session " + Num(session) + " of " +
          Num(std::max<int>(lg.NumSessions, 1)) + " - Week " + Num(week) + " of " +
          Num(lg.NumWeeks);
  return text;
}

std::string ScoreTitle(const GraphOptions& o) { return o.handicap ? "Handicap Score" : "Scratch Score"; }

const std::vector<std::string> kHighLowAverage = {"High", "Low", "Average"};

void Rankings(Run& run, const GraphSelection& sel, const LeagueStateGuard& state) {
  const bool groups = lg.SeparateGenderAwards != 0;
  for (int category : sel.categories) {
    if (category < 0 || category > 27) continue;
    for (int session : sel.sessions) {
      if (session < 1 || session > kMaxSessions) continue;
      if (auto damage = SessionStatsDamage(session)) {
        GraphPage page;
        page.title = Trim(lg.CategoryName[category]);
        page.subtitle = Subtitle(session, lg.CurrentWeek);
        page.notes = {run.note(DamageNotice(*damage))};
        if (!run.emit(page, {}, Points(0))) return;
        continue;
      }
      if (session == lg.CurrentSession) lg.PlayerStat = state.stats();
      else ReadStats(session);
      for (int cls = 1; cls <= std::clamp<int>(lg.NumClasses, 1, kMaxClasses); ++cls) {
        for (int kind = 0; kind <= (groups ? 1 : 0); ++kind) {
          const int n = RankPlayers(category, kind, cls);
          Points points(1);
          for (int i = 1; i <= n; ++i)
            if (!IsVacancyName(lg.PlayerName[lg.RankIndex[i]]))
              points.add(NameOf(lg.RankIndex[i]), {lg.RankValue[i]});
          if (points.labels.empty()) continue;
          GraphPage page;
          page.kind = GraphKind::Bars;
          page.title = Trim(lg.CategoryName[category]);
          if (lg.NumClasses > 1) page.title += " - Class " + ColumnLetter(cls);
          if (groups) page.title += " - " + Trim(lg.GroupLabel[kind]);
          page.subtitle = Subtitle(session, lg.CurrentWeek);
          page.xTitle = lg.SportTerm[5];
          page.yTitle = Trim(lg.CategoryName[category]);
          if (!run.emit(page, {page.yTitle}, points)) return;
        }
      }
    }
  }
}

GraphPage WeeklyPage(const Run& run, int week, const std::string& subject) {
  GraphPage page;
  page.kind = GraphKind::Bars;
  page.title = "Week " + Num(week) + " Games | " + subject;
  page.subtitle = Subtitle(SessionOfWeek(week), week);
  page.yTitle = ScoreTitle(run.options());
  return page;
}

void WeeklyPlayers(Run& run, const GraphSelection& sel) {
  for (int week : sel.weeks) {
    if (week < 1 || week > lg.CurrentWeek) continue;
    Points points(3);
    std::string damage;
    for (const WeekEntry& e : ReadWeekEntries(week, damage))
      if (PlayerPlotted(e)) points.add(NameOf(e.player), PlayerWeek(e, run.options().handicap));
    GraphPage page = WeeklyPage(run, week, "Individual Results");
    page.xTitle = lg.SportTerm[5];
    if (!damage.empty()) page.notes = {run.note(damage)};
    if (!run.emit(page, kHighLowAverage, points)) return;
  }
}

void WeeklyTeams(Run& run, const GraphSelection& sel) {
  for (int week : sel.weeks) {
    if (week < 1 || week > lg.CurrentWeek) continue;
    std::string damage;
    const std::vector<WeekEntry> entries = ReadWeekEntries(week, damage);
    Points points(3);
    for (int team : sel.teams) {
      if (team < 1 || team > kMaxTeams || !TeamInUse(team)) continue;
      const HighLowAverage h = TeamWeek(entries, team, run.options().handicap);
      if (h.games > 0) points.add(NameOf(lg.Roster[team][0]), h);
    }
    GraphPage page = WeeklyPage(run, week, "Team Results");
    page.xTitle = "Teams";
    if (!damage.empty()) page.notes = {run.note(damage)};
    if (!run.emit(page, kHighLowAverage, points)) return;
  }
}

// A line graph of one subject over the weeks: per week the high, low and average, or the
// average alone.
bool ToDatePage(Run& run, const std::string& name, const std::string& subject,
                const std::vector<std::pair<int, HighLowAverage>>& weeks) {
  const std::vector<std::string>& notes = run.damage();
  const bool highLow = run.options().highLow;
  Points points(highLow ? 3 : 1);
  for (const auto& [week, h] : weeks) {
    if (highLow) points.add(Num(week), h);
    else points.add(Num(week), {h.average});
  }
  if (points.labels.empty() && notes.empty()) return true;
  GraphPage page;
  page.notes = notes;
  page.kind = highLow ? GraphKind::HighLow : GraphKind::Lines;
  page.title = std::string(highLow ? "Weekly Hi-Lo's" : "Weekly Avgs") + " - " + name + " | " +
               subject;
  page.subtitle = Subtitle(lg.CurrentSession, lg.CurrentWeek);
  page.xTitle = "Week";
  page.yTitle = ScoreTitle(run.options());
  return run.emit(page, highLow ? kHighLowAverage : std::vector<std::string>{"Average"}, points);
}

using WeekSeries = std::map<int, std::vector<std::pair<int, HighLowAverage>>>;

void PlayersToDate(Run& run, const GraphSelection& sel) {
  WeekSeries series;
  for (int week = std::max<int>(lg.StartWeek, 1); week <= lg.CurrentWeek; ++week) {
    std::string damage;
    for (const WeekEntry& e : ReadWeekEntries(week, damage)) {
      if (e.kind > kRovingSub) continue;
      if (std::find(sel.players.begin(), sel.players.end(), e.player) == sel.players.end()) continue;
      series[e.player].push_back({week, PlayerWeek(e, run.options().handicap)});
    }
    if (!damage.empty()) run.note(damage);
  }
  for (int player : sel.players)
    if (!ToDatePage(run, NameOf(player), "Individual Results", series[player])) return;
}

void TeamsToDate(Run& run, const GraphSelection& sel) {
  WeekSeries series;
  for (int week = std::max<int>(lg.StartWeek, 1); week <= lg.CurrentWeek; ++week) {
    std::string damage;
    const std::vector<WeekEntry> entries = ReadWeekEntries(week, damage);
    if (!damage.empty()) run.note(damage);
    for (int team : sel.teams) {
      if (team < 1 || team > kMaxTeams || !TeamInUse(team)) continue;
      const HighLowAverage h = TeamWeek(entries, team, run.options().handicap);
      if (h.games > 0) series[team].push_back({week, h});
    }
  }
  for (int team : sel.teams)
    if (team >= 1 && team <= kMaxTeams && TeamInUse(team) &&
        !ToDatePage(run, NameOf(lg.Roster[team][0]), "Team Results", series[team]))
      return;
}

}  // namespace

int BuildGraphs(GraphType type, const GraphSelection& selection, const GraphOptions& options,
                const PageSink& sink, std::vector<std::string>* damage) {
  LeagueStateGuard state;
  Run run(type, options, sink);
  switch (type) {
    case GraphType::Rankings: Rankings(run, selection, state); break;
    case GraphType::WeeklyPlayers: WeeklyPlayers(run, selection); break;
    case GraphType::PlayersToDate: PlayersToDate(run, selection); break;
    case GraphType::WeeklyTeams: WeeklyTeams(run, selection); break;
    case GraphType::TeamsToDate: TeamsToDate(run, selection); break;
  }
  if (damage) *damage = run.damage();
  return run.made();
}

}  // namespace tallmark::graphs
