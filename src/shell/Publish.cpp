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
#include "reports/ReportSelection.h"
#include "reports/ReportHtml.h"
#include "reports/ReportTypes.h"
#include "shell/PublishParts.h"
#include "shell/Standings.h"

namespace tallmark {

namespace {

using reports::HtmlText;

using publish::Section;

bool IsNumberColumn(CellAlign align) { return align == CellAlign::Right; }

std::string StandingsSection(const StandingsTable& table) {
  std::string html = "<div class=\"scroll\">\n<table>\n<thead><tr>";
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
  html += "</tbody>\n</table>\n</div>\n<p>" + HtmlText(table.labels[5]) + "</p>\n";
  return Section("standings", "Standings", html);
}

// Next week's pairs on their lanes; a position round paired by the standings.
std::string ScheduleSection() {
  const publish::NextWeek next = publish::NextWeekPairs();
  if (next.over) return Section("schedule", "Schedule", "<p>The season is over.</p>\n");
  // The week's date when the schedule holds one (not today's, as a report heading would show).
  std::string heading = "Week " + NumberText(next.week) + " Schedule";
  if (next.week <= kMaxWeeks && IsValidDate(lg.WeekDate[next.week]))
    heading += " (" + lg.WeekDate[next.week] + ")";
  if (!next.scheduled) return Section("schedule", heading, "<p>Not scheduled yet.</p>\n");
  std::string html = "<div class=\"scroll\">\n<table>\n<thead><tr>"
                     "<th scope=\"col\" class=\"lanes\">" + HtmlText(lg.SportTerm[7]) +
                     "s</th><th scope=\"col\">Team</th><th></th><th scope=\"col\">Team</th></tr>"
                     "</thead>\n<tbody>\n";
  for (const publish::LanePair& p : next.pairs)
    html += "<tr><td class=\"lanes\">" + p.lanesHtml + "</td><td>" +
            HtmlText(publish::SlotTeam(p.first)) + "</td><td class=\"vs\">vs</td><td>" +
            HtmlText(publish::SlotTeam(p.second)) + "</td></tr>\n";
  html += "</tbody>\n</table>\n</div>\n";
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

std::string Link(const std::string& href, const std::string& cp1252) {
  return "<li><a href=\"" + href + "\">" + HtmlText(cp1252) + "</a></li>\n";
}

std::string LinksSection() {
  std::string html = "<nav>\n<h2>Reports</h2>\n<ul>\n" +
                     Link(kStandingSheetPage, reports::ReportTitle(1)) +
                     Link(kAveragesPage, reports::ReportTitle(13)) +
                     Link(kSchedulePage, reports::ReportTitle(10)) +
                     Link(kAwardsPage, reports::ReportTitle(8)) +
                     "</ul>\n<h2>Teams</h2>\n<ul class=\"names\">\n";
  for (int team : PublishedTeams())
    html += Link(TeamPageName(team), TrimRight(lg.PlayerName[lg.Roster[team][0]]));
  html += "</ul>\n<h2>" + HtmlText(TrimRight(lg.SportTerm[4])) + "s</h2>\n<ul class=\"names\">\n";
  for (int player : PublishedBowlers())
    html += Link(BowlerPageName(player), TrimRight(lg.PlayerName[player]));
  return html + "</ul>\n</nav>\n";
}

}  // namespace

std::string WeekSummaryHtml() {
  return StandingsSection(DrawStandings()) + ScheduleSection() + AwardsSection() +
         BulletinSection();
}

std::string PublishIndexHtml() {
  const StandingsTable table = DrawStandings();
  const std::string name = TrimRight(lg.LeagueName);
  std::string week = table.labels[2];
  if (lg.NumSessions > 1) week += ", " + table.labels[3];
  const int current = lg.CurrentWeek;
  if (current >= 1 && current <= kMaxWeeks && IsValidDate(lg.WeekDate[current]))
    week += " (" + lg.WeekDate[lg.CurrentWeek] + ")";
  std::string html = reports::HtmlPageStart(name, publish::kPageStyle);
  html += "<main>\n<header>\n<h1>" + HtmlText(name) + "</h1>\n<p class=\"week\">" +
          HtmlText(week) + "</p>\n</header>\n";
  html += WeekSummaryHtml() + LinksSection();
  return html + "</main>\n" + reports::HtmlPageEnd();
}

std::vector<PublishedPage> PublishedPages() {
  std::vector<PublishedPage> pages;
  pages.push_back({"index.html", PublishIndexHtml()});
  pages.push_back({kStandingSheetPage, reports::ReportWebPage(1, {})});
  reports::ReportChoices averages;
  averages.whoseAverages = 0;
  pages.push_back({kAveragesPage, reports::ReportWebPage(13, averages)});
  pages.push_back({kSchedulePage, reports::ReportWebPage(10, {})});
  reports::ReportChoices awards;
  for (const reports::ListEntry& e : reports::ListEntries(reports::SelectionList::Weeks, 8))
    awards.weeks.push_back(e.value);
  for (const reports::ListEntry& e : reports::ListEntries(reports::SelectionList::Players, 8))
    awards.players.push_back(e.value);
  pages.push_back({kAwardsPage, reports::ReportWebPage(8, awards)});
  for (int team : PublishedTeams()) pages.push_back({TeamPageName(team), TeamPageHtml(team)});
  for (int player : PublishedBowlers())
    pages.push_back({BowlerPageName(player), BowlerPageHtml(player)});
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
