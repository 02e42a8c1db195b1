// Damage to a league's record files: a week's block of the season results file, a week's score
// records or a session's statistics that the processed weeks need but that lie beyond the end of
// their file (or a file that cannot be read at all). Such a part was written once and is lost;
// reports name it instead of printing the zeros it would read as.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallmark {

enum class DamagedPart { WeekResults, WeekScores, SessionStats, WeekSchedule };

struct Damage {
  DamagedPart part = DamagedPart::WeekResults;
  int number = 0;    // the week, or the session for statistics
  std::string file;  // the file's name without its folder, as the league names it
  bool unreadable = false;  // the file is there but cannot be opened
};

// Week w's lane slots and points in the season results file, when w is a processed week.
std::optional<Damage> WeekResultsDamage(int week);
// Week w's lane slots: for a processed week its results; for a week still to come, when the
// league's schedule is made for the season ahead (not entered each week), its schedule.
std::optional<Damage> WeekScheduleDamage(int week);
// The score records of the teams on week w's lane slots (teams[k] = the team on slot k + 1), when
// w is a processed week.
std::optional<Damage> WeekScoresDamage(int week, const std::vector<int>& teams);
// Session s's section of the statistics file, when s is a session reached so far (and a week
// has been processed).
std::optional<Damage> SessionStatsDamage(int session);
// Every damaged part of the league in memory: the processed weeks in order (results, else
// scores), the first week to come whose schedule is missing (the later ones lie further on in
// the same file), then the sessions. Leaves the league data as it is.
std::vector<Damage> FindLeagueDamage();

// The report line that stands in for the damaged part, in capitals:
// "WEEK 3 COULD NOT BE READ: ITS SCORES ARE MISSING FROM SAMPLE.SCR".
std::string DamageNotice(const Damage& damage);
// The message shown once when a league with damage is opened: each notice, then the way back.
std::string DamageWarning(const std::vector<Damage>& damage);

}  // namespace tallmark
