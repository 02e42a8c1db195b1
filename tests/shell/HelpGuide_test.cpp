#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "shell/HelpSearch.h"
#include "shell/MenuModel.h"

namespace fs = std::filesystem;
using namespace tallmark;

namespace {

std::vector<HelpPage> GuidePages() {
  std::vector<HelpPage> pages;
  for (const auto& entry : fs::directory_iterator(TALLMARK_HELP_DIR)) {
    if (entry.path().extension() != ".html") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    pages.push_back({entry.path().filename().string(), text.str()});
  }
  return pages;
}

}  // namespace

TEST(HelpSearch, FindsSectionsHoldingEveryWord) {
  const std::vector<HelpPage> pages = {
      {"a.html", "<html><head><title>Alpha</title><style>p{backup:1}</style></head><body>"
                 "<p class=\"nav\"><a href=\"b.html\">Backup</a></p>"
                 "<h1>Alpha page</h1><p>Intro &amp; nothing.</p>"
                 "<h2><a name=\"bk\"></a>Backups</h2><p>Make a backup each week &mdash; "
                 "restore it with File, Restore&nbsp;Backup.</p>"
                 "<h2 id=\"w\">Weekly</h2><p>Enter scores, process the week, back up.</p>"},
      {"b.html", "<title>Beta</title><p>Backup at exit.</p><h3>Other</h3><p>Restoring data."}};
  struct Case {
    std::string query;
    std::vector<std::string> expected;  // file#anchor of each hit, in order
  };
  const std::vector<Case> cases = {
      {"backup", {"a.html#bk", "b.html#"}},  // the heading counts most; styles, bars not text
      {"BACK", {"a.html#bk", "a.html#w", "b.html#"}},
      {"restor backup", {"a.html#bk"}},
      {"week scores", {"a.html#w"}},
      {"nothing intro", {"a.html#"}},
      {"zebra", {}},
      {"  ", {}}};
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (const HelpHit& hit : SearchHelp(pages, c.query))
      got.push_back(hit.file + "#" + hit.anchor);
    EXPECT_EQ(got, c.expected) << c.query;
  }
  const std::vector<HelpHit> hits = SearchHelp(pages, "restore");
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].heading, "Backups");
  EXPECT_EQ(hits[0].excerpt,
            "Backups Make a backup each week \xE2\x80\x94 restore it with File, Restore Backup.");
  const std::string html = HelpResultsHtml(hits, "a<b", "qrc:/help/");
  EXPECT_NE(html.find("<a href=\"qrc:/help/a.html#bk\"><b>Backups</b></a>"), std::string::npos);
  EXPECT_NE(html.find("Search: a&lt;b"), std::string::npos);
}

// Every entry of the main window's menus is explained in the guide, under its own caption.
TEST(HelpGuide, MentionsEveryMenuEntry) {
  std::string guide;
  for (const HelpPage& page : GuidePages()) guide += HtmlToText(page.html) + "\n";
  MenuModel menus;
  for (int m = 0; m < kMenuCount; ++m) {
    for (const MenuEntry& entry : menus.menu(static_cast<MenuId>(m)).entries) {
      if (entry.separator()) continue;
      std::string caption = std::regex_replace(entry.caption, std::regex("&|\\.\\.\\.$"), "");
      EXPECT_NE(guide.find(caption), std::string::npos) << caption;
    }
  }
}

// Pictures and links of the guide exist, every picture is small, and every picture in the
// folder (all built into the program) is shown somewhere.
TEST(HelpGuide, PicturesAndLinksExist) {
  const std::regex ref("(src|href)=\"([^\"#:]+)[\"#]");
  std::set<std::string> shown;
  for (const HelpPage& page : GuidePages()) {
    for (std::sregex_iterator it(page.html.begin(), page.html.end(), ref), end; it != end; ++it) {
      const fs::path file = fs::path(TALLMARK_HELP_DIR) / (*it)[2].str();
      ASSERT_TRUE(fs::exists(file)) << page.file << ": " << file;
      if ((*it)[1] == "src") {
        shown.insert(file.filename().string());
        EXPECT_LE(fs::file_size(file), 100u * 1024) << file;
      }
    }
  }
  for (const auto& entry : fs::directory_iterator(TALLMARK_HELP_DIR)) {
    if (entry.path().extension() == ".png")
      EXPECT_TRUE(shown.count(entry.path().filename().string())) << entry.path();
  }
  EXPECT_GE(shown.size(), 10u);
}
