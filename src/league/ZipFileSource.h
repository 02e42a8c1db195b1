// A file given to libzip to pack, read in large pieces.
#pragma once

#include <zip.h>

#include <string>

namespace tallmark {

// A source for za reading the file at path in large pieces into one buffer, with the file's
// size and time; nullptr when the file cannot be found. libzip's own file source reads a small
// piece at a time.
zip_source_t* ReadFileSource(zip_t* za, const std::string& path);

}  // namespace tallmark
