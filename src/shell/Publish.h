// The league's web folder: "index.html" with the league's name, week and date, the standings as
// the main window shows them, next week's lanes, the week's special awards and the bulletin,
// linked to a page per team and per bowler who bowled this session, and to report pages written
// beside it (the standing sheet, the averages list, the season's schedule and special awards).
// Pages need nothing else: styles in the page, no scripts, nothing fetched.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

struct PublishedPage {
  std::string name;  // file name within the folder
  std::string html;  // UTF-8
};

// The file names of the report pages the index links to.
inline const std::string kStandingSheetPage = "standing-sheet.html";
inline const std::string kAveragesPage = "averages.html";
inline const std::string kSchedulePage = "schedule.html";
inline const std::string kAwardsPage = "awards.html";

// A team's and a bowler's page: named by team number and player record, so that a link to it
// keeps working from week to week.
std::string TeamPageName(int team);
std::string BowlerPageName(int player);

// The index page's parts, also the body of the e-mail's HTML part: the standings, next week's
// lanes, the week's special awards and the bulletin.
std::string WeekSummaryHtml();

// The index page of the open league.
std::string PublishIndexHtml();

// A team's page: its roster with averages and handicaps, its record to date week by week (the
// team-to-date report's figures) and next week's opponent and lanes.
std::string TeamPageHtml(int team);
// A bowler's page: the week-by-week games with the session's running figures (the player-to-date
// report's figures), high game and series, and a graph of the weekly and running averages.
std::string BowlerPageHtml(int player);

// The teams in use and the players who bowled this session (regulars, substitutes and roving
// substitutes), in record order.
std::vector<int> PublishedTeams();
std::vector<int> PublishedBowlers();

// Every page of the folder, the index first. Runs the reports.
std::vector<PublishedPage> PublishedPages();

// Writes the pages into folder (made when missing), replacing the old ones together: each is
// written beside its old file first and the old files are replaced only when all were written.
// Returns 0 or an error number.
int PublishToFolder(const std::string& folder);

}  // namespace tallmark
