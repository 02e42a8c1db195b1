#include "reports/TeamWeekly.h"

#include "league/LeagueData.h"
#include "common/Text.h"
#include "league/WeekFiles.h"
#include "reports/ReportCommon.h"
#include "reports/ReportText.h"
#include "reports/ResultsLines.h"
#include "reports/SessionWeeks.h"
#include "reports/WeekScores.h"

namespace tallmark::reports {

namespace {

constexpr int kWidth = 75;

class TeamWeekly {
 public:
  TeamWeekly(ReportEngine& e, const ReportChoices& c) : e_(e), c_(c) {}
  // One block: the team's results in the week in scores_.
  bool block(const WeekScores& scores, int team);

 private:
  bool header(const std::string& text);

  ReportEngine& e_;
  const ReportChoices& c_;
  int week_ = 0;
  std::string teamLine_;
};

bool TeamWeekly::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    e_.PrintLine(m + "P." + IntText(e_.pageNumber()) + " SESSION" + IntText(SessionOfWeek(week_)) +
                 "  WEEK" + IntText(week_) + " OF" + IntText(lg.NumWeeks) + "   " + lg.LeagueName);
    e_.PrintLine(m + teamLine_);
    e_.BlankLines(1);
    e_.SetReportWidth(kWidth);
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

bool TeamWeekly::block(const WeekScores& scores, int team) {
  week_ = scores.week;
  teamLine_ = "  " + TrimRight(TeamName(team)) + " RESULTS. THEY WON" +
              SignedText(scores.pointsWon(team)) + " AGAINST " +
              TrimRight(TeamName(scores.opponent(team)));
  const std::vector<const ScoreLine*> lines = scores.team(team);
  if (!scores.readable || lines.empty()) teamLine_ = "  " + TrimRight(TeamName(team));
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  if (!scores.readable) {
    if (header(UnreadWeekLine(e_, scores))) return false;
  } else if (lines.empty()) {
    if (header(e_.marginSpaces() + "WEEK" + IntText(week_) + " WAS SKIPPED: THE TEAM DID NOT PLAY"))
      return false;
  } else if (lines.front()->kind == kForfeit) {
    if (header(e_.marginSpaces() + "THIS WEEK WAS FORFEITED")) return false;
  } else {
    const std::string& m = e_.marginSpaces();
    const std::string titles[2] = {
        m + "GAME " + PinsTitle() + " HCP TOTAL " + Fixed(Upper(lg.SportTerm[4]), 20) + "  NOTES",
        m + "---- ---- --- ----- -------------------- --------------------"};
    for (const std::string& t : titles)
      if (header(t)) return false;
    const int c = static_cast<int>(m.size());
    for (const ScoreLine* l : lines) {
      for (const std::string& text : GameLines(*l, m, 62, 5, [&](std::string& first) {
             PutText(first, c + 21, Fixed(lg.PlayerName[l->player], 20));
             PutText(first, c + 42, KindNote(l->kind, false));
             if (l->incomplete()) PutText(first, c + 53, "INCOMPLETE");
           }))
        if (header(text)) return false;
    }
    if (c_.extraStats) {
      for (const std::string& text : ExtraStatLines(lines, m, true))
        if (header(text)) return false;
    }
  }
  e_.EndPage();
  return !e_.aborted();
}

}  // namespace

void BuildTeamWeekly(ReportEngine& engine, const ReportChoices& choices) {
  TeamWeekly report(engine, choices);
  std::vector<WeekScores> weeks;
  for (int week : choices.weeks) weeks.push_back(LoadWeekScores(week));
  for (int team : choices.teams) {
    for (const WeekScores& scores : weeks)
      if (!report.block(scores, team)) break;
    if (engine.aborted()) break;
  }
  ReadWeekResults(lg.CurrentWeek);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
