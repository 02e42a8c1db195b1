#include "shell/MailSettings.h"

#include "common/Text.h"
#include "league/FileSystem.h"
#include "league/LeagueData.h"
#include "shell/MailMessage.h"

namespace tallmark {

namespace {

std::string SettingsPath() { return FindFileNoCase(lg.ProgramPath + MailSettingsFileName); }

std::string LeagueKey() { return LeagueBasePath() + ".CFG"; }

// The file's lines without their endings.
std::vector<std::string> SettingsLines() {
  std::string text;
  std::vector<std::string> lines;
  if (ReadWholeFile(SettingsPath(), text) != 0) return lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool IsLeagueLine(const std::string& line, const std::string& key) {
  return line.size() >= key.size() + 3 && line.compare(0, key.size() + 3, key + " = ") == 0;
}

}  // namespace

bool ParseMailAddresses(const std::string& text, std::vector<std::string>& addresses,
                        std::string& problem) {
  addresses.clear();
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(",; \t\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!IsMailAddress(word)) {
      problem = "\"" + word + "\" is not an e-mail address.";
      return false;
    }
    addresses.push_back(word);
  }
  return true;
}

std::string JoinMailAddresses(const std::vector<std::string>& addresses) {
  std::string text;
  for (const std::string& a : addresses) text += (text.empty() ? "" : ", ") + a;
  return text;
}

std::vector<std::string> LeagueMailAddresses() {
  const std::string key = LeagueKey();
  std::vector<std::string> addresses;
  std::string problem;
  for (const std::string& line : SettingsLines())
    if (IsLeagueLine(line, key) &&
        ParseMailAddresses(line.substr(key.size() + 3), addresses, problem))
      return addresses;
  return {};
}

int SaveLeagueMailAddresses(const std::vector<std::string>& addresses) {
  const std::string key = LeagueKey();
  std::string text;
  for (const std::string& line : SettingsLines())
    if (!IsLeagueLine(line, key)) text += line + "\r\n";
  if (!addresses.empty()) text += key + " = " + JoinMailAddresses(addresses) + "\r\n";
  return WriteFileAtomic(SettingsPath(), text);
}

}  // namespace tallmark
