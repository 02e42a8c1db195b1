#include "common/SheetText.h"

#include <utility>

#include "common/Text.h"

namespace tallmark {

namespace {

bool ValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int follow = c < 0x80                ? 0
                       : c >= 0xC2 && c <= 0xDF ? 1
                       : c >= 0xE0 && c <= 0xEF ? 2
                       : c >= 0xF0 && c <= 0xF4 ? 3
                                                : -1;
    if (follow < 0 || i + follow >= s.size() + (follow == 0)) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += follow + 1;
  }
  return true;
}

std::string FirstLine(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    std::string trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] != '#') return line;
    start = end + 1;
  }
  return {};
}

std::string Folded(const std::string& word) {
  std::string out;
  for (char c : Lower(word))
    if (c != ' ' && c != '\t') out += c;
  return out;
}

}  // namespace

std::string SheetTextAsUtf8(const std::string& bytes, SheetFormat& format) {
  std::string text = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes;
  format.utf8 = ValidUtf8(text);
  return format.utf8 ? text : Cp1252ToUtf8(text);
}

char DetectSeparator(const std::string& firstLine) {
  int commas = 0, semicolons = 0, tabs = 0;
  bool quoted = false;
  for (char c : firstLine) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    commas += c == ',';
    semicolons += c == ';';
    tabs += c == '\t';
  }
  if (semicolons > commas && semicolons >= tabs) return ';';
  if (tabs > commas && tabs > semicolons) return '\t';
  return ',';
}

std::string ReadSheet(const std::string& bytes, SheetFormat& format) {
  std::string text = SheetTextAsUtf8(bytes, format);
  format.separator = DetectSeparator(FirstLine(text));
  return text;
}

std::string DescribeSheet(const SheetFormat& format) {
  const char* separated = format.separator == ';'    ? "semicolon-separated"
                          : format.separator == '\t' ? "tab-separated"
                                                     : "comma-separated";
  return std::string(format.utf8 ? "UTF-8, " : "Windows-1252, ") + separated;
}

int ChooseWord(const std::string& typed, const std::vector<std::vector<std::string>>& choices) {
  const std::string t = Folded(typed);
  if (t.empty()) return -1;
  for (std::size_t i = 0; i < choices.size(); ++i)
    for (const std::string& w : choices[i])
      if (Folded(w) == t) return static_cast<int>(i);
  int found = -1;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i].empty() || Folded(choices[i][0]).rfind(t, 0) != 0) continue;
    if (found >= 0) return -1;
    found = static_cast<int>(i);
  }
  return found;
}

std::vector<CsvRecord> SplitSheet(const std::string& input, char separator) {
  std::string text = input.rfind("\xEF\xBB\xBF", 0) == 0 ? input.substr(3) : input;
  std::vector<CsvRecord> records;
  CsvRecord current{1, {}};
  std::string field;
  bool quoted = false;
  bool fieldStarted = false;
  int line = 1;
  auto endField = [&] {
    current.fields.push_back(field);
    field.clear();
    fieldStarted = false;
  };
  auto endRecord = [&] {
    endField();
    records.push_back(std::move(current));
    current = CsvRecord{line, {}};
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        field += c;
      }
    } else if (c == '"' && Trim(field).empty()) {
      quoted = true;
      fieldStarted = true;
      field.clear();
    } else if (c == separator) {
      endField();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      endRecord();
    } else {
      field += c;
      fieldStarted = true;
    }
  }
  if (fieldStarted || !field.empty() || !current.fields.empty()) endRecord();
  return records;
}

}  // namespace tallmark
