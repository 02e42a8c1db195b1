// The sequential "write" text format every text file of a league uses: values separated by
// commas, texts in double quotes with no escapes, numbers in plain decimal, lines ending in CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/FileErrors.h"

namespace tallmark {

// Reads value by value, whatever the grouping of values on lines. A failed read (past the end,
// a value of the wrong kind, a number too large) records an error number and yields an empty
// text or 0; reading goes on, so that a reader runs to its end.
class SeqReader {
 public:
  SeqReader() = default;
  explicit SeqReader(std::string data) : data_(std::move(data)) {}
  // Opens a file for input; a missing file records error 53 and reads as empty.
  static SeqReader Open(const std::string& path);

  std::string text();
  std::int16_t integer();
  float single();
  double number();

  bool atEnd();  // true when no value is left (trailing blanks and line ends ignored)
  int error() const { return error_; }
  // False when the last value read failed (its variable should keep what it had).
  bool lastOk() const { return lastOk_; }
  void setError(int number) {
    if (number == kErrNone) return;
    if (error_ == kErrNone) error_ = number;
    lastOk_ = false;
  }

 private:
  // Reads the next raw value; quoted is set when it was in double quotes.
  bool next(std::string& value, bool& quoted);
  void skipBlanks();
  void skipDelimiter();

  std::string data_;
  std::size_t pos_ = 0;
  int error_ = kErrNone;
  bool lastOk_ = true;
};

// Builds a file line by line; each line holds the values of one write statement. The format has
// no escape for a double quote, so a text is written with each double quote replaced by "_".
class SeqWriter {
 public:
  SeqWriter& text(std::string_view value);
  SeqWriter& integer(long value);
  SeqWriter& single(float value);
  void endLine();

  const std::string& data() const { return data_; }
  // Replaces the file with what was written (atomically). Returns 0 or an error number.
  int save(const std::string& path) const;

 private:
  void separate();
  std::string data_;
  bool lineStarted_ = false;
};

// The shortest decimal text of a single ("0", "2.5", "-3", "1.3"), as the files hold it.
std::string SingleText(float value);

// Parses a plain decimal number (optional sign, digits, one point, optional exponent).
// Returns false when the text is not such a number.
bool ParseNumber(std::string_view text, double& value);

// The value SingleText(value) reads back as (ParseNumber of it), without the text; 0 for an
// infinity or not-a-number.
double ShownValue(float value);

}  // namespace tallmark
