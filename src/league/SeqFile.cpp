#include "league/SeqFile.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdlib>

#include "league/FileSystem.h"

namespace tallmark {

SeqReader SeqReader::Open(const std::string& path) {
  std::string data;
  int err = ReadWholeFile(path, data);
  SeqReader reader(std::move(data));
  reader.setError(err);
  return reader;
}

void SeqReader::skipBlanks() {
  while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
}

// After a value: skip to and past the comma or line end that ends it.
void SeqReader::skipDelimiter() {
  while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n')
    ++pos_;
  if (pos_ >= data_.size()) return;
  if (data_[pos_] == ',') {
    ++pos_;
    // A comma that ends a line also ends the line.
    std::size_t p = pos_;
    while (p < data_.size() && data_[p] == ' ') ++p;
    if (p < data_.size() && (data_[p] == '\r' || data_[p] == '\n')) pos_ = p;
    else return;
  }
  if (data_[pos_] == '\r') ++pos_;
  if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
}

bool SeqReader::next(std::string& value, bool& quoted) {
  value.clear();
  quoted = false;
  lastOk_ = true;
  skipBlanks();
  if (pos_ >= data_.size()) {
    setError(kErrPastEnd);
    return false;
  }
  if (data_[pos_] == '"') {
    quoted = true;
    std::size_t close = data_.find('"', pos_ + 1);
    if (close == std::string::npos) close = data_.size();
    value = data_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close < data_.size() ? close + 1 : close;
    skipDelimiter();
    return true;
  }
  std::size_t end = pos_;
  while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n')
    ++end;
  std::size_t last = end;
  while (last > pos_ && (data_[last - 1] == ' ' || data_[last - 1] == '\t')) --last;
  value = data_.substr(pos_, last - pos_);
  pos_ = end;
  skipDelimiter();
  return true;
}

bool SeqReader::atEnd() {
  std::size_t p = pos_;
  while (p < data_.size() && (data_[p] == ' ' || data_[p] == '\t' || data_[p] == '\r' ||
                              data_[p] == '\n' || data_[p] == '\x1a'))
    ++p;
  return p >= data_.size();
}

std::string SeqReader::text() {
  std::string value;
  bool quoted;
  next(value, quoted);
  return value;
}

double SeqReader::number() {
  std::string value;
  bool quoted;
  if (!next(value, quoted)) return 0;
  if (value.empty()) return 0;  // an empty value reads as 0
  double v;
  if (!ParseNumber(value, v)) {
    setError(kErrTypeMismatch);
    return 0;
  }
  return v;
}

std::int16_t SeqReader::integer() {
  double v = number();
  double r = std::nearbyint(v);  // halves go to the even neighbour
  if (r > 32767 || r < -32768) {
    setError(kErrOverflow);
    return 0;
  }
  return static_cast<std::int16_t>(r);
}

float SeqReader::single() {
  double v = number();
  if (std::fabs(v) > 3.402823e38) {
    setError(kErrOverflow);
    return 0;
  }
  return static_cast<float>(v);
}

bool ParseNumber(std::string_view text, double& value) {
  std::size_t i = 0;
  bool digits = false, point = false;
  const bool negative = !text.empty() && text[0] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::int64_t whole = 0;  // the digits before any point, while they are few
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      if (!point && whole < 100000000) whole = whole * 10 + (c - '0');
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  // Most of a league's numbers are whole and short: read exactly, as strtod would.
  if (!point && i == text.size() && whole < 100000000) {
    value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    return true;
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    std::size_t k = j;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
    if (k == j) return false;
    i = k;
  }
  if (i != text.size()) return false;
  std::string s(text);
  value = std::strtod(s.c_str(), nullptr);
  return std::isfinite(value);
}

std::string SingleText(float value) {
  if (value == 0) return "0";
  char buf[32];
  char wide[64];
  auto res = std::to_chars(wide, wide + sizeof wide, value, std::chars_format::fixed);
  if (res.ec == std::errc()) return std::string(wide, res.ptr);
  res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

double ShownValue(float value) {
  if (value == 0 || !std::isfinite(value)) return 0;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (res.ec != std::errc()) res = std::to_chars(buf, buf + sizeof buf, value);
  double shown = 0;
  std::from_chars(buf, res.ptr, shown);
  return shown;
}

void SeqWriter::separate() {
  if (lineStarted_) data_ += ',';
  lineStarted_ = true;
}

SeqWriter& SeqWriter::text(std::string_view value) {
  separate();
  data_ += '"';
  for (char c : value) data_ += c == '"' ? '_' : c;
  data_ += '"';
  return *this;
}

SeqWriter& SeqWriter::integer(long value) {
  separate();
  data_ += std::to_string(value);
  return *this;
}

SeqWriter& SeqWriter::single(float value) {
  separate();
  data_ += SingleText(value);
  return *this;
}

void SeqWriter::endLine() {
  data_ += "\r\n";
  lineStarted_ = false;
}

int SeqWriter::save(const std::string& path) const { return WriteFileAtomic(path, data_); }

}  // namespace tallmark
