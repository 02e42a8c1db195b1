#include "reports/PlayerWeekly.h"

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

class PlayerWeekly {
 public:
  PlayerWeekly(ReportEngine& e, const ReportChoices& c) : e_(e), c_(c) {}
  // The week's blocks, one per player who played; false when the user closed the report.
  bool week(const WeekScores& scores);

 private:
  bool header(const std::string& text);
  bool block(const ScoreLine& line);

  ReportEngine& e_;
  const ReportChoices& c_;
  int week_ = 0;
  std::string name_;
};

bool PlayerWeekly::header(const std::string& text) {
  if (e_.lineCount() == 1) {
    e_.ResetReportFont();
    if (e_.printing()) e_.BlankLines(3);
    const std::string& m = e_.marginText();
    e_.PrintLine(m + Fixed(Upper(lg.SportTerm[4]), 18) + " -- RESULTS -- PAGE" +
                 IntText(e_.pageNumber()) + " -- SESSION" + IntText(SessionOfWeek(week_)) +
                 " -- WEEK" + IntText(week_) + " OF" + IntText(lg.NumWeeks));
    e_.PrintLine(m + "LEAGUE: " + lg.LeagueName);
    if (!name_.empty()) e_.PrintLine(m + name_);
    e_.BlankLines(1);
    // The column titles are 69 characters wide: a narrower page would cut off the notes.
    e_.SetReportWidth(c_.extraStats ? 100 : 70);
  }
  if (!text.empty()) e_.PrintLine(text);
  return e_.aborted();
}

bool PlayerWeekly::block(const ScoreLine& line) {
  name_ = TrimRight(lg.PlayerName[line.player]);
  // The page header first: its width decides the margin of the lines below.
  if (header("")) return false;
  const std::string& m = e_.marginSpaces();
  const std::string titles[2] = {
      m + "GAME " + PinsTitle() + " HCP TOTAL  WON   " + Fixed("TEAM", 20) + "  NOTES",
      m + "---- ---- --- ----- ------ -------------------- ---------------------"};
  for (const std::string& t : titles)
    if (header(t)) return false;
  const int c = static_cast<int>(m.size());
  for (const std::string& text : GameLines(line, m, 69, 4, [&](std::string& first) {
         PutEnding(first, c + 26, FixedDecimals(line.pointsWon, 1));
         PutText(first, c + 28, TeamName(line.team));
         PutText(first, c + 49, KindNote(line.kind, true));
         if (line.incomplete()) PutText(first, c + 56, "INCOMPLETE");
       }))
    if (header(text)) return false;
  if (c_.extraStats)
    for (const std::string& text : ExtraStatLines({&line}, m, false))
      if (header(text)) return false;
  e_.EndPage();
  return !e_.aborted();
}

bool PlayerWeekly::week(const WeekScores& scores) {
  week_ = scores.week;
  if (!scores.readable) {
    name_.clear();
    if (header("") || header(UnreadWeekLine(e_, scores))) return false;
    e_.EndPage();
    return !e_.aborted();
  }
  for (const ListEntry& player : ListEntries(SelectionList::Players, 11)) {
    const ScoreLine* line = scores.player(player.value);
    if (line && line->kind != kForfeit && !block(*line)) return false;
  }
  return true;
}

}  // namespace

void BuildPlayerWeekly(ReportEngine& engine, const ReportChoices& choices) {
  PlayerWeekly report(engine, choices);
  for (int week : choices.weeks)
    if (!report.week(LoadWeekScores(week))) break;
  ReadWeekResults(lg.CurrentWeek);
  engine.UseBaseFont();
}

}  // namespace tallmark::reports
