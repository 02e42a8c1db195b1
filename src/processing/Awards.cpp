#include "processing/Awards.h"

#include <algorithm>
#include <cmath>

#include "league/AwardsLog.h"
#include "league/SeqFile.h"
#include "common/Functs.h"

namespace tallmark {

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string NameOf(int p) {
  std::string name = lg.PlayerName[p];
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::string Verb() { return Lower(lg.SportTerm[2]); }
std::string SeriesTerm() { return Lower(lg.SportTerm[8]); }

// A single as it is shown: its shortest decimal form.
double AsShown(Single value) { return ShownValue(value); }

void CountOver(int player, int teamRecord, int category) {
  lg.PlayerStat[player][category] += 1;
  if (teamRecord != player) lg.PlayerStat[teamRecord][category] += 1;
}

// Pins over average: only the highest step met is logged. Equal steps are tested once.
void CheckOverAverage(const std::string& lead, Integer score, Single average, int week) {
  int high = std::max(lg.SportAward[0], lg.SportAward[1]);
  int low = std::min(lg.SportAward[0], lg.SportAward[1]);
  double over = score - std::floor(static_cast<double>(average));
  for (int step : {high, low}) {
    if (over >= step) {
      LogAward(lead + Str(score) + " (" + NumberText(step) + " over avg.)", week);
      return;
    }
    if (high == low) return;
  }
}

bool InCustomAward(int k, int kind, Single average, long score) {
  return lg.CustomAward[0][k] == kind && average <= lg.CustomAward[1][k] &&
         lg.CustomAward[2][k] <= score && score <= lg.CustomAward[3][k];
}

int CustomAwardCount() { return std::clamp<int>(lg.NumCustomAwards, 0, kMaxCustomAwards); }

// Most games earn nothing: the player's name is put together only for a game that does.
bool EarnsGameAward(Integer score, Single average) {
  if (score >= lg.CustomAward[0][0] || score >= lg.SportAward[2]) return true;
  if (score - std::floor(static_cast<double>(average)) >=
      std::min(lg.SportAward[0], lg.SportAward[1]))
    return true;
  for (int k = 1; k <= CustomAwardCount(); ++k)
    if (InCustomAward(k, 0, average, score)) return true;
  return false;
}

}  // namespace

void LogAward(const std::string& text, int week) { AppendAwardsLog(text, week); }

void CheckGameAwards(int player, int teamRecord, Integer score, Single average, int week) {
  if (!EarnsGameAward(score, average)) return;
  std::string name = NameOf(player);
  std::string lead = name + " " + Verb();
  if (score >= lg.CustomAward[0][0]) {
    CountOver(player, teamRecord, kScratchGamesOver);
    LogAward(lead + " a" + Str(score) + " game", week);
  }
  CheckOverAverage(lead, score, average, week);
  if (score >= lg.SportAward[2]) LogAward(lead + " a" + Str(score) + " game", week);
  for (int k = 1; k <= CustomAwardCount(); ++k)
    if (InCustomAward(k, 0, average, score))
      LogAward(name + " with a" + Str(AsShown(average)) + " average " + Verb() + Str(score),
               week);
}

void CheckSeriesAwards(int player, int teamRecord, const Integer* games, long series,
                       Single average, int week) {
  std::string name = NameOf(player);
  std::string lead = name + " " + Verb();
  int g = lg.GamesPerWeek;
  std::string seriesLine = lead + " a" + Str(series) + " " + SeriesTerm();
  if (g == 3 && games[0] == games[1] && games[1] == games[2])
    LogAward(name + " earned a Triple Score Award", week);
  double over = series - g * static_cast<double>(average);
  if (lg.SportAward[3] * g / 3.0 <= over)
    LogAward(lead + Str(std::floor(over)) + " over " + SeriesTerm() + " avg.", week);
  for (int k : {8, 7}) {
    if (lg.GameParam[0] * g * k / 9.0 <= series) {
      LogAward(seriesLine, week);
      break;
    }
  }
  for (int k = 1; k <= CustomAwardCount(); ++k)
    if (InCustomAward(k, 1, average, series))
      LogAward(name + " with a" + Str(AsShown(average)) + " average " + Verb() + " a" +
                   Str(series) + " " + SeriesTerm(),
               week);
  if (series >= lg.CustomAward[1][0]) {
    CountOver(player, teamRecord, kScratchSeriesOver);
    LogAward(seriesLine, week);
  }
  if (series >= lg.CustomAward[2][0]) {
    CountOver(player, teamRecord, kScratchSeriesOver2);
    LogAward(seriesLine, week);
  }
}

void LogWeekBestAward(int player, Integer overAverage, int week) {
  if (player < 0 || player > kMaxPlayerRecords || overAverage <= 0) return;
  LogAward(NameOf(player) + " " + Verb() + " highest " + Lower(lg.SportTerm[6]) + "s (" +
               NumberText(overAverage) + ") over average",
           week);
}

int SessionOfWeek(int week) {
  int sessions = std::clamp<int>(lg.NumSessions, 1, kMaxSessions);
  int session = 1;
  for (int k = 1; k < sessions && k <= 11; ++k)
    if (std::abs(lg.SplitWeek[k]) <= week) session = k + 1;
  return session;
}

}  // namespace tallmark
