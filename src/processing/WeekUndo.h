// Undoing the last processed week, and processing weeks again after a correction of their
// stored score records. Both are one commit: the league is wholly as before or wholly as after.
#pragma once

#include <string>

namespace tallmark {

// Edit menu "Undo Last Processed Week" is offered when CurrentWeek >= StartWeek.
bool CanUndoWeek();

// Puts back what processing week CurrentWeek (and the session start that opening the week after
// it ran) wrote, as it was before, and loads the league again. Everything done since stays:
// the set-up, names, bulletin, rosters, schedule, and the results entered for the week after.
// A split week changed since that the undo cannot keep refuses. Returns an empty text when
// done, otherwise why nothing was changed.
std::string UndoLastWeek();

// Undoes the weeks from CurrentWeek back to week, keeping every stored score record as it is
// now (with corrections made since), then processes week .. the former CurrentWeek again in
// order, as the results window does, each with the set-up in force when it was first
// processed, and puts the set-up as it is now back at the end. Returns an empty text when done,
// otherwise why nothing was changed (a week without a record of its processing, or with results
// missing).
std::string ReprocessFrom(int week);

// What an undo of week puts back, and what it keeps (for the confirmations).
std::string UndoneText(int week);
std::string KeptText(int week);
std::string ReprocessKeptText(int lastWeek);

// The Edit menu entries: confirm (naming the weeks), run, and tell the outcome. True when the
// league changed.
bool UndoLastWeekAsked();
bool ReprocessAsked();

}  // namespace tallmark
