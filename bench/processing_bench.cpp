// Weekly processing, loading, saving and the reports of the largest league the files allow.
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
#include "LargestLeague.h"

namespace tallmark {
namespace {

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
  static std::unique_ptr<Fixture> season;  // one season processed for all the types
  if (!season) {
    SetFaultPlan(FaultPlan{0, 0, false});
    season = std::make_unique<Fixture>(kMaxWeeks);
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
