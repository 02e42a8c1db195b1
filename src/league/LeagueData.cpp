#include "league/LeagueData.h"

#include "league/ProgramFolder.h"

namespace tallmark {

LeagueData lg;

std::string Fixed(std::string_view text, std::size_t n) {
  std::string s(text.substr(0, n));
  s.resize(n, ' ');
  return s;
}

bool LeagueOpen() { return lg.FileName != NoFileName; }

std::string LeagueBasePath() { return lg.DataPath + lg.FileName; }

bool TeamNumberInUse(int t) {
  return t >= 1 && t <= kMaxTeams && lg.Roster[t][0] != lg.Roster[t][1];
}

bool IsFreeName(const std::string& name) { return !name.empty() && name[0] == '?'; }

bool IsVacancyName(const std::string& name) { return name.rfind("*VACANCY", 0) == 0; }

void DeriveFromSport() {
  lg.ClassLimit[0] = lg.GameParam[0];
  const std::string& series = lg.SportTerm[8];
  const std::string& pin = lg.SportTerm[6];
  lg.CategoryName[2] = "High Scratch " + series;
  lg.CategoryName[3] = "Scratch " + series + " Over";
  lg.CategoryName[5] = lg.CategoryName[3];
  lg.CategoryName[6] = "High Handicap " + series;
  lg.CategoryName[10] = "Total " + pin + "s";
  lg.CategoryName[12] = "Total " + pin + "s plus Handicap";
}

namespace {

void InitOfficers(LeagueData& d) {
  static const char* titles[] = {"President", "Vice Pres", "Secretary", "Treasurer"};
  for (int i = 1; i <= 4; ++i) {
    d.OfficerName[i] = "TBD";
    d.OfficerTitle[i] = titles[i - 1];
    d.OfficerPlayer[i] = -1;
  }
}

void InitGroupArrays(LeagueData& d) {
  for (int g = 0; g <= 2; ++g) {
    d.PercentHandicap[g] = 80;
    d.ScratchBase[g] = 180;
    d.MaxHandicap[g] = 80;
    d.AbsenteeLess[g] = 10;
    d.VacancyScore[g] = 120;
    d.ForfeitLess[g] = 10;
  }
}

void InitSplitWeeks(LeagueData& d) {
  d.SplitWeek[0] = -1;
  for (int k = 1; k <= 11; ++k) d.SplitWeek[k] = 53;
  d.SplitWeek[12] = 0;
  d.ClassResetAtSession.fill(0);
  d.ClassResetAtSession[0] = -1;
}

void InitSport(LeagueData& d) {
  static const char* terms[] = {"10 Pin Bowling", "Bowl", "Bowled", "Bowling", "Bowler",
                                "Bowlers",        "Pin",  "Lane",   "Series",  "Frame"};
  for (int i = 0; i <= 9; ++i) d.SportTerm[i] = terms[i];
  d.GameParam = {300, 4, 0, 0};
  d.SportAward = {75, 100, 275, 125};
  d.ClassLimit.fill(0);
  d.ClassLimit[0] = d.GameParam[0];
}

void InitCategories(LeagueData& d) {  // after InitSport
  static const char* names[] = {
      "High Scratch Game", "Scratch Games Over", "", "", "High Handicap Game", "", "",
      "Match Points Won", "Starting Average", "Average (% Improved)", "", "Current Average", "",
      "Current Handicap", "Games Played", "Match Points Lost", "Category or Standing",
      "Classification"};
  for (int c = 0; c <= 17; ++c) d.CategoryName[c] = names[c];
  DeriveFromSport();
  for (int c = 18; c <= 27; ++c) d.CategoryName[c] = d.ExtraStatName[c - 18];
  d.CategoryName[28] = "";
  static const Integer codes[] = {0, 2, 4, 6, 11, 1, 3, 5, 9, 7};
  d.CategoryCode.fill(0);
  for (int k = 0; k <= 9; ++k) d.CategoryCode[k] = codes[k];
  for (int k = 10; k <= 19; ++k) d.CategoryCode[k] = static_cast<Integer>(k + 8);
}

void InitCustomAwardThresholds(LeagueData& d) {
  d.CustomAward[0][0] = 200;
  d.CustomAward[1][0] = static_cast<Integer>(d.GamesPerWeek * 5 * d.GameParam[0] / 9);
  d.CustomAward[2][0] = static_cast<Integer>(d.GamesPerWeek * 2 * d.GameParam[0] / 3);
  d.CustomAward[3][0] = 0;
}

}  // namespace

void InitLeagueData() {
  lg = LeagueData{};
  LeagueData& d = lg;
  d.VersionString = "07.92";
  InitOfficers(d);
  InitGroupArrays(d);
  InitSplitWeeks(d);
  for (int w = 0; w <= kMaxWeeks; ++w) d.WeekDate[w] = std::string(8, ' ');
  for (int i = 0; i <= 10; ++i) {
    d.ExtraStatAbbrev[i] = std::string(5, ' ');
    d.ExtraStatName[i] = std::string(20, ' ');
  }
  InitSport(d);
  InitCategories(d);
  d.GroupLabel = {"Female", "Male", "Team", "Individual"};
  d.AdviceText[2] = "Consult with your league officers on this option";
  d.AdviceText[3] = "See the help file for more information";
  InitCustomAwardThresholds(d);
  for (int i = 0; i <= kMaxPlayerRecords; ++i) {
    d.PlayerName[i] = std::string(20, ' ');
    d.PlayerPhone[i] = std::string(12, ' ');
  }
  d.ProgramPath = ProgramFolder();
  d.DataPath = d.ProgramPath;
  d.FileName = NoFileName;
}

}  // namespace tallmark
