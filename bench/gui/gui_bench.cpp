// The windows' paths on the largest league, offscreen: opening the weekly results window,
// saving a team's scores, redrawing the standings of the main window.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "LargestLeague.h"
#include "league/ConfigFile.h"
#include "league/LeagueData.h"
#include "processing/ScoreEntry.h"
#include "processing/gui/ResultsForm.h"
#include "shell/gui/MainForm.h"

namespace tallmark {
namespace {

// The largest league on disk with week 1 entered and not processed: the results window opens
// on it with every team's scores.
Fixture& League() {
  static Fixture fixture(1);
  static const bool saved = SaveLeague();
  if (!saved) std::abort();
  return fixture;
}

void BM_OpenResultsWindow(benchmark::State& state) {
  League();
  for (auto _ : state) {
    ResultsForm form;
    form.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenResultsWindow)->Unit(benchmark::kMillisecond);

// What leaving a team in the results window stores: its score records, completeness and the
// week's record, durably.
void BM_SaveTeamScores(benchmark::State& state) {
  League();
  ScoreEntry entry;
  if (entry.open() != EntryOpen::Ready || !entry.selectTeam(entry.teams().front())) {
    state.SkipWithError("week 1 did not open");
    return;
  }
  for (auto _ : state) entry.saveCurrentTeam();
}
BENCHMARK(BM_SaveTeamScores)->Unit(benchmark::kMillisecond);

void BM_RedrawStandings(benchmark::State& state) {
  League();
  MainForm main;
  main.show();
  for (auto _ : state) {
    main.DrawStandings();
    main.Grid1()->repaint();
  }
}
BENCHMARK(BM_RedrawStandings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallmark

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
