// Word search in the user guide: the guide's HTML pages are cut into sections at their headings,
// and a section is found when it holds every word asked for. The Help window shows the result.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

struct HelpPage {
  std::string file;  // the page's file name, e.g. "weekly.html"
  std::string html;  // its text (UTF-8)
};

struct HelpHit {
  std::string file;
  std::string page;     // the page's title
  std::string anchor;   // the section's anchor name, empty for the top of the page
  std::string heading;  // the section's heading, or the page's title
  std::string excerpt;  // the text round the first word found
  int score = 0;        // how often the words occur, a heading counting more
};

// The readable text of a piece of HTML: tags dropped, entities decoded, white space collapsed.
std::string HtmlToText(const std::string& html);

// Each page's sections that contain every word of the query (any case; a word also finds
// longer words that begin with it), best first, then in the guide's order.
std::vector<HelpHit> SearchHelp(const std::vector<HelpPage>& pages, const std::string& query);

// The page the Help window shows for a search: one link a section, with its excerpt.
// linkBase is put in front of each file name ("qrc:/help/").
std::string HelpResultsHtml(const std::vector<HelpHit>& hits, const std::string& query,
                            const std::string& linkBase);

}  // namespace tallmark
