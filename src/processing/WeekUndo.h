// Undoing the last processed week, and processing weeks again after a correction of their
// stored score records. Both are one commit: the league is wholly as before or wholly as after.
#pragma once

#include <string>

namespace tallmark {

// Edit menu "Undo Last Processed Week" is offered when CurrentWeek >= StartWeek.
bool CanUndoWeek();

// Puts every league file back as it was just before week CurrentWeek was processed (the scores
// entered for it stay stored) and loads the league again. Returns an empty text when done,
// otherwise why nothing was changed.
std::string UndoLastWeek();

// Undoes the weeks from CurrentWeek back to week, keeping every stored score record as it is
// now (with corrections made since), then processes week .. the former CurrentWeek again in
// order, as the results window does. Returns an empty text when done, otherwise why nothing was
// changed (a week without a record of its processing, or with results missing).
std::string ReprocessFrom(int week);

// The Edit menu entries: confirm (naming the weeks), run, and tell the outcome. True when the
// league changed.
bool UndoLastWeekAsked();
bool ReprocessAsked();

}  // namespace tallmark
