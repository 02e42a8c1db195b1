#include "setup/CustomAwards.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Functs.h"
#include "processing/RangeChecks.h"

namespace tallmark {

CustomAwards::CustomAwards() {
  const int count = std::clamp<int>(lg.NumCustomAwards, 0, kRows);
  for (int r = 1; r <= count; ++r) {
    Row& row = rows_[r];
    row.kind = lg.CustomAward[0][r] == kSeries ? kSeries : kGame;
    row.maxAverage = lg.CustomAward[1][r];
    row.minScore = lg.CustomAward[2][r];
    row.maxScore = lg.CustomAward[3][r];
  }
}

Integer CustomAwards::field(int r, int f) const {
  const Row& row = rows_[r];
  return f == kMaxAverage ? row.maxAverage : f == kMinScore ? row.minScore : row.maxScore;
}

Integer CustomAwards::scoreLimit(int r) const {
  const int game = std::max<int>(lg.GameParam[0], 1);
  if (rows_[r].kind != kSeries) return static_cast<Integer>(game);
  return static_cast<Integer>(std::min(game * std::max<int>(lg.GamesPerWeek, 1), 32767));
}

Integer CustomAwards::minimum(int r, int f) const {
  return f == kMaxScore ? std::max<Integer>(rows_[r].minScore, 1) : Integer{1};
}

Integer CustomAwards::maximum(int r, int f) const {
  return f == kMaxAverage ? static_cast<Integer>(std::max<int>(lg.GameParam[0], 1))
                          : scoreLimit(r);
}

void CustomAwards::setKind(int r, int kind) {
  Row& row = rows_[r];
  const bool wasNone = row.kind == kNone;
  row.kind = kind;
  if (kind == kNone) return;
  if (wasNone) {
    row.maxAverage = maximum(r, kMaxAverage);
    row.minScore = row.maxScore = scoreLimit(r);
  }
  // A series row turned into a game row keeps its bounds within a game.
  row.maxAverage = std::clamp(row.maxAverage, Integer{1}, maximum(r, kMaxAverage));
  row.minScore = std::clamp(row.minScore, Integer{1}, scoreLimit(r));
  row.maxScore = std::clamp(row.maxScore, row.minScore, scoreLimit(r));
}

Integer CustomAwards::enter(int r, int f, const std::string& text, Integer step) {
  Row& row = rows_[r];
  if (row.kind == kNone) return field(r, f);
  const Integer v = CheckRange(text, field(r, f), minimum(r, f), maximum(r, f), step);
  switch (f) {
    case kMaxAverage: row.maxAverage = v; break;
    case kMinScore:
      row.minScore = v;
      row.maxScore = std::max(row.maxScore, v);
      break;
    default: row.maxScore = v; break;
  }
  return v;
}

std::string CustomAwards::KindItem(int kind) {
  return kind == kGame ? "Game" : kind == kSeries ? lg.SportTerm[8] : "None";
}

std::string CustomAwards::Tip(int f, Integer minimum, Integer maximum) {
  const std::string unit = lg.SportTerm[6];
  const std::string top = std::to_string(maximum);
  switch (f) {
    case kMaxAverage:
      return "Earn this award if average is equal to or less than this (1-" +
             std::to_string(lg.GameParam[0]) + ")";
    case kMinScore:
      return "Earn this award if " + unit + "s are equal to or greater than this (1-" + top + ")";
    default:
      return "Earn this award if " + unit + "s are equal to or less than this (" + std::to_string(minimum) + "-" + top +
             ")";
  }
}

std::string CustomAwards::Heading(int f) {
  const std::string unit = Upper(lg.SportTerm[6]).substr(0, 4);
  return f == kMinScore ? "MIN " + unit : f == kMaxScore ? "MAX " + unit : "MAX AVG";
}

void CustomAwards::store() const {
  lg.NumCustomAwards = 0;
  for (int r = 1; r <= kRows; ++r)
    for (int j = 0; j <= 3; ++j) lg.CustomAward[j][r] = 0;
  for (int r = 1; r <= kRows; ++r) {
    const Row& row = rows_[r];
    if (row.kind == kNone) continue;
    const int n = ++lg.NumCustomAwards;
    lg.CustomAward[0][n] = static_cast<Integer>(row.kind);
    lg.CustomAward[1][n] = row.maxAverage;
    lg.CustomAward[2][n] = row.minScore;
    lg.CustomAward[3][n] = row.maxScore;
  }
}

}  // namespace tallmark
