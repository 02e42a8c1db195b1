// tallmark-cli publish and report --html: every page parses, the standings table holds what
// standings --json prints, a report page holds the text file's lines, and a browser draws the
// pages and prints one sheet per report page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "common/Text.h"
#include "support/LeagueFixture.h"
#include "support/RunCli.h"
#include "support/TempDir.h"

namespace {

using namespace tallmark;

int Shell(const std::string& command) {
  const int rc = std::system(command.c_str());
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

bool Have(const std::string& program) { return Shell("command -v " + program + " >/dev/null") == 0; }

std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, c] : entities)
    for (std::size_t at = 0; (at = s.find(entity, at)) != std::string::npos; at += 1)
      s.replace(at, std::string(entity).size(), c);
  return s;
}

std::vector<std::smatch> Matches(const std::string& text, const std::regex& re) {
  return {std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()};
}

// The sample league with a bulletin that needs escaping, published into "site/".
class Publish : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(test::RunCli(home_, {"sample", dir_.path() + "sample"}).status, 0);
    publish("Caf\xC3\xA9 <b>night</b> & \"more\" 'n'");
  }
  void publish(const std::string& bulletin) {
    std::ofstream(dir_.file("bulletin.txt")) << bulletin;
    ASSERT_EQ(test::RunCli(home_, {"bulletin", cfg(), "--file", dir_.file("bulletin.txt")}).status, 0);
    const test::CliResult r = test::RunCli(home_, {"publish", cfg(), site()});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  std::string cfg() const { return dir_.path() + "sample/SAMPLE.CFG"; }
  std::string site() const { return dir_.path() + "site"; }
  std::string page(const std::string& name) const { return test::FileText(site() + "/" + name); }

  test::TempDir dir_;
  std::string home_ = dir_.path() + "program/";
};

TEST_F(Publish, PagesParseAndPublishingAgainReplacesThem) {
  EXPECT_NE(page("index.html").find("Caf\xC3\xA9 &lt;b&gt;night&lt;/b&gt; &amp; _more_ &#39;n&#39;"),
            std::string::npos);
  publish("Second bulletin");
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(site()))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"averages.html", "index.html", "standing-sheet.html"}));
  if (!Have("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  for (const std::string& name : names) {
    EXPECT_EQ(Shell("xmllint --noout '" + site() + "/" + name + "'"), 0) << name;
    const std::string html = page(name);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos) << name << ": fetches nothing";
    EXPECT_NE(html.find("<meta charset=\"utf-8\" />"), std::string::npos);
  }
  const std::string index = page("index.html");
  EXPECT_NE(index.find("<p class=\"bulletin\">Second bulletin</p>"), std::string::npos);
  EXPECT_NE(index.find("href=\"standing-sheet.html\""), std::string::npos);
  EXPECT_NE(index.find("href=\"averages.html\""), std::string::npos);
}

TEST_F(Publish, StandingsRowsAreTheJsonStandings) {
  const test::CliResult json = test::RunCli(home_, {"standings", cfg(), "--json"});
  ASSERT_EQ(json.status, 0);
  std::vector<std::vector<std::string>> expected;
  const std::regex entry(
      R"re(\{"position": (\d+), "team": \d+, "name": "((?:[^"\\]|\\.)*)", "won": ([^,]+), "lost": ([^,]+), "pct": ([^,]+), "scratch": ([^,]+), "handicap": ([^}]+)\})re");
  for (const std::smatch& m : Matches(json.out, entry))
    expected.push_back({m[1], m[2], m[3], m[4], m[5], m[6], m[7]});
  ASSERT_GE(expected.size(), 4u);

  const std::string index = page("index.html");
  const std::size_t from = index.find("<section id=\"standings\">");
  const std::string section = index.substr(from, index.find("</section>", from) - from);
  std::vector<std::vector<std::string>> rows;
  for (const std::smatch& tr : Matches(section, std::regex("<tr>(.*?)</tr>"))) {
    const std::string cells = tr[1];
    if (cells.find("<td") == std::string::npos) continue;  // the header
    rows.emplace_back();
    for (const std::smatch& td : Matches(cells, std::regex("<td[^>]*>([^<]*)</td>")))
      rows.back().push_back(Unescape(td[1]));
  }
  EXPECT_EQ(rows, expected);
}

// The report page holds the text file's lines exactly, a block per page.
TEST_F(Publish, ReportPageHoldsTheTextFile) {
  const std::string text = dir_.file("standing.txt"), html = dir_.file("standing.html");
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "standing", "-o", text, "--html", html}).status, 0);
  const std::string written = test::FileText(html);
  EXPECT_EQ(written, page("standing-sheet.html"));
  std::string pages;
  for (const std::smatch& m : Matches(written, std::regex("<pre class=\"page\"[^>]*>\n([^<]*)</pre>")))
    pages += Unescape(m[1]) + "\f\n";
  std::string lines = Cp1252ToUtf8(test::FileText(text));  // the bulletin's "é"
  lines = std::regex_replace(lines, std::regex("\r\n"), "\n");
  EXPECT_EQ(pages, lines);
  EXPECT_EQ(test::RunCli(home_, {"report", cfg(), "standing", "--html", dir_.file("x.txt")}).status, 2);
}

// A browser draws both kinds of page, and prints a sheet for every report page.
TEST_F(Publish, BrowserDrawsAndPrintsThePages) {
  if (!Have("chromium")) GTEST_SKIP() << "chromium is not installed";
  const std::string browser = "HOME='" + dir_.path() + "' chromium --headless --no-sandbox --disable-gpu "
                              "--user-data-dir='" + dir_.path() + "profile' ";
  for (const char* name : {"index.html", "averages.html"}) {
    const std::string png = dir_.file(std::string(name) + ".png");
    Shell(browser + "--window-size=1200,1600 --screenshot='" + png + "' 'file://" + site() + "/" +
          name + "' >/dev/null 2>&1");
    EXPECT_GT(std::filesystem::exists(png) ? std::filesystem::file_size(png) : 0, 20000u) << name;
  }
  const std::string html = dir_.file("rankings.html"), pdf = dir_.file("rankings.pdf");
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "rankings", "--html", html}).status, 0);
  Shell(browser + "--no-pdf-header-footer --print-to-pdf='" + pdf + "' 'file://" + html +
        "' >/dev/null 2>&1");
  const auto reportPages = Matches(test::FileText(html), std::regex("<pre class=\"page\"")).size();
  ASSERT_GE(reportPages, 10u);  // one a category
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(Shell("pdfinfo '" + pdf + "' | grep -q '^Pages: *" + std::to_string(reportPages) + "$'"), 0)
      << reportPages << " report pages";
}

}  // namespace
