// League set-up options: the league's set-up and scoring options as sentences, in a fixed order.
#include <algorithm>
#include <cstdlib>

#include "league/LeagueData.h"
#include "common/Text.h"
#include "processing/Rankings.h"
#include "reports/OtherReports.h"
#include "reports/ReportCommon.h"
#include "reports/ReportPages.h"
#include "reports/ReportText.h"
#include "common/Functs.h"

namespace tallmark::reports {

namespace {

constexpr int kOptionsWidth = 65;

std::string N(double value) { return NumberText(value); }
std::string Plural(int group) { return TrimRight(lg.GroupLabel[group]) + "s"; }
std::string Pin() { return lg.SportTerm[6]; }
std::string Verb() { return Lower(lg.SportTerm[1]); }
std::string Participle() { return Lower(lg.SportTerm[2]); }

class LeagueOptions {
 public:
  explicit LeagueOptions(ReportEngine& e) : e_(e) {}
  void build();

 private:
  bool line(const std::string& text);
  bool gap() { return line(""); }
  // A value of the three groups: per group when scoring is separate, for the team with a team
  // handicap method (handicap values only), else the first group's.
  std::string grouped(const Arr<Integer, 2>& values, bool handicapValue,
                      const std::string& unit = "") const;
  bool identity();
  bool size();
  bool season();
  bool handicap();
  bool scores();
  bool points();
  bool awards();
  bool customAwards();
  bool extrasAndLanes();

  ReportEngine& e_;
};

bool LeagueOptions::line(const std::string& text) {
  PageTop(e_, "LEAGUE SETUP DATA AND SCORING OPTIONS -- Page" + IntText(e_.pageNumber()),
          WeekLine(), kOptionsWidth);
  if (text.empty())
    e_.BlankLines(1);
  else
    e_.PrintLine(e_.marginSpaces() + text);
  return !e_.aborted();
}

std::string LeagueOptions::grouped(const Arr<Integer, 2>& values, bool handicapValue,
                                   const std::string& unit) const {
  const bool team = lg.HandicapMethod == -1 || lg.HandicapMethod == -2;
  if (handicapValue && team) return IntText(values[2]) + unit + " for team";
  if (lg.SeparateGenderScoring != 0)
    return IntText(values[0]) + unit + " for " + Plural(0) + ";" + IntText(values[1]) + unit +
           " for " + Plural(1);
  return IntText(values[0]) + unit;
}

bool LeagueOptions::identity() {
  if (!line(lg.SportTerm[0] + " League") || !line("League Name: " + TrimRight(lg.LeagueName)))
    return false;
  for (int i = 1; i <= 4; ++i) {
    if (lg.OfficerTitle[i] == "* NOT USED *") continue;
    if (!line(TrimRight(lg.OfficerTitle[i]) + ": " + TrimRight(lg.OfficerName[i]))) return false;
  }
  return gap();
}

bool LeagueOptions::size() {
  if (!line(N(lg.NumTeams) + " teams with" + IntText(lg.PlayersPerTeam) +
            " people on each team and" + IntText(lg.PlayersPerWeek) + " people " + Verb() +
            " each week") ||
      !line(N(lg.NumSubs) + " substitute " + Lower(lg.SportTerm[5])))
    return false;
  if (!line("Classifications: ")) return false;
  for (int k = 1; k <= std::clamp<int>(lg.NumClasses, 1, kMaxClasses); ++k)
    if (!line("  Class " + ColumnLetter(k) + " range:" + IntText(lg.ClassLimit[k]) + " -" +
              IntText(lg.ClassLimit[k - 1])))
      return false;
  return gap();
}

bool LeagueOptions::season() {
  if (!line(N(lg.NumWeeks) + " weeks of " + Lower(lg.SportTerm[3]) + " with" +
            IntText(lg.GamesPerWeek) + " games being " + Participle() + " each week") ||
      !line("The season starts at week" + IntText(lg.StartWeek)))
    return false;
  const int sessions = std::clamp<int>(lg.NumSessions, 1, kMaxSessions);
  if (sessions >= 2) {
    std::string splits, resets;
    for (int k = 1; k < sessions; ++k) {
      const std::string week = N(std::abs(lg.SplitWeek[k]));
      splits += (splits.empty() ? "" : ", ") + week;
      if (lg.SplitWeek[k] < 0) resets += (resets.empty() ? "" : ", ") + week;
    }
    const char* whose = lg.StatResetMode == 2   ? "both teams & players"
                        : lg.StatResetMode == 1 ? "players only"
                                                : "teams only";
    if (!line("Split season with" + IntText(sessions) + " sessions.") ||
        !line("Splits occur in weeks: " + splits) ||
        !line(std::string("Reset stats for ") + whose) ||
        (!resets.empty() && !line("Stat resets  in weeks: " + resets)))
      return false;
  }
  if (lg.ScheduleEachWeek != 0 && !line("Enter schedule each week")) return false;
  if (!line(std::string("Odd team ") + (lg.OddTeam != 0 ? Verb() + "s" : "doesn't " + Verb()) +
            " dummy"))
    return false;
  return gap();
}

bool LeagueOptions::handicap() {
  const int method = lg.HandicapMethod;
  if (method == 1) {
    if (!line("Scratch league -- no handicapping")) return false;
  } else {
    if ((method == -1 || method == -2) &&
        !line(std::string("Use team ") + (method == -2 ? "difference " : "") +
              "handicap method for determining wins and losses"))
      return false;
    if (!line("Percent handicap:" + grouped(lg.PercentHandicap, true)) ||
        !line("Scratch score:" + grouped(lg.ScratchBase, true)) ||
        !line("Maximum handicap:" + grouped(lg.MaxHandicap, true)))
      return false;
  }
  return line(std::string(lg.SeparateGenderScoring != 0 ? "Separate" : "Same") + " scoring for " +
              Plural(0) + " & " + Plural(1));
}

bool LeagueOptions::scores() {
  const std::string absent = lg.AbsenteeIsPercent != 0 ? " pct" : "";
  return line("Vacancy score:" + grouped(lg.VacancyScore, false)) &&
         line("Absentee score is average less:" + grouped(lg.AbsenteeLess, false, absent)) &&
         line("To win forfeit must " + Verb() + " over average less:" +
              grouped(lg.ForfeitLess, false)) &&
         line(N(lg.GamesForNewAverage) + " games must be " + Participle() +
              " to establish a new average (unless overridden)") &&
         gap();
}

bool LeagueOptions::points() {
  const std::string players = Lower(lg.SportTerm[5]), player = lg.SportTerm[4];
  const std::string series = Lower(lg.SportTerm[8]);
  if (lg.MatchPointsStanding != 0 && !line("Match points are used to determine team standings"))
    return false;
  if (!line("Match points earned by " + players + " " +
            (lg.PlayerPointsToTeam != 0 ? "are" : "are not") + " awarded to the team"))
    return false;
  if (lg.SortByHandicapTotal != 0 &&
      !line("Total " + Pin() + "s plus handicap used to sort standings and awards"))
    return false;
  if (lg.UnearnedInTeamStats != 0 &&
      !line("Unearned " + Pin() + "s (absent & vacancy) included in team statistics"))
    return false;
  if (!line("Team earns" + IntText(lg.TeamPointsGame) + " points for winning a game") ||
      !line("Team earns" + IntText(lg.TeamPointsSeries) + " points for winning a " + series) ||
      !line(player + " earns" + IntText(lg.PlayerPointsGame) + " points for winning a game") ||
      !line(player + " earns" + IntText(lg.PlayerPointsSeries) + " points for winning a " +
            series))
    return false;
  if (lg.HighGamePoints != 0) {
    const bool team = lg.HighGameMode >= 2, handicapGame = lg.HighGameMode % 2 != 0;
    if (!line(N(lg.HighGamePoints) + " " + (team ? "team " : "individual ") +
              (handicapGame ? "handicap" : "scratch") +
              " points awarded to team for highest game in each match"))
      return false;
    if (handicapGame && !line("Use handicap for awarding points for highest game in each match"))
      return false;
  }
  return gap();
}

bool LeagueOptions::awards() {
  if (!line(N(lg.TopAwardsListed) + " top awards listed each week on the standing sheet") ||
      !line(N(lg.GamesToQualify) + " games must be " + Participle() +
            " to qualify for an award"))
    return false;
  if (lg.AdjustHandicapAwards != 0 &&
      !line("Adjust individual handicap awards to current handicap after minimum games."))
    return false;
  return line(std::string(lg.SeparateGenderAwards != 0 ? "Separate" : "Same") + " awards for " +
              Plural(0) + " & " + Plural(1)) &&
         line(std::string("Subs can") + (lg.SubsQualify != 0 ? "" : "'t") +
              " qualify for awards") &&
         gap();
}

bool LeagueOptions::customAwards() {
  const int count = std::clamp<int>(lg.NumCustomAwards, 0, kMaxCustomAwards);
  if (count == 0) return true;
  const std::string pins = Fixed(Upper(Pin()) + "S", 5);
  const std::string half = "NO.  TYPE   AVG  " + pins + " " + pins;
  if (!line("Custom special awards") ||
      !line("            MIN  MIN   MAX                MIN  MIN   MAX") ||
      !line(TrimRight(half + "  " + half)) ||
      !line("--- ------ ----- ----- -----  --- ------ ----- ----- -----"))
    return false;
  for (int n = 1; n <= count; n += 2) {
    std::string text(58, ' ');
    for (int k = n; k <= std::min(n + 1, count); ++k) {
      const int at = (k - n) * 30;
      const std::string kind = lg.CustomAward[0][k] == 0 ? " Game " : lg.SportTerm[8];
      PutText(text, at + 1, RightAlign(k, 3));
      PutText(text, at + 5, Fixed(kind, 6));
      PutText(text, at + 12, RightAlign(lg.CustomAward[1][k], 5));
      PutText(text, at + 18, RightAlign(lg.CustomAward[2][k], 5));
      PutText(text, at + 24, RightAlign(lg.CustomAward[3][k], 5));
    }
    if (!line(TrimRight(text))) return false;
  }
  return gap();
}

bool LeagueOptions::extrasAndLanes() {
  const int extras = std::clamp<int>(lg.NumExtraStats, 0, kMaxExtraStats);
  if (extras > 0) {
    if (!line("Extra Statistics are tracked for:")) return false;
    for (int i = 0; i < extras; ++i)
      if (!line("  " + TrimRight(lg.ExtraStatName[i]))) return false;
    if (!gap()) return false;
  }
  const std::string lanes = Upper(lg.SportTerm[7]) + "S";
  if (!line(lg.SportTerm[7] + "s used each week") || !line("GAME  " + lanes) ||
      !line("----  " + std::string(std::max<std::size_t>(lanes.size(), 9), '-')))
    return false;
  for (int k = 1; k <= std::clamp(static_cast<int>(lg.NumLanes), 0, kMaxTeams / 2); ++k)
    if (!line(RightAlign(k, 4) + "  " + RightAlign(lg.LaneNumber[2 * k - 1], 3) + " - " +
              RightAlign(lg.LaneNumber[2 * k], 3)))
      return false;
  return true;
}

void LeagueOptions::build() {
  identity() && size() && season() && handicap() && scores() && points() && awards() &&
      customAwards() && extrasAndLanes();
}

}  // namespace

void BuildLeagueOptions(ReportEngine& engine) {
  LeagueOptions report(engine);
  report.build();
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
