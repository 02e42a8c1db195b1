// The sport master file of the program folder (SportsInfo.dat): 336-byte records, one a sport.
#pragma once

#include <array>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

constexpr int kSportRecordLength = 336;
constexpr int kSportTermLength = 32;

// Loads sport record n into SportTerm, GameParam and SportAward, and derives ClassLimit(0) and
// the sport-dependent CategoryName entries. A failed read makes the default sport record 1.
bool ReadSport(int n);
// Writes the sport variables as record n.
bool WriteSport(int n);

// The sport variables as one 336-byte record.
std::string SportRecord();

// Lower case with the first letter of each word in upper case ("TEN PIN" -> "Ten Pin").
std::string ProperCase(const std::string& text);

// One sport: its ten words, game parameters and award thresholds.
struct SportInfo {
  std::array<std::string, 10> terms;
  std::array<Integer, 4> params;
  std::array<Integer, 4> awards;
};
// Ten-pin bowling, the default sport.
SportInfo DefaultSport();
// A sport as one 336-byte record.
std::string SportRecord(const SportInfo& sport);

}  // namespace tallmark
