// tallmark-cli bulletin: the bulletin printed on the standing sheets, shown or set from a file.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "common/Text.h"
#include "setup/NamesSetup.h"

namespace tallmark::cli {

namespace {

const char* kName = "bulletin";

// The file's lines with the league's line breaks (carriage return and line feed), without the
// line breaks and blanks that end the file.
std::string BulletinFromFile(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += "\r\n";
    else out += text[i];
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' '))
    out.pop_back();
  return out;
}

int Run(const std::vector<std::string>& args) {
  Args a(args);
  const std::string file = a.option("--file");
  a.finish();
  if (a.bad()) return UsageError(kName, a.problem());
  std::vector<std::string> rest = a.positional();
  if (rest.size() != 1) return UsageError(kName, "give the league's .CFG file");
  std::string raw;
  if (!file.empty() && ReadWholeFile(file, raw) != 0) return Failure("cannot read " + file);
  bool ok = true;
  const std::string text = BulletinFromFile(Utf8ToCp1252(raw, &ok));
  if (!ok) return Failure(file + " has characters the league's files cannot hold");
  if (int status = OpenLeague(rest[0], !file.empty())) return status;
  if (file.empty()) {
    std::printf("%s\n", Cp1252ToUtf8(lg.BulletinText).c_str());
    return kExitOk;
  }
  BulletinSetup bulletin;
  if (!bulletin.setText(text))
    return Failure("the bulletin has " + std::to_string(text.size()) + " characters (a line "
                   "break counts 2); at most " + std::to_string(BulletinSetup::kMaxLength) +
                   " fit: nothing changed");
  if (!bulletin.store()) return Failure("the bulletin file could not be written");
  std::printf("%s\n", bulletin.charactersLeftLabel().c_str());
  return kExitOk;
}

CommandRegistration registration({
    kName,
    "LEAGUE.CFG [--file TEXT.txt]",
    "print the standing sheet's bulletin, or set it from a UTF-8 text file (at most 960 "
    "characters, a line break counting 2; a longer text is refused)",
    Run,
});

}  // namespace

}  // namespace tallmark::cli
