// The bowler pages of the web folder: the player-to-date report's lines as a table, the highs of
// the statistics, and a graph of the week's game average (drawn from the graph builder's
// to-date graph) with the average to date.
#include <algorithm>
#include <cmath>
#include <limits>

#include "common/Text.h"
#include "graphs/GraphBuilder.h"
#include "graphs/GraphSvg.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportHtml.h"
#include "reports/ReportText.h"
#include "reports/SessionWeeks.h"
#include "reports/ToDateFigures.h"
#include "shell/Publish.h"
#include "shell/PublishParts.h"

namespace tallmark {

using namespace publish;
using reports::FixedDecimals;
using reports::HtmlText;

namespace {

std::string Whole(double value) { return Trim(RightAlign(value, 1)); }
std::string Tenths(double value) { return FixedDecimals(static_cast<Single>(value), 1); }

// The team the player is on, or the substitutes' label.
std::string TeamOf(int player) {
  for (int t = 1; t <= kMaxTeams; ++t)
    if (TeamInUse(t))
      for (int p = 1; p < 20; ++p)
        if (lg.Roster[t][p] == player)
          return "<a href=\"" + TeamPageName(t) + "\">" +
                 HtmlText(TrimRight(lg.PlayerName[lg.Roster[t][0]])) + "</a>";
  return "Substitute";
}

Table RecordTable(const reports::PlayerToDateLines& lines) {
  const int games = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  Table t;
  t.caption = "Games to date, session " + std::to_string(reports::ToDateSession());
  t.head = {NumberCell("Week")};
  for (int g = 1; g <= games; ++g) t.head.push_back(NumberCell("Game " + std::to_string(g)));
  for (const char* h : {"Series", "Games", "Average", "Hdcp", "Won", "Lost"})
    t.head.push_back(NumberCell(h));
  t.head.push_back(TextCell("Note"));
  for (const reports::PlayerWeekFigures& f : lines.weeks) {
    std::vector<Cell> row = {NumberCell(std::to_string(f.week) + (f.reset ? "#" : ""))};
    if (!f.readable) {
      row = {TextCell(reports::UnreadWeekNotice(f.week, f.damage))};
      t.rows.push_back(std::move(row));
      continue;
    }
    for (std::size_t g = 0; g < f.games.size(); ++g)
      row.push_back(NumberCell(std::to_string(f.games[g]) + (f.starred[g] ? "*" : "")));
    row.push_back(NumberCell(std::to_string(f.series)));
    row.push_back(NumberCell(std::to_string(f.sessionGames)));
    row.push_back(NumberCell(Tenths(f.average)));
    row.push_back(NumberCell(std::to_string(f.handicap)));
    row.push_back(NumberCell(Tenths(f.won)));
    row.push_back(NumberCell(Tenths(f.lost)));
    row.push_back(TextCell(f.note));
    t.rows.push_back(std::move(row));
  }
  const reports::PlayerAverageFigures& a = lines.total;
  std::vector<Cell> foot = {TextCell("AVG")};
  for (long v : a.columnAverages) foot.push_back(NumberCell(std::to_string(v)));
  foot.push_back(TextCell(""));
  for (const std::string& v : {Whole(a.games), Tenths(a.average), Whole(a.handicap), Tenths(a.won),
                               Tenths(a.lost)})
    foot.push_back(NumberCell(v));
  foot.push_back(TextCell(""));
  t.foot.push_back(std::move(foot));
  return t;
}

// The graph builder's to-date graph of the player (each week's game average), all its pages
// joined, with the average to date after each week beside it.
graphs::GraphPage AverageGraph(int player, const reports::PlayerToDateLines& lines) {
  graphs::GraphPage graph;
  graphs::GraphSelection selection;
  selection.players = {player};
  graphs::BuildGraphs(graphs::GraphType::PlayersToDate, selection, {},
                      [&](const graphs::GraphPage& page) {
                        if (graph.sets.empty()) graph = page;
                        else {
                          graph.labels.insert(graph.labels.end(), page.labels.begin(),
                                              page.labels.end());
                          auto& v = graph.sets[0].values;
                          v.insert(v.end(), page.sets[0].values.begin(), page.sets[0].values.end());
                        }
                        return true;
                      });
  if (graph.sets.empty()) return graph;
  graph.sets[0].name = "Week's game average";
  graphs::DataSet toDate{"Average to date", {}};
  for (const std::string& label : graph.labels) {
    double value = std::numeric_limits<double>::quiet_NaN();
    for (const reports::PlayerWeekFigures& f : lines.weeks)
      if (f.readable && std::to_string(f.week) == label && f.sessionGames > 0) value = f.average;
    toDate.values.push_back(value);
  }
  graph.sets.push_back(std::move(toDate));
  return graph;
}

// The graph and, for readers that cannot see it, its figures in words.
std::string GraphFigure(const graphs::GraphPage& graph, const std::string& name) {
  if (graph.sets.empty()) return {};
  std::string words;
  for (const graphs::DataSet& set : graph.sets) {
    words += HtmlText(set.name) + ":";
    for (std::size_t i = 0; i < set.values.size(); ++i)
      if (!std::isnan(set.values[i]))
        words += " week " + graph.labels[i] + " " + Tenths(set.values[i]) +
                 (i + 1 < set.values.size() ? "," : "");
    words += ". ";
  }
  return "<figure>\n" +
         graphs::LineGraphSvg(graph, "Averages of " + HtmlText(name) + " week by week") +
         "<figcaption>" + words + "</figcaption>\n</figure>\n";
}

}  // namespace

std::string BowlerPageHtml(int player) {
  const std::string name = TrimRight(lg.PlayerName[player]);
  const std::vector<reports::WeekScores> weeks = reports::LoadSessionWeeks();
  const reports::PlayerToDateLines lines = reports::PlayerToDateFigures(player, weeks);
  ReadWeekResults(lg.CurrentWeek);
  const auto& st = lg.PlayerStat[player];
  std::string body = "<p class=\"week\">" + TeamOf(player) + " &#8212; " +
                     HtmlText(reports::WeekLine()) + "</p>\n";
  body += Section("highs", "Highs",
                  "<p>High game " + Whole(st[kHighScratchGame]) + ", high series " +
                      Whole(st[kHighScratchSeries]) + ", average " +
                      Tenths(st[kCurrentAverage]) + ".</p>\n");
  body += Section("record", "Games to date",
                  TableHtml(RecordTable(lines)) +
                      "<p># statistics reset this week; * a game not credited.</p>\n");
  body += Section("graph", "Averages", GraphFigure(AverageGraph(player, lines), name));
  return Page(name, name, body);
}

}  // namespace tallmark
