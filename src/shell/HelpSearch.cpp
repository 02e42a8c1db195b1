#include "shell/HelpSearch.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace tallmark {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string LowerAscii(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), Lower);
  return s;
}

// Letters, digits and every byte of a UTF-8 sequence make words.
bool WordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

void AppendUtf8(std::string& out, unsigned long cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes the entity at html[at] ('&'); returns the characters used, 0 when it is none.
size_t DecodeEntity(const std::string& html, size_t at, std::string& out) {
  static const std::map<std::string, unsigned long> named = {
      {"amp", '&'},      {"lt", '<'},       {"gt", '>'},      {"quot", '"'},
      {"apos", '\''},    {"nbsp", ' '},     {"middot", 0xB7}, {"ndash", 0x2013},
      {"mdash", 0x2014}, {"rarr", 0x2192}, {"hellip", 0x2026}};
  const size_t end = html.find(';', at);
  if (end == std::string::npos || end - at > 10) return 0;
  const std::string name = html.substr(at + 1, end - at - 1);
  unsigned long cp = 0;
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    try {
      cp = std::stoul(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10);
    } catch (...) {
      return 0;
    }
  } else if (auto it = named.find(name); it != named.end()) {
    cp = it->second;
  } else {
    return 0;
  }
  AppendUtf8(out, cp);
  return end - at + 1;
}

// Position of the first case-insensitive occurrence of what (lower case) from at.
size_t FindNoCase(const std::string& text, const std::string& what, size_t at = 0) {
  auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(std::min(at, text.size())),
                        text.end(), what.begin(), what.end(),
                        [](char a, char b) { return Lower(a) == b; });
  return it == text.end() ? std::string::npos : static_cast<size_t>(it - text.begin());
}

// Tags inside a line of text (links, bold, code ...), which do not part words.
bool InlineTag(const std::string& tag) {
  static const char* const kInline[] = {"a", "b", "i", "em", "strong", "code", "kbd", "span",
                                        "small", "tt", "u"};
  const size_t from = tag.size() > 1 && tag[1] == '/' ? 2 : 1;
  size_t end = from;
  while (end < tag.size() && std::isalpha(static_cast<unsigned char>(tag[end]))) ++end;
  const std::string name = tag.substr(from, end - from);
  return std::any_of(std::begin(kInline), std::end(kInline),
                     [&](const char* n) { return name == n; });
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text + ' ') {
    if (WordChar(c)) {
      word += Lower(c);
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

int CountPrefixed(const std::vector<std::string>& words, const std::string& prefix) {
  return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const std::string& w) {
    return w.compare(0, prefix.size(), prefix) == 0;
  }));
}

// The value of attribute name="..." or id="..." in a piece of HTML, empty when none.
std::string AnchorIn(const std::string& html) {
  for (const char* attr : {"name=\"", "id=\""}) {
    const size_t at = FindNoCase(html, attr);
    if (at == std::string::npos) continue;
    const size_t from = at + std::char_traits<char>::length(attr);
    const size_t end = html.find('"', from);
    if (end != std::string::npos) return html.substr(from, end - from);
  }
  return {};
}

// About 160 characters of text round the first word beginning with word, cut at blanks.
std::string Excerpt(const std::string& text, const std::string& word) {
  const std::string lower = LowerAscii(text);
  size_t at = 0;
  while ((at = lower.find(word, at)) != std::string::npos && at > 0 && WordChar(lower[at - 1]))
    ++at;
  if (at == std::string::npos) at = 0;
  size_t from = at > 60 ? text.rfind(' ', at - 60) : 0;
  from = from == std::string::npos ? 0 : from;
  size_t to = text.find(' ', std::min(text.size(), at + 100));
  to = to == std::string::npos ? text.size() : to;
  std::string out = text.substr(from, to - from);
  if (from > 0) out = "..." + out.substr(1);
  if (to < text.size()) out += " ...";
  return out;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

struct Section {
  std::string anchor;
  std::string heading;
  std::string text;
};

// The page without its navigation bars (paragraphs of class "nav"), which every page repeats.
std::string WithoutNavigation(std::string html) {
  for (size_t at; (at = FindNoCase(html, "<p class=\"nav\"")) != std::string::npos;) {
    const size_t end = FindNoCase(html, "</p>", at);
    html.erase(at, end == std::string::npos ? std::string::npos : end + 4 - at);
  }
  return html;
}

// A page's sections: the text before its first heading, then one a heading (h1 to h3).
std::vector<Section> Sections(const std::string& page) {
  const std::string html = WithoutNavigation(page);
  std::vector<size_t> starts;
  for (size_t at = 0; (at = FindNoCase(html, "<h", at)) != std::string::npos; ++at) {
    if (at + 2 < html.size() && html[at + 2] >= '1' && html[at + 2] <= '3') starts.push_back(at);
  }
  size_t body = FindNoCase(html, "<body");
  if (body == std::string::npos || (!starts.empty() && body > starts[0])) body = 0;
  std::vector<Section> sections;
  const size_t lead = starts.empty() ? std::string::npos : starts[0] - body;
  sections.push_back({"", "", HtmlToText(html.substr(body, lead))});
  for (size_t i = 0; i < starts.size(); ++i) {
    const size_t end = i + 1 < starts.size() ? starts[i + 1] : html.size();
    const std::string part = html.substr(starts[i], end - starts[i]);
    const size_t close = FindNoCase(part, "</h");
    const std::string heading = part.substr(0, close);
    sections.push_back({AnchorIn(heading), HtmlToText(heading), HtmlToText(part)});
  }
  return sections;
}

std::string PageTitle(const std::string& html) {
  const size_t open = FindNoCase(html, "<title>");
  const size_t close = FindNoCase(html, "</title>");
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  return HtmlToText(html.substr(open + 7, close - open - 7));
}

}  // namespace

std::string HtmlToText(const std::string& html) {
  std::string out;
  bool blank = true;
  auto put = [&](const std::string& s) {
    for (char c : s) {
      const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
      if (space && blank) continue;
      out += space ? ' ' : c;
      blank = space;
    }
  };
  for (size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      size_t end = html.find('>', i);
      if (end == std::string::npos) break;
      const std::string tag = LowerAscii(html.substr(i, std::min<size_t>(end - i, 8)));
      for (const char* skipped : {"<style", "<script", "<title"}) {
        if (tag.rfind(skipped, 0) == 0) {
          const size_t close = FindNoCase(html, std::string("</") + (skipped + 1), end);
          end = close == std::string::npos ? html.size() - 1 : html.find('>', close);
        }
      }
      if (!InlineTag(tag)) put(" ");
      i = end + 1;
    } else if (html[i] == '&') {
      std::string decoded;
      const size_t used = DecodeEntity(html, i, decoded);
      put(used ? decoded : "&");
      i += used ? used : 1;
    } else {
      put(std::string(1, html[i]));
      ++i;
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::vector<HelpHit> SearchHelp(const std::vector<HelpPage>& pages, const std::string& query) {
  const std::vector<std::string> wanted = Words(query);
  std::vector<HelpHit> hits;
  if (wanted.empty()) return hits;
  for (const HelpPage& page : pages) {
    const std::string title = PageTitle(page.html);
    for (const Section& section : Sections(page.html)) {
      const std::vector<std::string> words = Words(section.text);
      const std::vector<std::string> headingWords = Words(section.heading);
      int score = 0;
      bool all = true;
      for (const std::string& w : wanted) {
        const int n = CountPrefixed(words, w);
        all = all && n > 0;
        score += n + 4 * CountPrefixed(headingWords, w);
      }
      if (!all) continue;
      hits.push_back({page.file, title, section.anchor,
                      section.heading.empty() ? title : section.heading,
                      Excerpt(section.text, wanted.front()), score});
    }
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const HelpHit& a, const HelpHit& b) { return a.score > b.score; });
  return hits;
}

std::string HelpResultsHtml(const std::vector<HelpHit>& hits, const std::string& query,
                            const std::string& linkBase) {
  std::string html = "<html><body><h2>Search: " + Escape(query) + "</h2>\n";
  if (hits.empty()) {
    return html + "<p>No part of the guide holds every word of the search. Try fewer words or "
                  "the beginning of a word.</p></body></html>\n";
  }
  html += "<p>" + std::to_string(hits.size()) +
          (hits.size() == 1 ? " part" : " parts") + " of the guide hold the words:</p>\n<ul>\n";
  for (const HelpHit& hit : hits) {
    std::string link = linkBase + hit.file;
    if (!hit.anchor.empty()) link += "#" + hit.anchor;
    html += "<li><a href=\"" + Escape(link) + "\"><b>" + Escape(hit.heading) + "</b></a> (" +
            Escape(hit.page.empty() ? hit.file : hit.page) + ")<br>" + Escape(hit.excerpt) + "</li>\n";
  }
  return html + "</ul></body></html>\n";
}

}  // namespace tallmark
