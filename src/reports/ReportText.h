// Text helpers of the report builders: fields written into a row of blanks at 1-based columns,
// numbers as the reports show them, and the bulletin's word wrap.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallmark::reports {

// Writes text into line starting at 1-based column col, over the blanks already there. A field
// that runs past the end of the line lengthens it rather than losing characters.
void PutText(std::string& line, int col, std::string_view text);
// Writes text so that its last character is in column col.
void PutEnding(std::string& line, int col, std::string_view text);

// A single-precision value's text as the reports print it: up to 7 significant digits, no
// exponent below ten million, no trailing zeros ("152.3333", "12", "-3.5").
std::string SingleText(float value);
// The same with a leading blank in place of a plus sign (" 12", "-3").
std::string SignedText(float value);
// A whole number with a leading blank in place of a plus sign.
std::string IntText(int value);
// The value with a fixed number of decimals, halves rounded away from zero ("0.00", "0.0").
std::string FixedDecimals(float value, int decimals);

// The bulletin cut into lines of at most width characters: a line that would split a word is cut
// back to the last blank within it, and blanks at the start of the next line are skipped. A word
// longer than a line is split at the width. Line breaks typed into the text end a line.
std::vector<std::string> WrapBulletin(std::string_view text, std::size_t width = 64);

}  // namespace tallmark::reports
