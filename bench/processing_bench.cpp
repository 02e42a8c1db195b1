// Weekly processing of the largest league the files allow: 52 teams (26 lane pairs), 10 players
// a week out of 20 on each roster, 100 substitutes, 12 games a week.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "league/SysIO.h"
#include "league/WeekFiles.h"
#include "processing/Averages.h"
#include "processing/WeeklyProcessing.h"
#include "reports/FixedPageDevice.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"

namespace tallmark {
namespace {

constexpr int kTeams = 52;
constexpr int kRoster = 20;
constexpr int kPerWeek = 10;
constexpr int kGames = 12;
constexpr int kSubs = 100;

std::string MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tallmark-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern + "/";
}

void BuildLeague(const std::string& folder) {
  InitLeagueData();
  lg.ProgramPath = folder;  // the sport file a save writes
  std::filesystem::copy_file(std::string(TALLMARK_BUILD_DATA_DIR) + "/SportsInfo.dat",
                             folder + "SportsInfo.dat");
  lg.DataPath = folder;
  lg.FileName = "BIGLEAGUE";
  lg.LeagueName = "Largest League";
  lg.SportNumber = lg.SportCount = 1;
  lg.AwardPopups = False;
  lg.NumTeams = lg.LastTeam = kTeams;
  lg.PlayersPerTeam = kRoster;
  lg.PlayersPerWeek = kPerWeek;
  lg.GamesPerWeek = kGames;
  lg.NumLanes = kTeams / 2;
  lg.NumWeeks = kMaxWeeks;
  lg.NumSubs = kSubs;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> average(120, 210);
  int p = 0;
  for (int t = 1; t <= kTeams; ++t) {
    for (int s = 0; s <= kRoster; ++s, ++p) {
      lg.Roster[t][s] = static_cast<Integer>(p);
      lg.PlayerName[p] = Fixed("Bowler " + std::to_string(p), 20);
      lg.RecalcGames[p] = 3;
      if (s > 0) {
        lg.PlayerStat[p][kStartingAverage] = average(rng);
        UpdatePlayerAverage(t, p, 0, 0);
      }
    }
    lg.PlayerName[lg.Roster[t][0]] = Fixed("Team " + std::to_string(t), 20);
    UpdateTeamFromRoster(t);
  }
  for (int i = 1; i <= kSubs; ++i, ++p) {
    lg.SubList[i] = static_cast<Integer>(p);
    lg.PlayerName[p] = Fixed("Substitute " + std::to_string(i), 20);
  }
  lg.NumPlayerRecords = static_cast<Integer>(p);
}

// Week w: team pairs rotate; every player bowls scores around the average.
void EnterWeek(int week, std::mt19937& rng) {
  std::uniform_int_distribution<int> spread(-40, 40);
  for (int k = 1; k <= kTeams; ++k) lg.LaneTeam[k] = static_cast<Integer>((k + week - 2) % kTeams + 1);
  WriteWeekResults(week);
  for (int t = 1; t <= kTeams; ++t) {
    for (int slot = 1; slot <= kPerWeek; ++slot) {
      int p = lg.Roster[t][slot];
      lg.ScrEntryKind = kRegular;
      lg.ScrFlag = False;
      lg.ScrNoCreditMask = 0;
      lg.ScrPointsWon = 0;
      lg.ScrHandicap = RoundHalfEven(lg.PlayerStat[p][kCurrentHandicap]);
      for (int g = 0; g < kGames; ++g)
        lg.ScrGameScore[g] = static_cast<Integer>(
            std::clamp(static_cast<int>(lg.PlayerStat[p][kStartingAverage]) + spread(rng), 0, 300));
      WriteScore(week, t, slot, static_cast<Integer>(p));
    }
  }
}

struct Fixture {
  std::string folder = MakeFolder();
  std::unique_ptr<LeagueData> start;
  explicit Fixture(int weeks) {
    BuildLeague(folder);
    std::mt19937 rng(11);
    for (int w = 1; w <= weeks; ++w) EnterWeek(w, rng);
    start = std::make_unique<LeagueData>(lg);
  }
  ~Fixture() { std::filesystem::remove_all(folder); }
  void Restore() {
    lg = *start;
    ForgetProcessedWeek();
  }
};

// Argument 1: every commit is made durable (fsync of files and folder); 0: the same writes
// without the fsyncs, to show what the disk's flushing costs on top.
void UseSyncs(const benchmark::State& state) {
  FaultPlan plan;
  plan.syncs = state.range(0) != 0;
  SetFaultPlan(plan);
}

void BM_ProcessOneWeek(benchmark::State& state) {
  UseSyncs(state);
  Fixture fx(1);
  for (auto _ : state) {
    state.PauseTiming();
    fx.Restore();
    state.ResumeTiming();
    if (!ProcessWeek(1)) state.SkipWithError("week refused");
  }
}
BENCHMARK(BM_ProcessOneWeek)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProcessSeason(benchmark::State& state) {
  UseSyncs(state);
  Fixture fx(kMaxWeeks);
  for (auto _ : state) {
    state.PauseTiming();
    fx.Restore();
    state.ResumeTiming();
    for (int w = 1; w <= kMaxWeeks; ++w) {
      if (!ProcessWeek(w)) state.SkipWithError("week refused");
      lg.CurrentWeek = static_cast<Integer>(w);
    }
  }
}
BENCHMARK(BM_ProcessSeason)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SaveLeague(benchmark::State& state) {
  UseSyncs(state);
  Fixture fx(0);
  for (auto _ : state)
    if (!SaveLeague()) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveLeague)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LoadLeague(benchmark::State& state) {
  Fixture fx(0);
  if (!SaveLeague()) state.SkipWithError("save failed");
  for (auto _ : state)
    if (!LoadLeague()) state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadLeague)->Unit(benchmark::kMillisecond);

// Every report type over the whole processed season, every team, week, player, session and
// category chosen, written as the text file destination writes it. The argument is the type.
void BM_Report(benchmark::State& state) {
  static Fixture* season = nullptr;  // one season processed for all the types
  if (!season) {
    SetFaultPlan(FaultPlan{0, 0, false});
    season = new Fixture(kMaxWeeks);
    for (int w = 1; w <= kMaxWeeks; ++w) {
      if (!ProcessWeek(w)) state.SkipWithError("week refused");
      lg.CurrentWeek = static_cast<Integer>(w);
    }
  }
  const reports::ReportType* type = reports::FindReportType(static_cast<int>(state.range(0)));
  if (!type || !type->build) {
    state.SkipWithError("report type not built");
    return;
  }
  reports::ReportChoices choices;
  std::string problem;
  for (reports::SelectionList list : type->lists) {
    std::vector<int>* values = list == reports::SelectionList::Teams      ? &choices.teams
                               : list == reports::SelectionList::Weeks    ? &choices.weeks
                               : list == reports::SelectionList::Players  ? &choices.players
                               : list == reports::SelectionList::Sessions ? &choices.sessions
                                                                          : &choices.categories;
    if (!reports::ParseSelection(list, type->number, "all", *values, problem))
      state.SkipWithError(problem.c_str());
  }
  choices.reportOnTeams = type->number != 11 && type->number != 12;
  std::size_t bytes = 0;
  for (auto _ : state) {
    reports::FixedPageDevice device;
    reports::ReportEngine engine(device, reports::Destination::File, false);
    reports::RunPasses(engine, device, 1, [&](reports::ReportEngine& e) {
      reports::BuildReport(e, type->number, choices);
    });
    bytes = engine.fileText().size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Report)->DenseRange(1, 14)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallmark

BENCHMARK_MAIN();
