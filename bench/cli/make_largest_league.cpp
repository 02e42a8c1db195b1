// Writes the largest league the files allow to a folder, for timing tallmark-cli on it:
//   tallmark-bench-league FOLDER [WEEKS]
// WEEKS weeks are entered and processed, each after its backup archive as the program makes
// it, and the next week's scores are entered and left to process (default 0: week 1 waits).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/SysIO.h"
#include "processing/WeeklyProcessing.h"
#include "LargestLeague.h"

using namespace tallmark;

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s FOLDER [WEEKS]\n", argv[0]);
    return 2;
  }
  const int weeks = argc == 3 ? std::atoi(argv[2]) : 0;
  if (weeks < 0 || weeks >= kMaxWeeks) {
    std::fprintf(stderr, "WEEKS must be 0 to %d\n", kMaxWeeks - 1);
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '/') folder += '/';
  std::filesystem::create_directories(folder);
  std::filesystem::remove(folder + "SportsInfo.dat");
  SetFaultPlan(FaultPlan{0, 0, false});
  BuildLeague(folder);
  std::mt19937 rng(11);
  for (int w = 1; w <= weeks + 1; ++w) {
    EnterWeek(w, rng);
    if (w > weeks) break;
    if (!SaveLeague() || !MakeBackup(lg.CurrentWeek) || !ProcessWeek(w)) return 1;
    lg.CurrentWeek = static_cast<Integer>(w);
  }
  if (!SaveLeague()) return 1;
  std::filesystem::remove(folder + "SportsInfo.dat");
  std::printf("%s%s.CFG\n", folder.c_str(), lg.FileName.c_str());
  return 0;
}
