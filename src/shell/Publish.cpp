#include "shell/Publish.h"

#include <filesystem>
#include <system_error>

#include "common/Functs.h"
#include "common/Text.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "league/WeekFiles.h"
#include "processing/Rankings.h"
#include "processing/WeeklyProcessing.h"
#include "reports/OtherReports.h"
#include "reports/ReportHtml.h"
#include "reports/ReportTypes.h"
#include "shell/Standings.h"

namespace tallmark {

namespace {

using reports::HtmlText;

const char* const kIndexStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: #1a1a1a;
  background: #f4f4f1; margin: 0; }
main { max-width: 58em; margin: 0 auto; padding: 1.5em 1.5em 3em; background: #fff;
  box-shadow: 0 0 6px rgba(0, 0, 0, 0.15); }
h1 { margin: 0; font-size: 1.9em; }
h2 { font-size: 1.25em; margin: 1.6em 0 0.5em; border-bottom: 2px solid #2f5d8a; }
p.week { margin: 0.3em 0 0; color: #444; font-size: 1.1em; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: 0.3em 0.6em; border-bottom: 1px solid #d6d6d6; text-align: left; }
thead th { background: #2f5d8a; color: #fff; font-weight: bold; }
tbody tr:nth-child(even) { background: #f0f4f8; }
td.num, th.num { text-align: right; font-variant-numeric: tabular-nums; }
td.vs { text-align: center; color: #666; width: 2em; }
.lanes { width: 6em; white-space: nowrap; }
.bulletin { white-space: pre-line; border-left: 4px solid #2f5d8a; padding: 0.3em 1em;
  background: #f7f7f4; }
nav ul, ul.awards { padding-left: 1.3em; }
nav li { margin: 0.3em 0; }
a { color: #1f4e79; }
@media print {
  body { background: none; }
  main { box-shadow: none; max-width: none; padding: 0; }
  thead th { background: none; color: #000; border-bottom: 2px solid #000; }
  tbody tr:nth-child(even) { background: none; }
  tr, li { break-inside: avoid; page-break-inside: avoid; }
  h2 { break-after: avoid; page-break-after: avoid; }
  nav { display: none; }
}
)";

std::string Section(const std::string& id, const std::string& heading, const std::string& body) {
  return "<section id=\"" + id + "\">\n<h2>" + HtmlText(heading) + "</h2>\n" + body +
         "</section>\n";
}

bool IsNumberColumn(CellAlign align) { return align == CellAlign::Right; }

std::string StandingsSection(const StandingsTable& table) {
  std::string html = "<table>\n<thead><tr>";
  for (const StandingsColumn& c : table.columns)
    html += std::string("<th scope=\"col\"") + (IsNumberColumn(c.align) ? " class=\"num\"" : "") +
            ">" + HtmlText(c.header) + "</th>";
  html += "</tr></thead>\n<tbody>\n";
  for (const std::vector<std::string>& row : table.rows) {
    html += "<tr>";
    for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
      html += std::string("<td") + (IsNumberColumn(table.columns[c].align) ? " class=\"num\"" : "") +
              ">" + HtmlText(Trim(row[c])) + "</td>";
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n<p>" + HtmlText(table.labels[5]) + "</p>\n";
  return Section("standings", "Standings", html);
}

// A lane slot's team as the standing sheet names it.
std::string SlotTeam(int team) {
  if (team == kPositionTeam) return "POS";
  if (team < 1 || team > kMaxTeams || !TeamInUse(team)) return "TBD";
  return TrimRight(lg.PlayerName[lg.Roster[team][0]]);
}

// Next week's pairs on their lanes; a position round paired by the standings. Memory holds the
// current week's lane slots again afterwards.
std::string ScheduleSection() {
  const int next = lg.CurrentWeek + 1;
  if (lg.CurrentWeek >= lg.NumWeeks)
    return Section("schedule", "Schedule", "<p>The season is over.</p>\n");
  // The week's date when the schedule holds one (not today's, as a report heading would show).
  std::string heading = "Week " + NumberText(next) + " Schedule";
  if (next <= kMaxWeeks && IsValidDate(lg.WeekDate[next])) heading += " (" + lg.WeekDate[next] + ")";
  ReadWeekResults(next);
  std::string html;
  if (lg.LaneTeam[1] == kTbdTeam) {
    html = "<p>Not scheduled yet.</p>\n";
  } else {
    if (lg.LaneTeam[1] == kPositionTeam) PairByStandings();
    html = "<table>\n<thead><tr><th scope=\"col\" class=\"lanes\">" + HtmlText(lg.SportTerm[7]) +
           "s</th><th scope=\"col\">Team</th><th></th><th scope=\"col\">Team</th></tr></thead>\n"
           "<tbody>\n";
    for (int k = 1; k <= lg.NumLanes && 2 * k <= kMaxTeams; ++k)
      html += "<tr><td class=\"lanes\">" + NumberText(lg.LaneNumber[2 * k - 1]) + "&#8211;" +
              NumberText(lg.LaneNumber[2 * k]) + "</td><td>" +
              HtmlText(SlotTeam(lg.LaneTeam[2 * k - 1])) + "</td><td class=\"vs\">vs</td><td>" +
              HtmlText(SlotTeam(lg.LaneTeam[2 * k])) + "</td></tr>\n";
    html += "</tbody>\n</table>\n";
  }
  ReadWeekResults(lg.CurrentWeek);
  return Section("schedule", heading, html);
}

std::string AwardsSection() {
  const std::vector<std::string> awards = reports::AwardsOfWeek(lg.CurrentWeek);
  std::string html = awards.empty() ? "<p>No special awards this week.</p>\n" : "<ul class=\"awards\">\n";
  for (const std::string& a : awards) html += "<li>" + HtmlText(a) + "</li>\n";
  if (!awards.empty()) html += "</ul>\n";
  return Section("awards", "Special Awards of Week " + NumberText(lg.CurrentWeek), html);
}

std::string BulletinSection() {
  std::string text = lg.BulletinText;
  for (char& c : text)
    if (c == '\r') c = '\n';
  text = Trim(text);
  if (text.find_first_not_of('\n') == std::string::npos) return {};
  return Section("bulletin", "Bulletin", "<p class=\"bulletin\">" + HtmlText(text) + "</p>\n");
}

std::string LinksSection() {
  return "<nav>\n<h2>Reports</h2>\n<ul>\n<li><a href=\"" + kStandingSheetPage + "\">" +
         HtmlText(reports::ReportTitle(1)) + "</a></li>\n<li><a href=\"" + kAveragesPage + "\">" +
         HtmlText(reports::ReportTitle(13)) + "</a></li>\n</ul>\n</nav>\n";
}

}  // namespace

std::string PublishIndexHtml() {
  const StandingsTable table = DrawStandings();
  const std::string name = TrimRight(lg.LeagueName);
  std::string week = table.labels[2];
  if (lg.NumSessions > 1) week += ", " + table.labels[3];
  std::string html = reports::HtmlPageStart(name, kIndexStyle);
  html += "<main>\n<header>\n<h1>" + HtmlText(name) + "</h1>\n<p class=\"week\">" +
          HtmlText(week) + "</p>\n</header>\n";
  html += StandingsSection(table) + ScheduleSection() + AwardsSection() + BulletinSection() +
          LinksSection();
  return html + "</main>\n" + reports::HtmlPageEnd();
}

std::vector<PublishedPage> PublishedPages() {
  std::vector<PublishedPage> pages;
  pages.push_back({"index.html", PublishIndexHtml()});
  pages.push_back({kStandingSheetPage, reports::ReportWebPage(1, {})});
  reports::ReportChoices averages;
  averages.whoseAverages = 0;
  pages.push_back({kAveragesPage, reports::ReportWebPage(13, averages)});
  return pages;
}

int PublishToFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) return 76;  // path not found
  const std::vector<PublishedPage> pages = PublishedPages();
  std::vector<FileContents> files;
  for (const PublishedPage& p : pages)
    files.push_back({(std::filesystem::path(folder) / p.name).string(), p.html});
  return WriteFilesAtomic(files);
}

}  // namespace tallmark
