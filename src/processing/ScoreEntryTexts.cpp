// The texts the score entry shows.
#include "league/Text.h"
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

}  // namespace tallmark
