// Report text as a web page: escaping and character conversion, a block per report page, and the
// printed size worked out from the page's widest line and its count of lines.
#include <gtest/gtest.h>

#include "reports/ReportHtml.h"

namespace {

using tallmark::reports::HtmlText;
using tallmark::reports::ReportPageHtml;

TEST(ReportHtml, EscapesMarkupAndConvertsWindows1252) {
  const std::pair<std::string, std::string> cases[] = {
      {"A&B <C> \"D\" 'E'", "A&amp;B &lt;C&gt; &quot;D&quot; &#39;E&#39;"},
      {"Jos\xE9 \x80 5\xBD", "Jos\xC3\xA9 \xE2\x82\xAC 5\xC2\xBD"},  // é, the euro sign, ½
      {"a\tb\nc", "a\tb\nc"},
      {std::string("x\x01y\x0c", 4) + std::string(1, '\0'), "x\xEF\xBF\xBDy\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(HtmlText(in), out) << in;
}

std::vector<std::string> Blocks(const std::string& html) {
  std::vector<std::string> out;
  for (std::size_t at = 0; (at = html.find("<pre ", at)) != std::string::npos; ++at)
    out.push_back(html.substr(at, html.find("</pre>", at) - at));
  return out;
}

TEST(ReportHtml, OneBlockPerPageSizedToFitASheet) {
  // Page 1: 3 short lines, printed at the largest size, 10pt x 0.98. Page 2 starts with an empty
  // line and holds a line of 132 characters: (8.27 - 0.5) in x 72 / (132 x 0.6 em) = 7.06pt,
  // x 0.98 = 6.9pt. Page 3: 80 lines of 10 characters: 756pt / (80 x 1.1328 em) = 8.34pt, 8.1pt.
  std::string text = "TITLE <1>\r\n\r\nlast\r\n\x0c\r\n\r\n" + std::string(132, 'x') + "\r\n\x0c\r\n";
  for (int i = 0; i < 80; ++i) text += "0123456789\r\n";
  text += "\x0c\r\n";
  const std::vector<std::string> blocks = Blocks(ReportPageHtml("T & T", text));
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0], "<pre class=\"page\" style=\"--print-size: 9.8pt\">\nTITLE &lt;1&gt;\n\nlast\n");
  EXPECT_EQ(blocks[1], "<pre class=\"page\" style=\"--print-size: 6.9pt\">\n\n" + std::string(132, 'x') + "\n");
  EXPECT_EQ(blocks[2].substr(0, 47), "<pre class=\"page\" style=\"--print-size: 8.1pt\">\n");
}

}  // namespace
