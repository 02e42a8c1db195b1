#include "shell/ProgramOptions.h"

#include <cctype>
#include <cstdlib>

#include "common/FileErrors.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "processing/Averages.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

// The numeric value at the start of a text, as Val takes it: leading blanks skipped, an
// optional sign, digits and one decimal point; 0 when there is no number.
double ValOf(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  bool point = false;
  while (i < text.size() &&
         (std::isdigit(static_cast<unsigned char>(text[i])) || (text[i] == '.' && !point))) {
    if (text[i] == '.') point = true;
    ++i;
  }
  std::string number = text.substr(start, i - start);
  return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

std::string FlagText(Integer flag) { return flag != 0 ? "1" : "0"; }

void Line(std::string& out, const std::string& key, const std::string& value) {
  out += key + " = " + value + "\r\n";
}

}  // namespace

std::string OptionsFilePath() { return FindFileNoCase(lg.ProgramPath + OptionsFileName); }

std::string GetOptionValue(const std::string& text, const std::string& key,
                           const std::string& def) {
  std::size_t k = text.find(key);
  if (k == std::string::npos) return def;
  std::size_t eq = text.find(" = ", k);
  if (eq == std::string::npos) return def;
  std::size_t cr = text.find('\r', eq);
  if (cr == std::string::npos) return def;
  return text.substr(eq + 3, cr - eq - 3);
}

int OptionFlagValue(const std::string& value) { return RoundHalfEven(-ValOf(value)); }

namespace {

std::string OptionsText() {
  std::string text;
  std::string path = OptionsFilePath();
  if (FileExists(path)) {
    if (int err = ReadWholeFile(path, text); err != kErrNone) {
      text.clear();
      ReportError(err);
    }
  }
  return text;
}

Integer MarginsFlag(const std::string& text) {
  return static_cast<Integer>(OptionFlagValue(GetOptionValue(text, "PrintMargins", "1")));
}

}  // namespace

void ReadPrintMarginsOption() { lg.PrintMargins = MarginsFlag(OptionsText()); }

void ReadProgramOptions() {
  const std::string text = OptionsText();
  lg.DataPath = GetOptionValue(text, "DataPath", lg.DataPath);
  lg.FileName = GetOptionValue(text, "LeagueFileName", NoFileName);
  if (!FileExists(FindFileNoCase(lg.DataPath + lg.FileName + ".CFG"))) {
    lg.DataPath = lg.ProgramPath;
    lg.FileName = NoFileName;
  }
  lg.AutoBackup = static_cast<Integer>(OptionFlagValue(GetOptionValue(text, "AutoBackup", "1")));
  lg.ToolTips = static_cast<Integer>(OptionFlagValue(GetOptionValue(text, "ToolTips", "1")));
  lg.PrintMargins = MarginsFlag(text);
  lg.AwardPopups =
      static_cast<Integer>(OptionFlagValue(GetOptionValue(text, "AwardPopups", "1")));
}

std::string ProgramOptionsText() {
  std::string out;
  Line(out, "DataPath", lg.DataPath);
  Line(out, "LeagueFileName", lg.FileName);
  Line(out, "AutoBackup", FlagText(lg.AutoBackup));
  Line(out, "ToolTips", FlagText(lg.ToolTips));
  Line(out, "PrintMargins", FlagText(lg.PrintMargins));
  Line(out, "AwardPopups", FlagText(lg.AwardPopups));
  return out;
}

bool WriteProgramOptions() {
  int err = WriteFileAtomic(OptionsFilePath(), ProgramOptionsText());
  if (err == kErrNone) return true;
  ReportError(err);
  return false;
}

}  // namespace tallmark
