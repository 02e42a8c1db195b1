// Reading a spreadsheet's text as it comes: its encoding, its separator, and the short forms
// people type for a column that takes one of a few fixed words.
#pragma once

#include <string>
#include <vector>

namespace tallmark {

// How a sheet was read.
struct SheetFormat {
  bool utf8 = true;      // UTF-8 (with or without a byte-order mark), else Windows-1252
  char separator = ',';  // ',', ';' or '\t'
};

// The sheet's text as UTF-8: the byte-order mark dropped, and a text that is not valid UTF-8
// taken as Windows-1252 (what a spreadsheet's plain CSV is on Windows). Sets format.utf8.
std::string SheetTextAsUtf8(const std::string& bytes, SheetFormat& format);

// The separator of a heading or first row: whichever of comma, semicolon and tab occurs most
// often outside quotes (comma when none does, or on a tie).
char DetectSeparator(const std::string& firstLine);

// Decodes the text and detects the separator from its first line that is neither blank nor a
// "#" comment.
std::string ReadSheet(const std::string& bytes, SheetFormat& format);

// "UTF-8, comma-separated", "Windows-1252, semicolon-separated", "UTF-8, tab-separated".
std::string DescribeSheet(const SheetFormat& format);

// The choice (index into choices) a typed word names: one of its words without regard to case
// and blanks, else the one choice whose first word it begins (at least one letter). -1 when it
// names none or more than one.
int ChooseWord(const std::string& typed, const std::vector<std::vector<std::string>>& choices);

// The fields of each record of a separated text (quoted fields may hold separators, doubled
// quotes and line breaks; a leading byte-order mark is dropped). Each record carries the line
// number it starts on.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};
std::vector<CsvRecord> SplitSheet(const std::string& text, char separator = ',');

}  // namespace tallmark
