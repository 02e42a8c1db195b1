// The league's web folder: "index.html" with the league's name and week, the standings as the main
// window shows them, next week's lanes, the week's special awards and the bulletin, linked to the
// standing sheet and the averages list written beside it as report pages.
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

// The index page of the open league.
std::string PublishIndexHtml();

// Every page of the folder, the index first. Runs the two reports.
std::vector<PublishedPage> PublishedPages();

// Writes the pages into folder (made when missing), replacing the old ones together: each is
// written beside its old file first and the old files are replaced only when all were written.
// Returns 0 or an error number.
int PublishToFolder(const std::string& folder);

}  // namespace tallmark
