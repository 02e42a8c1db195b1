// Writes the program's data files into the folder given: SCHEDULE.DAT and SportsInfo.dat.
#include <cstdio>
#include <filesystem>
#include <string>

#include "league/FileSystem.h"
#include "league/SportsList.h"
#include "setup/ScheduleGenerator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tallmark-mkdata OUTDIR\n");
    return 2;
  }
  std::string dir = argv[1];
  std::filesystem::create_directories(dir);
  if (dir.back() != '/') dir += '/';
  int e1 = tallmark::WriteFileAtomic(dir + "SCHEDULE.DAT", tallmark::ShippedScheduleFile());
  int e2 = tallmark::WriteFileAtomic(dir + "SportsInfo.dat", tallmark::ShippedSportsFile());
  if (e1 || e2) std::fprintf(stderr, "tallmark-mkdata: cannot write the data files\n");
  return e1 || e2 ? 1 : 0;
}
