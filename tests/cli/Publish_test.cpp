// tallmark-cli publish and report --html: every page parses, the standings table holds what
// standings --json prints, a report page holds the text file's lines, and a browser draws the
// pages and prints one sheet per report page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
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

// The players with a game of their own in the raw scores (Regular, Sub, Roving Sub rows), by name.
std::set<std::string> BowlersOfRawScores(const std::string& csv) {
  std::set<std::string> names;
  const std::regex row(
      R"re("\d+, [^,]*, [^,]*, ([^,]*?) *, -?\d+, [^,]*, (Regular|Sub|Roving Sub),)re");
  for (const std::smatch& m : Matches(csv, row)) names.insert(m[1]);
  return names;
}

std::string Heading(const std::string& html) {
  std::smatch m;
  return std::regex_search(html, m, std::regex("<h1>([^<]*)</h1>")) ? Unescape(m[1]) : "";
}

TEST_F(Publish, SiteHasEveryPageWellFormedLinkedAndSelfContained) {
  EXPECT_NE(page("index.html").find("Caf\xC3\xA9 &lt;b&gt;night&lt;/b&gt; &amp; _more_ &#39;n&#39;"),
            std::string::npos);
  publish("Second bulletin");
  std::set<std::string> names, bowlers, teams;
  for (const auto& e : std::filesystem::directory_iterator(site()))
    names.insert(e.path().filename().string());
  for (const std::string& name : names) {
    if (name.starts_with("bowler-")) bowlers.insert(Heading(page(name)));
    if (name.starts_with("team-")) teams.insert(name);
  }
  for (const char* name : {"index.html", "standing-sheet.html", "averages.html", "schedule.html",
                           "awards.html"})
    EXPECT_TRUE(names.count(name)) << name;
  EXPECT_EQ(teams.size(), 8u);
  ASSERT_EQ(test::RunCli(home_, {"export", "raw", cfg()}).status, 0);
  EXPECT_EQ(bowlers, BowlersOfRawScores(test::FileText(dir_.path() + "sample/SAMPLE.CSV")));
  EXPECT_EQ(names.size(), 5 + teams.size() + bowlers.size()) << "no other files, no two alike";
  const bool lint = Have("xmllint");
  for (const std::string& name : names) {
    const std::string html = page(name);
    if (lint) EXPECT_EQ(Shell("xmllint --noout '" + site() + "/" + name + "'"), 0) << name;
    EXPECT_EQ(html.find("<script"), std::string::npos) << name;
    EXPECT_EQ(html.find("http"), std::string::npos) << name << ": fetches nothing";
    EXPECT_EQ(html.find(" src="), std::string::npos) << name;
    EXPECT_NE(html.find("<html lang=\"en\">"), std::string::npos) << name;
    for (const std::smatch& m : Matches(html, std::regex("href=\"([^\"#]*)[^\"]*\"")))
      EXPECT_TRUE(names.count(m[1])) << name << " links to " << m[1];
  }
  const std::string index = page("index.html");
  EXPECT_NE(index.find("<p class=\"bulletin\">Second bulletin</p>"), std::string::npos);
  for (const std::string& name : names)
    if (name != "index.html") EXPECT_NE(index.find("href=\"" + name + "\""), std::string::npos) << name;
}

// The cells of each row of the page's record table, joined by blanks.
std::vector<std::string> RecordRows(const std::string& html) {
  const std::size_t from = html.find("<section id=\"record\">");
  const std::string section = html.substr(from, html.find("</section>", from) - from);
  std::vector<std::string> rows;
  for (const std::smatch& tr : Matches(section, std::regex("<tr>(.*?)</tr>"))) {
    const std::string cells = tr[1];
    if (cells.find("<td") == std::string::npos) continue;
    std::string row;
    for (const std::smatch& td : Matches(cells, std::regex("<td[^>]*>([^<]*)</td>")))
      if (td[1].length() > 0) row += (row.empty() ? "" : " ") + Unescape(td[1]);
    rows.push_back(row);
  }
  return rows;
}

// Each page of a to-date report, by the name it is for: its lines after the column dashes, with
// runs of blanks as one.
std::map<std::string, std::vector<std::string>> ReportLines(const std::string& text) {
  std::map<std::string, std::vector<std::string>> pages;
  std::vector<std::string>* lines = nullptr;
  bool body = false;
  std::istringstream in(Cp1252ToUtf8(text));
  for (std::string line; std::getline(in, line);) {
    line = std::regex_replace(line, std::regex("\\s+"), " ");
    line = std::regex_replace(line, std::regex("^ | $"), "");
    std::smatch m;
    if (std::regex_search(line, m, std::regex("RECORD TO DATE FOR (.*)$"))) {
      lines = &pages[m[1]];
      body = false;
    } else if (std::regex_match(line, std::regex("[- ]+"))) {
      body = true;
    } else if (lines && body && !line.empty()) {
      lines->push_back(line);
    }
  }
  return pages;
}

TEST_F(Publish, TeamAndBowlerLinesAreTheToDateReports) {
  const std::string teams = dir_.file("teams.txt"), players = dir_.file("players.txt");
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "team-to-date", "--teams", "all", "-o", teams}).status, 0);
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "player-to-date", "--players", "all", "-o", players}).status, 0);
  const auto teamLines = ReportLines(test::FileText(teams));
  const auto playerLines = ReportLines(test::FileText(players));
  int checked = 0;
  for (const auto& e : std::filesystem::directory_iterator(site())) {
    const std::string name = e.path().filename().string();
    if (!name.starts_with("team-") && !name.starts_with("bowler-")) continue;
    const std::string html = page(name);
    const auto& lines = name.starts_with("team-") ? teamLines : playerLines;
    ASSERT_TRUE(lines.count(Heading(html))) << name;
    EXPECT_EQ(RecordRows(html), lines.at(Heading(html))) << name;
    ++checked;
  }
  EXPECT_GT(checked, 30);
}

// The message parses into its text, web page and the standing sheet's PDF.
TEST_F(Publish, MailHoldsTextPageAndTheStandingSheetPdf) {
  if (!Have("python3") || !Have("pdfinfo")) GTEST_SKIP() << "python3 or pdfinfo is not installed";
  const std::string eml = dir_.file("week.eml"), pdf = dir_.file("standing.pdf"),
                    condensed = dir_.file("condensed.txt");
  EXPECT_EQ(test::RunCli(home_, {"mail", cfg(), "-o", eml, "--to", "not an address"}).status, 2);
  ASSERT_EQ(test::RunCli(home_, {"mail", cfg(), "-o", eml, "--to", "ann@example.org", "--to",
                                 "bo@example.net"}).status, 0);
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "standing", "--pdf", pdf}).status, 0);
  ASSERT_EQ(test::RunCli(home_, {"report", cfg(), "condensed", "-o", condensed}).status, 0);
  const std::string script = dir_.file("parse.py");
  std::ofstream(script) << R"(import email, email.policy, sys
m = email.message_from_binary_file(open(sys.argv[1], "rb"), policy=email.policy.default)
print(m["Subject"]); print(m["To"])
body = m.get_body(("plain",)).get_content()
open(sys.argv[2] + ".txt", "w").write(body.replace(chr(13), ""))
print(m.get_body(("html",)).get_content().count("<section"))
for a in m.iter_attachments():
    print(a.get_content_type(), a.get_filename())
    open(sys.argv[2] + ".pdf", "wb").write(a.get_content())
)";
  const std::string out = dir_.file("parsed");
  ASSERT_EQ(Shell("python3 '" + script + "' '" + eml + "' '" + out + "' > '" + out + "'"), 0);
  EXPECT_EQ(test::FileText(out),
            "Tuesday Night Mixed \xE2\x80\x93 standings after week 4\nann@example.org, bo@example.net\n"
            "4\napplication/pdf standings-week-4.pdf\n");
  std::string sheet = std::regex_replace(Cp1252ToUtf8(test::FileText(condensed)), std::regex("\r\n\f?"), "\n");
  EXPECT_EQ(test::FileText(out + ".txt"), std::regex_replace(sheet, std::regex("\f"), ""));
  EXPECT_EQ(test::FileText(out + ".pdf"), test::FileText(pdf));
  const auto pages = [&](const std::string& file) {
    Shell("pdfinfo '" + file + "' | grep '^Pages:' > '" + file + ".pages'");
    return test::FileText(file + ".pages");
  };
  EXPECT_NE(pages(pdf), "");
  EXPECT_EQ(pages(out + ".pdf"), pages(pdf));
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

// At a phone's width the wide tables scroll in their own boxes, never the page: a probe page
// beside it (for the test only) frames the page 390 pixels wide and notes the widths.
TEST_F(Publish, PagesAtPhoneWidthDoNotScrollSideways) {
  if (!Have("chromium")) GTEST_SKIP() << "chromium is not installed";
  for (const char* name : {"bowler-1.html", "index.html"}) {
    std::ofstream(site() + "/probe.html")
        << "<!DOCTYPE html><html><body><iframe id=\"f\" src=\"" << name
        << "\" style=\"width:390px;height:800px;border:0\"></iframe><script>"
           "document.getElementById('f').onload = function () { var d = "
           "this.contentDocument.documentElement; document.body.setAttribute('data-w', "
           "d.scrollWidth + '/' + d.clientWidth + '/' + this.contentDocument.querySelectorAll("
           "'svg, table').length); };</script></body></html>";
    const std::string dom = dir_.file("dom.html");
    Shell("HOME='" + dir_.path() + "' chromium --headless --no-sandbox --disable-gpu "
          "--allow-file-access-from-files --user-data-dir='" + dir_.path() + "profile' "
          "--virtual-time-budget=5000 --dump-dom 'file://" + site() + "/probe.html' > '" + dom +
          "' 2>/dev/null");
    std::smatch m;
    const std::string text = test::FileText(dom);
    ASSERT_TRUE(std::regex_search(text, m, std::regex("data-w=\"(\\d+)/(\\d+)/(\\d+)\""))) << text;
    EXPECT_EQ(m[1], m[2]) << name << ": the page is as wide as the frame";
    EXPECT_LE(std::stoi(m[2]), 390);
    EXPECT_GE(std::stoi(m[3]), 2) << name << ": the tables (and graph) were drawn";
  }
}

}  // namespace
