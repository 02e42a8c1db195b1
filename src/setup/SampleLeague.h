// The sample league: a complete, realistic league for a first look at the program, built from
// nothing through the same operations the windows use (new league, teams, score entry, weekly
// processing). Everything in it is fixed, so two builds give the same files byte for byte.
#pragma once

#include <string>

namespace tallmark {

// The sample league's base name: its files are SAMPLE.CFG, SAMPLE.RST and so on.
inline constexpr const char* kSampleLeagueName = "SAMPLE";
// Its size: 8 teams of 4 bowlers, 3 bowling each week, 3 substitutes, 30 weeks.
inline constexpr int kSampleTeams = 8;
inline constexpr int kSampleMembers = 4;
inline constexpr int kSamplePlayers = 3;
inline constexpr int kSampleSubs = 3;
inline constexpr int kSampleWeeks = 30;
// The weeks whose scores are entered and processed.
inline constexpr int kSampleWeeksPlayed = 4;

enum class SampleBuild {
  Built,     // the league is made and open
  Exists,    // a league of the sample's name is in the folder already; nothing was changed
  NoFolder,  // the folder does not exist
  Failed,    // a step failed (reported through the error handler); its files were removed
};

struct SampleOutcome {
  SampleBuild result = SampleBuild::Failed;
  std::string configPath;  // the league's .CFG
  std::string problem;     // what failed, for Failed
};

// Builds the sample league in folder (the program folder must hold the sport and schedule
// files). The league open before is saved first; on success the sample league is the open
// league. Questions of the operations it runs are answered Yes without being shown; error
// reports still reach the user.
SampleOutcome BuildSampleLeague(const std::string& folder);

}  // namespace tallmark
