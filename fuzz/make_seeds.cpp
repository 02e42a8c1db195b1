// Writes the starting inputs of every fuzz target into OUTDIR/<target>/: the sample league's
// files (with the byte that picks the file in front where a target takes several), a backup
// archive of it, and the sheets kept beside this file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "FuzzLeague.h"
#include "league/Backup.h"
#include "league/ConfigFile.h"
#include "league/FileOverlay.h"
#include "league/LeagueData.h"

namespace fs = std::filesystem;
using namespace tallmark;

namespace {

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Seed(const fs::path& dir, const std::string& name, const std::string& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary) << bytes;
}

void SeedPicked(const fs::path& dir, const std::vector<std::string>& paths) {
  for (std::size_t i = 0; i < paths.size(); ++i)
    Seed(dir, fs::path(paths[i]).filename().string(), std::string(1, char(i)) + Bytes(paths[i]));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTDIR SHEETS-DIR\n", argv[0]);
    return 2;
  }
  const fs::path out = argv[1];
  const fs::path sheets = argv[2];
  using fuzz::ProgramFile;
  using fuzz::SampleFile;
  SeedPicked(out / "league_files", {SampleFile(".CFG"), SampleFile(".IDS"), SampleFile(".RST"),
                                    SampleFile(".MSG"), SampleFile(".SPC")});
  SeedPicked(out / "week_files", {SampleFile(".SEA"), SampleFile(".scr")});
  SeedPicked(out / "program_files", {ProgramFile("SportsInfo.dat"), ProgramFile("SCHEDULE.DAT")});
  Seed(out / "stats_file", "SAMPLE.STT", Bytes(SampleFile(".STT")));
  Seed(out / "undo_record", "SAMPLE.U04", Bytes(SampleFile(".U04")));
  // A journal that patches the bulletin and removes a file of the league, and one that names a
  // file outside the folder.
  using overlay::Change;
  const std::string folder = fuzz::SampleFolder().substr(0, fuzz::SampleFolder().size() - 1);
  const std::vector<Change> changes = {{Change::Patch, folder + "/SAMPLE.MSG", {}, 1, "NEW"},
                                       {Change::Remove, folder + "/SAMPLE.CSV", {}, 0, {}}};
  Seed(out / "journal_file", "SAMPLE.JNL", overlay::JournalBytes(changes, folder));
  Seed(out / "journal_file", "OUTSIDE.JNL",
       overlay::JournalBytes({{Change::Remove, "/tmp/x", {}, 0, {}}}, folder));
  fuzz::OpenAndReadThrough();
  if (!MakeBackup(lg.CurrentWeek)) return 1;
  Seed(out / "restore_zip", "backup.zip", Bytes(BackupArchiveName(lg.CurrentWeek)));
  for (const char* target : {"scores_csv", "roster_csv"})
    for (const auto& sheet : fs::directory_iterator(sheets / target))
      Seed(out / target, sheet.path().filename().string(), Bytes(sheet.path()));
  return 0;
}
