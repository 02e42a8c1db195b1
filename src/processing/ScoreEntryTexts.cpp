// The texts the score entry shows.
#include "common/Text.h"
#include "processing/ScoreEntry.h"

namespace tallmark {

const char* const kSubTotalCaption = "           SUB TOTAL";
const char* const kHandicapCaption = "            HANDICAP";
const char* const kTotalWithHandicapCaption = " TOTAL WITH HANDICAP";

const char* const kMissingResultsTitle = "MISSING RESULTS";
const char* const kProcessTitle = "PROCESS WEEKLY RESULTS";
const char* const kProcessQuestion =
    "Looks like all the scores are entered. Do you want to process all the scores and update "
    "the statistics now?";
const char* const kVacancyRefusal =
    "A vacancy can only be selected if the player listed in this row of the spreadsheet is a "
    "vacancy";
const char* const kForfeitRefusal =
    "A forfeit can only be selected with the check box next to the team name on this form.";
const char* const kRovingVacancyRefusal = "A vacancy cannot be selected as a roving sub";
const char* const kExtraStatRefusal =
    "Extra statistics must be between 0 and 63. See the help file for more information on this.";

const char* const kPrintFormsTitle = "PRINT DATA ENTRY FORMS";
const char* const kExtraRowsTitle = "ADD EXTRA BLANK ROWS";
const char* const kChooseFromListText =
    "Please make a choice by pressing the Enter key or double clicking on a selection from this "
    "list";
const char* const kSeasonDoneText = "The results for all scheduled weeks have been entered.";

const std::string& PlayerTypeText(int type) {
  static const std::string texts[] = {"Regular", "Substitute",       "Roving Sub",
                                      "Vacancy", "Regular - Absent", "Forfeit"};
  static const std::string none;
  return type >= 0 && type <= 5 ? texts[type] : none;
}

std::string MissingResultsText() {
  return "The results you entered have been saved but the scores will not be processed now "
         "because there are missing data." +
         NewLine + NewLine + "Data are missing if there are any games with a score of zero for any " +
         Lower(Trim(lg.SportTerm[4])) + " including vacancies and absentees.";
}

std::string NoSubstitutesText() {
  return "No substitute " + Lower(Trim(lg.SportTerm[5])) +
         " have been established. To enter a substitute " + Trim(lg.SportTerm[4]) +
         ", exit this form and select TEAMS AND SUBS from the Edit menu";
}

std::string PrintFormsQuestion() {
  return "To start the printing, click on:" + NewLine + NewLine + "YES - a form for each team" +
         NewLine + "NO - a form for this team only" + NewLine + "CANCEL - Abort the printing";
}

std::string ExtraRowsPrompt() {
  // The number keeps the blank written before a positive number.
  return "How many do you want on each form (0 - " + (" " + std::to_string(lg.PlayersPerWeek)) +
         ")?";
}

std::string IncompleteBoxCaption() { return "&Incomplete " + Trim(lg.SportTerm[9]) + "s"; }

std::string EntryTipText(EntryTip tip) {
  std::string frame = Trim(lg.SportTerm[9]);
  switch (tip) {
    case EntryTip::Process: return "Click here to exit and process data";
    case EntryTip::Cancel: return "Click here to exit without processing data";
    case EntryTip::Opponent: return "Click here to edit the opposing team's results";
    case EntryTip::PrintForm: return "Click here to print a blank data entry form";
    case EntryTip::PlayerType: return "Select a player type. ";
    case EntryTip::PlayerName: return "Select a " + Trim(lg.SportTerm[4]) + " from this list";
    case EntryTip::Scores: return "Enter the scores or extra stats for this game";
    case EntryTip::Incomplete:
      return "Any incomplete " + frame + "s or other unearned " + Trim(lg.SportTerm[6]) + "s?";
    case EntryTip::IncompleteBox: return "Check this box if not all " + frame + "s completed";
    case EntryTip::Forfeit: return "Check this box if this team forfeited";
    case EntryTip::Status: return "Scores will be processed when all results are in";
    case EntryTip::AverageAfterWeek1:
      return "You selected to have entering avg calculated after 1st week";
  }
  return {};
}

}  // namespace tallmark
