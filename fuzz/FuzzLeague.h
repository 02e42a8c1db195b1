// What every fuzz target shares: a sample league built once in a temporary folder, whose files
// are put back before each input, and the work that reads a league through and through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tallmark::fuzz {

// Builds the sample league (once per process) and returns its folder, with a trailing "/".
const std::string& SampleFolder();

// Puts the sample league's files back as they were built, and the program folder's sport and
// schedule files too.
void RestoreSample();

// The path of the sample league's file with that extension (".CFG", ".scr", ...).
std::string SampleFile(const std::string& extension);
// The path of a file of the program folder ("SCHEDULE.DAT", "SportsInfo.dat").
std::string ProgramFile(const std::string& name);

// Replaces a file's contents.
void WriteBytes(const std::string& path, const uint8_t* data, std::size_t size);

// Opens the sample league, and when it opens reads every week, the statistics of every
// session, the standings and the weekly sheets, as the program does on a Tuesday night.
// False when the league did not open.
bool OpenAndReadThrough();

}  // namespace tallmark::fuzz
