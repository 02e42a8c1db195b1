// Small number, text and date helpers shared by every subsystem.
#pragma once

#include <string>

namespace tallmark {

// The number's shortest decimal text without a leading blank (12, 12.5, -3).
std::string NumberText(double value);

// Replaces every occurrence of c in text by r.
void ReplaceChar(std::string& text, char c, char r);

// True when text is one or more of the digits 0-9 and nothing else.
bool AllDigits(const std::string& text);

// True when text, blanks around it ignored, is a real calendar date written month/day/year:
// month and day of one or two digits, the year of two or four, parts separated by "/" or "-"
// ("12/31/00", "1/5/24", "02-29-2024"). A two-digit year below 30 is 20yy, otherwise 19yy.
// WeekDate holds 8 characters, so dates of the program are MM/DD/YY.
bool IsValidDate(const std::string& text);

}  // namespace tallmark
