// The largest league the files allow, for the benchmarks: 52 teams (26 lane pairs), 10 players
// a week out of 20 on each roster, 100 substitutes, 12 games a week.
#pragma once

#include <memory>
#include <random>
#include <string>

#include "league/LeagueData.h"

namespace tallmark {

constexpr int kTeams = 52;
constexpr int kRoster = 20;
constexpr int kPerWeek = 10;
constexpr int kGames = 12;
constexpr int kSubs = 100;

// A new temporary folder, with a trailing "/".
std::string MakeFolder();
// The league in memory, named BIGLEAGUE in folder (nothing written yet).
void BuildLeague(const std::string& folder);
// Week w's pairs and every player's scores, written to the week's records.
void EnterWeek(int week, std::mt19937& rng);

// The league with its first weeks entered (not processed), kept to start each run from.
struct Fixture {
  std::string folder = MakeFolder();
  std::unique_ptr<LeagueData> start;
  explicit Fixture(int weeks);
  ~Fixture();
  void Restore();
};

}  // namespace tallmark
