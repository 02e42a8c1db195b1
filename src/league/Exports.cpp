#include "league/Exports.h"

#include <vector>

#include "common/FileErrors.h"
#include "league/LeagueData.h"
#include "league/SeqFile.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "common/UserIO.h"

namespace tallmark {

namespace {

std::string Name20(Integer record) {
  if (record < 0 || record > kMaxPlayerRecords) return Fixed("", 20);
  return SpreadsheetSafe(Fixed(lg.PlayerName[record], 20));
}

// The number as the platform's Str writes it: a leading blank when it is not negative.
std::string WithLeadingBlank(int n) { return (n >= 0 ? " " : "") + std::to_string(n); }

void WriteBlanks(SeqWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.text(" ");
}

void WriteHeading(SeqWriter& w, const std::string& code) {
  w.text("League Code: " + code);
  WriteBlanks(w, 3);
  w.endLine();
  w.text("Secretary: " + lg.OfficerName[3]);
  WriteBlanks(w, 3);
  w.endLine();
  const Integer secretary = lg.OfficerPlayer[3];
  const bool chosen = secretary >= 0 && secretary <= kMaxPlayerRecords;
  w.text("Phone: " + (chosen ? lg.PlayerPhone[secretary] : std::string()));
  WriteBlanks(w, 3);
  w.endLine();
  WriteBlanks(w, 4);
  w.endLine();
  w.text("NAME")
      .text("GAMES " + Upper(lg.SportTerm[2]))
      .text("TOTAL " + Upper(lg.SportTerm[6]) + "S")
      .text("AVERAGE");
  w.endLine();
}

// The records an averages export lists, in order.
std::vector<Integer> AveragesRecords(int index) {
  std::vector<Integer> records;
  for (int t = 1; t <= lg.LastTeam; ++t) {
    if (!TeamNumberInUse(t)) continue;
    if (index == 2) {
      records.push_back(lg.Roster[t][0]);
      continue;
    }
    for (int p = 1; p <= lg.PlayersPerTeam; ++p) records.push_back(lg.Roster[t][p]);
  }
  if (index == 1)
    for (int k = 1; k <= lg.NumSubs; ++k) records.push_back(lg.SubList[k]);
  return records;
}

SeqWriter AveragesText(int index, const std::string& code) {
  SeqWriter w;
  WriteHeading(w, code);
  for (Integer r : AveragesRecords(index)) {
    if (r < 0 || r > kMaxPlayerRecords) continue;
    const auto& stat = lg.PlayerStat[r];
    w.text(Name20(r)).single(stat[kGamesPlayed]).single(stat[kTotalPins]);
    w.single(stat[kCurrentAverage]).endLine();
  }
  return w;
}

std::string CleanCode(std::string code) {
  for (char& c : code)
    if (c == '"') c = '_';
  return code.empty() ? "Not Applicable" : code;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i) line += (i ? ", " : "") + items[i];
  return line;
}

std::vector<std::string> RawHeader() {
  std::vector<std::string> h = {"WEEK NO.",   "TEAM NAME",  "OPPOSING TEAM",
                                Upper(lg.SportTerm[4]) + " NAME",
                                "HANDICAP",   "POINTS WON", "TYPE"};
  for (int g = 1; g <= lg.GamesPerWeek; ++g) {
    h.push_back("GAME " + std::to_string(g) + " SCORE");
    h.push_back("GAME " + std::to_string(g) + " CREDIT");
  }
  return h;
}

// The name of the team on the other slot of the team's lane pair in the week in memory;
// blanks when the team has no opponent.
std::string OpponentOf(int team) {
  const int slots = 2 * lg.NumLanes;
  for (int s = 1; s <= slots && s <= kMaxTeams; ++s) {
    if (lg.LaneTeam[s] != team) continue;
    const int other = s % 2 == 1 ? s + 1 : s - 1;
    const int opponent = other <= kMaxTeams ? lg.LaneTeam[other] : 0;
    return TeamNumberInUse(opponent) ? Name20(lg.Roster[opponent][0]) : Fixed("", 20);
  }
  return Fixed("", 20);
}

const char* KindWord(Integer kind) {
  static const char* words[] = {"Regular", "Sub", "Rov Sub", "Vacancy", "Absent", "Forfeit"};
  return kind >= 0 && kind <= 5 ? words[kind] : words[0];
}

// A game earns no credit when its bit of the mask is set, or for a vacancy or absentee when
// unearned scores do not count.
bool EarnsCredit(int game) {
  if (lg.ScrNoCreditMask & (1 << game)) return false;
  const bool unearned = lg.ScrEntryKind == kVacancy || lg.ScrEntryKind == kAbsent;
  return !(unearned && lg.UnearnedInTeamStats == 0);
}

std::string RawLine(int week, const std::string& team, const std::string& opponent,
                    Integer player) {
  std::vector<std::string> items = {std::to_string(week), team, opponent, Name20(player),
                                    std::to_string(lg.ScrHandicap), SingleText(lg.ScrPointsWon),
                                    KindWord(lg.ScrEntryKind)};
  for (int g = 0; g < lg.GamesPerWeek && g <= kMaxGames - 1; ++g) {
    items.push_back(std::to_string(lg.ScrGameScore[g]));
    items.push_back(EarnsCredit(g) ? "Yes" : "NO");
  }
  return Joined(items);
}

void WriteWeekLines(SeqWriter& w, int week) {
  ReadWeekResults(week);
  for (int t = 1; t <= lg.LastTeam; ++t) {
    if (!TeamNumberInUse(t)) continue;
    const std::string team = Name20(lg.Roster[t][0]);
    const std::string opponent = OpponentOf(t);
    for (int p = 1; p <= lg.PlayersPerWeek; ++p) {
      Integer player = 0;
      ReadScore(week, t, p, player);
      w.text(RawLine(week, team, opponent, player)).endLine();
    }
  }
}

}  // namespace

std::string AveragesFileName(int index) {
  std::string name = lg.FileName;
  const std::string mark = "$" + std::to_string(index + 1);
  for (std::size_t i = 0; i < 2 && i < name.size(); ++i) name[i] = mark[i];
  return lg.DataPath + name + ".CSV";
}

std::string RawScoresFileName() { return LeagueBasePath() + ".CSV"; }

std::string SpreadsheetSafe(const std::string& name) {
  if (!name.empty() && (name[0] == '=' || name[0] == '+' || name[0] == '-' || name[0] == '@'))
    return "'" + name;
  return name;
}

bool ExportAverages(int index, const std::optional<std::string>& code) {
  if (index < 0 || index > 2 || !LeagueOpen()) return false;
  const std::string path = AveragesFileName(index);
  if (!AskYesNo("The file " + path +
                    " of final averages is about to be created. Are you sure you want to do this?",
                "EXPORT FINAL AVERAGES"))
    return false;
  std::optional<std::string> answer = code;
  if (!answer)
    answer = userio().input("The league code assigned to your league", "LEAGUE CODE", "BFJ-00");
  int err;
  {
    BusyPointer busy;
    err = AveragesText(index, CleanCode(answer.value_or(""))).save(path);
  }
  ErrorTrap trap;
  trap.set(err);
  if (!trap.report()) return false;
  MsgBox("Created averages file: " + path);
  return true;
}

bool ExportRawScores() {
  if (!LeagueOpen()) return false;
  const std::string path = RawScoresFileName();
  if (!AskYesNo("The file " + path + " of the raw scores from week" +
                    WithLeadingBlank(lg.StartWeek) + " to week" +
                    WithLeadingBlank(lg.CurrentWeek) +
                    " is about to be created. Are you sure you want to do this?",
                "EXPORT RAW SCORES"))
    return false;
  int err;
  {
    BusyPointer busy;
    SeqWriter w;
    w.text(Joined(RawHeader())).endLine();
    for (int week = lg.StartWeek; week <= lg.CurrentWeek; ++week) WriteWeekLines(w, week);
    err = w.save(path);
  }
  ErrorTrap trap;
  trap.set(err);
  const bool ok = trap.report();
  if (ok) MsgBox("Created raw scores file: " + path);
  ReadWeekResults(lg.CurrentWeek);
  return ok;
}

}  // namespace tallmark
