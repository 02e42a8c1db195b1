// Text helpers for the single-byte Windows-1252 texts the league files hold.
#pragma once

#include <string>
#include <string_view>

namespace tallmark {

// Line and page ends of the text files and reports.
inline const std::string FormFeed = "\x0c";
inline const std::string CarriageReturn = "\r";
inline const std::string NewLine = "\r\n";

// Upper or lower case of a Windows-1252 text (ASCII and the accented letters).
std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
// ASCII-only upper case, for file names.
std::string UpperAscii(std::string_view text);

// Removes leading and trailing blanks (spaces only).
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
std::string TrimLeft(std::string_view text);

// Conversions at the display edge. FromUtf8 sets ok to false when a character has no
// Windows-1252 form (it is then left out) or the UTF-8 is malformed.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text, bool* ok = nullptr);

// True when the text holds a control character (below 32, or 127).
bool HasControlCharacter(std::string_view text);
// A field read from a file as a message quotes it: each control character shown as "?", and
// a field of more than `most` characters (UTF-8) cut to `most` with "..." after it.
std::string ShownField(std::string_view text, std::size_t most = 60);

}  // namespace tallmark
