#include "processing/BowlerNames.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "common/Text.h"

namespace tallmark {

namespace {

// The letters of Windows-1252 0xC0..0xFF without their accents.
const char* const kUnaccented[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  " ", "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  " ", "o", "u", "u", "u", "u", "y", "th", "y"};

std::string Unaccented(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 0xC0) return kUnaccented[u - 0xC0];
  switch (u) {
    case 0x8A: case 0x9A: return "s";
    case 0x8E: case 0x9E: return "z";
    case 0x8C: case 0x9C: return "oe";
    case 0x9F: return "y";
    default: break;
  }
  if (c >= 'A' && c <= 'Z') return std::string(1, static_cast<char>(c - 'A' + 'a'));
  if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return std::string(1, c);
  if (c == '\'' || c == '`' || u == 0x92 || u == 0x91 || c == '.') return {};  // O'Brien, St.
  return " ";
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : " ") + w;
  return out;
}

}  // namespace

std::string FirstNameFirst(const std::string& name) {
  const std::size_t comma = name.find(',');
  if (comma == std::string::npos || name.find(',', comma + 1) != std::string::npos) return name;
  return Trim(name.substr(comma + 1)) + " " + Trim(name.substr(0, comma));
}

std::string ExactNameKey(const std::string& name) { return Joined(Words(Lower(FirstNameFirst(name)))); }

std::string LooseNameKey(const std::string& name) {
  std::string folded;
  for (char c : name) folded += Unaccented(c);
  std::vector<std::string> words = Words(folded);
  std::sort(words.begin(), words.end());
  return Joined(words);
}

}  // namespace tallmark
