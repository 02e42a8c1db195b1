// The last guard against writing stale state: the open league's set-up files (.CFG, .IDS, .RST,
// .MSG) as they were when read or last written by this program, so that a save over files
// another program changed meanwhile (where the writer's lock cannot work, on some network
// folders) is refused instead of undoing that program's work.
#pragma once

#include <string>

namespace tallmark {

// Notes the files of the league at base (path without extension) as they are now.
void NoteLeagueFiles(const std::string& base);

// After a commit of this program: notes the noted league's files again.
void RenoteLeagueFiles();

// True when the noted league is the one at base and its files are no longer as noted.
bool LeagueFilesChanged(const std::string& base);

}  // namespace tallmark
