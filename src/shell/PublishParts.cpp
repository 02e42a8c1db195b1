#include "shell/PublishParts.h"

#include "common/Functs.h"
#include "common/Text.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"
#include "reports/ReportHtml.h"

namespace tallmark::publish {

using reports::HtmlText;

const char* const kPageStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: #1a1a1a;
  background: #f4f4f1; margin: 0; }
main { max-width: 58em; margin: 0 auto; padding: 1.5em 1.5em 3em; background: #fff;
  box-shadow: 0 0 6px rgba(0, 0, 0, 0.15); }
h1 { margin: 0; font-size: 1.9em; }
h2 { font-size: 1.25em; margin: 1.6em 0 0.5em; border-bottom: 2px solid #2f5d8a; }
p.week { margin: 0.3em 0 0; color: #444; font-size: 1.1em; }
.scroll { overflow-x: auto; max-width: 100%; }
table { border-collapse: collapse; width: 100%; }
caption { text-align: left; font-weight: bold; padding: 0.3em 0; }
th, td { padding: 0.3em 0.6em; border-bottom: 1px solid #d6d6d6; text-align: left; }
thead th { background: #2f5d8a; color: #fff; font-weight: bold; }
tbody tr:nth-child(even) { background: #f0f4f8; }
tfoot td, tfoot th { font-weight: bold; border-top: 2px solid #2f5d8a; }
td.num, th.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.vs { text-align: center; color: #666; width: 2em; }
.lanes { width: 6em; white-space: nowrap; }
.bulletin { white-space: pre-line; border-left: 4px solid #2f5d8a; padding: 0.3em 1em;
  background: #f7f7f4; }
nav ul, ul.awards { padding-left: 1.3em; }
nav li { margin: 0.3em 0; }
nav ul.names { columns: 14em; }
p.up { margin: 0 0 0.8em; }
figure { margin: 1em 0; }
svg.graph { display: block; width: 100%; height: auto; max-width: 40em; }
a { color: #1f4e79; }
@media (max-width: 40em) {
  main { padding: 1em 0.7em 2em; }
  h1 { font-size: 1.5em; }
  th, td { padding: 0.25em 0.35em; }
}
@media print {
  body { background: none; }
  main { box-shadow: none; max-width: none; padding: 0; }
  thead th { background: none; color: #000; border-bottom: 2px solid #000; }
  tbody tr:nth-child(even) { background: none; }
  tr, li { break-inside: avoid; page-break-inside: avoid; }
  h2 { break-after: avoid; page-break-after: avoid; }
  nav, p.up { display: none; }
}
)";

std::string Page(const std::string& title, const std::string& heading, const std::string& body) {
  const std::string league = TrimRight(lg.LeagueName);
  return reports::HtmlPageStart(league + " -- " + title, kPageStyle) +
         "<main>\n<p class=\"up\"><a href=\"index.html\">" + HtmlText(league) +
         "</a></p>\n<header>\n<h1>" + HtmlText(heading) + "</h1>\n</header>\n" + body +
         "</main>\n" + reports::HtmlPageEnd();
}

std::string Section(const std::string& id, const std::string& heading, const std::string& body) {
  return "<section id=\"" + id + "\">\n<h2>" + HtmlText(heading) + "</h2>\n" + body +
         "</section>\n";
}

Cell TextCell(const std::string& cp1252) { return {HtmlText(Trim(cp1252)), false}; }
Cell NumberCell(const std::string& text) { return {HtmlText(Trim(text)), true}; }
Cell LinkCell(const std::string& href, const std::string& cp1252) {
  return {"<a href=\"" + href + "\">" + HtmlText(Trim(cp1252)) + "</a>", false};
}

namespace {

std::string Row(const std::vector<Cell>& cells, const char* tag, bool header) {
  std::string html = "<tr>";
  for (const Cell& c : cells) {
    html += std::string("<") + tag + (header ? " scope=\"col\"" : "") +
            (c.number ? " class=\"num\"" : "") + ">" + c.html + "</" + tag + ">";
  }
  return html + "</tr>\n";
}

}  // namespace

std::string TableHtml(const Table& t) {
  std::string html = "<div class=\"scroll\">\n<table>\n";
  if (!t.caption.empty()) html += "<caption>" + HtmlText(t.caption) + "</caption>\n";
  html += "<thead>" + Row(t.head, "th", true) + "</thead>\n<tbody>\n";
  for (const std::vector<Cell>& r : t.rows) html += Row(r, "td", false);
  html += "</tbody>\n";
  if (!t.foot.empty()) {
    html += "<tfoot>\n";
    for (const std::vector<Cell>& r : t.foot) html += Row(r, "td", false);
    html += "</tfoot>\n";
  }
  return html + "</table>\n</div>\n";
}

std::string SlotTeam(int team) {
  if (team == kPositionTeam) return "POS";
  if (team < 1 || team > kMaxTeams || !TeamInUse(team)) return "TBD";
  return TrimRight(lg.PlayerName[lg.Roster[team][0]]);
}

NextWeek NextWeekPairs() {
  NextWeek next;
  next.week = lg.CurrentWeek + 1;
  if (lg.CurrentWeek >= lg.NumWeeks) {
    next.over = true;
    return next;
  }
  ReadWeekResults(next.week);
  next.scheduled = lg.LaneTeam[1] != kTbdTeam;
  if (next.scheduled) {
    if (lg.LaneTeam[1] == kPositionTeam) PairByStandings();
    for (int k = 1; k <= lg.NumLanes && 2 * k <= kMaxTeams; ++k)
      next.pairs.push_back({NumberText(lg.LaneNumber[2 * k - 1]) + "&#8211;" +
                                NumberText(lg.LaneNumber[2 * k]),
                            lg.LaneTeam[2 * k - 1], lg.LaneTeam[2 * k]});
  }
  ReadWeekResults(lg.CurrentWeek);
  return next;
}

}  // namespace tallmark::publish
