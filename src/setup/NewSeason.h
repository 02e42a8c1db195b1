// The next season of the open league, set up from this one.
#pragma once

#include "league/LeagueManagement.h"

namespace tallmark {

// Setup menu "New Season": saves the set-up of the open league as a new league (chosen through
// choose, asked again until a new name is given), carrying each record's current average
// forward as its starting average and clearing everything else of the season. Returns false
// when the user declined or no league is open.
bool FreshStart(const FileChooser& choose);

}  // namespace tallmark
