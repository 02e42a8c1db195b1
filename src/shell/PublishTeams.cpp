// The team pages of the web folder and the choice of teams and bowlers that get a page.
#include <algorithm>
#include <cmath>
#include <set>

#include "common/Text.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "reports/ReportCommon.h"
#include "reports/ReportHtml.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"
#include "reports/SessionWeeks.h"
#include "reports/ToDateFigures.h"
#include "shell/Publish.h"
#include "shell/PublishParts.h"

namespace tallmark {

using namespace publish;
using reports::FixedDecimals;
using reports::HtmlText;

std::string TeamPageName(int team) { return "team-" + std::to_string(team) + ".html"; }
std::string BowlerPageName(int player) { return "bowler-" + std::to_string(player) + ".html"; }

std::vector<int> PublishedTeams() {
  std::vector<int> teams;
  for (int t = 1; t <= kMaxTeams; ++t)
    if (TeamInUse(t)) teams.push_back(t);
  return teams;
}

std::vector<int> PublishedBowlers() {
  std::set<int> bowled;
  for (const reports::WeekScores& week : reports::LoadSessionWeeks())
    for (const reports::ScoreLine& line : week.lines)
      if (line.kind <= kRovingSub && !IsVacancyName(lg.PlayerName[line.player]))
        bowled.insert(line.player);
  ReadWeekResults(lg.CurrentWeek);
  return {bowled.begin(), bowled.end()};
}

namespace {

std::string Whole(double value) { return Trim(RightAlign(value, 1)); }
std::string Points(Single value) { return FixedDecimals(value, 1); }

Table RosterTable(int team, const std::vector<int>& bowlers) {
  Table t;
  t.head = {TextCell("#"), TextCell(TrimRight(lg.SportTerm[4])), NumberCell("Average"),
            NumberCell("Handicap")};
  for (const reports::ListedPlayer& lp : reports::TeamPlayers(team)) {
    const auto& st = lg.PlayerStat[lp.player];
    const std::string name = TrimRight(lg.PlayerName[lp.player]);
    const bool linked = std::binary_search(bowlers.begin(), bowlers.end(), lp.player);
    t.rows.push_back({NumberCell(std::to_string(lp.position)),
                      linked ? LinkCell(BowlerPageName(lp.player), name) : TextCell(name),
                      NumberCell(Whole(std::trunc(st[kCurrentAverage]))),
                      NumberCell(Whole(std::trunc(st[kCurrentHandicap])))});
  }
  return t;
}

// The team-to-date report's lines as table rows, with its marks beside the figures.
Table RecordTable(int team) {
  const int games = std::clamp<int>(lg.GamesPerWeek, 1, kMaxGames);
  Table t;
  t.caption = "Record to date, session " + std::to_string(reports::ToDateSession());
  t.head = {NumberCell("Week"), TextCell("Opponent"), NumberCell("Won"), NumberCell("Lost")};
  for (int g = 1; g <= games; ++g) t.head.push_back(NumberCell("Game " + std::to_string(g)));
  for (const char* h : {"Hdcp", "Sum", "Session games", "Session won", "Session lost"})
    t.head.push_back(NumberCell(h));
  const std::vector<reports::WeekScores> weeks = reports::LoadSessionWeeks();
  for (const reports::TeamWeekFigures& f : reports::TeamToDateFigures(team, weeks)) {
    std::vector<Cell> row = {NumberCell(std::to_string(f.week) + (f.reset ? "#" : ""))};
    if (!f.readable || !f.played) {
      row.push_back(TextCell(f.readable ? "DID NOT PLAY" : reports::UnreadWeekNotice(f.week, f.damage)));
      t.rows.push_back(std::move(row));
      continue;
    }
    row.push_back(TextCell(reports::TeamName(f.opponent)));
    row.push_back(NumberCell(Points(f.won)));
    row.push_back(NumberCell(Points(f.lost)));
    for (std::size_t g = 0; g < f.games.size(); ++g)
      row.push_back(NumberCell(std::to_string(f.games[g]) + (f.unearned[g] ? "*" : "")));
    row.push_back(NumberCell(std::to_string(f.handicap)));
    row.push_back(NumberCell(std::to_string(f.sum) + (f.unearnedPins ? "$" : "")));
    row.push_back(NumberCell(std::to_string(f.sessionGames)));
    row.push_back(NumberCell(Points(f.sessionWon)));
    row.push_back(NumberCell(Points(f.sessionLost)));
    t.rows.push_back(std::move(row));
  }
  ReadWeekResults(lg.CurrentWeek);
  return t;
}

std::string NextMatch(int team) {
  const NextWeek next = NextWeekPairs();
  if (next.over) return "<p>The season is over.</p>\n";
  const std::string week = "Week " + std::to_string(next.week);
  for (const LanePair& p : next.pairs) {
    if (p.first != team && p.second != team) continue;
    const int other = p.first == team ? p.second : p.first;
    return "<p>" + week + ": against " + HtmlText(SlotTeam(other)) + " on " +
           HtmlText(TrimRight(lg.SportTerm[7])) + "s " + p.lanesHtml + ".</p>\n";
  }
  return "<p>" + week + ": not scheduled yet.</p>\n";
}

}  // namespace

std::string TeamPageHtml(int team) {
  const std::string name = TrimRight(lg.PlayerName[lg.Roster[team][0]]);
  const std::string legend =
      "<p># statistics reset this week; * unearned games in the total; $ unearned " +
      HtmlText(Lower(TrimRight(lg.SportTerm[6]))) + "s in the sum.</p>\n";
  std::string body = "<p class=\"week\">Team " + std::to_string(team) + " &#8212; " +
                     HtmlText(reports::WeekLine()) + "</p>\n";
  body += Section("next", "Next week", NextMatch(team));
  body += Section("roster", "Roster", TableHtml(RosterTable(team, PublishedBowlers())));
  body += Section("record", "Results to date", TableHtml(RecordTable(team)) + legend);
  return Page(name, name, body);
}

}  // namespace tallmark
