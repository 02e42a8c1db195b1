#include "FuzzLeague.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/ProgramFolder.h"
#include "league/StatsFile.h"
#include "league/SysIO.h"
#include "league/WeekFiles.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"
#include "setup/SampleLeague.h"
#include "shell/Standings.h"

namespace fs = std::filesystem;

namespace tallmark::fuzz {

namespace {

struct Sample {
  std::string root;                          // the temporary folder
  std::string league;                        // root + "/league/"
  std::string program;                       // root + "/program/"
  std::map<std::string, std::string> files;  // path -> bytes, as built
  std::map<std::string, fs::file_time_type> written;  // path -> time of the last restore
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Remember(Sample& s, const std::string& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) s.files[entry.path().string()] = ReadBytes(entry.path());
}

Sample Build() {
  Sample s;
  // Durability is not what is tested here: files are written without fsync, in memory when
  // the machine has a memory file system.
  SetFaultPlan({0, 0, false});
  std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm/tallmark-fuzz-XXXXXX"
                                                     : "/tmp/tallmark-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data())) std::abort();
  s.root = pattern.c_str();
  s.league = s.root + "/league/";
  s.program = s.root + "/program/";
  fs::create_directories(s.league);
  fs::create_directories(s.program);
  InitLeagueData();
  lg.ProgramPath = s.program;
  if (!SeedProgramFolder(s.program, TALLMARK_BUILD_DATA_DIR "/")) std::abort();
  const SampleOutcome made = BuildSampleLeague(s.root + "/league");
  if (made.result != SampleBuild::Built) {
    std::fprintf(stderr, "the sample league could not be made: %s\n", made.problem.c_str());
    std::abort();
  }
  Remember(s, s.league);
  Remember(s, s.program);
  return s;
}

Sample& TheSample() {
  static Sample sample = Build();
  static const bool cleaned = [] {
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(TheSample().root, ec);
    });
    return true;
  }();
  (void)cleaned;
  return sample;
}

}  // namespace

const std::string& SampleFolder() { return TheSample().league; }

void RestoreSample() {
  Sample& s = TheSample();
  for (const std::string& folder : {s.league, s.program})
    for (const auto& entry : fs::directory_iterator(folder))
      if (!s.files.count(entry.path().string())) fs::remove_all(entry.path());
  // Only the files changed since they were last put back are written again.
  for (const auto& [path, bytes] : s.files) {
    std::error_code ec;
    const auto time = fs::last_write_time(path, ec);
    const auto known = s.written.find(path);
    if (!ec && known != s.written.end() && known->second == time &&
        fs::file_size(path, ec) == bytes.size())
      continue;
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    s.written[path] = fs::last_write_time(path, ec);
  }
}

std::string SampleFile(const std::string& extension) { return SampleFolder() + "SAMPLE" + extension; }

std::string ProgramFile(const std::string& name) { return TheSample().program + name; }

void WriteBytes(const std::string& path, const uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

bool OpenAndReadThrough() {
  InitLeagueData();
  lg.ProgramPath = TheSample().program;
  lg.DataPath = SampleFolder();
  lg.FileName = "SAMPLE";
  if (!LoadLeague()) return false;
  for (int week = 1; week <= lg.NumWeeks; ++week) ReadWeekResults(week);
  for (int session = 1; session <= lg.NumSessions; ++session) ReadStats(session);
  ReadStats(lg.CurrentSession);
  float leagueAverage = 0;
  for (const StandingsEntry& row : OrderedStandings(leagueAverage))
    (void)PercentText(row.won, row.lost);
  (void)StandingsText(DrawStandings());
  // The standing sheet, the condensed sheet, the schedule and the averages list.
  for (int type : {1, 2, 10, 13}) {
    reports::FixedPageDevice device;
    reports::ReportEngine engine(device, reports::Destination::File, lg.PrintMargins != 0);
    reports::RunPasses(engine, device, 1, [type](reports::ReportEngine& e) {
      reports::BuildReport(e, type, reports::ReportChoices{});
    });
  }
  return true;
}

}  // namespace tallmark::fuzz
